#include "platform/quitsignals.h"
#include "settings/settingsstore.h"
#include "shell/commandline.h"
#include "shell/nookery.h"
#include "shell/runningcopy.h"
#include "shell/suiterun.h"
#include "shell/toolnames.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Nookery"));
    QApplication::setOrganizationName(nookery::SettingsStore::Application());
    QApplication::setApplicationVersion(QStringLiteral("7.0"));
    QApplication::setDesktopFileName(QStringLiteral("nookery"));

    // A start that finds the suite running hands its request over and ends before it makes
    // an application, logs a start or shows anything.
    std::unique_ptr<QApplication> app;
    std::optional<QString> request = nookery::startRequest(argc, argv);
    if (!request) {
        app = std::make_unique<QApplication>(argc, argv);
        request = nookery::startRequest(*app);
    }
    nookery::RunningCopy copy;
    switch (copy.claim(*request)) {
    case nookery::RunningCopy::Outcome::First:
        break;
    case nookery::RunningCopy::Outcome::HandedOver:
        return 0;
    case nookery::RunningCopy::Outcome::Refused:
        std::fprintf(stderr, "nookery: the running copy does not know '%s'\n",
                     qPrintable(*request));
        return 1;
    case nookery::RunningCopy::Outcome::NoAnswer:
        std::fprintf(stderr, "nookery: a copy is running but does not answer at %s\n",
                     qPrintable(copy.socketPath()));
        return 1;
    }
    if (!app)
        app = std::make_unique<QApplication>(argc, argv);

    int code = 0;
    {
        // Data files named without a folder live in the folder the suite was started in.
        nookery::SuiteRun run(QDir::current(), nookery::SettingsStore::defaultFilePath());
        nookery::quitOnTerminationSignals([&run] { run.quit(); });
        run.start();
        if (const QString tool = nookery::requestedTool(*request); !tool.isEmpty())
            nookery::openByName(run.tools(), tool);
        // The server comes up once the suite is; a start meanwhile waits for it. The answer
        // goes back first, so the later start ends before the window is made.
        QTimer::singleShot(0, app.get(), [&copy, &run] {
            copy.listen([&run](const QString &handed) {
                if (!nookery::isKnownRequest(handed))
                    return false;
                QTimer::singleShot(0, &run.mainWindow(), [&run, handed] {
                    nookery::carryOut(handed, run.mainWindow(), run.tools());
                });
                return true;
            });
        });
        code = run.exec();
        copy.stopListening();
    }
    return code;
}
