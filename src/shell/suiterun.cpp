#include "shell/suiterun.h"

#include "common/clock.h"
#include "platform/caretrest.h"
#include "platform/contexthelp.h"
#include "platform/desktopplatform.h"
#include "settings/settingsstore.h"
#include "shell/nookery.h"

#include <QApplication>
#include <QTimer>

namespace nookery {

struct SuiteRun::Parts
{
    Parts(const QDir &startFolder, const QString &settingsFile, std::unique_ptr<Platform> desktop,
          ToolFactories factories)
        : platform(std::move(desktop)), store(settingsFile),
          tools(store, clock, *platform, startFolder, std::move(factories)),
          window(store, clock, *platform, tools, startFolder),
          contextHelp([this](int topic) { tools.showHelpTopic(topic); })
    {
        qApp->installEventFilter(&contextHelp);
        // Carets rest after a while without input, as GTK's do, so an open window costs
        // nothing while nobody types.
        qApp->installEventFilter(&caretRest);
    }

    SystemClock clock;
    std::unique_ptr<Platform> platform;
    SettingsStore store;
    ToolWindows tools;
    Nookery window;
    ContextHelp contextHelp;
    bool ended = false;
    CaretRest caretRest;
};

SuiteRun::SuiteRun(const QDir &startFolder, const QString &settingsFile)
    : SuiteRun(startFolder, settingsFile, std::make_unique<DesktopPlatform>(), toolFactories())
{
}

SuiteRun::SuiteRun(const QDir &startFolder, const QString &settingsFile,
                   std::unique_ptr<Platform> platform, ToolFactories factories)
    : d(std::make_unique<Parts>(startFolder, settingsFile, std::move(platform),
                                std::move(factories)))
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    d->tools.setMainWindowOptionsHook([this] { d->window.optionsChanged(); });
    // Every way out (Exit, F12, closing the strip, a signal, logout) ends here, once: the
    // open tool windows keep what they must, then go without being asked anything.
    QObject::connect(&d->window, &Nookery::exitRequested, &d->window, [this] {
        d->ended = true;
        d->tools.closeAll();
        QCoreApplication::exit(0);
    });
    // Logout ends the event loop from outside; the icon still has to go.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &d->window,
                     [this] { d->window.Form_Unload(); });
}

SuiteRun::~SuiteRun() = default;

void SuiteRun::start()
{
    d->window.Form_Load();
}

void SuiteRun::quit()
{
    d->window.Form_Unload();
}

int SuiteRun::exec()
{
    // QCoreApplication::exit() before the main loop only ends the loops running then, such as
    // a message box's, and exec() would then run for good: the loop is entered only to be left,
    // after what was posted on the way out (deferred deletions) is done.
    if (d->ended)
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

Nookery &SuiteRun::mainWindow()
{
    return d->window;
}

ToolWindows &SuiteRun::tools()
{
    return d->tools;
}

} // namespace nookery
