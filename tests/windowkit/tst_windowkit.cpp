#include "support/fakesuite.h"
#include "support/windows.h"
#include "windowkit/helpmenu.h"
#include "windowkit/icons.h"
#include "windowkit/menus.h"
#include "windowkit/placement.h"
#include "windowkit/textfit.h"
#include "windowkit/toolbar.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTest>

using namespace nookery;

namespace {

// A window made of the kit's parts, as a tool window makes itself.
class KitWindow : public QMainWindow, public StandardHelp
{
public:
    explicit KitWindow(Suite &suite) : StandardHelp(suite, 230)
    {
        QMenu *file = kit::addMenu(menuBar(), "menufile", u"&File"_qs);
        kit::addEntry(file, "menuclose", u"&Close"_qs, Qt::Key_F12);
        addHelpMenu(this, {u"&Help Topics", u"&Using CountDown", Qt::Key_F1, "sep2"});
        Toolbar1 =
            new ToolBar(this, "Toolbar1",
                        {
                            {u"cm1", "edit-copy", u"Copy Date", call(this, &KitWindow::copy)},
                            {},
                            {u"cm2", "format-text-bold", u"toggle bold",
                             [this](QAction *a) { pressed << a->isChecked(); }, true},
                            {u"cm3", "help-contents", u"Help Using CountDown",
                             call(this, &KitWindow::menuhelp2_Click)},
                        });
    }
    void copy() { ++copies; }
    void runHelp(int n, const std::function<void()> &body) override
    {
        wrapped << n;
        body();
    }

    ToolBar *Toolbar1;
    int copies = 0;
    QList<bool> pressed;
    QList<int> wrapped;
};

} // namespace

class tst_windowkit : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }

    void namesKeysAndSpokenNames()
    {
        test::FakeSuite suite;
        KitWindow w(suite);
        // Menus are found as menus and as bar entries.
        QVERIFY(w.findChild<QMenu *>(u"menufile"_qs));
        QVERIFY(w.findChild<QAction *>(u"menuhelp"_qs));
        QCOMPARE(w.findChild<QAction *>(u"menuclose"_qs)->shortcut(), QKeySequence(Qt::Key_F12));
        QCOMPARE(w.menuhelp2->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(w.findChild<QAction *>(u"sep2"_qs)->isSeparator());

        QStringList keys;
        for (QAction *a : w.Toolbar1->items())
            keys << (a->isSeparator() ? u"|"_qs : a->objectName() + u'=' + a->data().toString());
        QCOMPARE(keys, (QStringList{u"cm1=cm1"_qs, u"|"_qs, u"cm2=cm2"_qs, u"cm3=cm3"_qs}));
        QVERIFY(w.Toolbar1->button(u"cm2")->isCheckable());
        QVERIFY(!w.Toolbar1->button(u"cm1")->isCheckable());

        // A picture-only button says its tool tip; a menu entry its caption without "&".
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(
            w.Toolbar1->widgetForAction(w.Toolbar1->button(u"cm1")));
        QVERIFY(button);
        QCOMPARE(button->text(QAccessible::Name), u"Copy Date"_qs);
        QCOMPARE(w.Toolbar1->button(u"cm3")->toolTip(), u"Help Using CountDown"_qs);
    }

    void spokenText_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("access key") << u"&File"_qs << u"File"_qs;
        QTest::newRow("inside") << u"Cu&t        Ctrl+X"_qs << u"Cut        Ctrl+X"_qs;
        QTest::newRow("literal") << u"Save && Close"_qs << u"Save & Close"_qs;
        QTest::newRow("trailing") << u"A&"_qs << u"A&"_qs;
    }
    void spokenText()
    {
        QFETCH(QString, caption);
        QTEST(kit::spokenText(caption), "spoken");
    }

    void buttonsRunTheirHandlersByKey()
    {
        test::FakeSuite suite;
        KitWindow w(suite);
        // The window's click handler may be handed any action carrying a key.
        QAction stranger;
        stranger.setData(u"cm1"_qs);
        QVERIFY(w.Toolbar1->run(&stranger));
        w.Toolbar1->button(u"cm1")->trigger();
        QVERIFY(w.Toolbar1->run(w.Toolbar1->button(u"cm1")));
        QCOMPARE(w.copies, 2);

        QAction *bold = w.Toolbar1->button(u"cm2");
        bold->setChecked(true);
        QVERIFY(w.Toolbar1->run(bold));
        QCOMPARE(w.pressed, QList<bool>{true});

        stranger.setData(u"cm9"_qs);
        QVERIFY(!w.Toolbar1->run(&stranger));
        QVERIFY(!w.Toolbar1->run(nullptr));
    }

    void helpMenuAsksTheSuite()
    {
        test::FakeSuite suite;
        KitWindow w(suite);
        w.menuhelp1->trigger();
        w.menuhelp2->trigger();
        w.menuhelp3->trigger();
        w.Toolbar1->run(w.Toolbar1->button(u"cm3"));
        QCOMPARE(suite.calls, (QStringList{u"help contents"_qs, u"help 230"_qs, u"show About"_qs,
                                           u"help 230"_qs}));
        QCOMPARE(w.wrapped, (QList<int>{1, 2, 3, 2}));
    }

    void iconsHaveTheirBundledPictures()
    {
        // No theme on the test machine: the picture is the suite's own copy.
        QIcon::setThemeName(u"no-such-theme"_qs);
        const QIcon icon = kit::icon("edit-copy");
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.name(), u"edit-copy"_qs);
        const QImage image = icon.pixmap(22, 22).toImage();
        QVERIFY(!image.isNull());
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y)
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(painted, "the SVG icon engine is missing or the icon is not bundled");
        QVERIFY(kit::hasFallback("edit-copy"));
        QVERIFY(!kit::hasFallback("no-such-icon"));
    }

    void placement()
    {
        QWidget w;
        w.resize(200, 100);
        const QRect area = w.screen()->availableGeometry();
        kit::centreOnScreen(&w);
        QCOMPARE(w.frameGeometry().center(), area.center());
        // Pulled back inside past the right and bottom edges, and past the top-left; a window
        // without a frame yet keeps room for its title bar.
        const int titleBar = w.style()->pixelMetric(QStyle::PM_TitleBarHeight);
        kit::placeWithin(&w, area.bottomRight());
        QCOMPARE(w.frameGeometry().bottomRight(), area.bottomRight() - QPoint(0, titleBar));
        kit::placeWithin(&w, area.topLeft() - QPoint(50, 50));
        QCOMPARE(w.frameGeometry().topLeft(), area.topLeft());
        kit::placeWithin(&w, area.topLeft() + QPoint(10, 20));
        QCOMPARE(w.frameGeometry().topLeft(), area.topLeft() + QPoint(10, 20));
    }

    // The suite's message boxes say little under a long title ("Nookery 7.0").
    void messageBoxKeepsItsTitle()
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Nookery 7.0"),
                        QStringLiteral("Saved."), QMessageBox::Ok);
        textfit::reserveTitle(&box);
        box.show();
        QVERIFY(box.width() >= textfit::titleWidth(&box));
        box.close();
    }

    // A text that grows while the window is open moves its row along and widens the window,
    // while the row below keeps its place.
    void handPlacedWindowGrowsWithItsTexts()
    {
        QWidget window;
        auto *text = new QLabel(QStringLiteral("0 days"), &window);
        text->setGeometry(10, 10, 60, 20);
        auto *beside = new QLabel(QStringLiteral("x"), &window);
        beside->setGeometry(80, 10, 20, 20);
        auto *below = new QLabel(QStringLiteral("y"), &window);
        below->setGeometry(80, 40, 20, 20);
        window.setFixedSize(110, 70);
        textfit::fitWindow(&window);
        window.show();
        QCOMPARE(window.size(), QSize(110, 70));
        text->setText(QStringLiteral("3,100 days, 14 hours, 59 mins, 59 secs."));
        QTRY_VERIFY(textfit::shortfall(text).isNull());
        const int grew = text->width() - 60;
        QCOMPARE(beside->x(), 80 + grew);
        QCOMPARE(below->x(), 80);
        QCOMPARE(window.width(), 110 + grew);
    }
};

QTEST_MAIN(tst_windowkit)
#include "tst_windowkit.moc"
