// Prunes a start-up log on cue, for the test that kills it part way:
//   startuppruner LOG [STEP]
// opens LOG, says "ready", waits for a line on its input, prunes, says "done <microseconds>".
// With STEP it kills itself (SIGKILL) when pruning reaches that step; NOOKERY_KILL_AT stops it
// at a step of the file's replacement (see support/killstep.h).
#include "startup/startuplog.h"
#include "support/killstep.h"

#include <QElapsedTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const char *stopAt = argc > 2 ? argv[2] : nullptr;
    nookery::StartupLog log(QString::fromLocal8Bit(argv[1]), false);
    log.open();
    nookery::test::killAtStepFromEnvironment();
    log.stepHook = [stopAt](const char *step) {
        if (stopAt && std::strcmp(step, stopAt) == 0)
            ::kill(::getpid(), SIGKILL);
    };
    std::printf("ready\n");
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return 3;
    QElapsedTimer timer;
    timer.start();
    log.pruneToNewest();
    std::printf("done %lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
    return 0;
}
