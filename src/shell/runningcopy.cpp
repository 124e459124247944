#include "shell/runningcopy.h"

#include "platform/modulefile.h"

#include <QDir>
#include <QFile>
#include <QLibrary>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace nookery {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto RetryPause = std::chrono::milliseconds(20);

int remainingMs(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return int(std::max<qint64>(0, left.count()));
}

// A descriptor closed on every way out.
struct Fd
{
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

RunningCopy::RunningCopy(QString runtimeFolder) : m_folder(std::move(runtimeFolder)) {}

RunningCopy::~RunningCopy()
{
    // The server's code lives in the module.
    m_server.reset();
    if (m_lock >= 0)
        ::close(m_lock);
}

QString RunningCopy::defaultRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime;
    return QDir::tempPath() + QStringLiteral("/runtime-nookery-") + QString::number(getuid());
}

QString RunningCopy::socketPath() const
{
    return m_folder + QStringLiteral("/nookery.socket");
}

QString RunningCopy::lockPath() const
{
    return m_folder + QStringLiteral("/nookery.lock");
}

bool RunningCopy::privateFolder() const
{
    const QByteArray folder = QFile::encodeName(m_folder);
    // The fallback is made here; a session's runtime folder is the session's to make.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        ::mkdir(folder.constData(), 0700);
    struct stat st
    {
    };
    // Another user's folder, or one others can enter, could hold a socket that is not ours.
    return ::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 077) == 0;
}

RunningCopy::Outcome RunningCopy::claim(const QString &request, int waitMs)
{
    if (!privateFolder()) {
        qWarning("Nookery: %s is missing or open to other users; starting without looking for "
                 "a running copy.",
                 qPrintable(m_folder));
        return Outcome::First;
    }
    Fd lock{::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)};
    if (lock.fd < 0) {
        qWarning("Nookery: cannot open %s: %s", qPrintable(lockPath()), std::strerror(errno));
        return Outcome::First;
    }
    const QByteArray line = request.toUtf8() + '\n';
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(lock.fd, LOCK_EX | LOCK_NB) == 0) {
            m_lock = std::exchange(lock.fd, -1);
            return Outcome::First;
        }
        switch (handOver(line, remainingMs(deadline))) {
        case Attempt::Answered:
            return Outcome::HandedOver;
        case Attempt::Unknown:
            return Outcome::Refused;
        case Attempt::NoServer:
            break;
        }
        // The copy holding the lock is still starting, or is on its way out.
        if (remainingMs(deadline) == 0)
            return Outcome::NoAnswer;
        std::this_thread::sleep_for(RetryPause);
    }
}

RunningCopy::Attempt RunningCopy::handOver(const QByteArray &request, int waitMs) const
{
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return Attempt::NoServer;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    Fd s{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (s.fd < 0 || ::connect(s.fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
        return Attempt::NoServer;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(s.fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid())
        return Attempt::NoServer;
    if (::send(s.fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) != request.size())
        return Attempt::NoServer;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    QByteArray answer;
    while (!answer.contains('\n')) {
        pollfd p{s.fd, POLLIN, 0};
        if (::poll(&p, 1, remainingMs(deadline)) <= 0)
            return Attempt::NoServer;
        char buffer[64];
        const ssize_t got = ::read(s.fd, buffer, sizeof buffer);
        if (got <= 0)
            return Attempt::NoServer;
        answer.append(buffer, got);
    }
    return answer.startsWith("ok\n") ? Attempt::Answered : Attempt::Unknown;
}

void RunningCopy::listen(HandOverServer::Handler handler)
{
    if (m_lock < 0 || m_server)
        return;
    const QString file = findModule(u"nookery_handover");
    m_module = std::make_unique<QLibrary>(file);
    using Listen = HandOverServer *(*)(const QString &, HandOverServer::Handler, QString *);
    auto start = file.isEmpty()
                     ? nullptr
                     : reinterpret_cast<Listen>(m_module->resolve("nookery_handover_listen"));
    if (!start) {
        qWarning("Nookery: cannot load the hand-over module: %s",
                 qPrintable(file.isEmpty() ? QStringLiteral("libnookery_handover.so not found")
                                           : m_module->errorString()));
        return;
    }
    QString error;
    m_server.reset(start(socketPath(), std::move(handler), &error));
    if (!m_server)
        qWarning("Nookery: cannot answer later starts at %s: %s", qPrintable(socketPath()),
                 qPrintable(error));
}

} // namespace nookery
