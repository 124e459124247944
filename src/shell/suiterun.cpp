#include "shell/suiterun.h"

#include "common/clock.h"
#include "platform/contexthelp.h"
#include "platform/desktopplatform.h"
#include "settings/settingsstore.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"

#include <QApplication>

namespace nookery {

struct SuiteRun::Parts
{
    Parts(const QDir &startFolder, const QString &settingsFile)
        : store(settingsFile), tools(store, clock, platform, startFolder),
          window(store, clock, platform, tools, startFolder),
          contextHelp([this](int topic) { tools.showHelpTopic(topic); })
    {
        qApp->installEventFilter(&contextHelp);
    }

    SystemClock clock;
    DesktopPlatform platform;
    SettingsStore store;
    ToolWindows tools;
    Nookery window;
    ContextHelp contextHelp;
};

SuiteRun::SuiteRun(const QDir &startFolder, const QString &settingsFile)
    : d(std::make_unique<Parts>(startFolder, settingsFile))
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    d->tools.setMainWindowOptionsHook([this] { d->window.optionsChanged(); });
    QObject::connect(&d->window, &Nookery::exitRequested, &d->window, [this] {
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

Nookery &SuiteRun::mainWindow()
{
    return d->window;
}

} // namespace nookery
