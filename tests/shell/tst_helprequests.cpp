#include "common/helpcontext.h"
#include "platform/contexthelp.h"
#include "platform/helpdocument.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

using namespace nookery;

namespace {

// The whole suite over a fake desktop, with F1 wired as the program wires it.
struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    QTemporaryDir start;
    ToolWindows tools{temp.store(), clock, platform, QDir(start.path())};
    Nookery main{temp.store(), clock, platform, tools, QDir(start.path())};
    ContextHelp help{[this](int topic) { tools.showHelpTopic(topic); }};

    Fixture() { qApp->installEventFilter(&help); }
    ~Fixture() { tools.closeAll(); }

    QStringList &calls() { return platform.dialog.calls; }
};

const HelpDocument &document()
{
    static const HelpDocument doc = HelpDocument::load();
    return doc;
}

// Each topic request names a topic the document has.
void verifyTopicsExist(const QStringList &calls)
{
    static const QRegularExpression request(QStringLiteral("^help \\S+ 1 (\\d+)$"));
    for (const QString &call : calls) {
        const auto m = request.match(call);
        if (m.hasMatch())
            QVERIFY2(document().topic(m.captured(1).toInt()), qPrintable(call));
    }
}

// F1 with `action` highlighted in `menu`, as the user presses it.
void pressF1On(QMenu *menu, QAction *action)
{
    menu->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_F1);
    QVERIFY(!menu->isVisible());
}

QList<QMenu *> menusOf(QWidget *window)
{
    QList<QMenu *> out;
    if (auto *bar = window->findChild<QMenuBar *>()) {
        for (QAction *a : bar->actions()) {
            if (a->menu())
                out << a->menu();
        }
    }
    for (int i = 0; i < out.size(); ++i) {
        for (QAction *a : out.at(i)->actions()) {
            if (a->menu() && !out.contains(a->menu()))
                out << a->menu();
        }
    }
    return out;
}

QString caption(QString text)
{
    text.remove(u'&');
    // "Cu&t        Ctrl+X": the key written into the caption is not part of its name.
    text = text.split(QRegularExpression(QStringLiteral("\\s{2,}"))).first();
    return text.trimmed();
}

} // namespace

class tst_HelpRequests : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void mainWindowHelpShowsContentsAfterAToolsTopics();
    void f1OnHighlightedMainMenuEntry_data();
    void f1OnHighlightedMainMenuEntry();
    void everyToolWindowsHelpReachesATopic();
    void menuCaptionsAppearInTheirTopics();
};

void tst_HelpRequests::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_HelpRequests::mainWindowHelpShowsContentsAfterAToolsTopics()
{
    Fixture f;
    f.tools.showHelpContents();
    f.tools.showHelpTopic(helpcontext::Convert);
    f.main.findChild<QAction *>(QStringLiteral("menucontents"))->trigger();
    f.main.Toolbar1()->findChild<QAction *>(QStringLiteral("ToolHelp"))->trigger();
    QCOMPARE(f.calls(), (QStringList{QStringLiteral("help Nookery.hlp 15 0"),
                                     QStringLiteral("help nookery.hlp 1 220"),
                                     QStringLiteral("help Nookery.hlp 1 200"),
                                     QStringLiteral("help Nookery.hlp 1 200")}));
}

void tst_HelpRequests::f1OnHighlightedMainMenuEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("topic");
    const std::pair<const char *, int> rows[] = {
        {"menucountdown", 230},    {"submenuCountDown", 230}, {"submenuCountUp", 229},
        {"submenuCountDate", 237}, {"submenuCountFull", 236}, {"menucalendar", 210},
        {"menuconvert", 220},      {"menureminders", 240},    {"menustartup", 245},
        {"menunote", 260},         {"menuother", 201},        {"menucalc", 201},
        {"menusaver", 201},        {"menuoptions", 202},      {"menucontents", 200},
        {"menuabout", 200},        {"menuexit", 200},
    };
    for (const auto &[name, topic] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << topic;
}

// The highlighted entry's topic, not the menu's own F1 entry ("Help"), and not Exit's F12.
void tst_HelpRequests::f1OnHighlightedMainMenuEntry()
{
    QFETCH(QString, entry);
    QFETCH(int, topic);
    Fixture f;
    QAction *action = nullptr;
    QMenu *menu = nullptr;
    for (QMenu *m : menusOf(&f.main)) {
        for (QAction *a : m->actions()) {
            if (a->objectName() == entry) {
                action = a;
                menu = m;
            }
        }
    }
    QVERIFY(action && menu);
    pressF1On(menu, action);
    QCOMPARE(f.calls(), QStringList{QStringLiteral("help nookery.hlp 1 %1").arg(topic)});
    QVERIFY(!f.tools.window(Tool::About));
}

void tst_HelpRequests::everyToolWindowsHelpReachesATopic()
{
    Fixture f;
    const ToolFactories factories = toolFactories();
    for (auto it = factories.cbegin(); it != factories.cend(); ++it) {
        const Tool tool = it.key();
        f.tools.show(tool);
        QWidget *window = f.tools.window(tool);
        QVERIFY(window);
        f.calls().clear();

        // F1 on the window: its own F1 entry, else its topic.
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_F1);
        QVERIFY2(f.calls().size() == 1, qPrintable(f.calls().join(u'|')));
        QCOMPARE(f.calls().constLast(),
                 QStringLiteral("help nookery.hlp 1 %1").arg(toolHelpContext(tool)));

        // Every help entry and button.
        for (QAction *a : window->findChildren<QAction *>()) {
            const QString name = a->objectName();
            if ((name.startsWith(QLatin1String("menuhelp")) && name != u"menuhelp3" &&
                 !a->menu()) ||
                name.compare(QLatin1String("toolhelp"), Qt::CaseInsensitive) == 0)
                a->trigger();
        }
        for (QPushButton *b : window->findChildren<QPushButton *>()) {
            if (b->objectName().contains(QLatin1String("help"), Qt::CaseInsensitive))
                b->click();
        }
        // F1 on every highlighted menu entry.
        for (QMenu *menu : menusOf(window)) {
            for (QAction *a : menu->actions()) {
                if (a->isSeparator() || !a->isVisible())
                    continue;
                const qsizetype before = f.calls().size();
                pressF1On(menu, a);
                QCOMPARE(f.calls().size(), before + 1);
            }
        }
        verifyTopicsExist(f.calls());
        if (QWidget *again = f.tools.window(tool))
            again->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void tst_HelpRequests::menuCaptionsAppearInTheirTopics()
{
    Fixture f;
    QList<QWidget *> windows{&f.main};
    const ToolFactories factories = toolFactories();
    for (auto it = factories.cbegin(); it != factories.cend(); ++it) {
        f.tools.show(it.key());
        windows << f.tools.window(it.key());
    }
    for (QWidget *window : std::as_const(windows)) {
        const HelpTopic *topic = document().topic(helpcontext::of(window));
        QVERIFY2(topic, qPrintable(window->objectName()));
        const QString text = topic->text.simplified();
        for (QMenu *menu : menusOf(window)) {
            QList<QAction *> entries = menu->actions();
            entries << menu->menuAction();
            for (QAction *a : std::as_const(entries)) {
                const QString name = caption(a->text());
                if (a->isSeparator() || name.isEmpty())
                    continue;
                QVERIFY2(text.contains(name, Qt::CaseInsensitive),
                         qPrintable(QStringLiteral("%1: \"%2\" not in topic %3")
                                        .arg(window->objectName(), name)
                                        .arg(topic->number)));
            }
        }
    }
}

QTEST_MAIN(tst_HelpRequests)
#include "tst_helprequests.moc"
