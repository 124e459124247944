// How long the options dialog takes from "Options" to a window on screen, on a store with
// every option set. Usage: bench_optionsopen [RUNS]; exits 1 when the median passes 50 ms.
#include "common/clock.h"
#include "platform/desktopplatform.h"
#include "settings/settingsstore.h"
#include "shell/toolwindows.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>

using namespace nookery;

namespace {

void fill(SettingsStore &store)
{
    SettingsBatch b;
    for (const Key *k :
         {&keys::RunFromTray, &keys::StartupMenu, &keys::CalendarMenu, &keys::ConvertMenu,
          &keys::ConvertStartup, &keys::CountDownMenu, &keys::CountDownStartup,
          &keys::RemindersMenu, &keys::RemindersStartup, &keys::StartOnce, &keys::Minimize,
          &keys::CheckTime, &keys::NotesMenu, &keys::NotesStartup})
        b.save(*k, QStringLiteral("checked"));
    b.save(keys::MediumDate, QStringLiteral("yes"));
    b.save(keys::CalendarFormat, QStringLiteral("dd/mm"));
    b.save(keys::Hour, QStringLiteral("21"));
    b.save(keys::Minute, QStringLiteral("45"));
    b.save(keys::Time, QStringLiteral("21:45"));
    b.save(keys::DaysChecked, QStringLiteral("13"));
    for (int n = 1; n <= 3; ++n) {
        b.save(keys::VisualText, n, QString(200, u'm'));
        b.save(keys::Sound, n, QStringLiteral("/usr/share/sounds/alarm %1.wav").arg(n));
    }
    for (int n = 1; n <= 5; ++n) {
        b.save(keys::ProgramLabel, n, QStringLiteral("Program %1").arg(n));
        b.save(keys::ProgramPath, n, QStringLiteral("\"/opt/My Tools/tool %1\"").arg(n));
    }
    for (int n = 1; n <= 10; ++n)
        b.save(keys::Page, n, QStringLiteral("Tab %1").arg(n));
    store.save(b);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/cfg/Nookery.ini"));
    fill(store);
    SystemClock clock;
    DesktopPlatform platform;
    ToolWindows tools(store, clock, platform, QDir(dir.path()));

    std::vector<double> ms;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        tools.showOptions(1);
        QWidget *dialog = tools.window(Tool::Options);
        const QDeadlineTimer deadline(5000);
        while (!(dialog->windowHandle() && dialog->windowHandle()->isExposed()) &&
               !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    const double first = ms.front();
    ms.erase(ms.begin());
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("options dialog, showOptions(1) until exposed, full store (%s)\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("  first %.1f ms, then median %.1f ms, max %.1f ms of %d runs (goal <= 50 ms)\n",
                first, median, ms.back(), runs);
    return median <= 50 ? 0 : 1;
}
