#pragma once

#include "shell/handoverserver.h"

#include <QString>
#include <memory>

class QLibrary;

namespace nookery {

// One running copy of the suite per user: the first start holds a lock in the user's
// runtime folder and answers later starts on a local socket beside it; a later start hands
// its request over and ends. The kernel drops the lock of a copy that dies, so a killed
// copy's leftovers are taken over by the next start.
class RunningCopy
{
public:
    enum class Outcome {
        First,      // this start is the running copy (or runs alone: no private folder)
        HandedOver, // the running copy took the request
        Refused,    // the running copy did not know the request
        NoAnswer,   // a copy holds the lock but did not answer in time
    };

    explicit RunningCopy(QString runtimeFolder = defaultRuntimeFolder());
    ~RunningCopy();
    RunningCopy(const RunningCopy &) = delete;
    RunningCopy &operator=(const RunningCopy &) = delete;

    // $XDG_RUNTIME_DIR, or a folder of the user's own under the temporary folder.
    static QString defaultRuntimeFolder();

    // Takes the lock, or hands `request` to the copy holding it, waiting up to `waitMs` for
    // one that is still starting. Plain system calls: no Qt application is needed.
    Outcome claim(const QString &request, int waitMs = 10000);
    // Answers later starts through `handler`. The server module is loaded here, so call it
    // once the suite is up. Does nothing unless claim() made this the running copy.
    void listen(HandOverServer::Handler handler);
    // Before the suite's windows go; the lock stays until this object goes.
    void stopListening() { m_server.reset(); }

    QString socketPath() const;
    QString lockPath() const;

private:
    enum class Attempt { Answered, Unknown, NoServer };
    bool privateFolder() const;
    Attempt handOver(const QByteArray &request, int waitMs) const;

    QString m_folder;
    int m_lock = -1;
    std::unique_ptr<QLibrary> m_module;
    std::unique_ptr<HandOverServer> m_server;
};

} // namespace nookery
