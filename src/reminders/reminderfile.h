#pragma once

#include "common/datepattern.h"
#include "common/recordfile.h"
#include "reminders/reminderrecord.h"

#include <QDir>
#include <QList>
#include <QLockFile>

namespace nookery {

// "reminder.dat" in the start folder, held open while the reminders window is shown.
// Records are numbered from 1. Every write is on disk when the call returns; removals
// replace the whole file through "reminder.tmp" so that a crash leaves the old file or the
// new one, never neither. Failures throw IoError for the calling handler's message.
//
// Nothing on Linux stops another program writing the file we hold, so we also hold
// "reminder.lck": a second running suite opens the file read-only. A file we cannot read
// whole (a torn last record, the older 54-byte layout) opens read-only as well and is
// never written, not even with the default record.
class ReminderFile
{
public:
    enum class Access {
        Writable,
        Damaged,     // its length is not a multiple of 70
        InUse,       // another copy of the suite holds the lock
        NotWritable, // the file system or the file's mode refuses writes
    };

    static QString fileName() { return QStringLiteral("reminder.dat"); }
    static QString temporaryName() { return QStringLiteral("reminder.tmp"); }
    static QString lockName() { return QStringLiteral("reminder.lck"); }

    explicit ReminderFile(const QDir &folder);
    ~ReminderFile();
    ReminderFile(const ReminderFile &) = delete;
    ReminderFile &operator=(const ReminderFile &) = delete;

    // Opens the file, creating it when missing; an empty one gets the default record, dated
    // in the order `patterns` give. The current record is the last one.
    void Open(const DatePatterns &patterns);
    void Close();
    bool isOpen() const { return m_opened; }
    Access access() const { return m_access; }
    bool isWritable() const { return m_opened && m_access == Access::Writable; }
    QString path() const;

    // Length / 70 rounded half to even: a 105-byte file holds 2 records, a 34-byte one none.
    int Count() const { return m_count; }
    // Record n; n < 1 or past the count reads as an empty record.
    ReminderRecord Read(int n) const;
    // Every record, in file order, read in one go.
    QList<ReminderRecord> ReadAll() const;

    // Overwrites record n in place (n = count + 1 extends the file by one record).
    void Write(int n, const ReminderRecord &record);
    // Writes `record` as the new last record and makes it current.
    void Append(const ReminderRecord &record);
    // The file without record n; the current record stays within the count.
    void Remove(int n);
    // The file without each one-time reminder dated before `today`; the others, and those
    // whose date cannot be read, stay in their order with Reserved zeroed. The last kept
    // record becomes current.
    void RemovePastOnce(const QDate &today, bool dayFirst);

    int current() const { return m_current; }
    void setCurrent(int n) { m_current = n; }

    static int countFor(qint64 byteLength);

private:
    void openFile();
    bool tryLockPrivately();
    void requireWritable() const;
    void requireSameFile();
    void replaceWith(const QByteArray &bytes);

    QDir m_folder;
    RecordFile m_file;
    QLockFile m_lock;
    DatePatterns m_patterns;
    Access m_access = Access::Writable;
    bool m_opened = false;
    int m_count = 0;
    int m_current = 0;
};

} // namespace nookery
