#include "common/suite.h"
#include "common/toolcontext.h"
#include "convert/convert.h"
#include "convert/converter.h"
#include "convert/numberformat.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"

#include <QLineEdit>
#include <QTest>

using namespace nookery;

// One keystroke in the largest tables: the input changes, the unit buttons follow the
// numeric test, and all fourteen results are computed, formatted and set in their boxes.
class BenchConvert : public QObject
{
    Q_OBJECT

private slots:
    void keystroke_data();
    void keystroke();
    void engineOnly();
};

void BenchConvert::keystroke_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("code");
    QTest::newRow("liquid") << 7 << 800;
    QTest::newRow("speed") << 9 << 450;
    QTest::newRow("area") << 1 << 100;
}

void BenchConvert::keystroke()
{
    QFETCH(int, tab);
    QFETCH(int, code);
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    convert window(ToolContext{temp.store(), clock, platform, suite, QDir(temp.folder())});
    window.show();
    window.findChild<QObject *>(QStringLiteral("TabStrip1"))->setProperty("currentIndex", tab - 1);
    auto *input = window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(code));
    auto *last = window.findChild<QLineEdit *>(QStringLiteral("Text%1(%2)").arg(code + 1).arg(11));
    QVERIFY(input && last);
    const QStringList keystrokes = {u"1"_qs, u"12"_qs, u"12.5"_qs, u"12.57"_qs};
    qsizetype i = 0;
    QBENCHMARK
    {
        input->setText(keystrokes[i++ % keystrokes.size()]);
    }
    QVERIFY(last->text() != u"0");
}

void BenchConvert::engineOnly()
{
    const Category &liquid = UnitTables::byCode(800);
    QString sink;
    QBENCHMARK
    {
        const double x = numberformat::parseLeading(u"12.57");
        for (double v : Converter::convert(liquid, 3, x))
            sink = numberformat::formatGeneral(v);
    }
    QVERIFY(!sink.isEmpty());
}

QTEST_MAIN(BenchConvert)
#include "bench_convert.moc"
