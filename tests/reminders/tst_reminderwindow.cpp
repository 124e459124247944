#include "common/failure.h"
#include "common/toolcontext.h"
#include "recordbytes.h"
#include "reminders/reminder.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTest>

using namespace nookery;

namespace {

// 8 December 2026 is a Tuesday.
const QDateTime Now(QDate(2026, 12, 8), QTime(9, 0));

} // namespace

class tst_ReminderWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheUpcomingView();
    void upcomingAndAllViews();
    void aLineSelectsItsOwnRecord();
    void newThenSave_data();
    void newThenSave();
    void newThenCancelLeavesTheFile();
    void editSavesOnlyItsRecord_data();
    void editSavesOnlyItsRecord();
    void deleteAsks_data();
    void deleteAsks();
    void deletingTheLastOne();
    void deleteOld();
    void keysOfHiddenEntriesAreDead();
    void activation();
    void failingSaveKeepsThePanel();
    void sizes_data();
    void sizes();
    void closeStoresSizeAndReleasesTheFile();
    void exitStoresNothing();
    void readOnly_data();
    void readOnly();
    void suiteRequests();
    void focusSelects45();
    void printing_data();
    void printing();
    void printedText();
    void noPrinter();

private:
    ToolContext context() { return {temp->store(), clock, platform, suite, QDir(temp->folder())}; }
    reminder &open()
    {
        window = std::make_unique<reminder>(context());
        window->show();
        return *window;
    }
    void put(const QByteArray &bytes)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString path() const { return temp->folder() + u"/reminder.dat"_qs; }
    QByteArray contents() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    template <typename T> T *control(const char *name)
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QAction *action(const char *name) { return control<QAction>(name); }
    void click(const char *name)
    {
        QAction *a = action(name);
        if (a->isEnabled())
            a->trigger();
    }
    QStringList lines(const char *list)
    {
        QStringList out;
        auto *l = control<QListWidget>(list);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text().left(14) + u'|' + l->item(i)->text().mid(23).simplified();
        return out;
    }
    QStringList messages() const { return platform.messageBoxes.texts(); }

    std::unique_ptr<test::TempStore> temp;
    test::FakeClock clock{Now};
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<reminder> window;
};

void tst_ReminderWindow::init()
{
    temp = std::make_unique<test::TempStore>();
    clock.set(Now);
    platform.messageBoxes.shown.clear();
    platform.messageBoxes.answers.clear();
    platform.printerList.pdfPath.clear();
    suite.calls.clear();
}

void tst_ReminderWindow::cleanup()
{
    window.reset();
    temp.reset();
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_ReminderWindow::opensOnTheUpcomingView()
{
    open();
    QCOMPARE(window->windowTitle(), u"Reminders"_qs);
    QCOMPARE(contents(), rec("Christmas Day", 'X', 'Y', "12/25/2001"));
    QCOMPARE(temp->store().get(keys::DaysChecked), u"6"_qs);
    QCOMPARE(control<QLabel>("lblShowDate1")->text(), u"Tuesday"_qs);
    QCOMPARE(control<QLabel>("lblShowDate2")->text(), u"12/08/26"_qs);
    QVERIFY(control<QLabel>("LabelNoRemindersWeek")->isVisible());
    QVERIFY(!control<QListWidget>("reminderlist")->isVisible());
    QVERIFY(!action("tooledit")->isEnabled());
    QVERIFY(!action("tooldelete")->isEnabled());
    QVERIFY(!action("toolprint")->isEnabled());
    QVERIFY(!action("menuprintreminders")->isVisible());
    QVERIFY(!control<QWidget>("Frame1")->isVisible());
    QCOMPARE(window->size(), QSize(593, 377));
    QVERIFY(messages().isEmpty());

    // Christmas comes into view as the days go by.
    clock.set(QDateTime(QDate(2026, 12, 19), QTime(9, 0)));
    window->Form_Activate();
    QCOMPARE(lines("reminderlist"), QStringList{u"12/25/26   Fri|Christmas Day"_qs});
    QCOMPARE(control<QLabel>("lblShowDate2")->text(), u"12/19/26"_qs);
}

void tst_ReminderWindow::upcomingAndAllViews()
{
    put(rec("Bins", 'X', 'W', "01/01/2026") + rec("Dentist", 'X', 'O', "12/09/2026") +
        rec("Wedding", 'A', 'Y', "12/10/1976") + rec("Broken", 'X', 'M', "xx/yy/2026"));
    temp->store().save(keys::DaysChecked, u"13"_qs);
    open();
    QCOMPARE(lines("reminderlist"),
             (QStringList{u"12/09/26   Wed|Dentist"_qs, u"12/10/26   Thu|Bins"_qs,
                          u"12/10/26   Thu|Wedding ... 50 years"_qs, u"12/17/26   Thu|Bins"_qs}));
    QCOMPARE(window->LabelRecordCount, 4);

    click("menushowall");
    QCOMPARE(window->windowTitle(), u"Reminders -  4 saved"_qs);
    QCOMPARE(lines("reminderlist2").size(), 4);
    QCOMPARE(lines("reminderlist2").at(3), u"xx/yy/2026    |Broken"_qs);
    QVERIFY(action("toolshowweek")->isVisible() && !action("toolshowall")->isVisible());
    QVERIFY(!control<QListWidget>("reminderlist")->isVisible());

    // Options changed elsewhere show on the next activation.
    temp->store().save(keys::CalendarFormat, u"dd/mm"_qs);
    window->optionsChanged();
    QCOMPARE(lines("reminderlist2").at(1), u"12/09/26   Sat|Dentist"_qs);
    click("toolshowweek");
    QCOMPARE(lines("reminderlist"),
             (QStringList{u"10/12/26   Thu|Bins"_qs, u"17/12/26   Thu|Bins"_qs}));
    temp->store().save(keys::DaysChecked, u"0"_qs);
    window->optionsChanged();
    QVERIFY(control<QLabel>("LabelNoRemindersWeek")->isVisible());
    QVERIFY(!control<QListWidget>("reminderlist")->isVisible());
}

void tst_ReminderWindow::aLineSelectsItsOwnRecord()
{
    put(rec("Same", 'X', 'O', "12/08/2026") + rec("Same", 'X', 'W', "12/01/2026") +
        rec("Other", 'X', 'O', "12/09/2026"));
    open();
    auto *list = control<QListWidget>("reminderlist");
    QCOMPARE(window->file().current(), 1); // the build selects the first line
    list->setCurrentRow(1);
    QCOMPARE(window->file().current(), 2);
    QCOMPARE(window->LabelFrequency, u"W"_qs);
    list->setCurrentRow(2);
    QCOMPARE(window->file().current(), 3);
    QCOMPARE(control<QLineEdit>("txtreminder")->text(), u"Other"_qs);
    list->setCurrentRow(1);
    emit list->itemDoubleClicked(list->currentItem());
    QCOMPARE(window->LabelAddOrEdit, u"edit"_qs);
    QCOMPARE(control<QComboBox>("typelist")->currentText(), u"Weekly"_qs);
}

void tst_ReminderWindow::newThenSave_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("years");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("monthly, no years")
        << QString() << u"Rent"_qs << 2 << 0 << rec("Rent", 'X', 'M', "12/20/2026");
    QTest::newRow("yearly, years, day first")
        << u"dd/mm"_qs << u"Born"_qs << 3 << 1 << rec("Born", 'A', 'Y', "20/12/2026");
    QTest::newRow("60 characters keep 55") << QString() << u"x"_qs.repeated(60) << 0 << 0
                                           << rec(QByteArray(55, 'x'), 'X', 'O', "12/20/2026");
}

void tst_ReminderWindow::newThenSave()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(int, type);
    QFETCH(int, years);
    QFETCH(QByteArray, stored);
    temp->store().save(keys::CalendarFormat, format);
    open();
    const QByteArray before = contents();
    click("tooladd");
    // The placeholder is on disk, dated month first whatever the setting.
    QCOMPARE(contents(), before + rec("", 'X', 'O', "12/08/2026"));
    QVERIFY(control<QWidget>("Frame1")->isVisible());
    QCOMPARE(control<QComboBox>("typelist")->currentText(), u"Once"_qs);
    QCOMPARE(control<QComboBox>("yearlist")->currentText(), u"No"_qs);
    QTest::keyClicks(control<QLineEdit>("txtreminder"), typed);
    control<QComboBox>("typelist")->setCurrentIndex(type);
    control<QComboBox>("yearlist")->setCurrentIndex(years);
    control<QCalendarWidget>("Calendar1")->setSelectedDate(QDate(2026, 12, 20));
    click("menusave");
    QCOMPARE(contents(), before + stored);
    QVERIFY(!control<QWidget>("Frame1")->isVisible());
    QVERIFY(action("menuadd")->isEnabled());
}

void tst_ReminderWindow::newThenCancelLeavesTheFile()
{
    put(rec("one", 'X', 'O', "12/08/2026", "abc") + rec("two", 'X', 'W', "12/08/2026"));
    open();
    click("menushowall");
    const QByteArray before = contents();
    click("menuadd");
    QCOMPARE(window->file().Count(), 3);
    QVERIFY(!control<QListWidget>("reminderlist2")->isVisible());
    QVERIFY(!action("toolshowweek")->isEnabled());
    click("toolcancel");
    QCOMPARE(contents(), before);
    QCOMPARE(window->windowTitle(), u"Reminders -  2 saved"_qs);
    QVERIFY(control<QListWidget>("reminderlist2")->isVisible());
}

void tst_ReminderWindow::editSavesOnlyItsRecord_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("slashes") << QByteArray("12/10/1990");
    QTest::newRow("blanks, as C wrote them") << QByteArray("12 10 1990");
}

void tst_ReminderWindow::editSavesOnlyItsRecord()
{
    QFETCH(QByteArray, stored);
    const QByteArray one = rec("one", 'X', 'O', "12/08/2026", "r1r");
    const QByteArray three = rec("three", 'X', 'O', "12/09/2026", "r3r");
    const QByteArray before = one + rec("Anniversary", 'A', 'Y', stored, "\x01\x02\x03") + three;
    put(before);
    open();
    QCOMPARE(contents(), before);                           // opening and viewing write nothing
    control<QListWidget>("reminderlist")->setCurrentRow(2); // 10 December: record 2
    click("menuedit");
    QCOMPARE(control<QLineEdit>("txtreminder")->text(), u"Anniversary"_qs);
    QCOMPARE(control<QComboBox>("typelist")->currentText(), u"Yearly"_qs);
    QCOMPARE(control<QComboBox>("yearlist")->currentText(), u"Yes"_qs);
    QCOMPARE(control<QCalendarWidget>("Calendar1")->selectedDate(), QDate(1990, 12, 10));
    control<QLineEdit>("txtreminder")->setText(u"Silver wedding"_qs);
    click("toolsave");
    QCOMPARE(contents(),
             one + rec("Silver wedding", 'A', 'Y', "12/10/1990", "\x01\x02\x03") + three);
    // The saved record stays selected.
    QCOMPARE(window->file().current(), 2);
}

void tst_ReminderWindow::deleteAsks_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No changes nothing") << false;
    QTest::newRow("Yes removes the selected record") << true;
}

void tst_ReminderWindow::deleteAsks()
{
    QFETCH(bool, yes);
    const QByteArray r1 = rec("one", 'X', 'O', "12/08/2026", "aaa");
    const QByteArray r2 = rec("two", 'X', 'O', "12/09/2026", "bbb");
    const QByteArray r3 = rec("three", 'X', 'O', "12/10/2026", "ccc");
    put(r1 + r2 + r3);
    open();
    control<QListWidget>("reminderlist")->setCurrentRow(1);
    platform.messageBoxes.answers = {yes};
    click("menudelete");
    QCOMPARE(platform.messageBoxes.shown.size(), 1);
    QCOMPARE(platform.messageBoxes.shown.at(0).title, u"Delete a Reminder"_qs);
    QCOMPARE(platform.messageBoxes.shown.at(0).text,
             u"Do you want to delete the highlighted reminder?"_qs);
    QCOMPARE(contents(), yes ? QByteArray(r1 + r3) : QByteArray(r1 + r2 + r3));
    QCOMPARE(lines("reminderlist").size(), yes ? 2 : 3);
    // The selection stays where it was rather than jumping to the first line.
    QCOMPARE(control<QListWidget>("reminderlist")->currentRow(), 1);
}

void tst_ReminderWindow::deletingTheLastOne()
{
    open();
    click("menushowall");
    platform.messageBoxes.answers = {true};
    click("tooldelete");
    QCOMPARE(contents(), QByteArray());
    QVERIFY(!control<QListWidget>("reminderlist2")->isVisible());
    QVERIFY(control<QLabel>("LabelNoRemindersAll")->isVisible());
    QCOMPARE(window->windowTitle(), u"Reminders -  0 saved"_qs);
    QVERIFY(!action("menuedit")->isEnabled());
    QVERIFY(!action("tooldelete")->isEnabled());
    QVERIFY(action("menuadd")->isEnabled());
}

void tst_ReminderWindow::deleteOld()
{
    const QByteArray old = rec("old", 'X', 'O', "12/07/2026");
    const QByteArray kept = rec("kept", 'X', 'O', "12/08/2026", "xyz");
    const QByteArray weekly = rec("weekly", 'X', 'W', "12/07/2020", "xyz");
    put(old + kept + weekly);
    open();
    platform.messageBoxes.answers = {false};
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    click("menudeleteold");
    QCOMPARE(contents(), old + kept + weekly);
    platform.messageBoxes.answers = {true};
    click("menudeleteold");
    QCOMPARE(platform.messageBoxes.shown.last().text,
             u"Do you want to delete old one-time reminders?"_qs);
    QCOMPARE(contents(),
             rec("kept", 'X', 'O', "12/08/2026") + rec("weekly", 'X', 'W', "12/07/2020"));
}

void tst_ReminderWindow::keysOfHiddenEntriesAreDead()
{
    put(rec("one", 'X', 'O', "12/08/2026"));
    open();
    const auto liveKeys = [this] {
        QStringList keys;
        for (QAction *a : window->findChildren<QAction *>()) {
            if (!a->shortcut().isEmpty() && a->isEnabled())
                keys << a->shortcut().toString();
        }
        keys.sort();
        return keys;
    };
    QCOMPARE(liveKeys(), (QStringList{u"Ctrl+D"_qs, u"Ctrl+P"_qs, u"F1"_qs, u"F11"_qs, u"F12"_qs,
                                      u"F3"_qs, u"F5"_qs, u"F7"_qs, u"F9"_qs}));
    click("menuedit");
    QCOMPARE(liveKeys(), (QStringList{u"F1"_qs, u"F6"_qs, u"F8"_qs}));
    click("menucancel");
    click("menushowall");
    QVERIFY(liveKeys().contains(u"F4"_qs));
    QVERIFY(!liveKeys().contains(u"F3"_qs));
}

void tst_ReminderWindow::activation()
{
    put(rec("one", 'X', 'O', "12/08/2026") + rec("two", 'X', 'O', "12/09/2026"));
    open();
    // Browsing: the rebuild keeps the selected record selected.
    control<QListWidget>("reminderlist")->setCurrentRow(1);
    temp->store().save(keys::DaysChecked, u"2"_qs);
    window->Form_Activate();
    QCOMPARE(window->file().current(), 2);
    QCOMPARE(control<QListWidget>("reminderlist")->currentRow(), 1);

    // Editing: only the dates follow, and Save writes the record being edited.
    click("menuadd");
    clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 1)));
    window->Form_Activate();
    QCOMPARE(control<QLabel>("lblShowDate2")->text(), u"12/09/26"_qs);
    QCOMPARE(window->file().current(), 3);
    control<QLineEdit>("txtreminder")->setText(u"new"_qs);
    click("menusave");
    QCOMPARE(contents(), rec("one", 'X', 'O', "12/08/2026") + rec("two", 'X', 'O', "12/09/2026") +
                             rec("new", 'X', 'O', "12/08/2026"));
}

void tst_ReminderWindow::failingSaveKeepsThePanel()
{
    put(rec("one", 'X', 'O', "12/08/2026"));
    open();
    click("menuedit");
    // Another program puts its own file in place: nothing may be written into the old one.
    QFile::remove(path());
    put(rec("theirs", 'X', 'W', "12/08/2026"));
    control<QLineEdit>("txtreminder")->setText(u"mine"_qs);
    click("menusave");
    QCOMPARE(messages(), QStringList{failureMessage(501)});
    QVERIFY(control<QWidget>("Frame1")->isVisible());
    QCOMPARE(contents(), rec("theirs", 'X', 'W', "12/08/2026"));
    click("menusave"); // the file was read again: the retry lands
    QCOMPARE(contents(), rec("mine", 'X', 'O', "12/08/2026"));
}

void tst_ReminderWindow::sizes_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("message");
    // What Close stores when the user left the size alone: what was read, not its pixels.
    QTest::addColumn<QString>("heightKept");
    QTest::addColumn<QString>("widthKept");
    QTest::newRow("stored") << u"6000"_qs << u"9000.4"_qs << QSize(600, 400) << false << u"6000"_qs
                            << u"9000.4"_qs;
    QTest::newRow("design, not 8895")
        << u"5655"_qs << u"8900"_qs << QSize(593, 377) << false << u"5655"_qs << u"8900"_qs;
    QTest::newRow("too low") << u"1900"_qs << u"9000"_qs << QSize(593, 377) << true << u"5655"_qs
                             << u"8900"_qs;
    QTest::newRow("too narrow") << u"6000"_qs << u"300"_qs << QSize(593, 377) << true << u"5655"_qs
                                << u"8900"_qs;
    QTest::newRow("not a number") << u"tall"_qs << u"9000"_qs << QSize(593, 377) << false
                                  << u"5655"_qs << u"8900"_qs;
}

void tst_ReminderWindow::sizes()
{
    QFETCH(QString, height);
    QFETCH(QString, width);
    QFETCH(QSize, size);
    QFETCH(bool, message);
    temp->store().save(keys::RemindersHeight, height);
    temp->store().save(keys::RemindersWidth, width);
    open();
    QCOMPARE(window->size(), size);
    QCOMPARE(messages().contains(QStringLiteral(
                 "Error Handler 507. You cannot resize this program so small. Reminders will "
                 "now resize itself to a proper size!")),
             message);
    click("toolclose");
    QTEST(temp->store().get(keys::RemindersHeight), "heightKept");
    QTEST(temp->store().get(keys::RemindersWidth), "widthKept");
}

void tst_ReminderWindow::closeStoresSizeAndReleasesTheFile()
{
    open();
    const QByteArray before = contents();
    window->resize(620, 410);
    click("toolclose");
    QVERIFY(!window->isVisible());
    QCOMPARE(temp->store().get(keys::RemindersHeight), u"6150"_qs);
    QCOMPARE(temp->store().get(keys::RemindersWidth), u"9300"_qs);
    QVERIFY(!window->file().isOpen());
    QVERIFY(!QFile::exists(temp->folder() + u"/reminder.lck"_qs));

    // Closed by its frame during New: the placeholder goes, as with Cancel.
    open();
    click("menuadd");
    QVERIFY(!action("menuclose")->isEnabled());
    window->close();
    QCOMPARE(contents(), before);
}

void tst_ReminderWindow::exitStoresNothing()
{
    open();
    click("menuadd");
    window->suiteEnding();
    window.reset();
    QCOMPARE(temp->store().get(keys::RemindersHeight), QString());
    QCOMPARE(contents().size(), 140); // the placeholder stays, as on disk
    QVERIFY(!QFile::exists(temp->folder() + u"/reminder.lck"_qs));
}

void tst_ReminderWindow::readOnly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("secondCopy");
    QTest::addColumn<QString>("message");
    QTest::newRow("torn") << QByteArray(rec("one", 'X', 'O', "12/08/2026") + "two   ") << false
                          << u"damaged"_qs;
    QTest::newRow("older layout") << QByteArray(54 * 3, 'x') << false << u"damaged"_qs;
    QTest::newRow("held by another copy")
        << rec("one", 'X', 'O', "12/08/2026") << true << u"another copy"_qs;
}

void tst_ReminderWindow::readOnly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, secondCopy);
    QFETCH(QString, message);
    put(bytes);
    std::unique_ptr<reminder> first;
    if (secondCopy) {
        first = std::make_unique<reminder>(context());
    }
    open();
    QCOMPARE(messages().size(), 1);
    QVERIFY2(messages().at(0).contains(message), qPrintable(messages().at(0)));
    QCOMPARE(platform.messageBoxes.shown.at(0).title, u"Nookery 7.0"_qs);
    for (const char *name : {"menuadd", "menuedit", "menudelete", "menudeleteold", "tooladd",
                             "tooledit", "tooldelete"})
        QVERIFY2(!action(name)->isEnabled(), name);
    click("menushowall");
    QCOMPARE(lines("reminderlist2").size(), window->file().Count());
    QCOMPARE(contents(), bytes);
}

void tst_ReminderWindow::suiteRequests()
{
    open();
    for (const char *name :
         {"menuoptions", "tooloptions", "menuhelp1", "menuhelp2", "toolhelp", "menuhelp3"})
        click(name);
    QCOMPARE(suite.calls, (QStringList{u"options 5"_qs, u"options 5"_qs, u"help contents"_qs,
                                       u"help 240"_qs, u"help 240"_qs, u"show About"_qs}));
}

void tst_ReminderWindow::focusSelects45()
{
    open();
    click("menuadd");
    auto *text = control<QLineEdit>("txtreminder");
    text->setText(u"y"_qs.repeated(60));
    QCOMPARE(text->text().size(), 55);
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(text, &focus);
    QCoreApplication::processEvents();
    QCOMPARE(text->selectionStart(), 0);
    QCOMPARE(text->selectedText().size(), 45);
    click("menucancel");
}

namespace {

int pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(u"pdfinfo"_qs, {pdf});
    if (!p.waitForFinished(30000))
        return -1;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QStringList pdfText(const QString &pdf)
{
    QProcess p;
    p.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
    p.waitForFinished(30000);
    QStringList out;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            out << line.simplified();
    }
    return out;
}

} // namespace

void tst_ReminderWindow::printing_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<char>("frequency");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("pages");
    QTest::newRow("all view, 100") << 100 << 'O' << true << 3;
    QTest::newRow("all view, 400") << 400 << 'O' << true << 9;
    QTest::newRow("upcoming, 60 weekly") << 60 << 'W' << false << 2;
    QTest::newRow("upcoming, 48 today") << 48 << 'W' << false << 1;
}

void tst_ReminderWindow::printing()
{
    QFETCH(int, records);
    QFETCH(char, frequency);
    QFETCH(bool, all);
    QFETCH(int, pages);
    QByteArray bytes;
    for (int i = 0; i < records; ++i)
        bytes += rec("r" + QByteArray::number(i), 'X', frequency, "12/08/2026");
    put(bytes);
    // Days checked do not matter: the printout always covers a week.
    temp->store().save(keys::DaysChecked, u"0"_qs);
    open();
    if (all)
        click("menushowall");
    platform.printerList.pdfPath = temp->folder() + u"/out.pdf"_qs;
    click("menuprintreminders");
    QVERIFY(messages().isEmpty());
    QCOMPARE(pdfPages(platform.printerList.pdfPath), pages);
}

void tst_ReminderWindow::printedText()
{
    put(rec("Dentist", 'A', 'O', "12/09/2026") + rec("Bins", 'X', 'W', "12/01/2026"));
    temp->store().save(keys::DaysChecked, u"13"_qs);
    open();
    platform.printerList.pdfPath = temp->folder() + u"/out.pdf"_qs;
    click("toolprint");
    QCOMPARE(pdfText(platform.printerList.pdfPath).join(u'|'),
             QStringLiteral("Tuesday, December 8, 2026|Reminders|12/08/26 Tue Weekly Bins|"
                            "12/09/26 Wed Once Dentist"));
}

void tst_ReminderWindow::noPrinter()
{
    open();
    click("menushowall");
    click("menuprintreminders");
    QCOMPARE(messages(), QStringList{QStringLiteral("There was a problem printing to your printer. "
                                                    "ErrorHandler 500. Notify author of this "
                                                    "problem!")});
}

QTEST_MAIN(tst_ReminderWindow)
#include "tst_reminderwindow.moc"
