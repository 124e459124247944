#include "platform/quitsignals.h"
#include "settings/settingsstore.h"
#include "shell/suiterun.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nookery"));
    QApplication::setOrganizationName(nookery::SettingsStore::Application());
    QApplication::setApplicationVersion(QStringLiteral("7.0"));
    QApplication::setDesktopFileName(QStringLiteral("nookery"));

    // Data files named without a folder live in the folder the suite was started in.
    nookery::SuiteRun run(QDir::current(), nookery::SettingsStore::defaultFilePath());
    nookery::quitOnTerminationSignals([&run] { run.quit(); });
    run.start();
    return run.exec();
}
