// Times the sticky notes window on 1 MiB notes: a tab change from a changed note to another
// (save plus load, until the event loop is idle), a keystroke against the same in a 1 KiB
// note, and a status bar tick with either. Prints milliseconds and how they compare with the
// targets; it is not a pass/fail test.

#include "common/toolcontext.h"
#include "notes/rtfwriter.h"
#include "notes/stickynotes.h"
#include "settings/settingsstore.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace nookery;

namespace {

QByteArray makeNote(const QString &word, qsizetype bytes)
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    QTextCursor cursor(&doc);
    const QStringList fonts = {QStringLiteral("Arial"), QStringLiteral("Courier New")};
    for (int i = 0;; ++i) {
        QTextCharFormat f;
        f.setFontWeight(i % 2 ? QFont::Bold : QFont::Normal);
        f.setFontItalic(i % 3 == 0);
        if (i % 5 == 0)
            f.setFontFamilies({fonts[i % 2]});
        if (i % 7 == 0)
            f.setForeground(QColor(Qt::red));
        cursor.insertText(word + QString::number(i) + QStringLiteral(" café "), f);
        if (i % 10 == 9) {
            cursor.insertBlock();
            if (i % 1000 == 999 && writeRtf(doc).size() >= bytes)
                return writeRtf(doc);
        }
        if (bytes < 4096 && i % 10 == 9 && writeRtf(doc).size() >= bytes)
            return writeRtf(doc);
    }
}

void idle()
{
    while (QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents)) {
    }
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeIt(int runs, const std::function<void()> &f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

struct Fixture
{
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("cfg/Nookery.ini"))};
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<stickynotes> window;
    QTextEdit *editor = nullptr;

    explicit Fixture(const QByteArray &note1, const QByteArray &note2 = {})
    {
        write(dir.filePath(QStringLiteral("Sticky1.rtf")), note1);
        if (!note2.isEmpty())
            write(dir.filePath(QStringLiteral("Sticky2.rtf")), note2);
        store.save(keys::Path, dir.path());
        window = std::make_unique<stickynotes>(
            ToolContext{store, clock, platform, suite, QDir(dir.path())});
        window->show();
        editor = window->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setFocus();
        idle();
    }
    QByteArray note(int i) const
    {
        QFile f(dir.filePath(QStringLiteral("Sticky%1.rtf").arg(i)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

const char *verdict(bool ok)
{
    return ok ? "within target" : "OVER TARGET";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray big1 = makeNote(QStringLiteral("alpha"), 1024 * 1024);
    const QByteArray big2 = makeNote(QStringLiteral("beta"), 1024 * 1024);
    const QByteArray small = makeNote(QStringLiteral("small"), 1024);
    std::printf("notes: %lld and %lld bytes; small note %lld bytes\n",
                static_cast<long long>(big1.size()), static_cast<long long>(big2.size()),
                static_cast<long long>(small.size()));

    // A changed 1 MiB note to another 1 MiB note, and back.
    double change = 0;
    if (!qEnvironmentVariableIsSet("BENCH_KEYS_ONLY")) {
        Fixture f(big1, big2);
        auto *tabs = f.window->findChild<QTabBar *>(QStringLiteral("TabStrip1"));
        int to = 1;
        change = timeIt(9, [&] {
            QTest::keyClick(f.editor, Qt::Key_X);
            tabs->setCurrentIndex(to);
            idle();
            to = 1 - to;
        });
    }
    std::printf("tab change, changed 1 MiB note to 1 MiB note: %7.1f ms  (target 150 ms: %s)\n",
                change, verdict(change < 150));
    if (!qEnvironmentVariableIsSet("BENCH_KEYS_ONLY")) {
        Fixture f(big1, big2);
        auto *save = f.window->findChild<QAction *>(QStringLiteral("menusavenow"));
        auto *cancel = f.window->findChild<QAction *>(QStringLiteral("menucancel"));
        const double saving = timeIt(9, [&] { save->trigger(); });
        const double loading = timeIt(9, [&] { cancel->trigger(); });
        const double layout = timeIt(9, [&] {
            cancel->trigger();
            idle();
        });
        std::printf("  of which: save %.1f ms, load %.1f ms, load and lay out %.1f ms\n", saving,
                    loading, layout);
    }

    // A keystroke: nothing saved, nothing parsed again. At the note's start Qt's layout also
    // moves every paragraph after it; at the end, nothing.
    const bool keysOnly = qEnvironmentVariableIsSet("BENCH_KEYS_ONLY");
    for (QTextCursor::MoveOperation at : {QTextCursor::Start, QTextCursor::End}) {
        double keyBig = 0, keySmall = 0, tickBig = 0, tickSmall = 0;
        bool wroteFile = false;
        for (bool big : {true, false}) {
            Fixture f(big ? big1 : small);
            const QByteArray before = f.note(1);
            f.editor->moveCursor(at);
            const double key = timeIt(keysOnly ? 401 : 41, [&] {
                QTest::keyClick(f.editor, Qt::Key_X);
                idle();
            });
            const double tick = timeIt(41,
                                       [&] {
                                           for (int i = 0; i < 100; ++i)
                                               f.window->Timer1_Timer();
                                       }) /
                                100;
            wroteFile = wroteFile || f.note(1) != before;
            (big ? keyBig : keySmall) = key;
            (big ? tickBig : tickSmall) = tick;
        }
        std::printf("keystroke at the %s: 1 MiB note %.3f ms, 1 KiB note %.3f ms, ratio %.2f  "
                    "(target 1.5: %s)\n",
                    at == QTextCursor::Start ? "start" : "end", keyBig, keySmall, keyBig / keySmall,
                    verdict(keyBig <= 1.5 * keySmall));
        std::printf("  keystrokes wrote a note file: %s\n", wroteFile ? "YES" : "no");
        std::printf("  Timer1 tick: 1 MiB note %.4f ms, 1 KiB note %.4f ms\n", tickBig, tickSmall);
    }
    return 0;
}
