#include "common/toolcontext.h"
#include "convert/convert.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace nookery;

class TestConvertWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnArea();
    void menus_data();
    void menus();
    void unitsMenuSelectsTab();
    void optionsFollowNumericInput_data();
    void optionsFollowNumericInput();
    void convertsTypedValue_data();
    void convertsTypedValue();
    void temperatureTabStartsOver();
    void densityKeepsValueReadAsFirstUnit();
    void areaNotAboveZero();
    void lengthTimesWidth();
    void resultsTakeNoTyping();
    void focusSelectsValue_data();
    void focusSelectsValue();
    void decimalComma();
    void optionAccelerator();

private:
    template <typename T> T *control(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit *edit(const QString &name) { return control<QLineEdit>(name); }
    QString text(const QString &name) { return edit(name)->text(); }
    void trigger(const QString &action) { control<QAction>(action)->trigger(); }

    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<convert> window;
};

void TestConvertWindow::init()
{
    suite.calls.clear();
    window = std::make_unique<convert>(
        ToolContext{temp.store(), clock, platform, suite, QDir(temp.folder())});
}

void TestConvertWindow::cleanup()
{
    window.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestConvertWindow::opensOnArea()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Conversion Tables"));
    QCOMPARE(window->height(), 6690 / 15);
    window->show();
    // Every tab caption fits: no scroll arrows, no caption cut.
    auto *tabs = window->findChild<QTabBar *>(QStringLiteral("TabStrip1"));
    QVERIFY(tabs);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(tabs->tabRect(tabs->count() - 1).right() < tabs->width(), true);
    for (QToolButton *arrow : tabs->findChildren<QToolButton *>())
        QVERIFY(!arrow->isVisible());
    QCOMPARE(control<QTabBar>(QStringLiteral("TabStrip1"))->count(), 12);
    QCOMPARE(control<QLabel>(QStringLiteral("Label100a"))->text(), QStringLiteral("sq. mm"));
    QCOMPARE(control<QLabel>(QStringLiteral("Label400a"))->text(), QStringLiteral("?"));
    for (int i = 1; i <= 11; ++i)
        QCOMPARE(text(QStringLiteral("Text101(%1)").arg(i)), QStringLiteral("0"));
    // The window is laid out to fit its fixed height.
    QVERIFY(window->minimumSizeHint().height() <= window->height());
}

void TestConvertWindow::menus_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("options") << QStringLiteral("menuoptions") << QStringList{u"options 3"_qs};
    QTest::newRow("help topics") << QStringLiteral("menuhelp1") << QStringList{u"help contents"_qs};
    QTest::newRow("using") << QStringLiteral("menuhelp2") << QStringList{u"help 220"_qs};
    QTest::newRow("about") << QStringLiteral("menuhelp3") << QStringList{u"show About"_qs};
    QTest::newRow("close") << QStringLiteral("menuClose") << QStringList{};
}

void TestConvertWindow::menus()
{
    QFETCH(QString, action);
    QFETCH(QStringList, calls);
    window->show();
    trigger(action);
    QCOMPARE(suite.calls, calls);
    QCOMPARE(window->isVisible(), action != u"menuClose");
}

void TestConvertWindow::unitsMenuSelectsTab()
{
    // Tab order is not code order: Density sits before Distance, Liquid before Pressure.
    const QStringList menus = {u"menuArea"_qs,        u"menuAreaMetric"_qs, u"menuAreaStandard"_qs,
                               u"menuDensity"_qs,     u"menuDistance"_qs,   u"menuEnergy"_qs,
                               u"menuLiquid"_qs,      u"menuPressure"_qs,   u"menuSpeed"_qs,
                               u"menuTemperature"_qs, u"menuTime"_qs,       u"menuWeight"_qs};
    const QList<int> frames = {100, 200, 300, 550, 400, 500, 800, 350, 450, 600, 700, 900};
    window->show();
    for (int tab = 11; tab >= 0; --tab) {
        trigger(menus[tab]);
        QCOMPARE(control<QTabBar>(u"TabStrip1"_qs)->currentIndex(), tab);
        for (int code : frames)
            QCOMPARE(control<QFrame>(u"Frame" + QString::number(code))->isVisible(),
                     code == frames[tab]);
    }
}

void TestConvertWindow::optionsFollowNumericInput_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("distance, letters") << u"menuDistance"_qs << 400 << u"abc"_qs << false;
    QTest::newRow("time never gates") << u"menuTime"_qs << 700 << u"abc"_qs << true;
    QTest::newRow("weight never gates") << u"menuWeight"_qs << 900 << u"abc"_qs << true;
}

void TestConvertWindow::optionsFollowNumericInput()
{
    QFETCH(QString, menu);
    QFETCH(int, code);
    QFETCH(QString, input);
    QFETCH(bool, enabled);
    trigger(menu);
    edit(QStringLiteral("Text%1").arg(code))->setText(input);
    const auto options = window->findChildren<QRadioButton *>(
        QRegularExpression(QStringLiteral("^Option%1\\(").arg(code + 1)));
    QVERIFY(!options.isEmpty());
    for (QRadioButton *option : options)
        QCOMPARE(option->isEnabled(), enabled);
    // Typing a number again brings them back.
    edit(QStringLiteral("Text%1").arg(code))->setText(QStringLiteral("1"));
    for (QRadioButton *option : options)
        QVERIFY(option->isEnabled());
}

void TestConvertWindow::convertsTypedValue_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");

    QTest::newRow("letters give 0") << u"menuDistance"_qs << u"Option401(6)"_qs << u"abc"_qs
                                    << u"m"_qs << u"Text401(2)"_qs << u"0"_qs;
    QTest::newRow("leading number, own row")
        << u"menuDistance"_qs << u"Option401(4)"_qs << u"12abc"_qs << u"ft"_qs << u"Text401(4)"_qs
        << u"12"_qs;
    QTest::newRow("negative distance") << u"menuDistance"_qs << u"Option401(6)"_qs << u"-5"_qs
                                       << u"m"_qs << u"Text401(2)"_qs << u"-500"_qs;
    QTest::newRow("exponent form") << u"menuDistance"_qs << u"Option401(1)"_qs << u"1"_qs
                                   << u"mm"_qs << u"Text401(10)"_qs << u"6.21371192237334E-07"_qs;
    QTest::newRow("area through sides")
        << u"menuArea"_qs << u"Option101(6)"_qs << u"100"_qs << u"sq. m"_qs << u"Text101(5)"_qs
        << u"119.599004630108"_qs;
    QTest::newRow("area, own row") << u"menuArea"_qs << u"Option101(6)"_qs << u"007"_qs
                                   << u"sq. m"_qs << u"Text101(6)"_qs << u"7"_qs;
    QTest::newRow("area overflow") << u"menuArea"_qs << u"Option101(11)"_qs << u"1e300"_qs
                                   << u"sq. nmi"_qs << u"Text101(1)"_qs << u"Overflow"_qs;
    QTest::newRow("overflow") << u"menuDistance"_qs << u"Option401(9)"_qs << u"1e308"_qs << u"km"_qs
                              << u"Text401(1)"_qs << u"Overflow"_qs;
}

void TestConvertWindow::convertsTypedValue()
{
    QFETCH(QString, menu);
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QString, label);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    trigger(menu);
    control<QRadioButton>(option)->click();
    const int code = option.mid(6, 3).toInt() - 1;
    edit(QStringLiteral("Text%1").arg(code))->setText(input);
    QCOMPARE(control<QLabel>(QStringLiteral("Label%1a").arg(code))->text(), label);
    QCOMPARE(text(box), expected);
}

void TestConvertWindow::temperatureTabStartsOver()
{
    trigger(u"menuTemperature"_qs);
    control<QRadioButton>(u"Option601(2)"_qs)->click();
    edit(u"Text600"_qs)->setText(u"100"_qs);
    QCOMPARE(text(u"Text601(1)"_qs), u"212"_qs);
    trigger(u"menuTime"_qs);
    trigger(u"menuTemperature"_qs);
    QCOMPARE(text(u"Text600"_qs), u"0"_qs);
    QCOMPARE(text(u"Text601(1)"_qs), u"0"_qs);
    QCOMPARE(text(u"Text601(2)"_qs), u"-17.7777777777778"_qs);
    QCOMPARE(text(u"Text601(3)"_qs), u"255.382222"_qs);
    QCOMPARE(control<QLabel>(u"Label600a"_qs)->text(), u"*F"_qs);
    // The chosen button stays; the next keystroke is read in its unit, Celsius.
    QVERIFY(control<QRadioButton>(u"Option601(2)"_qs)->isChecked());
    edit(u"Text600"_qs)->setText(u"100"_qs);
    QCOMPARE(text(u"Text601(1)"_qs), u"212"_qs);
    QCOMPARE(control<QLabel>(u"Label600a"_qs)->text(), control<QLabel>(u"Label601(2)"_qs)->text());
}

void TestConvertWindow::densityKeepsValueReadAsFirstUnit()
{
    trigger(u"menuDensity"_qs);
    control<QRadioButton>(u"Option551(9)"_qs)->click();
    edit(u"Text550"_qs)->setText(u"2"_qs);
    trigger(u"menuDistance"_qs);
    trigger(u"menuDensity"_qs);
    QCOMPARE(text(u"Text550"_qs), u"2"_qs);
    // The value is now read as grams per litre while the pound button stays chosen.
    QVERIFY(control<QRadioButton>(u"Option551(9)"_qs)->isChecked());
    QCOMPARE(control<QLabel>(u"Label550a"_qs)->text(), u"g/l"_qs);
    QCOMPARE(text(u"Text551(1)"_qs), u"2"_qs);
    // Typing again converts from the chosen unit.
    edit(u"Text550"_qs)->setText(u"2 "_qs);
    QCOMPARE(control<QLabel>(u"Label550a"_qs)->text(), u"lb/ft3"_qs);
    QCOMPARE(text(u"Text551(9)"_qs), u"2"_qs);
    QCOMPARE(text(u"Text551(1)"_qs), u"32.03692"_qs);
}

void TestConvertWindow::areaNotAboveZero()
{
    control<QRadioButton>(u"Option101(6)"_qs)->click();
    edit(u"Text100"_qs)->setText(u"100"_qs);
    QCOMPARE(text(u"Text100b"_qs), u"10"_qs);
    for (const QString &input : {u"abc"_qs, u"0"_qs, u"-5"_qs}) {
        edit(u"Text100"_qs)->setText(input);
        for (int i = 1; i <= 11; ++i)
            QCOMPARE(text(QStringLiteral("Text101(%1)").arg(i)), u"0"_qs);
    }
    // The label follows the chosen unit even when there is nothing to convert.
    control<QRadioButton>(u"Option101(4)"_qs)->click();
    QCOMPARE(control<QLabel>(u"Label100a"_qs)->text(), u"sq. ft"_qs);
}

void TestConvertWindow::lengthTimesWidth()
{
    trigger(u"menuAreaMetric"_qs);
    edit(u"Text200(1)"_qs)->setText(u"1"_qs);
    edit(u"Text200(4)"_qs)->setText(u"1"_qs);
    QCOMPARE(text(u"Text201(9)"_qs), u"1"_qs);
    QCOMPARE(text(u"Text201(10)"_qs).left(6), u"0.3861"_qs);
    edit(u"Text200(2)"_qs)->setText(u"0.5"_qs);
    QCOMPARE(text(u"Text200(2)"_qs), QString());
    QCOMPARE(text(u"Text200(7)"_qs), u"100000"_qs);
    edit(u"Text200(3)"_qs)->setText(u"20"_qs);
    QCOMPARE(text(u"Text200(7)"_qs), u"100020"_qs);
    QCOMPARE(text(u"Text200(9)"_qs), u"10002000000"_qs);

    trigger(u"menuAreaStandard"_qs);
    edit(u"Text300(2)"_qs)->setText(u"1"_qs);
    edit(u"Text300(5)"_qs)->setText(u"2"_qs);
    QCOMPARE(text(u"Text301(4)"_qs), u"18"_qs);
    edit(u"Text300(1)"_qs)->setText(u"1e308"_qs);
    QCOMPARE(text(u"Text301(4)"_qs), u"Overflow"_qs);
    // Both tables keep their entries across tab changes.
    trigger(u"menuAreaMetric"_qs);
    QCOMPARE(text(u"Text200(3)"_qs), u"20"_qs);
}

void TestConvertWindow::resultsTakeNoTyping()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    trigger(u"menuDistance"_qs);
    QLineEdit *result = edit(u"Text401(3)"_qs);
    result->setFocus();
    QTest::keyClicks(result, u"9x"_qs);
    QTest::keyClick(result, Qt::Key_Backspace);
    QCOMPARE(result->text(), u"0"_qs);
}

void TestConvertWindow::focusSelectsValue_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("box");
    QTest::newRow("input") << u"menuDistance"_qs << u"Text400"_qs;
    QTest::newRow("standard width") << u"menuAreaStandard"_qs << u"Text300(6)"_qs;
}

void TestConvertWindow::focusSelectsValue()
{
    QFETCH(QString, menu);
    QFETCH(QString, box);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    trigger(menu);
    edit(u"Text400"_qs)->setText(u"-1234.5"_qs);
    edit(u"Text300(6)"_qs)->setText(u"123456"_qs);
    control<QRadioButton>(u"Option401(1)"_qs)->click();
    QLineEdit *target = edit(box);
    QVERIFY(target->text().size() > 4);
    target->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(target->selectedText(), target->text());
}

void TestConvertWindow::decimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    trigger(u"menuDistance"_qs);
    control<QRadioButton>(u"Option401(6)"_qs)->click();
    // The input reads "." in every locale; the results use the locale's comma.
    edit(u"Text400"_qs)->setText(u"0.5"_qs);
    QCOMPARE(text(u"Text401(6)"_qs), u"0,5"_qs);
    QCOMPARE(text(u"Text401(2)"_qs), u"50"_qs);
    QVERIFY(!control<QRadioButton>(u"Option401(1)"_qs)->isEnabled());
    edit(u"Text400"_qs)->setText(u"0,5"_qs);
    QVERIFY(control<QRadioButton>(u"Option401(1)"_qs)->isEnabled());
    QCOMPARE(text(u"Text401(6)"_qs), u"0"_qs);
}

void TestConvertWindow::optionAccelerator()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    trigger(u"menuDistance"_qs);
    QTRY_COMPARE(QApplication::focusWidget(), edit(u"Text400"_qs));
    QTest::keyClicks(QApplication::focusWidget(), u"3"_qs); // replaces the selected "0"
    // Choosing another unit after typing recomputes in that unit.
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier); // "Fee&t"
    QTRY_VERIFY(control<QRadioButton>(u"Option401(4)"_qs)->isChecked());
    QCOMPARE(control<QLabel>(u"Label400a"_qs)->text(), u"ft"_qs);
    QCOMPARE(text(u"Text401(5)"_qs), u"1"_qs);
}

QTEST_MAIN(TestConvertWindow)
#include "tst_convertwindow.moc"
