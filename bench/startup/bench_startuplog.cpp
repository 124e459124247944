#include "common/clock.h"
#include "common/suite.h"
#include "common/toolcontext.h"
#include "platform/desktopplatform.h"
#include "settings/settingsstore.h"
#include "startup/startup.h"
#include "startup/startuplog.h"
#include "support/fakesuite.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <unistd.h>

using namespace nookery;

namespace {

// Notes when a widget has painted once.
class PaintWatch final : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray records(int n)
{
    QByteArray out;
    out.reserve(qsizetype(n) * 22);
    for (int k = 0; k < n; ++k)
        out += QByteArray::number(1 + k % 12).rightJustified(2, '0') + '/' +
               QByteArray::number(1 + k % 28).rightJustified(2, '0') + "/2026" +
               QByteArray(QByteArray::number(1 + k % 12) + ':' + QByteArray::number(10 + k % 50) +
                          ":00 " + (k % 2 ? "PM" : "AM"))
                   .leftJustified(12);
    return out;
}

} // namespace

// The start-up list over a long log, and the one write a start adds to it.
class BenchStartupLog : public QObject
{
    Q_OBJECT

private slots:
    void listOpensAndPaints();
    void logStartup();
};

void BenchStartupLog::listOpensAndPaints()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("startup.dat")), records(100000));
    SettingsStore store(dir.filePath(QStringLiteral("cfg/Nookery.ini")));
    SystemClock clock;
    DesktopPlatform platform;
    test::FakeSuite suite;
    const ToolContext context{store, clock, platform, suite, QDir(dir.path())};
    QList<double> ms;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer timer;
        timer.start();
        startup window(context);
        PaintWatch watch;
        auto *list = window.findChild<QListView *>(QStringLiteral("startuplist"));
        list->viewport()->installEventFilter(&watch);
        window.show();
        while (!watch.painted)
            QCoreApplication::processEvents();
        ms << timer.nsecsElapsed() / 1e6;
        QCOMPARE(list->model()->rowCount(), 100000);
    }
    const double m = median(ms);
    qInfo("startup list, 100000 records, construction to first paint: median %.1f ms of 10", m);
    QVERIFY2(m <= 100, "over 100 ms");
}

void BenchStartupLog::logStartup()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("startup.dat"));
    SettingsStore store(dir.filePath(QStringLiteral("Nookery.ini")));
    const QDateTime moment(QDate(2026, 12, 8), QTime(9, 0, 0));
    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {{"empty (first start)", {}},
                          {"100000 records", records(100000)},
                          {"10 MB", QByteArray(10 * 1024 * 1024, 'x')}};
    // Once before timing, so the store and the locale are warm as they are at a real start.
    appendStartup(path, StartupRecord::at(moment, store.get(keys::CalendarFormat)));
    QList<double> medians;
    for (const Case &c : cases) {
        writeFile(path, c.bytes);
        QList<double> us;
        for (int run = 0; run < 200; ++run) {
            // Back to the case's log; an empty log is a first start, which creates the file.
            const QByteArray name = QFile::encodeName(path);
            if (c.bytes.isEmpty() ? ::unlink(name.constData()) != 0
                                  : ::truncate(name.constData(), c.bytes.size()) != 0)
                qFatal("cannot reset the log");
            QElapsedTimer timer;
            timer.start();
            // What the main window's LogStartup does.
            appendStartup(path, StartupRecord::at(moment, store.get(keys::CalendarFormat)));
            us << timer.nsecsElapsed() / 1e3;
        }
        medians << median(us);
        qInfo("LogStartup, %s log: median %.1f us of 200", c.name, medians.last());
        QVERIFY2(medians.last() <= 1000, "over 1 ms");
    }
    QVERIFY2(medians[2] - medians[0] <= 200,
             "a 10 MB log costs more than 0.2 ms over an empty one");
}

QTEST_MAIN(BenchStartupLog)
#include "bench_startuplog.moc"
