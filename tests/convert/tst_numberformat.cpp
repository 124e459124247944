#include "convert/numberformat.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace nookery;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void parse_data();
    void parse();
    void format_data();
    void format();
    void isNumeric_data();
    void isNumeric();
};

void TestNumberFormat::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("number then letters") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("blank inside") << QStringLiteral(" 1 2") << 12.0;
    QTest::newRow("tab and line feed") << QStringLiteral("\t3\n4\n") << 34.0;
    QTest::newRow("blank after sign") << QStringLiteral("- 4") << -4.0;
    QTest::newRow("sign only") << QStringLiteral("-") << 0.0;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("second point ends it") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("exponent with blank") << QStringLiteral("1e 3") << 1000.0;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << 1.0;
    QTest::newRow("plus") << QStringLiteral("+7") << 7.0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
    QTest::newRow("comma is no decimal point") << QStringLiteral("0,5") << 0.0;
    QTest::newRow("too large") << QStringLiteral("1e400") << inf;
    QTest::newRow("too many digits") << QString(400, u'9') << inf;
    QTest::newRow("huge exponent") << QStringLiteral("1e99999999999999999999") << inf;
    QTest::newRow("too small") << QStringLiteral("1e-400") << 0.0;
}

void TestNumberFormat::parse()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numberformat::parseLeading(text), expected);
    // The decimal point does not follow the locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(numberformat::parseLeading(text), expected);
}

void TestNumberFormat::format_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QString en = QStringLiteral("en_US");
    const QString de = QStringLiteral("de_DE");
    QTest::newRow("zero") << en << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << en << -0.0 << QStringLiteral("0");
    QTest::newRow("half, decimal comma") << de << 0.5 << QStringLiteral("0,5");
    QTest::newRow("no group separators") << en << 1234567.5 << QStringLiteral("1234567.5");
    QTest::newRow("rounded to 15") << en << -160.0 / 9 << QStringLiteral("-17.7777777777778");
    QTest::newRow("binary noise hidden") << en << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("largest plain") << en << 1e14 << QStringLiteral("100000000000000");
    QTest::newRow("large") << en << 1e15 << QStringLiteral("1E+15");
    QTest::newRow("large mantissa")
        << en << 123456789012345678.0 << QStringLiteral("1.23456789012346E+17");
    QTest::newRow("smallest plain") << en << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("small") << en << 0.00001 << QStringLiteral("1E-05");
    QTest::newRow("mm in miles") << en << 0.001 / 1609.344
                                 << QStringLiteral("6.21371192237334E-07");
    QTest::newRow("three-digit exponent")
        << en << -std::numeric_limits<double>::max() << QStringLiteral("-1.79769313486232E+308");
    QTest::newRow("infinity") << en << inf << QStringLiteral("Overflow");
    QTest::newRow("not a number") << de << nan << QStringLiteral("Overflow");
}

void TestNumberFormat::format()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(numberformat::formatGeneral(value, QLocale(locale)), expected);
}

void TestNumberFormat::isNumeric_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");

    const QString en = QStringLiteral("en_US");
    const QString de = QStringLiteral("de_DE");
    QTest::newRow("exponent") << en << QStringLiteral("1e3") << true;
    QTest::newRow("empty") << en << QString() << false;
    QTest::newRow("letters") << en << QStringLiteral("abc") << false;
    QTest::newRow("trailing letters") << en << QStringLiteral("12abc") << false;
    QTest::newRow("decimal comma") << de << QStringLiteral("0,5") << true;
    QTest::newRow("decimal comma elsewhere") << en << QStringLiteral("0,5") << false;
}

void TestNumberFormat::isNumeric()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(numberformat::isNumeric(text, QLocale(locale)), numeric);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
