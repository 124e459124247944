#include "common/recordfile.h"

#include "common/failure.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nookery {

FileCalls &fileCalls()
{
    static FileCalls calls{::pwrite, ::fsync, ::fdatasync, ::rename};
    return calls;
}

namespace {

QString systemError(const QString &what, const QString &path)
{
    return what + u' ' + path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

// Writes all of `bytes` at `offset`, retrying short writes and interruptions.
bool writeAll(int fd, const char *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = fileCalls().pwrite(fd, data, size_t(size), off_t(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

} // namespace

RecordFile::RecordFile(int recordLength) : m_recordLength(recordLength) {}

RecordFile::~RecordFile()
{
    close();
}

void RecordFile::open(const QString &path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        throw IoError(systemError(QStringLiteral("cannot open"), path));
    struct stat st
    {
    };
    if (::fstat(m_fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        close();
        throw IoError(QStringLiteral("not a file: ") + path);
    }
    m_path = path;
}

void RecordFile::openReadOnly(const QString &path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        throw IoError(systemError(QStringLiteral("cannot open"), path));
    m_path = path;
}

void RecordFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

qint64 RecordFile::byteLength() const
{
    struct stat st
    {
    };
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        throw IoError(QStringLiteral("cannot measure ") + m_path);
    return st.st_size;
}

QByteArray RecordFile::read(qint64 index) const
{
    return readRecords(index, 1);
}

QByteArray RecordFile::readRecords(qint64 first, qint64 count) const
{
    if (m_fd < 0)
        throw IoError(QStringLiteral("record file is not open"));
    const qint64 length = qMax<qint64>(count, 0) * m_recordLength;
    QByteArray out(length, Qt::Uninitialized);
    qint64 got = 0;
    while (got < length) {
        const ssize_t n = ::pread(m_fd, out.data() + got, size_t(length - got),
                                  off_t(first * m_recordLength + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(systemError(QStringLiteral("cannot read"), m_path));
        }
        if (n == 0)
            break;
        got += n;
    }
    out.truncate(got);
    return out;
}

bool RecordFile::isFileAt(const QString &path) const
{
    struct stat held
    {
    };
    struct stat named
    {
    };
    if (m_fd < 0 || ::fstat(m_fd, &held) != 0)
        return false;
    if (::stat(QFile::encodeName(path).constData(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

QByteArray RecordFile::fit(const QByteArray &record) const
{
    QByteArray out = record.left(m_recordLength);
    if (out.size() < m_recordLength)
        out.append(m_recordLength - out.size(), ' ');
    return out;
}

void RecordFile::writeAt(qint64 offset, const QByteArray &bytes, bool sync)
{
    if (m_fd < 0)
        throw IoError(QStringLiteral("record file is not open"));
    if (!writeAll(m_fd, bytes.constData(), bytes.size(), offset))
        throw IoError(systemError(QStringLiteral("cannot write"), m_path));
    if (sync && fileCalls().fdatasync(m_fd) != 0)
        throw IoError(systemError(QStringLiteral("cannot flush"), m_path));
}

void RecordFile::write(qint64 index, const QByteArray &record)
{
    writeAt(index * m_recordLength, fit(record), true);
}

void RecordFile::append(const QByteArray &record)
{
    writeAt(wholeRecords() * m_recordLength, fit(record), true);
}

void RecordFile::appendUnsynced(const QByteArray &record)
{
    writeAt(wholeRecords() * m_recordLength, fit(record), false);
}

void replaceFileAtomically(const QString &path, const QByteArray &bytes,
                           const QString &temporaryName)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const QString temporary = temporaryName.isEmpty()
                                  ? QString(target.absoluteFilePath() + QStringLiteral(".tmp"))
                                  : QString(folder + u'/' + temporaryName);
    const QByteArray tmpName = QFile::encodeName(temporary);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());

    mode_t mode = 0600;
    struct stat old
    {
    };
    if (::stat(targetName.constData(), &old) == 0)
        mode = old.st_mode & 07777;

    const int fd = ::open(tmpName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        throw IoError(systemError(QStringLiteral("cannot create"), temporary));
    const bool written = writeAll(fd, bytes.constData(), bytes.size(), 0) &&
                         ::fchmod(fd, mode) == 0 && fileCalls().fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!written) {
        errno = savedErrno;
        const QString message = systemError(QStringLiteral("cannot write"), temporary);
        ::unlink(tmpName.constData());
        throw IoError(message);
    }
    if (fileCalls().rename(tmpName.constData(), targetName.constData()) != 0) {
        const QString message = systemError(QStringLiteral("cannot replace"), path);
        ::unlink(tmpName.constData());
        throw IoError(message);
    }
    // The rename is only durable once the folder's entry is on disk.
    const int dir =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fileCalls().fsync(dir);
        ::close(dir);
    }
}

} // namespace nookery
