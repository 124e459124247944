#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace nookery {

// The file-system calls behind every durable write, in one table so that a test can watch
// their order or stop the process at one of them. The program itself never changes it.
struct FileCalls
{
    ssize_t (*pwrite)(int fd, const void *data, size_t size, off_t offset);
    int (*fsync)(int fd);
    int (*fdatasync)(int fd);
    int (*rename)(const char *from, const char *to);
};
FileCalls &fileCalls();

// A file of fixed-length records without header, held open while its window is shown.
// Records are counted from 0 here; callers that count from 1 subtract. Every failure throws
// IoError, so the calling handler shows its numbered message.
class RecordFile
{
public:
    explicit RecordFile(int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens `path` for reading and writing, creating it (mode 0600) when missing.
    void open(const QString &path);
    // Opens `path` for reading only; a missing file throws.
    void openReadOnly(const QString &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    int recordLength() const { return m_recordLength; }

    // The file's length in bytes, as it is on disk now.
    qint64 byteLength() const;
    // Whole records only: a torn tail does not count.
    qint64 wholeRecords() const { return byteLength() / m_recordLength; }

    // Record `index`; past the end it reads as far as the file goes (possibly nothing).
    QByteArray read(qint64 index) const;
    // `count` records from `first` in one go, as far as the file goes.
    QByteArray readRecords(qint64 first, qint64 count) const;
    // Whether the open descriptor is still the file now at `path` (same device and inode):
    // on Linux nothing stops another program renaming a file over the one we hold.
    bool isFileAt(const QString &path) const;
    // One write at the record's offset, then fdatasync. `record` is cut or padded with
    // blanks to the record length.
    void write(qint64 index, const QByteArray &record);
    // One write at the end of the whole records, then fdatasync.
    void append(const QByteArray &record);
    // The same append without the sync, for logs where losing the last record to a power
    // cut costs nothing.
    void appendUnsynced(const QByteArray &record);

private:
    QByteArray fit(const QByteArray &record) const;
    void writeAt(qint64 offset, const QByteArray &bytes, bool sync);

    int m_recordLength;
    int m_fd = -1;
    QString m_path;
};

// Replaces the file at `path` with `bytes` so that, whatever happens, the path holds either
// the old content or the new, whole: a temporary beside it is written completely, flushed
// and fsynced, renamed over the target, and the folder is fsynced. A new file is readable by
// the user only; a replaced one keeps the old file's mode. `temporaryName` names the
// temporary (as "reminder.tmp"); empty means `path` + ".tmp". Throws IoError.
void replaceFileAtomically(const QString &path, const QByteArray &bytes,
                           const QString &temporaryName = {});

} // namespace nookery
