// Idle cost of the real windows: the suite's strip, then each tool window opened alone, then
// all of them together, left alone (no input) and counted: the timer events delivered in the
// process over the idle time, by receiver. A window that shows nothing new should get none.
//   bench_idle [SECONDS] [SETTLE]   (10 and 10: counted for SECONDS after SETTLE idle)
#include "shell/suiterun.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using nookery::Tool;

namespace {

class TimerCount final : public QObject
{
public:
    const QObject *ignored = nullptr;
    bool counting = false;
    QHash<QString, int> byReceiver;
    int total = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (counting && event->type() == QEvent::Timer && watched != ignored) {
            ++total;
            const QString name = watched->objectName();
            ++byReceiver[QString::fromLatin1(watched->metaObject()->className()) +
                         (name.isEmpty() ? QString() : u' ' + name)];
        }
        return false;
    }
};

void idle(QTimer &wait, int seconds)
{
    QEventLoop loop;
    QObject::connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
    wait.start(seconds * 1000);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const int settle = argc > 2 ? std::max(0, atoi(argv[2])) : 10;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    // The strip window from the start: no wait for a tray that offscreen never has.
    const QString settings = dir.filePath(QStringLiteral("Nookery.ini"));
    QFile ini(settings);
    if (!ini.open(QIODevice::WriteOnly) ||
        ini.write("[Other%20Programs]\nRun%20From%20Tray=unchecked\n") < 0)
        return 1;
    ini.close();
    nookery::SuiteRun run(QDir::current(), settings);
    run.start();

    QTimer wait;
    wait.setSingleShot(true);
    TimerCount count;
    count.ignored = &wait;
    app.installEventFilter(&count);

    struct Row
    {
        const char *name;
        std::vector<Tool> tools;
    };
    const std::vector<Row> rows = {
        {"none (strip only)", {}},
        {"CountDown", {Tool::CountDown}},
        {"CountUp", {Tool::CountUp}},
        {"Date CountDown (no entries)", {Tool::CountDate}},
        {"Full Screen CountDown", {Tool::CountFull}},
        {"Calendar", {Tool::Calendar}},
        {"Conversion Tables", {Tool::Convert}},
        {"Reminders", {Tool::Reminders}},
        {"Startup List", {Tool::StartupList}},
        {"Sticky Notes", {Tool::StickyNotes}},
        {"all nine together",
         {Tool::CountDown, Tool::CountUp, Tool::CountDate, Tool::Calendar, Tool::Convert,
          Tool::Reminders, Tool::StartupList, Tool::StickyNotes, Tool::CountFull}},
    };
    std::printf("| window open and idle | timer events in %d s | received by |\n|---|---|---|\n",
                seconds);
    for (const Row &row : rows) {
        for (Tool t : row.tools)
            run.tools().show(t);
        idle(wait, settle);
        count.byReceiver.clear();
        count.total = 0;
        count.counting = true;
        idle(wait, seconds);
        count.counting = false;
        std::vector<std::pair<int, QString>> top;
        for (auto it = count.byReceiver.cbegin(); it != count.byReceiver.cend(); ++it)
            top.emplace_back(it.value(), it.key());
        std::sort(top.rbegin(), top.rend());
        QStringList who;
        for (const auto &[n, name] : top)
            who << QStringLiteral("%1 x%2").arg(name).arg(n);
        std::printf("| %s | %d | %s |\n", row.name, count.total, qPrintable(who.join(u", ")));
        std::fflush(stdout);
        run.tools().closeAll();
        QCoreApplication::processEvents();
    }
    return 0;
}
