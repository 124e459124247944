#pragma once

#include <QString>
#include <functional>

namespace nookery {

// Answers later starts of the suite on a local socket. Lives in a module of its own so the
// network library is loaded only once the suite is up.
class HandOverServer
{
public:
    // Takes one request line ("show", "open notes"); false for one it does not know.
    using Handler = std::function<bool(const QString &request)>;
    virtual ~HandOverServer() = default;
};

} // namespace nookery

// Listens at `socketPath`, taking over a socket left by a copy that was killed. Only
// connections from the same user are answered. Null, with `error` set, when it cannot listen.
extern "C" nookery::HandOverServer *
nookery_handover_listen(const QString &socketPath, nookery::HandOverServer::Handler handler,
                        QString *error);
