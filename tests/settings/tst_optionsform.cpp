#include "common/toolcontext.h"
#include "platform/loginstart.h"
#include "settings/blockedfolder.h"
#include "settings/nookerypage.h"
#include "settings/optionsform.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace nookery;

namespace {

// Every text box of the dialog with the key it edits (n picks the entry of an indexed key).
struct TextBox
{
    QString name;
    const Key *key;
    int n;
};

QList<TextBox> textBoxes()
{
    QList<TextBox> out;
    for (int n = 1; n <= 3; ++n) {
        out.append({u"Message%1"_qs.arg(n), &keys::VisualText, n});
        out.append({u"Sound%1"_qs.arg(n), &keys::Sound, n});
    }
    for (int n = 1; n <= 5; ++n) {
        out.append({u"labelprog%1"_qs.arg(n), &keys::ProgramLabel, n});
        out.append({u"labelpath%1"_qs.arg(n), &keys::ProgramPath, n});
    }
    for (int n = 1; n <= 10; ++n)
        out.append({u"Text%1"_qs.arg(n), &keys::Page, n});
    return out;
}

// A store in which every option the dialog shows is set, none to its default.
void fillStore(SettingsStore &s)
{
    SettingsBatch b;
    for (const Key *k :
         {&keys::RunFromTray, &keys::StartupMenu, &keys::CalendarMenu, &keys::ConvertMenu,
          &keys::ConvertStartup, &keys::CountDownMenu, &keys::CountDownStartup,
          &keys::RemindersMenu, &keys::RemindersStartup, &keys::StartOnce, &keys::Minimize,
          &keys::CheckTime, &keys::NotesMenu, &keys::NotesStartup})
        b.save(*k, u"checked"_qs);
    b.save(keys::CopyDate, u"yes"_qs);
    b.save(keys::ShortDate, u"no"_qs);
    b.save(keys::MediumDate, u"yes"_qs);
    b.save(keys::LongDate, u"no"_qs);
    b.save(keys::CalendarFormat, u"dd/mm"_qs);
    b.save(keys::FullScreenLargeFonts, u"1"_qs);
    b.save(keys::Hour, u"21"_qs);
    b.save(keys::Minute, u"45"_qs);
    b.save(keys::Time, u"21:45"_qs);
    b.save(keys::DaysChecked, u"13"_qs);
    for (const TextBox &t : textBoxes())
        b.save(*t.key, t.n, t.name + u" value"_qs);
    s.save(b);
}

struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<optionsform> dialog;

    SettingsStore &store() { return temp.store(); }
    optionsform &open()
    {
        dialog = std::make_unique<optionsform>(
            ToolContext{store(), clock, platform, suite, QDir(temp.folder())});
        return *dialog;
    }
    // Shown and active, for focus and keys.
    bool openActive()
    {
        open().show();
        dialog->activateWindow();
        return QTest::qWaitForWindowActive(dialog.get());
    }
    template <typename T = QWidget> T *get(const QString &name)
    {
        T *w = dialog->findChild<T *>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    void set(const QString &name, const QVariant &value)
    {
        QWidget *w = get(name);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(value.toString());
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setCurrentIndex(combo->findText(value.toString()));
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            button->setChecked(value.toBool());
    }
    QVariant shown(const QString &name)
    {
        QWidget *w = get(name);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            return edit->text();
        if (auto *combo = qobject_cast<QComboBox *>(w))
            return combo->currentText();
        if (auto *label = qobject_cast<QLabel *>(w))
            return label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            return button->isChecked();
        return {};
    }
    void save() { get<QPushButton>(u"butoptionssave"_qs)->click(); }
    // What another run reads.
    QString stored(const Key &key, int n = 0) { return temp.reopen()->get(key, n); }
    QByteArray bytes() { return test::fileBytes(temp.path()); }
    int saves() { return int(suite.calls.count(u"options saved"_qs)); }
};

} // namespace

class tst_OptionsForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void controlRoundTrips_data();
    void controlRoundTrips();
    void textsStoredAsTyped_data();
    void textsStoredAsTyped();
    void loadReadsOnlyExactValues_data();
    void loadReadsOnlyExactValues();
    void dateStyle_data();
    void dateStyle();
    void freshStoreGetsExactlyItsSeeds();
    void offListStoredValuesLeaveComboDefaults();
    void dailyTime();
    void emptyProgramNameDropsItsPath();
    void leavingWritesNothing_data();
    void leavingWritesNothing();
    void failedSaveKeepsEditsAndSaysSoOnce();
    void unwritableSeedsDoNotStopOpening();
    void pagesAndKeys();
    void hintsFollowFocus();
    void selectOnFocus_data();
    void selectOnFocus();
    void browse_data();
    void browse();
    void commandLineGivesBackThePath_data();
    void commandLineGivesBackThePath();
    void daysRefilledOnActivationUntilPicked();
    void startAtLoginIsTheAutostartEntry();
    void startAtLoginSavedAllOrNothing();
    void execValue_data();
    void execValue();

private:
    // The autostart entry lands here, never in the user's own config folder.
    QTemporaryDir m_config;
};

void tst_OptionsForm::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void tst_OptionsForm::cleanup()
{
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_OptionsForm::controlRoundTrips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const auto flag = [](const char *control, const char *section, const char *key) {
        QTest::newRow(control) << QString::fromLatin1(control) << QVariant(true)
                               << QString::fromLatin1(section) << QString::fromLatin1(key)
                               << u"checked"_qs;
    };
    flag("Check11", "Other Programs", "Run From Tray");
    flag("Check12", "Other Programs", "Startup Menu");
    flag("Check21", "Calendar", "Menu");
    flag("Check31", "Conversion Tables", "Menu");
    flag("Check32", "Conversion Tables", "Startup");
    flag("Check41", "CountDown", "Startup");
    flag("Check42", "CountDown", "Menu");
    flag("Check51", "Reminders", "Menu");
    flag("Check52", "Reminders", "Startup");
    flag("Check53", "Reminders", "Start Once");
    flag("Check54", "Reminders", "Minimize");
    flag("Check55", "Reminders", "Check Time");
    flag("Check61", "Sticky Note", "Menu");
    flag("Check62", "Sticky Note", "Startup");
    const auto row = [](const char *control, const QVariant &value, const char *section,
                        const char *key, const char *expected) {
        QTest::newRow(control) << QString::fromLatin1(control) << value
                               << QString::fromLatin1(section) << QString::fromLatin1(key)
                               << QString::fromLatin1(expected);
    };
    row("Check22", true, "Calendar", "Copy Date", "yes");
    row("Check43", true, "CountDown", "Full Screen Large Fonts", "1");
    row("Option1", true, "Calendar", "Short Date", "yes");
    row("Option2", true, "Calendar", "Medium Date", "yes");
    row("Option5", true, "Calendar", "Calendar Format", "dd/mm");
    row("combohour", u"07"_qs, "Reminders", "Hour", "07");
    row("combominute", u"59"_qs, "Reminders", "Minute", "59");
    row("combodays", u"15"_qs, "Reminders", "Days Checked", "15");
}

void tst_OptionsForm::controlRoundTrips()
{
    QFETCH(QString, control);
    QFETCH(QVariant, value);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    Fixture f;
    f.open();
    // The time is saved only with the daily check on.
    if (control.startsWith(u"combo"))
        f.set(u"Check55"_qs, true);
    f.set(control, value);
    f.save();
    QCOMPARE(f.saves(), 1);
    QCOMPARE(f.temp.reopen()->get(section, key), expected);

    f.open();
    QCOMPARE(f.shown(control), value);
}

void tst_OptionsForm::textsStoredAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("blanks at both ends") << u"  padded \t "_qs;
    QTest::newRow("commas") << u"a, b,c"_qs;
    QTest::newRow("quotes") << u"say \"hi\" 'there'"_qs;
    QTest::newRow("backslashes") << u"C:\\Program Files\\x\\\\"_qs;
    QTest::newRow("shell") << u"; rm -rf ~"_qs;
    QTest::newRow("substitution") << u"$(touch x) `id`"_qs;
    QTest::newRow("non-ascii") << u"Grüße, 東京 \U0001F600"_qs;
    QTest::newRow("4 KB") << QString(4096, u'w');
    QTest::newRow("empty") << QString();
}

void tst_OptionsForm::textsStoredAsTyped()
{
    QFETCH(QString, text);
    Fixture f;
    f.open();
    const QList<TextBox> boxes = textBoxes();
    // A path counts only with a name, which each row gives too; an empty name is its own case.
    for (const TextBox &t : boxes)
        f.set(t.name, text);
    f.save();
    QCOMPARE(f.saves(), 1);
    for (const TextBox &t : boxes)
        QCOMPARE(f.stored(*t.key, t.n), text);
    f.open();
    for (const TextBox &t : boxes) {
        const bool sound = t.name.startsWith(u"Sound");
        QCOMPARE(f.shown(t.name).toString(), sound && text.isEmpty() ? u"Timer.wav"_qs : text);
    }
}

void tst_OptionsForm::loadReadsOnlyExactValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("on");
    const auto row = [](const char *name, const char *section, const char *key, const char *value,
                        const char *control, bool on) {
        QTest::newRow(name) << QString::fromLatin1(section) << QString::fromLatin1(key)
                            << QString::fromLatin1(value) << QString::fromLatin1(control) << on;
    };
    row("checked", "Calendar", "Menu", "checked", "Check21", true);
    row("Checked", "Calendar", "Menu", "Checked", "Check21", false);
    row("flag yes", "Sticky Note", "Startup", "yes", "Check62", false);
    row("copy yes", "Calendar", "Copy Date", "yes", "Check22", true);
    row("copy Yes", "Calendar", "Copy Date", "Yes", "Check22", false);
    row("copy checked", "Calendar", "Copy Date", "checked", "Check22", false);
    row("fonts 1", "CountDown", "Full Screen Large Fonts", "1", "Check43", true);
    row("fonts checked", "CountDown", "Full Screen Large Fonts", "checked", "Check43", false);
    row("dd/mm", "Calendar", "Calendar Format", "dd/mm", "Option5", true);
    row("DD/MM", "Calendar", "Calendar Format", "DD/MM", "Option4", true);
    row("day first blank", "Calendar", "Calendar Format", "dd/mm ", "Option4", true);
}

void tst_OptionsForm::loadReadsOnlyExactValues()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, control);
    QFETCH(bool, on);
    Fixture f;
    f.store().save(section, key, value);
    f.open();
    QCOMPARE(f.shown(control).toBool(), on);
}

void tst_OptionsForm::dateStyle_data()
{
    QTest::addColumn<QStringList>("stored"); // short, medium, long
    QTest::addColumn<QString>("selected");   // empty: none
    QTest::addColumn<QStringList>("afterLoad");
    QTest::addColumn<QStringList>("afterSave");
    // Keys as "short,medium,long"; an empty entry was never set.
    const auto row = [](const char *name, const char *stored, const char *selected,
                        const char *afterLoad, const char *afterSave) {
        const auto list = [](const char *keys) { return QString::fromLatin1(keys).split(u','); };
        QTest::newRow(name) << list(stored) << QString::fromLatin1(selected) << list(afterLoad)
                            << list(afterSave);
    };
    row("none stored", ",,", "Option3", "no,no,yes", "no,no,yes");
    row("short", "yes,yes,yes", "Option1", "yes,yes,yes", "yes,no,no");
    row("medium, long empty", "no,yes,", "Option2", "no,yes,", "no,yes,no");
    row("long", "no,no,yes", "Option3", "no,no,yes", "no,no,yes");
    row("all no", "no,no,no", "", "no,no,no", "no,no,yes");
    row("long turned off", ",,no", "", ",,no", "no,no,yes");
    row("Yes is not yes", "Yes,,", "Option3", "no,no,yes", "no,no,yes");
}

void tst_OptionsForm::dateStyle()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, selected);
    QFETCH(QStringList, afterLoad);
    QFETCH(QStringList, afterSave);
    Fixture f;
    const std::array<const Key *, 3> styleKeys{&keys::ShortDate, &keys::MediumDate,
                                               &keys::LongDate};
    for (int i = 0; i < 3; ++i) {
        if (!stored[i].isEmpty())
            f.store().save(*styleKeys[size_t(i)], stored[i]);
    }
    f.open();
    for (const char *option : {"Option1", "Option2", "Option3"})
        QCOMPARE(f.shown(QLatin1String(option)).toBool(), selected == QLatin1String(option));
    const auto read = [&] {
        return QStringList{f.stored(keys::ShortDate), f.stored(keys::MediumDate),
                           f.stored(keys::LongDate)};
    };
    QCOMPARE(read(), afterLoad);
    f.save();
    QCOMPARE(read(), afterSave);
}

void tst_OptionsForm::freshStoreGetsExactlyItsSeeds()
{
    Fixture f;
    f.store().save(keys::RunFromTray, u"checked"_qs); // as the first start does
    f.open();
    for (const char *on : {"Check11", "Option3", "Option4"})
        QVERIFY2(f.shown(QLatin1String(on)).toBool(), on);
    for (const char *off : {"Check12", "Check21", "Check22", "Option1", "Option2", "Option5",
                            "Check31", "Check32", "Check41", "Check42", "Check43", "Check51",
                            "Check52", "Check53", "Check54", "Check55", "Check61", "Check62"})
        QVERIFY2(!f.shown(QLatin1String(off)).toBool(), off);
    for (const char *sound : {"Sound1", "Sound2", "Sound3"})
        QCOMPARE(f.shown(QLatin1String(sound)).toString(), u"Timer.wav"_qs);
    QCOMPARE(f.shown(u"combodays"_qs).toString(), u"6"_qs);
    QCOMPARE(f.shown(u"remindertime"_qs).toString(), u"00:00"_qs);
    QVERIFY(!f.get(u"combohour"_qs)->isEnabled());
    QVERIFY(!f.get(u"combominute"_qs)->isEnabled());

    QSettings file(f.temp.path(), QSettings::IniFormat);
    QStringList all;
    for (const QString &k : file.allKeys())
        all << k + u'=' + file.value(k).toString();
    QCOMPARE(all, (QStringList{u"Calendar/Long Date=yes"_qs, u"Calendar/Medium Date=no"_qs,
                               u"Calendar/Short Date=no"_qs, u"CountDown/Sound 1=Timer.wav"_qs,
                               u"CountDown/Sound 2=Timer.wav"_qs, u"CountDown/Sound 3=Timer.wav"_qs,
                               u"Other Programs/Run From Tray=checked"_qs,
                               u"Reminders/Days Checked=6"_qs}));
}

void tst_OptionsForm::offListStoredValuesLeaveComboDefaults()
{
    Fixture f;
    f.store().save(keys::Hour, u"24"_qs);
    f.store().save(keys::Minute, u"7"_qs);
    f.store().save(keys::DaysChecked, u"abc"_qs);
    f.store().save(keys::CheckTime, u"checked"_qs);
    f.open();
    QCOMPARE(f.shown(u"combohour"_qs).toString(), u"00"_qs);
    QCOMPARE(f.shown(u"combominute"_qs).toString(), u"00"_qs);
    QCOMPARE(f.shown(u"combodays"_qs).toString(), u"6"_qs);
    f.save();
    QCOMPARE(f.stored(keys::Hour), u"00"_qs);
    QCOMPARE(f.stored(keys::Time), u"00:00"_qs);
    QCOMPARE(f.stored(keys::DaysChecked), u"6"_qs);
    // Typing is not offered at all.
    QVERIFY(!f.get<QComboBox>(u"combodays"_qs)->isEditable());
}

void tst_OptionsForm::dailyTime()
{
    Fixture f;
    f.store().save(keys::Time, u"06:15"_qs);
    f.store().save(keys::Hour, u"06"_qs);
    f.store().save(keys::Minute, u"15"_qs);
    QVERIFY(f.openActive());
    QCOMPARE(f.shown(u"remindertime"_qs).toString(), u"06:15"_qs);
    auto *check = f.get<QCheckBox>(u"Check55"_qs);
    auto *hour = f.get<QComboBox>(u"combohour"_qs);
    QVERIFY(!hour->isEnabled());
    check->click();
    QVERIFY(hour->isEnabled() && f.get(u"combominute"_qs)->isEnabled());

    // Picked by keys on the combo boxes, no focus change, then Alt+S.
    f.dialog->selectPage(5);
    hour->setFocus();
    QTest::keyClick(hour, Qt::Key_Down);
    QCOMPARE(hour->currentText(), u"07"_qs);
    f.set(u"combominute"_qs, u"30"_qs);
    QCOMPARE(f.shown(u"remindertime"_qs).toString(), u"07:30"_qs);
    QTest::keyClick(hour, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(f.saves(), 1); // a mnemonic clicks its button a moment later
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.stored(keys::Time), u"07:30"_qs);
    QCOMPARE(f.stored(keys::CheckTime), u"checked"_qs);

    // Unticked: only the check is written; the time stays for next time.
    f.open();
    f.get<QCheckBox>(u"Check55"_qs)->click();
    f.set(u"combohour"_qs, u"11"_qs);
    f.save();
    QCOMPARE(f.stored(keys::CheckTime), u"unchecked"_qs);
    QCOMPARE(f.stored(keys::Time), u"07:30"_qs);
    QCOMPARE(f.stored(keys::Hour), u"07"_qs);
    QCOMPARE(f.stored(keys::Minute), u"30"_qs);
}

void tst_OptionsForm::emptyProgramNameDropsItsPath()
{
    Fixture f;
    f.store().save(keys::ProgramLabel, 2, u"Editor"_qs);
    f.store().save(keys::ProgramPath, 2, u"/usr/bin/editor"_qs);
    f.open();
    f.set(u"labelprog2"_qs, QString());
    f.set(u"labelpath3"_qs, u"/usr/bin/orphan"_qs);
    f.save();
    QCOMPARE(f.stored(keys::ProgramLabel, 2), QString());
    QCOMPARE(f.stored(keys::ProgramPath, 2), QString());
    QCOMPARE(f.stored(keys::ProgramPath, 3), QString());
    QCOMPARE(f.shown(u"labelpath2"_qs).toString(), QString());
    QCOMPARE(f.shown(u"labelpath3"_qs).toString(), QString());
}

void tst_OptionsForm::leavingWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << u"cancel"_qs;
    QTest::newRow("close box") << u"close"_qs;
    QTest::newRow("Escape") << u"escape"_qs;
    QTest::newRow("Alt+C") << u"alt+c"_qs;
    // Saved with nothing edited: the same bytes, unchanged values are not rewritten.
    QTest::newRow("unchanged Save") << u"save"_qs;
}

void tst_OptionsForm::leavingWritesNothing()
{
    QFETCH(QString, how);
    Fixture f;
    fillStore(f.store());
    const QByteArray before = f.bytes();
    QVERIFY(f.openActive());
    if (how != u"save") { // every control changed
        for (QAbstractButton *b : f.dialog->findChildren<QAbstractButton *>()) {
            if (b->isCheckable())
                b->setChecked(!b->isChecked());
        }
        for (const TextBox &t : textBoxes())
            f.set(t.name, u"changed"_qs);
        for (const char *combo : {"combohour", "combominute", "combodays"})
            f.get<QComboBox>(QLatin1String(combo))->setCurrentIndex(2);
    }
    QWidget *focus = f.get(u"Text1"_qs);
    focus->setFocus();
    if (how == u"cancel")
        f.get<QPushButton>(u"butoptionscancel"_qs)->click();
    else if (how == u"close")
        f.dialog->close();
    else if (how == u"escape")
        QTest::keyClick(focus, Qt::Key_Escape);
    else if (how == u"save")
        f.save();
    else
        QTest::keyClick(focus, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!f.dialog->isVisible());
    QCOMPARE(f.bytes(), before);
    QCOMPARE(f.suite.calls, how == u"save" ? QStringList{u"options saved"_qs} : QStringList());
}

void tst_OptionsForm::failedSaveKeepsEditsAndSaysSoOnce()
{
    Fixture f;
    fillStore(f.store());
    const QByteArray before = f.bytes();
    QVERIFY(f.openActive());
    f.set(u"Check21"_qs, false);
    f.set(u"Text4"_qs, u"Shopping"_qs);
    {
        test::BlockedFolder blocked(f.temp);
        f.save();
        QCOMPARE(f.platform.messageBoxes.shown.size(), 1);
        const auto &message = f.platform.messageBoxes.shown.first();
        QCOMPARE(message.title, u"Nookery 7.0"_qs);
        QVERIFY2(
            message.text.startsWith(u"Your options could not be saved; nothing was changed."_qs) &&
                message.text.contains(f.temp.path()),
            qPrintable(message.text));
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.shown(u"Text4"_qs).toString(), u"Shopping"_qs);
        QCOMPARE(f.saves(), 0);
        QCOMPARE(f.store().get(keys::CalendarMenu), u"checked"_qs);
        QCOMPARE(f.store().get(keys::Page, 4), u"Text4 value"_qs);
        QCoreApplication::processEvents();
    }
    QCOMPARE(f.bytes(), before);
    f.save();
    QCOMPARE(f.saves(), 1);
    QCOMPARE(f.platform.messageBoxes.shown.size(), 1);
    QCOMPARE(f.stored(keys::CalendarMenu), u"unchecked"_qs);
    QCOMPARE(f.stored(keys::Page, 4), u"Shopping"_qs);
}

void tst_OptionsForm::unwritableSeedsDoNotStopOpening()
{
    Fixture f;
    {
        test::BlockedFolder blocked(f.temp);
        f.open();
        QCOMPARE(f.shown(u"Sound2"_qs).toString(), u"Timer.wav"_qs);
        QCOMPARE(f.shown(u"combodays"_qs).toString(), u"6"_qs);
        QVERIFY(f.platform.messageBoxes.shown.isEmpty());
        QCOMPARE(f.store().get(keys::Sound, 2), QString());
    }
    f.save();
    QCOMPARE(f.stored(keys::Sound, 2), u"Timer.wav"_qs);
    QCOMPARE(f.stored(keys::DaysChecked), u"6"_qs);
    QCOMPARE(f.stored(keys::LongDate), u"yes"_qs);
}

void tst_OptionsForm::pagesAndKeys()
{
    Fixture f;
    QVERIFY(f.openActive());
    auto *tabs = f.get<QTabBar>(u"TabStrip1"_qs);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{u"Nookery"_qs, u"Calendar"_qs, u"Conversion Tables"_qs,
                                    u"CountDown"_qs, u"Reminders"_qs, u"Sticky Notes"_qs}));
    const auto visibleFrames = [&] {
        QStringList out;
        for (int n = 1; n <= 6; ++n) {
            if (f.get(u"Frame%1"_qs.arg(n))->isVisible())
                out << QString::number(n);
        }
        return out.join(u',');
    };
    QCOMPARE(visibleFrames(), u"1"_qs);
    // 7050 x 6210 twips, or more if the layout needs it; the user cannot resize it.
    QCOMPARE(f.dialog->minimumSize(), f.dialog->maximumSize());
    QVERIFY(f.dialog->width() >= 470 && f.dialog->height() >= 414);
    QVERIFY(f.dialog->size().expandedTo(f.dialog->minimumSizeHint()) == f.dialog->size());
    for (const auto &[page, shown] : {std::pair{4, "4"}, {0, "1"}, {7, "1"}, {-3, "1"}, {6, "6"}}) {
        f.dialog->selectPage(page);
        QCOMPARE(visibleFrames(), QLatin1String(shown));
    }
    tabs->setCurrentIndex(2);
    QCOMPARE(visibleFrames(), u"3"_qs);

    // Tab goes down the shown page, then to the buttons.
    tabs->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{u"Check31"_qs, u"Check32"_qs, u"butoptionssave"_qs,
                                 u"butoptionscancel"_qs, u"butoptionshelp"_qs}));

    QWidget *focus = f.get(u"Check31"_qs);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(visibleFrames(), u"4"_qs);
    QTest::keyClick(f.dialog.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(f.dialog.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(visibleFrames(), u"2"_qs);

    // Alt+letter reaches the shown page only; Enter saves nothing.
    auto *check21 = f.get<QCheckBox>(u"Check21"_qs);
    QTest::keyClick(f.dialog.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(check21->isChecked());
    // Check55's letter, on page 5; the next Alt+R's click comes after any click of its.
    QTest::keyClick(f.dialog.get(), Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(f.dialog.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(!check21->isChecked());
    QVERIFY(!f.get<QCheckBox>(u"Check55"_qs)->isChecked());
    QLineEdit *text = f.get<QLineEdit>(u"Text1"_qs);
    f.dialog->selectPage(6);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Enter);
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.suite.calls.isEmpty());

    QTest::keyClick(text, Qt::Key_F1);
    f.get<QPushButton>(u"butoptionshelp"_qs)->click();
    // Captions as the users know them, double blanks and spelling included.
    QCOMPARE(f.get<QCheckBox>(u"Check42"_qs)->text(),
             u"remove all Count&Down programs  from the main menu"_qs);
    QCOMPARE(f.get<QLabel>(u"Label10"_qs)->text(), u"Program's Name  ei. Word Proccessor"_qs);
    QCOMPARE(f.suite.calls, (QStringList{u"help 202"_qs, u"help 202"_qs}));
    f.dialog->close();
}

void tst_OptionsForm::hintsFollowFocus()
{
    Fixture f;
    QVERIFY(f.openActive());
    f.dialog->selectPage(2);
    const auto hints = [&] {
        QString out;
        for (const char *name : {"Label21", "Label22", "Label23"})
            out += f.get(QLatin1String(name))->isVisible() ? u'1' : u'0';
        return out;
    };
    QCOMPARE(hints(), u"100"_qs);
    f.get(u"Option4"_qs)->setFocus();
    QCOMPARE(hints(), u"010"_qs);
    f.get(u"Option5"_qs)->setFocus();
    QCOMPARE(hints(), u"001"_qs);
    f.get(u"Check21"_qs)->setFocus();
    QCOMPARE(hints(), u"100"_qs);
    f.dialog->close();
}

void tst_OptionsForm::selectOnFocus_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("selected");
    QTest::newRow("Sound1") << "Sound1" << 4 << 150;
    QTest::newRow("Message2") << "Message2" << 4 << 150;
    QTest::newRow("labelpath4") << "labelpath4" << 1 << 150;
    QTest::newRow("labelprog1") << "labelprog1" << 1 << 55;
    QTest::newRow("Text10") << "Text10" << 6 << 55;
    QTest::newRow("Sound3 whole") << "Sound3" << 4 << 200;
    QTest::newRow("Message3 whole") << "Message3" << 4 << 200;
}

void tst_OptionsForm::selectOnFocus()
{
    QFETCH(QString, box);
    QFETCH(int, page);
    QFETCH(int, selected);
    Fixture f;
    QVERIFY(f.openActive());
    f.dialog->selectPage(page);
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QChar(u'a' + i % 26);
    auto *edit = f.get<QLineEdit>(box);
    edit->setText(text);
    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit->selectedText(), text.left(selected));
    // From a mouse click too, once the click has placed the caret.
    f.get(u"TabStrip1"_qs)->setFocus();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, edit->height() / 2));
    if (selected < 200)
        QTRY_COMPARE(edit->selectedText(), text.left(selected));
    f.dialog->close();
}

void tst_OptionsForm::browse_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("filter");
    const auto row = [](const char *name, int button, const char *answer, const char *box,
                        const char *expected) {
        QTest::newRow(name) << button << QString::fromUtf8(answer) << QString::fromLatin1(box)
                            << QString::fromUtf8(expected)
                            << (button <= 3 ? u"Wave files (*.wav)|*.wav"_qs
                                            : u"Program files (*)|*"_qs);
    };
    row("sound 1", 1, "/snd/a b.wav", "Sound1", "/snd/a b.wav");
    row("sound 3 cancelled", 3, "", "Sound3", "Timer.wav");
    row("program 1", 4, "/usr/bin/gedit", "labelpath1", "/usr/bin/gedit");
    row("program 5 with blanks", 8, "/opt/My Apps/run it", "labelpath5", "\"/opt/My Apps/run it\"");
    row("program 2 cancelled", 5, "", "labelpath2", "kept");
}

void tst_OptionsForm::browse()
{
    QFETCH(int, button);
    QFETCH(QString, answer);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    QFETCH(QString, filter);
    Fixture f;
    f.store().save(keys::Path, u"/home/me/notes"_qs);
    f.store().save(keys::ProgramPath, 2, u"kept"_qs);
    f.open();
    f.platform.dialog.openAnswer = answer;
    f.get<QPushButton>(u"butBrowse%1"_qs.arg(button))->click();
    QCOMPARE(f.platform.dialog.calls, QStringList{u"open /home/me/notes|Open|"_qs + filter});
    QCOMPARE(f.platform.dialog.openRequests.first().fileName, QString());
    QCOMPARE(f.shown(box).toString(), expected);
}

void tst_OptionsForm::commandLineGivesBackThePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("quoted");
    QTest::newRow("plain") << "/usr/bin/gedit" << false;
    QTest::newRow("backslashes") << "C:\\Tools\\x.exe" << false;
    QTest::newRow("blank") << "/opt/My Apps/run" << true;
    QTest::newRow("tab") << "/opt/a\tb" << true;
    QTest::newRow("leading blank") << " /x" << true;
    QTest::newRow("quote inside") << "/opt/say \"hi\"/x" << true;
    QTest::newRow("quotes at both ends") << "\"/x\"" << true;
    QTest::newRow("one quote") << "\"" << true;
    QTest::newRow("shell text") << "/tmp/$(touch x); rm -rf ~" << true;
}

void tst_OptionsForm::commandLineGivesBackThePath()
{
    QFETCH(QString, path);
    QFETCH(bool, quoted);
    const QString line = optionspages::commandLineFor(path);
    QCOMPARE(QProcess::splitCommand(line), QStringList{path});
    QCOMPARE(line != path, quoted);
}

void tst_OptionsForm::daysRefilledOnActivationUntilPicked()
{
    Fixture f;
    QVERIFY(f.openActive());
    auto *days = f.get<QComboBox>(u"combodays"_qs);
    QCOMPARE(days->currentText(), u"6"_qs);
    // The reminders window changes the days while the dialog is open.
    f.store().save(keys::DaysChecked, u"9"_qs);
    f.dialog->Form_Activate();
    QCOMPARE(days->currentText(), u"9"_qs);
    f.dialog->selectPage(5);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Down); // the user's pick
    QCOMPARE(days->currentText(), u"10"_qs);
    f.store().save(keys::DaysChecked, u"3"_qs);
    f.dialog->Form_Activate();
    QCOMPARE(days->currentText(), u"10"_qs);
    f.dialog->close();
}

void tst_OptionsForm::startAtLoginIsTheAutostartEntry()
{
    Fixture f;
    const QString entry = m_config.path() + u"/autostart/nookery.desktop"_qs;
    f.open();
    f.save();
    const QByteArray store = f.bytes();
    QVERIFY(!f.shown(u"Check13"_qs).toBool());
    QVERIFY(!QFileInfo::exists(entry));

    f.open();
    f.set(u"Check13"_qs, true);
    f.save();
    QCOMPARE(f.bytes(), store);
    const QList<QByteArray> lines = test::fileBytes(entry).split('\n');
    QVERIFY(lines.contains("[Desktop Entry]") && lines.contains("Type=Application"));
    // The installed launcher beside the binary, which starts the suite in its data folder.
    const QString launcher = QCoreApplication::applicationDirPath() + u"/nookery-launch"_qs;
    QVERIFY(QFileInfo(launcher).isExecutable());
    QVERIFY(lines.contains("Exec=" + QFile::encodeName(launcher)));

    f.open();
    QVERIFY(f.shown(u"Check13"_qs).toBool());
    f.set(u"Check13"_qs, false);
    f.save();
    QVERIFY(!QFileInfo::exists(entry));
    QCOMPARE(f.bytes(), store);
}

void tst_OptionsForm::startAtLoginSavedAllOrNothing()
{
    Fixture f;
    const QString autostart = m_config.path() + u"/autostart"_qs;
    const QString entry = autostart + u"/nookery.desktop"_qs;
    fillStore(f.store());
    const QByteArray before = f.bytes();
    f.open().show();
    f.set(u"Check13"_qs, true);
    f.set(u"Check21"_qs, false);
    {
        test::BlockedFolder blocked(f.temp);
        f.save();
    }
    QVERIFY(!QFileInfo::exists(entry));
    QCOMPARE(f.bytes(), before);

    // An entry that cannot be written keeps the store as it was too.
    QDir(autostart).removeRecursively();
    QFile blocker(autostart);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.save();
    QCOMPARE(f.platform.messageBoxes.shown.size(), 2);
    QCOMPARE(f.bytes(), before);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(QFile::remove(autostart));
    f.save();
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(QFileInfo::exists(entry));
    QCOMPARE(f.stored(keys::CalendarMenu), u"unchecked"_qs);
    QVERIFY(QFile::remove(entry));
}

void tst_OptionsForm::execValue_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/nookery-launch"
                           << "/usr/bin/nookery-launch";
    QTest::newRow("blank") << "/opt/My Apps/l"
                           << "\"/opt/My Apps/l\"";
    QTest::newRow("percent") << "/opt/100%/l"
                             << "/opt/100%%/l";
    // Quoting escapes $ and \, and the file format doubles every backslash again.
    QTest::newRow("dollar, backslash") << "/a$b\\c"
                                       << "\"/a\\\\$b\\\\\\\\c\"";
}

void tst_OptionsForm::execValue()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(LoginStart::execValue(program), exec);
}

QTEST_MAIN(tst_OptionsForm)
#include "tst_optionsform.moc"
