#include "common/failure.h"
#include "shell/olderdata.h"
#include "upgradefixture.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;
using namespace nookery::test;
using R = OlderDataUpgrade::Reminders;
using N = OlderDataUpgrade::Note;

Q_DECLARE_METATYPE(OlderDataUpgrade::Reminders)

namespace {

const QByteArray Christmas = olderRecord("Christmas Day", 'X', 'Y', "12/25/01");

struct Folder
{
    QTemporaryDir dir;
    PlainNoteFiles notes;
    QString path(const QString &name) const { return dir.filePath(name); }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    template <typename Name> QByteArray bytes(const Name &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    template <typename Name> bool has(const Name &name) const { return QFile::exists(path(name)); }
    OlderDataUpgrade::Report run(const QStringList &oldNotes = {},
                                 OlderDataUpgrade::StepHook before = {})
    {
        OlderDataUpgrade upgrade(dir.path(), dir.path(), notes);
        upgrade.setStepHooks(std::move(before), {});
        return upgrade.run(oldNotes);
    }
};

QByteArray repeat(const QByteArray &record, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += record;
    return out;
}

} // namespace

class tst_OlderData : public QObject
{
    Q_OBJECT
private slots:
    void dates_data();
    void dates();
    void recordsMoveByteForByte();
    void refusals_data();
    void refusals();
    void secondRunChangesNothing();
    void differentlyCasedSourceIsReplaced();
    void notes_data();
    void notes();
    void failedStepLeavesOldDataAndRerunFinishes_data();
    void failedStepLeavesOldDataAndRerunFinishes();
};

void tst_OlderData::dates_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("older");
    QTest::addColumn<QByteArray>("current");
    QTest::newRow("two-digit year")
        << QByteArray("en_US") << QByteArray("12/25/99") << QByteArray("12/25/1999");
    QTest::newRow("single digits")
        << QByteArray("en_US") << QByteArray("1/5/2000") << QByteArray("01/05/2000");
    QTest::newRow("29 is this century")
        << QByteArray("en_US") << QByteArray("05/14/29") << QByteArray("05/14/2029");
    QTest::newRow("30 is the last")
        << QByteArray("en_US") << QByteArray("05/14/30") << QByteArray("05/14/1930");
    QTest::newRow("month over 12 swaps")
        << QByteArray("en_US") << QByteArray("25/12/99") << QByteArray("12/25/1999");
    QTest::newRow("month first locale")
        << QByteArray("en_US") << QByteArray("01/02/03") << QByteArray("01/02/2003");
    QTest::newRow("day first locale")
        << QByteArray("de_DE") << QByteArray("01/02/03") << QByteArray("02.01.2003");
    QTest::newRow("locale separator")
        << QByteArray("de_DE") << QByteArray("24.12.99") << QByteArray("12.24.1999");
    QTest::newRow("dashes, NUL padding")
        << QByteArray("en_US") << QByteArray("1-5-99\0\0", 8) << QByteArray("01/05/1999");
    QTest::newRow("no such day") << QByteArray("en_US") << QByteArray("02/30/99")
                                 << QByteArray("02/30/99  ");
    QTest::newRow("words") << QByteArray("en_US") << QByteArray("soon    ")
                           << QByteArray("soon      ");
    QTest::newRow("blanks") << QByteArray("en_US") << QByteArray("        ")
                            << QByteArray("          ");
    QTest::newRow("three-digit year")
        << QByteArray("en_US") << QByteArray("1/5/199 ") << QByteArray("1/5/199   ");
}

void tst_OlderData::dates()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, older);
    QFETCH(QByteArray, current);
    const QLocale saved;
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    const QByteArray got = OlderDataUpgrade::convertDate(older);
    QLocale::setDefault(saved);
    QCOMPARE(got, current);
}

void tst_OlderData::recordsMoveByteForByte()
{
    Folder f;
    const QByteArray text44 = "Forty-four characters of text, every one kep";
    QCOMPARE(text44.size(), 44);
    const QByteArray odd = QByteArray("odd \x00\x81\xE9 bytes", 13);
    const QByteArray old =
        olderRecord(text44, 'A', 'Y', "12/25/99") + Christmas + olderRecord(odd, 'X', 'W', "soon");
    QCOMPARE(old.size(), 162);
    writeFile(f.path("reminder.dat"), old);

    const auto report = f.run();

    QCOMPARE(report.reminders, R::Converted);
    QCOMPARE(report.converted, 3);
    const QByteArray expected = currentRecord(text44, 'A', 'Y', "12/25/1999") +
                                currentRecord("Christmas Day", 'X', 'Y', "12/25/2001") +
                                currentRecord(odd, 'X', 'W', "soon      ");
    QCOMPARE(f.bytes("reminder.dat"), expected);
    QCOMPARE(f.bytes("reminder.bak"), old);
    QVERIFY(!f.has("reminder.tmp"));
    QCOMPARE(int(QFile::permissions(f.path("reminder.bak")) & 0x0077), 0);
    QCOMPARE(OlderDataUpgrade::message(report), OlderDataUpgrade::fullSuccessText());
}

void tst_OlderData::refusals_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("backup"); // "-" for none
    QTest::addColumn<OlderDataUpgrade::Reminders>("outcome");
    QTest::addColumn<QByteArray>("after"); // reminder.dat afterwards; "-" for none
    QTest::addColumn<QByteArray>("says");

    const QByteArray three = repeat(Christmas, 3);
    const QByteArray converted = repeat(currentRecord("Christmas Day", 'X', 'Y', "12/25/2001"), 3);
    const QByteArray current27 = repeat(currentRecord("Weekly", 'X', 'W', "03/04/2026"), 27);
    QTest::newRow("missing") << QByteArray("-") << QByteArray("-") << R::Missing << QByteArray("-")
                             << QByteArray("there is no reminder.dat");
    QTest::newRow("empty") << QByteArray() << QByteArray("-") << R::Empty << QByteArray()
                           << QByteArray("is empty");
    QTest::newRow("current layout") << converted << QByteArray("-") << R::CurrentLayout << converted
                                    << QByteArray("already in the current format");
    QTest::newRow("1890 bytes, current")
        << current27 << QByteArray("-") << R::CurrentLayout << current27
        << QByteArray("already in the current format");
    QTest::newRow("1890 bytes, older")
        << repeat(Christmas, 35) << QByteArray("-") << R::Converted
        << repeat(currentRecord("Christmas Day", 'X', 'Y', "12/25/2001"), 35)
        << QByteArray("has been updated");
    QTest::newRow("backup holds other data")
        << three << QByteArray("something else") << R::BackupDiffers << three
        << QByteArray("holds other data");
    QTest::newRow("backup holds the source")
        << three << three << R::Converted << converted << QByteArray("has been updated");
    QTest::newRow("torn last record")
        << three + QByteArray(20, 'x') << QByteArray("-") << R::Converted << converted
        << QByteArray("The last 20 bytes");
    QTest::newRow("no whole record") << QByteArray(30, 'x') << QByteArray("-") << R::NoWholeRecord
                                     << QByteArray(30, 'x') << QByteArray("no whole");
}

void tst_OlderData::refusals()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, backup);
    QFETCH(OlderDataUpgrade::Reminders, outcome);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, says);
    Folder f;
    if (source != "-")
        writeFile(f.path("reminder.dat"), source);
    if (backup != "-")
        writeFile(f.path("reminder.bak"), backup);

    const auto report = f.run();

    QCOMPARE(report.reminders, outcome);
    QCOMPARE(f.has("reminder.dat"), after != "-");
    if (after != "-")
        QCOMPARE(f.bytes("reminder.dat"), after);
    if (outcome == R::Converted)
        QCOMPARE(f.bytes("reminder.bak"), source);
    else
        QCOMPARE(f.has("reminder.bak"), backup != "-");
    QVERIFY(!f.has("reminder.tmp"));
    QVERIFY2(OlderDataUpgrade::message(report).contains(QString::fromLatin1(says)),
             qPrintable(OlderDataUpgrade::message(report)));
}

void tst_OlderData::secondRunChangesNothing()
{
    Folder f;
    writeFile(f.path("reminder.dat"), repeat(Christmas, 3));
    const QStringList notes = {QString(), QString(), QStringLiteral("milk\nbread")};
    f.run(notes);
    const auto before = snapshot(f.dir.path());

    const auto report = f.run(notes);

    QCOMPARE(snapshot(f.dir.path()), before);
    QCOMPARE(report.reminders, R::CurrentLayout);
    QCOMPARE(report.notes[2], N::Same);
    QVERIFY(OlderDataUpgrade::message(report).contains(QLatin1String("Nothing was changed.")));
}

void tst_OlderData::differentlyCasedSourceIsReplaced()
{
    Folder f;
    writeFile(f.path("Reminder.dat"), Christmas);
    const auto report = f.run();
    QCOMPARE(report.reminders, R::Converted);
    QCOMPARE(f.bytes("reminder.dat"), currentRecord("Christmas Day", 'X', 'Y', "12/25/2001"));
    QCOMPARE(f.bytes("reminder.bak"), Christmas);
    QVERIFY(!f.has("Reminder.dat"));

    // Stopped just before the old name went: the next run only removes it.
    writeFile(f.path("Reminder.dat"), Christmas);
    const auto again = f.run();
    QCOMPARE(again.reminders, R::Converted);
    QVERIFY(!f.has("Reminder.dat"));
    QCOMPARE(f.bytes("reminder.dat"), currentRecord("Christmas Day", 'X', 'Y', "12/25/2001"));
}

void tst_OlderData::notes_data()
{
    QTest::addColumn<QByteArray>("existing"); // "-" for no file
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no file") << QByteArray("-") << false << int(N::Written)
                             << QByteArray("call Bo\r\nat 5");
    QTest::newRow("empty file") << QByteArray("\n") << false << int(N::Written)
                                << QByteArray("call Bo\r\nat 5");
    QTest::newRow("same text") << QByteArray("call Bo\r\nat 5\n") << false << int(N::Same)
                               << QByteArray("call Bo\r\nat 5\n");
    QTest::newRow("other text") << QByteArray("edited since") << false << int(N::KeptOther)
                                << QByteArray("edited since");
    QTest::newRow("unreadable") << QByteArray("garbled") << true << int(N::KeptUnreadable)
                                << QByteArray("garbled");
}

void tst_OlderData::notes()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, unreadable);
    QFETCH(int, outcome);
    QFETCH(QByteArray, after);
    Folder f;
    if (existing != "-")
        writeFile(f.path("Sticky3.rtf"), existing);
    if (unreadable)
        f.notes.unreadable << f.path("Sticky3.rtf");
    QStringList old(10);
    old[2] = QStringLiteral("call Bo\r\nat 5");

    const auto report = f.run(old);

    QCOMPARE(int(report.notes[2]), outcome);
    QCOMPARE(f.bytes("Sticky3.rtf"), after);
    for (int n : {1, 2, 4, 5, 6, 7, 8, 9, 10})
        QVERIFY(!f.has(QStringLiteral("Sticky%1.rtf").arg(n)));
    QVERIFY(OlderDataUpgrade::message(report).contains(QLatin1String("Sticky note 3 ")));
}

void tst_OlderData::failedStepLeavesOldDataAndRerunFinishes_data()
{
    QTest::addColumn<int>("failing");
    for (int k = 1; k <= 4; ++k)
        QTest::addRow("step %d", k) << k;
}

// The same runs a crash would cut short, here cut by an I/O error at each file step.
void tst_OlderData::failedStepLeavesOldDataAndRerunFinishes()
{
    QFETCH(int, failing);
    const QByteArray old = repeat(Christmas, 3);
    const QStringList notes = {QStringLiteral("one"), QString(), QStringLiteral("three")};
    Folder clean;
    writeFile(clean.path("reminder.dat"), old);
    clean.run(notes);

    Folder f;
    writeFile(f.path("reminder.dat"), old);
    const auto report = f.run(notes, [failing](int step) {
        if (step == failing)
            throw IoError(QStringLiteral("disk full"));
    });
    QVERIFY(!report.everythingConverted());
    QVERIFY(OlderDataUpgrade::message(report).contains(QLatin1String("disk full")));
    const QByteArray dat = f.bytes("reminder.dat");
    QVERIFY(dat == old || dat == clean.bytes("reminder.dat"));
    QVERIFY(!f.has("reminder.bak") || f.bytes("reminder.bak") == old);

    f.run(notes);
    QCOMPARE(snapshot(f.dir.path()), snapshot(clean.dir.path()));
}

QTEST_GUILESS_MAIN(tst_OlderData)
#include "tst_olderdata.moc"
