// Runs the data upgrade in a folder and kills itself with SIGKILL right after file step K,
// as a power cut or a crash would stop it.
//   upgradestep FOLDER K     (K = 0: run to the end and print the number of steps)
#include "upgrade/olderdata.h"
#include "upgrade/rtfnotefiles.h"

#include <QGuiApplication>
#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int killAfter = QByteArray(argv[2]).toInt();
    nookery::RtfNoteFiles notes;
    nookery::OlderDataUpgrade upgrade(folder, folder, notes);
    int steps = 0;
    upgrade.setStepHooks({}, [&](int step) {
        steps = step;
        if (step == killAfter)
            ::raise(SIGKILL);
    });
    upgrade.run({QStringLiteral("first note"), QString(), QStringLiteral("third\nnote")});
    std::printf("%d\n", steps);
    return 0;
}
