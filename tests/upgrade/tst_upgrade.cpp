// The older data's upgrade: the conversion class byte for byte, its dialog, the about box that
// leads to it, and a helper process killed after every file step.
#include "common/failure.h"
#include "common/toolcontext.h"
#include "notes/rtfreader.h"
#include "platform/aboutform.h"
#include "settings/settingsstore.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "upgrade/olderdata.h"
#include "upgrade/updateolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

using namespace nookery;
using R = OlderDataUpgrade::Reminders;
using N = OlderDataUpgrade::Note;

Q_DECLARE_METATYPE(OlderDataUpgrade::Reminders)

namespace {

// An older record: text at 0 (44 bytes), show-years at 44, frequency at 45, date at 46 (8).
QByteArray olderRecord(const QByteArray &text, char showYears, char frequency,
                       const QByteArray &date)
{
    QByteArray r(54, ' ');
    r.replace(0, qMin<qsizetype>(text.size(), 44), text.left(44));
    r[44] = showYears;
    r[45] = frequency;
    r.replace(46, qMin<qsizetype>(date.size(), 8), date.left(8));
    return r;
}

// A current record: text at 0 (55), three reserved blanks, show-years at 58, frequency at 59,
// date at 60 (10).
QByteArray currentRecord(const QByteArray &text, char showYears, char frequency,
                         const QByteArray &date)
{
    QByteArray r(70, ' ');
    r.replace(0, text.size(), text);
    r[58] = showYears;
    r[59] = frequency;
    r.replace(60, date.size(), date);
    return r;
}

const QByteArray Christmas = olderRecord("Christmas Day", 'X', 'Y', "12/25/01");
const QByteArray ChristmasNow = currentRecord("Christmas Day", 'X', 'Y', "12/25/2001");

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out.insert(name, f.readAll());
    }
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString noteText(const QString &path)
{
    QTextDocument doc;
    if (readRtfFile(path, &doc).status != RtfReadResult::Status::Ok)
        return QStringLiteral("<unreadable>");
    return doc.toPlainText();
}

// Notes as plain text files, so the conversion is tested apart from the RTF writer.
class PlainNoteFiles final : public NoteFiles
{
public:
    QStringList unreadable;
    Content read(const QString &path) override
    {
        Content c;
        QFile f(path);
        if (unreadable.contains(path)) {
            c.state = Content::State::Unreadable;
            c.error = QStringLiteral("damaged");
        } else if (f.open(QIODevice::ReadOnly)) {
            c.state = Content::State::Text;
            c.text = QString::fromUtf8(f.readAll());
        }
        return c;
    }
    void writePlain(const QString &path, const QString &text) override
    {
        writeFile(path, text.toUtf8());
    }
};

// A start folder for the conversion class alone.
struct Folder
{
    QTemporaryDir dir;
    PlainNoteFiles notes;
    QString path(QAnyStringView name) const { return dir.filePath(name.toString()); }
    QByteArray bytes(QAnyStringView name) const { return snapshot(dir.path())[name.toString()]; }
    bool has(QAnyStringView name) const { return QFile::exists(path(name)); }
    OlderDataUpgrade::Report run(const QStringList &oldNotes = {},
                                 OlderDataUpgrade::StepHook before = {})
    {
        OlderDataUpgrade upgrade(dir.path(), dir.path(), notes);
        upgrade.setStepHooks(std::move(before), {});
        return upgrade.run(oldNotes);
    }
};

// A suite whose every request fails, as a broken window would.
class FailingSuite final : public Suite
{
public:
    void show(Tool) override { throw IoError(QStringLiteral("no window")); }
    void showOptions(int) override {}
    void showHelpContents() override {}
    void showHelpTopic(int) override { throw IoError(QStringLiteral("no help")); }
    void optionsSaved() override {}
    bool isOpen(Tool) const override { return false; }
};

// The dialog over a store and a start folder holding one older record.
struct Dialog
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    QTemporaryDir start;
    std::unique_ptr<UpdateOlder> dialog;
    const QByteArray old = olderRecord("Christmas Day", 'X', 'Y', "12/25/99");

    Dialog() { writeFile(start.filePath(QStringLiteral("reminder.dat")), old); }
    SettingsStore &store() { return temp.store(); }
    void open()
    {
        dialog = std::make_unique<UpdateOlder>(
            ToolContext{store(), clock, platform, suite, QDir(start.path())});
        dialog->show();
    }
    template <typename T> T *child(const char *name)
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
};

} // namespace

class tst_Upgrade : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void dates_data();
    void dates();
    void recordsMoveByteForByte();
    void refusals_data();
    void refusals();
    void secondRunChangesNothing();
    void notes_data();
    void notes();
    void failedStepLeavesOldDataAndRerunFinishes_data();
    void failedStepLeavesOldDataAndRerunFinishes();
    void killedAfterEveryStep_data();
    void killedAfterEveryStep();
    void aboutBoxLeadsToTheUpdate();
    void dialogChangesNothing_data();
    void dialogChangesNothing();
    void dialogConvertsAndCloses_data();
    void dialogConvertsAndCloses();
};

void tst_Upgrade::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_Upgrade::dates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("older");
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<bool>("writeDayFirst");
    const auto row = [](const char *name, const char *locale, const QByteArray &older,
                        const QByteArray &current, bool writeDayFirst = false) {
        QTest::newRow(name) << QString::fromLatin1(locale) << older << current << writeDayFirst;
    };
    row("two-digit year", "en_US", "12/25/99", "12/25/1999");
    row("single digits", "en_US", "1/5/2000", "01/05/2000");
    row("29 is this century", "en_US", "05/14/29", "05/14/2029");
    row("30 is the last", "en_US", "05/14/30", "05/14/1930");
    row("month over 12 swaps", "en_US", "25/12/99", "12/25/1999");
    row("month first locale", "en_US", "01/02/03", "01/02/2003");
    row("day first locale", "de_DE", "01/02/03", "02.01.2003");
    row("locale separator", "de_DE", "24.12.99", "12.24.1999");
    row("dashes, NUL padding", "en_US", QByteArray("1-5-99\0\0", 8), "01/05/1999");
    row("no such day", "en_US", "02/30/99", "02/30/99  ");
    row("words", "en_US", "soon    ", "soon      ");
    row("blanks", "en_US", "        ", "          ");
    row("three-digit year", "en_US", "1/5/199 ", "1/5/199   ");
    row("blanks, as under C", "en_US", "12 25 99", "12/25/1999");
    row("C reads month first, writes slashes", "C.UTF-8", "01 02 03", "01/02/2003");
    row("written day first", "en_US", "07/04/99", "04/07/1999", true);
    row("written day first, de_DE", "de_DE", "04.07.99", "04.07.1999", true);
}

void tst_Upgrade::dates()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, older);
    QFETCH(QByteArray, current);
    QFETCH(bool, writeDayFirst);
    QLocale::setDefault(QLocale(locale));
    const QByteArray got = OlderDataUpgrade::convertDate(older, writeDayFirst);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(got, current);
}

void tst_Upgrade::recordsMoveByteForByte()
{
    Folder f;
    const QByteArray text44 = "Forty-four characters of text, every one kep";
    const QByteArray odd = QByteArray("odd \x00\x81\xE9 bytes", 13);
    const QByteArray old =
        olderRecord(text44, 'A', 'Y', "12/25/99") + Christmas + olderRecord(odd, 'X', 'W', "soon");
    QCOMPARE(old.size(), 162);
    writeFile(f.path("reminder.dat"), old);

    const auto report = f.run();

    QCOMPARE(report.reminders, R::Converted);
    QCOMPARE(f.bytes("reminder.dat"), currentRecord(text44, 'A', 'Y', "12/25/1999") + ChristmasNow +
                                          currentRecord(odd, 'X', 'W', "soon      "));
    QCOMPARE(f.bytes("reminder.bak"), old);
    QVERIFY(!f.has("reminder.tmp"));
    QCOMPARE(int(QFile::permissions(f.path("reminder.bak")) & 0x0077), 0);
    QCOMPARE(OlderDataUpgrade::message(report), OlderDataUpgrade::fullSuccessText());
}

void tst_Upgrade::refusals_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("backup"); // "-" for none
    QTest::addColumn<OlderDataUpgrade::Reminders>("outcome");
    QTest::addColumn<QByteArray>("after"); // reminder.dat afterwards; "-" for none
    QTest::addColumn<QByteArray>("says");

    const QByteArray three = Christmas.repeated(3);
    const QByteArray converted = ChristmasNow.repeated(3);
    const QByteArray current27 = currentRecord("Weekly", 'X', 'W', "03/04/2026").repeated(27);
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
        << Christmas.repeated(35) << QByteArray("-") << R::Converted << ChristmasNow.repeated(35)
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

void tst_Upgrade::refusals()
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
    QCOMPARE(f.bytes("reminder.dat"), after == "-" ? QByteArray() : after);
    if (outcome == R::Converted)
        QCOMPARE(f.bytes("reminder.bak"), source);
    else
        QCOMPARE(f.has("reminder.bak"), backup != "-");
    QVERIFY(!f.has("reminder.tmp"));
    QVERIFY2(OlderDataUpgrade::message(report).contains(QString::fromLatin1(says)),
             qPrintable(OlderDataUpgrade::message(report)));
}

void tst_Upgrade::secondRunChangesNothing()
{
    Folder f;
    writeFile(f.path("reminder.dat"), Christmas.repeated(3));
    const QStringList notes = {QString(), QString(), QStringLiteral("milk\nbread")};
    f.run(notes);
    const auto before = snapshot(f.dir.path());

    const auto report = f.run(notes);

    QCOMPARE(snapshot(f.dir.path()), before);
    QCOMPARE(report.reminders, R::CurrentLayout);
    QCOMPARE(report.notes[2], N::Same);
    QVERIFY(OlderDataUpgrade::message(report).contains(QLatin1String("Nothing was changed.")));
}

void tst_Upgrade::notes_data()
{
    QTest::addColumn<QByteArray>("existing"); // "-" for no file
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("after");
    const QByteArray old = "call Bo\r\nat 5";
    QTest::newRow("no file") << QByteArray("-") << false << int(N::Written) << old;
    QTest::newRow("empty file") << QByteArray("\n") << false << int(N::Written) << old;
    QTest::newRow("same text") << old + '\n' << false << int(N::Same) << old + '\n';
    QTest::newRow("other text") << QByteArray("edited since") << false << int(N::KeptOther)
                                << QByteArray("edited since");
    QTest::newRow("unreadable") << QByteArray("garbled") << true << int(N::KeptUnreadable)
                                << QByteArray("garbled");
}

void tst_Upgrade::notes()
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
    QCOMPARE(snapshot(f.dir.path()), (QMap<QString, QByteArray>{{u"Sticky3.rtf"_qs, after}}));
    QVERIFY(OlderDataUpgrade::message(report).contains(QLatin1String("Sticky note 3 ")));
}

void tst_Upgrade::failedStepLeavesOldDataAndRerunFinishes_data()
{
    QTest::addColumn<int>("failing");
    for (int k = 1; k <= 4; ++k)
        QTest::addRow("step %d", k) << k;
}

// The runs a crash would cut short, here cut by an I/O error at each file step.
void tst_Upgrade::failedStepLeavesOldDataAndRerunFinishes()
{
    QFETCH(int, failing);
    const QByteArray old = Christmas.repeated(3);
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

void tst_Upgrade::killedAfterEveryStep_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::newRow("reminder.dat") << QStringLiteral("reminder.dat");
    QTest::newRow("Reminder.dat") << QStringLiteral("Reminder.dat");
}

// Whatever file step the helper dies after, every file is whole, and running again ends with
// the bytes of an update that was never stopped.
void tst_Upgrade::killedAfterEveryStep()
{
    QFETCH(QString, sourceName);
    const QByteArray old = Christmas + olderRecord("Rent", 'X', 'M', "1/1/99");
    const QByteArray converted = ChristmasNow + currentRecord("Rent", 'X', 'M', "01/01/1999");
    const auto runHelper = [](const QString &folder, int killAfter) {
        QProcess p;
        p.start(QStringLiteral(UPGRADESTEP), {folder, QString::number(killAfter)});
        p.waitForFinished(60000);
        return std::pair{p.exitStatus(), p.readAllStandardOutput().trimmed().toInt()};
    };
    QTemporaryDir clean;
    writeFile(clean.filePath(sourceName), old);
    const int steps = runHelper(clean.path(), 0).second;
    QVERIFY(steps >= 4);
    const auto expected = snapshot(clean.path());
    QCOMPARE(expected.keys(), (QStringList{u"Sticky1.rtf"_qs, u"Sticky3.rtf"_qs, u"reminder.bak"_qs,
                                           u"reminder.dat"_qs}));
    QCOMPARE(expected.value(u"reminder.bak"_qs), old);
    QCOMPARE(expected.value(u"reminder.dat"_qs), converted);

    for (int k = 1; k <= steps; ++k) {
        QTemporaryDir dir;
        writeFile(dir.filePath(sourceName), old);
        QCOMPARE(runHelper(dir.path(), k).first, QProcess::CrashExit);

        const auto files = snapshot(dir.path());
        const QByteArray dat = files.value(QStringLiteral("reminder.dat"));
        const QByteArray source = files.value(sourceName);
        QVERIFY2(dat == converted || (sourceName == u"reminder.dat" ? dat == old : dat.isEmpty()),
                 qPrintable(QString::number(k)));
        QVERIFY(!files.contains(sourceName) || source == old || source == converted);
        QVERIFY(!files.contains(QStringLiteral("reminder.bak")) ||
                files.value(QStringLiteral("reminder.bak")) == old);
        for (const auto &[name, text] :
             {std::pair{QStringLiteral("Sticky1.rtf"), QStringLiteral("first note")},
              std::pair{QStringLiteral("Sticky3.rtf"), QStringLiteral("third\nnote")}}) {
            if (files.contains(name))
                QCOMPARE(noteText(dir.filePath(name)), text);
        }

        QCOMPARE(runHelper(dir.path(), 0).first, QProcess::NormalExit);
        QVERIFY2(snapshot(dir.path()) == expected, qPrintable(QString::number(k)));
    }
}

void tst_Upgrade::aboutBoxLeadsToTheUpdate()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.show(Tool::About);
    QWidget *about = tools.window(Tool::About);
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Label1b"))->text(),
             QStringLiteral("Version 7.0"));
    QVERIFY(
        !(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    // The icon is a button that Tab and Space reach.
    auto *icon = about->findChild<QToolButton *>(QStringLiteral("Image1"));
    QVERIFY(icon->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(icon, Qt::Key_Space);
    QVERIFY(tools.window(Tool::UpdateOlder) && tools.window(Tool::UpdateOlder)->isVisible());
    about->findChild<QPushButton *>(QStringLiteral("butAboutHelpR"))->click();
    QCOMPARE(platform.dialog.calls, QStringList{QStringLiteral("help nookery.hlp 1 272")});

    tools.show(Tool::About);
    QCOMPARE(tools.window(Tool::About), about); // one box
    about->findChild<QPushButton *>(QStringLiteral("butAboutOKR"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tools.window(Tool::About));
    QVERIFY(tools.window(Tool::UpdateOlder)); // OK closes only the about box
    tools.show(Tool::About);
    QTest::keyClick(tools.window(Tool::About), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tools.window(Tool::About));
    tools.closeAll();

    // Requests that fail show their handlers' numbers.
    FailingSuite failing;
    aboutform box(ToolContext{temp.store(), clock, platform, failing, QDir(temp.folder())});
    box.Image1_Click();
    box.butAboutHelpR_Click();
    QCOMPARE(platform.messageBoxes.texts(),
             (QStringList{failureMessage(701), failureMessage(704)}));
}

void tst_Upgrade::dialogChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QList<Tool>>("open");
    QTest::addColumn<QString>("ask42");
    QTest::addColumn<QStringList>("says");
    const QStringList close = {UpdateOlder::openWindowsText()};
    QTest::newRow("cancel, ticked")
        << "butNo" << true << QList<Tool>{} << "checked" << QStringList();
    QTest::newRow("cancel") << "butNo" << false << QList<Tool>{} << QString() << QStringList();
    QTest::newRow("reminders open")
        << "butYes" << true << QList<Tool>{Tool::Reminders} << QString() << close;
    QTest::newRow("sticky notes open")
        << "butYes" << false << QList<Tool>{Tool::StickyNotes} << QString() << close;
}

// Cancel keeps the choice only when ticked; an open reminders or notes window stops Yes.
void tst_Upgrade::dialogChangesNothing()
{
    QFETCH(QString, button);
    QFETCH(bool, ticked);
    QFETCH(QList<Tool>, open);
    QFETCH(QString, ask42);
    QFETCH(QStringList, says);
    Dialog d;
    d.store().save(keys::OldTab, 1, QStringLiteral("note"));
    d.suite.open = open;
    d.open();
    // The older version's wording, its odd spacing and punctuation kept.
    QCOMPARE(
        d.child<QLabel>("Label1")->text(),
        QStringLiteral("Users of Version 4.1 or less must update their data.") + QString(12, u' ') +
            QStringLiteral("Do you want to update your old Reminders and Sticky Notes data now?"));
    QVERIFY(d.child<QLabel>("Label3")->text().contains(QLatin1String(
        "copy the file 'Reminder.dat' to the new directory. Start Nookery again,. make")));
    d.child<QCheckBox>("Question42")->setChecked(ticked);
    d.dialog->findChild<QPushButton *>(button)->click();
    QCOMPARE(d.dialog->isVisible(), !says.isEmpty());
    QCOMPARE(d.store().get(keys::Ask42), ask42);
    QCOMPARE(d.platform.messageBoxes.texts(), says);
    QCOMPARE(snapshot(d.start.path()), (QMap<QString, QByteArray>{{u"reminder.dat"_qs, d.old}}));
}

void tst_Upgrade::dialogConvertsAndCloses_data()
{
    QTest::addColumn<bool>("pathElsewhere");
    QTest::addColumn<QString>("calendarFormat");
    // The dates come out in the order the reminders window will read them in.
    QTest::addColumn<QByteArray>("date");
    QTest::newRow("notes in the start folder") << false << QString() << QByteArray("12/25/1999");
    QTest::newRow("notes where Path says, day first")
        << true << QStringLiteral("dd/mm") << QByteArray("25/12/1999");
}

void tst_Upgrade::dialogConvertsAndCloses()
{
    QFETCH(bool, pathElsewhere);
    QFETCH(QString, calendarFormat);
    QFETCH(QByteArray, date);
    Dialog d;
    QTemporaryDir elsewhere;
    const QString notesFolder = pathElsewhere ? elsewhere.path() : d.start.path();
    if (pathElsewhere)
        d.store().save(keys::Path, elsewhere.path());
    d.store().save(keys::CalendarFormat, calendarFormat);
    d.store().save(keys::OldTab, 3, QStringLiteral("call Bo\r\nat 5"));
    d.open();
    d.child<QPushButton>("butYes")->click();

    QCOMPARE(d.platform.messageBoxes.shown.size(), 1);
    QCOMPARE(d.platform.messageBoxes.shown.first().title, QStringLiteral("Finished Updating!"));
    QCOMPARE(d.platform.messageBoxes.shown.first().text, OlderDataUpgrade::fullSuccessText());
    QVERIFY(!d.dialog->isVisible());
    QCOMPARE(snapshot(d.start.path()).value(QStringLiteral("reminder.dat")),
             currentRecord("Christmas Day", 'X', 'Y', date));
    QCOMPARE(noteText(QDir(notesFolder).filePath(QStringLiteral("Sticky3.rtf"))),
             QStringLiteral("call Bo\nat 5"));
    QCOMPARE(QFile::exists(d.start.filePath(QStringLiteral("Sticky3.rtf"))), !pathElsewhere);
    QCOMPARE(d.store().get(keys::OldTab, 3), QStringLiteral("call Bo\r\nat 5")); // keys stay
}

QTEST_MAIN(tst_Upgrade)
#include "tst_upgrade.moc"
