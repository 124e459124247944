#include "platform/desktopprograms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;

class tst_Programs : public QObject
{
    Q_OBJECT

private slots:
    void commandLineRunsOnlyTheNamedProgram();
    void commandLineWithoutProgramStartsNothing_data();
    void commandLineWithoutProgramStartsNothing();
    void missingProgramIsNotStarted();
    void calculatorIsLookedUpOnPath();
};

static QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void tst_Programs::commandLineRunsOnlyTheNamedProgram()
{
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim"));
    QVERIFY(QDir().mkpath(victim));
    const QString out = dir.filePath(QStringLiteral("args.txt"));
    DesktopPrograms programs;
    // What a shell would run as two commands stays arguments of the one program.
    const QString line =
        QStringLiteral("\"%1\" \"%2\" first; rm -rf %3 $(touch %3/x) \"two words\"")
            .arg(QStringLiteral(ARGDUMP), out, victim);
    QVERIFY(programs.startCommandLine(line));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out) && !readLines(out).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(
        readLines(out),
        (QStringList{QStringLiteral("first;"), QStringLiteral("rm"), QStringLiteral("-rf"), victim,
                     QStringLiteral("$(touch"), victim + QStringLiteral("/x)"),
                     QStringLiteral("two words")}),
        10000);
    QVERIFY(QDir(victim).exists());
    QVERIFY(!QFile::exists(victim + QStringLiteral("/x")));
}

void tst_Programs::commandLineWithoutProgramStartsNothing_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   \t ");
    QTest::newRow("empty quotes") << QStringLiteral("\"\"");
}

void tst_Programs::commandLineWithoutProgramStartsNothing()
{
    QFETCH(QString, line);
    QVERIFY(!DesktopPrograms().startCommandLine(line));
}

void tst_Programs::missingProgramIsNotStarted()
{
    QVERIFY(!DesktopPrograms().startCommandLine(QStringLiteral("/no/such/program --flag")));
    QVERIFY(!DesktopPrograms().startCommandLine(QStringLiteral("Calc.exe")));
}

void tst_Programs::calculatorIsLookedUpOnPath()
{
    // A PATH holding no calculator: nothing starts and nothing blocks.
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    const bool started = DesktopPrograms().startCalculator();
    qputenv("PATH", path);
    QVERIFY(!started);
    QCOMPARE(DesktopPrograms::calculatorCandidates().first(), QStringLiteral("gnome-calculator"));
}

QTEST_GUILESS_MAIN(tst_Programs)
#include "tst_programs.moc"
