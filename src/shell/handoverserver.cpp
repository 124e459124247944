// The hand-over module: a QLocalServer that takes one request line from each connection,
// hands it to the suite and answers "ok" or "unknown".
#include "shell/handoverserver.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// A request is one short line; anything longer is not one of ours.
constexpr qint64 MaxRequest = 256;
constexpr int ReadTimeoutMs = 2000;

bool sameUser(const QLocalSocket &socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == getuid();
}

class Server final : public nookery::HandOverServer
{
public:
    explicit Server(Handler handler) : m_handler(std::move(handler))
    {
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] {
            while (QLocalSocket *socket = m_server.nextPendingConnection())
                accept(socket);
        });
    }

    bool listen(const QString &path, QString *error)
    {
        // Only the copy holding the lock gets here, so a socket file left there belongs to
        // a copy that is gone.
        QLocalServer::removeServer(path);
        if (m_server.listen(path))
            return true;
        if (error)
            *error = m_server.errorString();
        return false;
    }

private:
    void accept(QLocalSocket *socket)
    {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!sameUser(*socket)) {
            socket->abort();
            return;
        }
        QPointer<QLocalSocket> guard(socket);
        // A client that never finishes its line is dropped rather than kept forever.
        QTimer::singleShot(ReadTimeoutMs, socket, [guard] {
            if (guard)
                guard->abort();
        });
        QObject::connect(socket, &QLocalSocket::readyRead, socket,
                         [this, socket] { readRequest(socket); });
        readRequest(socket);
    }

    void readRequest(QLocalSocket *socket)
    {
        if (socket->state() != QLocalSocket::ConnectedState)
            return;
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > MaxRequest)
                socket->abort();
            return;
        }
        const QString request = QString::fromUtf8(socket->readLine(MaxRequest)).trimmed();
        const bool known = m_handler(request);
        socket->write(known ? "ok\n" : "unknown\n");
        // The later start ends on this answer, without waiting for what it asked for.
        socket->flush();
        socket->disconnectFromServer();
    }

    QLocalServer m_server;
    Handler m_handler;
};

} // namespace

extern "C" Q_DECL_EXPORT nookery::HandOverServer *
nookery_handover_listen(const QString &socketPath, nookery::HandOverServer::Handler handler,
                        QString *error)
{
    auto server = std::make_unique<Server>(std::move(handler));
    if (!server->listen(socketPath, error))
        return nullptr;
    return server.release();
}
