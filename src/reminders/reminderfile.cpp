#include "reminders/reminderfile.h"

#include "common/failure.h"
#include "reminders/recordlayout.h"

#include <QFileInfo>

#include <limits>

#include <sys/stat.h>

namespace nookery {

namespace {

constexpr int Length = ReminderRecord::Length;
constexpr reminderlayout::Field Reserved = reminderlayout::current::Reserved;

ReminderRecord defaultRecord(const DatePatterns &patterns)
{
    return ReminderRecord::make(QStringLiteral("Christmas Day"), 'X', 'Y',
                                formatDatePattern(QDate(2001, 12, 25), patterns.longDate));
}

} // namespace

ReminderFile::ReminderFile(const QDir &folder)
    : m_folder(folder), m_file(Length), m_lock(folder.filePath(lockName()))
{
    // Only a dead owner makes the lock stale; a suite left open for days still holds it.
    m_lock.setStaleLockTime(0);
}

ReminderFile::~ReminderFile()
{
    Close();
}

QString ReminderFile::path() const
{
    return m_folder.filePath(fileName());
}

int ReminderFile::countFor(qint64 byteLength)
{
    const qint64 whole = byteLength / Length;
    const qint64 rest = byteLength % Length;
    const bool up = rest * 2 > Length || (rest * 2 == Length && whole % 2 == 1);
    return int(qMin<qint64>(whole + (up ? 1 : 0), std::numeric_limits<int>::max()));
}

void ReminderFile::Open(const DatePatterns &patterns)
{
    Close();
    m_patterns = patterns;
    openFile();
    m_current = m_count;
}

void ReminderFile::openFile()
{
    m_file.close();
    m_opened = false;
    m_count = 0;
    const QString file = path();
    m_access = Access::Writable;
    if (!m_lock.isLocked() && !tryLockPrivately()) {
        // A copy killed before it wrote its process id into the lock leaves a lock nothing
        // can call stale. Its owner's kernel lock died with it, though: when nobody holds
        // that, the lock is removed and taken.
        if (!m_lock.removeStaleLockFile() || !tryLockPrivately())
            m_access = Access::InUse;
    }

    if (m_access == Access::Writable) {
        try {
            m_file.open(file);
        } catch (const IoError &) {
            if (!QFileInfo::exists(file))
                throw;
            m_access = Access::NotWritable;
        }
    }
    if (m_access != Access::Writable) {
        if (m_lock.isLocked())
            m_lock.unlock();
        if (!QFileInfo::exists(file)) {
            // Another copy holds the lock and the file is not there yet: nothing to show.
            m_opened = true;
            return;
        }
        m_file.openReadOnly(file);
    }
    m_opened = true;

    const qint64 length = m_file.byteLength();
    m_count = countFor(length);
    if (length % Length != 0) {
        if (m_access == Access::Writable) {
            m_file.openReadOnly(file);
            m_lock.unlock();
        }
        m_access = Access::Damaged;
        return;
    }
    if (m_count == 0 && m_access == Access::Writable) {
        m_file.write(0, defaultRecord(m_patterns).toBytes());
        m_count = 1;
    }
}

bool ReminderFile::tryLockPrivately()
{
    // QLockFile creates the lock with the umask's mode, and it names our process, host and
    // machine: like every file of the suite it is the user's alone. The suite's files are
    // made on the interface thread, so the narrowed umask holds only for this call.
    const mode_t before = ::umask(077);
    const bool locked = m_lock.tryLock(0);
    ::umask(before);
    return locked;
}

void ReminderFile::Close()
{
    m_file.close();
    if (m_lock.isLocked())
        m_lock.unlock();
    m_opened = false;
    m_count = 0;
}

ReminderRecord ReminderFile::Read(int n) const
{
    if (n < 1 || n > m_count || !m_file.isOpen())
        return ReminderRecord::fromBytes({});
    return ReminderRecord::fromBytes(m_file.read(n - 1));
}

QList<ReminderRecord> ReminderFile::ReadAll() const
{
    QList<ReminderRecord> out;
    if (m_count == 0 || !m_file.isOpen())
        return out;
    const QByteArray bytes = m_file.readRecords(0, m_count);
    out.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        out.append(ReminderRecord::fromBytes(bytes.mid(qsizetype(i) * Length, Length)));
    return out;
}

void ReminderFile::requireWritable() const
{
    if (!isWritable())
        throw IoError(QStringLiteral("reminder.dat is open read-only"));
}

void ReminderFile::requireSameFile()
{
    if (m_file.isFileAt(path()))
        return;
    // Someone replaced or removed the file behind our back: writing through the old
    // descriptor would land nowhere anyone reads. Start again from what is there now.
    const int current = m_current;
    openFile();
    m_current = qMin(current, m_count);
    throw IoError(QStringLiteral("reminder.dat was replaced by another program"));
}

void ReminderFile::Write(int n, const ReminderRecord &record)
{
    requireWritable();
    if (n < 1 || n > m_count + 1)
        throw IoError(QStringLiteral("no record %1 in reminder.dat").arg(n));
    requireSameFile();
    m_file.write(n - 1, record.toBytes());
    if (n > m_count)
        m_count = n;
}

void ReminderFile::Append(const ReminderRecord &record)
{
    Write(m_count + 1, record);
    m_current = m_count;
}

void ReminderFile::replaceWith(const QByteArray &bytes)
{
    replaceFileAtomically(path(), bytes, temporaryName());
    // The old descriptor points at the replaced file now.
    m_file.open(path());
    m_count = int(bytes.size() / Length);
}

void ReminderFile::Remove(int n)
{
    requireWritable();
    if (n < 1 || n > m_count)
        throw IoError(QStringLiteral("no record %1 in reminder.dat").arg(n));
    requireSameFile();
    QByteArray bytes = m_file.readRecords(0, m_count);
    if (bytes.size() != qsizetype(m_count) * Length)
        throw IoError(QStringLiteral("reminder.dat shrank while it was open"));
    bytes.remove(qsizetype(n - 1) * Length, Length);
    replaceWith(bytes);
    m_current = qMin(m_current, m_count);
}

void ReminderFile::RemovePastOnce(const QDate &today, bool dayFirst)
{
    requireWritable();
    requireSameFile();
    const QByteArray bytes = m_file.readRecords(0, m_count);
    if (bytes.size() != qsizetype(m_count) * Length)
        throw IoError(QStringLiteral("reminder.dat shrank while it was open"));
    QByteArray kept;
    kept.reserve(bytes.size());
    for (int i = 0; i < m_count; ++i) {
        QByteArray raw = bytes.mid(qsizetype(i) * Length, Length);
        const ReminderRecord record = ReminderRecord::fromBytes(raw);
        if (record.Frequency == 'O') {
            const auto date = readReminderDate(record.Date, dayFirst);
            if (date && *date < today)
                continue;
        }
        raw.replace(Reserved.offset, Reserved.width, QByteArray(Reserved.width, '\0'));
        kept += raw;
    }
    replaceWith(kept);
    m_current = m_count;
}

} // namespace nookery
