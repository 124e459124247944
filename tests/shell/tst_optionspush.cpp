#include "settings/settingsstore.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using namespace nookery;

namespace {

// The suite as it runs: the real registry and the main window, over a fake desktop.
struct RunningSuite
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools{temp.store(), clock, platform, QDir(temp.folder())};
    Nookery main{temp.store(), clock, platform, tools, QDir(temp.folder())};

    RunningSuite()
    {
        tools.setMainWindowOptionsHook([this] { main.optionsChanged(); });
        main.Form_Load();
    }
    ~RunningSuite() { tools.closeAll(); }

    QWidget *options() { return tools.window(Tool::Options); }
    QCheckBox *box(const char *name)
    {
        return options()->findChild<QCheckBox *>(QLatin1String(name));
    }
    void save()
    {
        QPointer<QWidget> dialog = options();
        dialog->findChild<QPushButton *>(QStringLiteral("butoptionssave"))->click();
        QVERIFY(!dialog || !dialog->isVisible());
    }
    // Visible entries among the groups' menu items and all fourteen tool bar buttons.
    QString shown()
    {
        QString out;
        for (const char *name : {"menucountdown", "menucalendar", "menuconvert", "menureminders",
                                 "menustartup", "menunote", "menuoptions"})
            out += main.findChild<QAction *>(QLatin1String(name))->isVisible() ? u'1' : u'0';
        out += u' ';
        for (int i = 1; i <= 14; ++i)
            out += main.toolbarButton(i)->isVisible() ? u'1' : u'0';
        return out;
    }
};

const char *const Groups[] = {"Check42", "Check21", "Check31", "Check51", "Check12", "Check61"};

} // namespace

class tst_OptionsPush : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }
    void savedOptionsShowAtOnceInTheMainWindow();
    void everyGroupHiddenKeepsTheWayBack();
    void reopeningOnAnotherPageKeepsTheEdits();
};

void tst_OptionsPush::savedOptionsShowAtOnceInTheMainWindow()
{
    RunningSuite s;
    QCOMPARE(s.shown(), u"1111111 11111111111111"_qs);
    s.tools.showOptions(4);
    s.box("Check42")->setChecked(true);
    s.box("Check21")->setChecked(true);
    s.save();
    QCOMPARE(s.shown(), u"0011111 00000011111111"_qs);

    s.tools.showOptions(1);
    s.box("Check42")->setChecked(false);
    s.box("Check21")->setChecked(false);
    s.save();
    QCOMPARE(s.shown(), u"1111111 11111111111111"_qs);
}

void tst_OptionsPush::everyGroupHiddenKeepsTheWayBack()
{
    RunningSuite s;
    s.tools.showOptions(1);
    for (const char *name : Groups)
        s.box(name)->setChecked(true);
    s.save();
    // "Options" and its button stay, with help and exit.
    QCOMPARE(s.shown(), u"0000001 00000000001111"_qs);
    s.tools.showOptions(1);
    QVERIFY(s.options()->isVisible());
}

void tst_OptionsPush::reopeningOnAnotherPageKeepsTheEdits()
{
    RunningSuite s;
    s.tools.showOptions(4);
    QPointer<QWidget> first = s.options();
    s.box("Check42")->setChecked(true);
    s.tools.showOptions(2);
    QCOMPARE(s.options(), first.data());
    QVERIFY(s.box("Check42")->isChecked());
    QCOMPARE(first->findChild<QTabBar *>(QStringLiteral("TabStrip1"))->currentIndex(), 1);
    // Cancel unloads; the next open reads the store again.
    first->findChild<QPushButton *>(QStringLiteral("butoptionscancel"))->click();
    QTRY_VERIFY(!first);
    s.tools.showOptions(9);
    QVERIFY(!s.box("Check42")->isChecked());
    QCOMPARE(s.options()->findChild<QTabBar *>(QStringLiteral("TabStrip1"))->currentIndex(), 0);
}

QTEST_MAIN(tst_OptionsPush)
#include "tst_optionspush.moc"
