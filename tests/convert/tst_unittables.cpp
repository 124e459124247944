#include "convert/converter.h"
#include "convert/unittables.h"

#include <QSet>
#include <QTest>

#include <cmath>

using namespace nookery;

namespace {

bool closeTo(double actual, double expected, double relative)
{
    if (expected == 0)
        return std::abs(actual) <= relative;
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

double convertOne(int code, int from, double x, int to)
{
    return Converter::convert(UnitTables::byCode(code), from, x).at(to - 1);
}

} // namespace

class TestUnitTables : public QObject
{
    Q_OBJECT

private slots:
    void accelerators_data();
    void accelerators();
    void roundTrip_data();
    void roundTrip();
    void knownValues_data();
    void knownValues();
    void lengthTimesWidth_data();
    void lengthTimesWidth();
};

void TestUnitTables::accelerators_data()
{
    QTest::addColumn<int>("code");
    for (const Category &c : UnitTables::categories()) {
        if (c.kind != CategoryKind::LengthTimesWidth)
            QTest::newRow(qPrintable(c.tabCaption)) << c.code;
    }
}

void TestUnitTables::accelerators()
{
    // Two option buttons with one key would make Alt+key only cycle focus between them,
    // and the menu bar owns F, U and H.
    QFETCH(int, code);
    QSet<QChar> keys{u'f', u'u', u'h'};
    for (const Unit &u : UnitTables::byCode(code).units) {
        const qsizetype amp = u.caption.indexOf(u'&');
        if (amp < 0)
            continue;
        const QChar key = u.caption.at(amp + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(u.caption));
        keys.insert(key);
    }
}

void TestUnitTables::roundTrip_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    for (const Category &c : UnitTables::categories()) {
        if (c.kind != CategoryKind::Ratio && c.kind != CategoryKind::Area)
            continue;
        for (int u = 1; u <= c.count(); ++u) {
            for (int k = 1; k <= c.count(); ++k)
                QTest::addRow("%d: %d->%d", c.code, u, k) << c.code << u << k;
        }
    }
}

void TestUnitTables::roundTrip()
{
    QFETCH(int, code);
    QFETCH(int, from);
    QFETCH(int, to);
    const Category &c = UnitTables::byCode(code);
    for (double x : {1.0, 123.456, 7e-5}) {
        const double there = Converter::convert(c, from, x).at(to - 1);
        const double back = Converter::convert(c, to, there).at(from - 1);
        QVERIFY2(closeTo(back, x, 1e-12), qPrintable(QString::number(back, 'g', 17)));
        // Going through any third unit lands on the same value as going straight there.
        for (int via = 1; via <= c.count(); ++via) {
            const double step = Converter::convert(c, from, x).at(via - 1);
            const double twoSteps = Converter::convert(c, via, step).at(to - 1);
            QVERIFY2(closeTo(twoSteps, there, 1e-12), qPrintable(c.unit(via).caption));
        }
    }
}

void TestUnitTables::knownValues_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("from");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("relative");

    QTest::newRow("millibar in pascal") << 350 << 8 << 1.0 << 9 << 100.0 << 1e-15;
    QTest::newRow("pascal in millibar") << 350 << 9 << 1.0 << 8 << 0.01 << 1e-15;
    QTest::newRow("kg/sq. cm in pascal") << 350 << 3 << 1.0 << 9 << 98066.5 << 1e-15;
    QTest::newRow("metric ton in grams") << 900 << 8 << 1.0 << 3 << 1e6 << 1e-15;
    QTest::newRow("gram in metric tons") << 900 << 3 << 1.0 << 8 << 1e-6 << 1e-15;
    QTest::newRow("km/min in in/min") << 450 << 11 << 1.0 << 1 << 39370.07874 << 1e-10;
    QTest::newRow("mi/hr in ft/hr") << 450 << 6 << 1.0 << 3 << 5280.0 << 1e-15;
    QTest::newRow("mile in naut. miles") << 400 << 10 << 1.0 << 11 << 0.8689762419 << 1e-10;
    QTest::newRow("naut. mile in mm") << 400 << 11 << 1.0 << 1 << 1852000.0 << 1e-15;
    QTest::newRow("sq. mm in sq. cm") << 100 << 1 << 1.0 << 2 << 0.01 << 1e-15;
    QTest::newRow("sq. mile in sq. naut.") << 100 << 10 << 1.0 << 11 << 0.75512 << 1e-5;
    QTest::newRow("0 C in K") << 600 << 2 << 0.0 << 3 << 273.16 << 1e-15;
    QTest::newRow("0 K in F") << 600 << 3 << 0.0 << 1 << -459.688 << 1e-15;
    QTest::newRow("212 F in C") << 600 << 1 << 212.0 << 2 << 100.0 << 1e-15;
    QTest::newRow("day in seconds") << 700 << 4 << 1.0 << 1 << 86400.0 << 1e-15;
    QTest::newRow("year in days") << 700 << 7 << 1.0 << 4 << 365.25 << 1e-15;
    QTest::newRow("thermal BTU in J") << 500 << 7 << 1.0 << 1 << 1054.35 << 1e-15;
    QTest::newRow("tablespoon in tsp") << 800 << 4 << 1.0 << 3 << 3.0 << 1e-9;
    QTest::newRow("imp gallon in imp quarts") << 800 << 14 << 1.0 << 13 << 4.0 << 1e-15;
    QTest::newRow("g/l in lb/gal") << 550 << 1 << 1.0 << 11 << 0.008345406 << 1e-7;
}

void TestUnitTables::knownValues()
{
    QFETCH(int, code);
    QFETCH(int, from);
    QFETCH(double, x);
    QFETCH(int, to);
    QFETCH(double, expected);
    QFETCH(double, relative);
    const double actual = convertOne(code, from, x, to);
    if (std::isinf(expected))
        QCOMPARE(actual, expected);
    else
        QVERIFY2(closeTo(actual, expected, relative), qPrintable(QString::number(actual, 'g', 17)));
}

void TestUnitTables::lengthTimesWidth_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<double>>("parts");
    QTest::addColumn<int>("result");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("relative");

    const QList<double> kmByKm = {1, 0, 0, 1, 0, 0};
    QTest::newRow("1 km x 1 km in sq. miles") << 200 << kmByKm << 10 << 0.3861 << 5e-5;
    // Both tables give the same acreage for the same field.
    QTest::newRow("1 km x 1 km in acres") << 200 << kmByKm << 8 << 247.105381467165 << 1e-12;
    QTest::newRow("1 mile square in acres")
        << 300 << QList<double>{1, 0, 0, 1, 0, 0} << 8 << 640.0 << 1e-12;
    QTest::newRow("1 yd x 2 yd in sq. ft")
        << 300 << QList<double>{0, 1, 0, 0, 2, 0} << 4 << 18.0 << 1e-15;
    QTest::newRow("all three parts")
        << 200 << QList<double>{1, 2, 3, 0, 0, 1} << 2 << 100203.0 << 1e-15;
    QTest::newRow("fractions below 1 do not count")
        << 200 << QList<double>{1, 0.5, 0, 0, 0, 1} << 2 << 100000.0 << 1e-15;
    QTest::newRow("fractions from 1 up count")
        << 300 << QList<double>{0, 0, 1.5, 0, 0, 2} << 1 << 3.0 * 645.16 << 1e-12;
}

void TestUnitTables::lengthTimesWidth()
{
    QFETCH(int, code);
    QFETCH(QList<double>, parts);
    QFETCH(int, result);
    QFETCH(double, expected);
    QFETCH(double, relative);
    std::array<double, 6> p{};
    std::copy(parts.begin(), parts.end(), p.begin());
    const LengthWidth r = Converter::lengthTimesWidth(UnitTables::byCode(code), p);
    QVERIFY2(closeTo(r.areas.at(result - 1), expected, relative),
             qPrintable(QString::number(r.areas.at(result - 1), 'g', 17)));
    QCOMPARE(r.product, r.length * r.width);
}

QTEST_APPLESS_MAIN(TestUnitTables)
#include "tst_unittables.moc"
