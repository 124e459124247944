#include "convert/convert.h"
#include "support/fakesuite.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

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
    void unitsMenuSelectsTab_data();
    void unitsMenuSelectsTab();
    void optionsFollowNumericInput_data();
    void optionsFollowNumericInput();
    void convertsTypedValue_data();
    void convertsTypedValue();
    void optionClickRecomputes();
    void temperatureTabStartsOver();
    void densityKeepsValueAndUnit();
    void area_data();
    void area();
    void areaOverflow();
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

    test::FakeSuite suite;
    std::unique_ptr<convert> window;
};

void TestConvertWindow::init()
{
    suite.calls.clear();
    window = std::make_unique<convert>(suite);
}

void TestConvertWindow::cleanup()
{
    window.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestConvertWindow::opensOnArea()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Conversion Tables"));
    QCOMPARE(window->height(), 6690 / 15);
    window->show();
    QVERIFY(control<QFrame>(QStringLiteral("Frame100"))->isVisible());
    QVERIFY(!control<QFrame>(QStringLiteral("Frame400"))->isVisible());
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
    QTest::newRow("about") << QStringLiteral("menuhelp3") << QStringList{u"about"_qs};
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

void TestConvertWindow::unitsMenuSelectsTab_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("frame");
    QTest::newRow("area metric") << QStringLiteral("menuAreaMetric") << 1 << u"Frame200"_qs;
    QTest::newRow("density") << QStringLiteral("menuDensity") << 3 << u"Frame550"_qs;
    QTest::newRow("distance") << QStringLiteral("menuDistance") << 4 << u"Frame400"_qs;
    QTest::newRow("pressure") << QStringLiteral("menuPressure") << 7 << u"Frame350"_qs;
    QTest::newRow("weight") << QStringLiteral("menuWeight") << 11 << u"Frame900"_qs;
}

void TestConvertWindow::unitsMenuSelectsTab()
{
    QFETCH(QString, action);
    QFETCH(int, tab);
    QFETCH(QString, frame);
    window->show();
    trigger(action);
    QCOMPARE(control<QTabBar>(QStringLiteral("TabStrip1"))->currentIndex(), tab);
    QVERIFY(control<QFrame>(frame)->isVisible());
    QVERIFY(!control<QFrame>(QStringLiteral("Frame100"))->isVisible());
}

void TestConvertWindow::optionsFollowNumericInput_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("distance, letters") << u"menuDistance"_qs << 400 << u"abc"_qs << false;
    QTest::newRow("distance, 12abc") << u"menuDistance"_qs << 400 << u"12abc"_qs << false;
    QTest::newRow("distance, empty") << u"menuDistance"_qs << 400 << QString() << false;
    QTest::newRow("distance, number") << u"menuDistance"_qs << 400 << u"-5"_qs << true;
    QTest::newRow("density, letters") << u"menuDensity"_qs << 550 << u"abc"_qs << false;
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
    QTest::newRow("leading number, other row")
        << u"menuDistance"_qs << u"Option401(4)"_qs << u"12abc"_qs << u"ft"_qs << u"Text401(6)"_qs
        << u"3.6576"_qs;
    QTest::newRow("leading zeros dropped") << u"menuTime"_qs << u"Option701(1)"_qs << u"007"_qs
                                           << u"sec."_qs << u"Text701(1)"_qs << u"7"_qs;
    QTest::newRow("negative distance") << u"menuDistance"_qs << u"Option401(6)"_qs << u"-5"_qs
                                       << u"m"_qs << u"Text401(2)"_qs << u"-500"_qs;
    QTest::newRow("exponent form") << u"menuDistance"_qs << u"Option401(1)"_qs << u"1"_qs
                                   << u"mm"_qs << u"Text401(10)"_qs << u"6.21371192237334E-07"_qs;
    QTest::newRow("overflow") << u"menuDistance"_qs << u"Option401(9)"_qs << u"1e308"_qs << u"km"_qs
                              << u"Text401(1)"_qs << u"Overflow"_qs;
    QTest::newRow("input beyond range") << u"menuWeight"_qs << u"Option901(3)"_qs << u"1e999"_qs
                                        << u"g"_qs << u"Text901(3)"_qs << u"Overflow"_qs;
    QTest::newRow("density label") << u"menuDensity"_qs << u"Option551(12)"_qs << u"1"_qs
                                   << u"LT/yd3"_qs << u"Text551(3)"_qs << u"1328.939"_qs;
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

void TestConvertWindow::optionClickRecomputes()
{
    trigger(u"menuTime"_qs);
    edit(u"Text700"_qs)->setText(u"2"_qs);
    QCOMPARE(text(u"Text701(1)"_qs), u"2"_qs);
    control<QRadioButton>(u"Option701(3)"_qs)->click();
    QCOMPARE(text(u"Text701(1)"_qs), u"7200"_qs);
    QCOMPARE(control<QLabel>(u"Label700a"_qs)->text(), u"hr"_qs);
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
    // The shown unit and the chosen button agree, so the next keystroke reads Fahrenheit too.
    QVERIFY(control<QRadioButton>(u"Option601(1)"_qs)->isChecked());
    edit(u"Text600"_qs)->setText(u"32"_qs);
    QCOMPARE(text(u"Text601(2)"_qs), u"0"_qs);
}

void TestConvertWindow::densityKeepsValueAndUnit()
{
    trigger(u"menuDensity"_qs);
    control<QRadioButton>(u"Option551(9)"_qs)->click();
    edit(u"Text550"_qs)->setText(u"2"_qs);
    trigger(u"menuDistance"_qs);
    trigger(u"menuDensity"_qs);
    QCOMPARE(text(u"Text550"_qs), u"2"_qs);
    QVERIFY(control<QRadioButton>(u"Option551(9)"_qs)->isChecked());
    QCOMPARE(control<QLabel>(u"Label550a"_qs)->text(), u"lb/ft3"_qs);
    QCOMPARE(text(u"Text551(9)"_qs), u"2"_qs);
    QCOMPARE(text(u"Text551(1)"_qs), u"32.03692"_qs);
}

void TestConvertWindow::area_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected"); // Text101(1..11); empty: all "0"
    QTest::addColumn<QString>("side");
    QTest::newRow("negative") << u"-5"_qs << QStringList{} << QString();
    QTest::newRow("zero") << u"0"_qs << QStringList{} << QString();
    QTest::newRow("letters") << u"abc"_qs << QStringList{} << QString();
    QTest::newRow("hundred sq. m") << u"100"_qs
                                   << QStringList{u"100000000"_qs,
                                                  u"1000000"_qs,
                                                  u"155000.31000062"_qs,
                                                  u"1076.39104167097"_qs,
                                                  u"119.599004630108"_qs,
                                                  u"100"_qs,
                                                  u"3.95368610347465"_qs,
                                                  u"0.00247105381467165"_qs,
                                                  u"0.0001"_qs,
                                                  u"3.86102158542446E-05"_qs,
                                                  u"2.91553349598123E-05"_qs}
                                   << u"10"_qs;
}

void TestConvertWindow::area()
{
    QFETCH(QString, input);
    QFETCH(QStringList, expected);
    QFETCH(QString, side);
    control<QRadioButton>(u"Option101(6)"_qs)->click();
    edit(u"Text100"_qs)->setText(input);
    QStringList shown;
    for (int i = 1; i <= 11; ++i)
        shown << text(QStringLiteral("Text101(%1)").arg(i));
    QCOMPARE(shown, expected.isEmpty() ? QStringList(11, u"0"_qs) : expected);
    QCOMPARE(text(u"Text100b"_qs), side);
    // The label follows the chosen unit even when there is nothing to convert.
    QCOMPARE(control<QLabel>(u"Label100a"_qs)->text(), u"sq. m"_qs);
}

void TestConvertWindow::areaOverflow()
{
    // Squares too large for a double say so instead of showing "inf".
    control<QRadioButton>(u"Option101(11)"_qs)->click();
    edit(u"Text100"_qs)->setText(u"1e300"_qs);
    QCOMPARE(text(u"Text101(1)"_qs), u"Overflow"_qs);
    QCOMPARE(text(u"Text101(11)"_qs), u"1E+300"_qs);
    QCOMPARE(text(u"Text101(10)"_qs), u"1.32429333799337E+300"_qs);
    QCOMPARE(text(u"Text100b"_qs), u"1E+150"_qs);
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
    QCOMPARE(text(u"Text200(8)"_qs), u"100000"_qs);
    QCOMPARE(text(u"Text200(9)"_qs), u"10002000000"_qs);
    QCOMPARE(text(u"Text201(6)"_qs), u"1000200"_qs);

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
    QTest::newRow("long result") << u"menuDistance"_qs << u"Text401(10)"_qs;
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
    edit(u"Text400"_qs)->setFocus();
    edit(u"Text400"_qs)->setText(u"3"_qs);
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier); // "Fee&t"
    QTRY_VERIFY(control<QRadioButton>(u"Option401(4)"_qs)->isChecked());
    QCOMPARE(control<QLabel>(u"Label400a"_qs)->text(), u"ft"_qs);
    QCOMPARE(text(u"Text401(5)"_qs), u"1"_qs);
}

QTEST_MAIN(TestConvertWindow)
#include "tst_convertwindow.moc"
