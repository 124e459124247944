#pragma once
// For the helpers that the crash tests kill: stops this process with SIGKILL at one step of
// a durable write, chosen by the environment, so that a test can look at what each step
// leaves behind. NOOKERY_KILL_AT=STEP[:N] kills when the step is reached the N-th time (the
// first when N is left out):
//   written  after a write to a file
//   synced   after a file's fsync or fdatasync
//   renamed  after a temporary is renamed over its target
//   folder   before the folder of a renamed file is fsynced
// Unset, the helper runs as the program does.
#include "common/recordfile.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace nookery::test {

namespace killstep {
inline QByteArray step;
inline int left = 0;
inline FileCalls real{};

inline void reached(const char *name)
{
    if (step == name && --left == 0)
        ::kill(::getpid(), SIGKILL);
}

inline bool isFolder(int fd)
{
    struct stat st
    {
    };
    return ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace killstep

inline void killAtStepFromEnvironment()
{
    using namespace killstep;
    const QList<QByteArray> parts = qgetenv("NOOKERY_KILL_AT").split(':');
    if (parts.first().isEmpty())
        return;
    step = parts.first();
    left = parts.size() > 1 ? parts.at(1).toInt() : 1;
    real = fileCalls();
    fileCalls().pwrite = [](int fd, const void *data, size_t size, off_t offset) {
        const ssize_t n = real.pwrite(fd, data, size, offset);
        reached("written");
        return n;
    };
    fileCalls().fsync = [](int fd) {
        if (isFolder(fd)) {
            reached("folder");
            return real.fsync(fd);
        }
        const int r = real.fsync(fd);
        reached("synced");
        return r;
    };
    fileCalls().fdatasync = [](int fd) {
        const int r = real.fdatasync(fd);
        reached("synced");
        return r;
    };
    fileCalls().rename = [](const char *from, const char *to) {
        const int r = real.rename(from, to);
        reached("renamed");
        return r;
    };
}

// How many kills at random moments a crash test makes: NOOKERY_KILL_ROUNDS, or `normal`.
// The soak runs (CTest label `slow`) set a larger count.
inline int killRounds(int normal)
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("NOOKERY_KILL_ROUNDS", &ok);
    return ok ? rounds : normal;
}

} // namespace nookery::test
