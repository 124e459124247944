#include "settings/blockedfolder.h"
#include "settings/nookerypage.h"
#include "settings/optionsform.h"
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
        out.append({QStringLiteral("Message%1").arg(n), &keys::VisualText, n});
        out.append({QStringLiteral("Sound%1").arg(n), &keys::Sound, n});
    }
    for (int n = 1; n <= 5; ++n) {
        out.append({QStringLiteral("labelprog%1").arg(n), &keys::ProgramLabel, n});
        out.append({QStringLiteral("labelpath%1").arg(n), &keys::ProgramPath, n});
    }
    for (int n = 1; n <= 10; ++n)
        out.append({QStringLiteral("Text%1").arg(n), &keys::Page, n});
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
        b.save(*k, QStringLiteral("checked"));
    b.save(keys::CopyDate, QStringLiteral("yes"));
    b.save(keys::ShortDate, QStringLiteral("no"));
    b.save(keys::MediumDate, QStringLiteral("yes"));
    b.save(keys::LongDate, QStringLiteral("no"));
    b.save(keys::CalendarFormat, QStringLiteral("dd/mm"));
    b.save(keys::FullScreenLargeFonts, QStringLiteral("1"));
    b.save(keys::Hour, QStringLiteral("21"));
    b.save(keys::Minute, QStringLiteral("45"));
    b.save(keys::Time, QStringLiteral("21:45"));
    b.save(keys::DaysChecked, QStringLiteral("13"));
    for (const TextBox &t : textBoxes())
        b.save(*t.key, t.n, t.name + QStringLiteral(" value"));
    s.save(b);
}

struct Fixture
{
    test::TempStore temp;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<optionsform> dialog;

    SettingsStore &store() { return temp.store(); }
    optionsform &open()
    {
        dialog = std::make_unique<optionsform>(store(), platform, suite);
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
    void save() { get<QPushButton>(QStringLiteral("butoptionssave"))->click(); }
    // What another run reads.
    QString stored(const Key &key, int n = 0) { return temp.reopen()->get(key, n); }
    QByteArray bytes() { return test::fileBytes(temp.path()); }
    int saves() { return int(suite.calls.count(QStringLiteral("options saved"))); }
};

} // namespace

class tst_OptionsForm : public QObject
{
    Q_OBJECT

private slots:
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
    void unchangedSaveRewritesNothing();
    void leavingWithoutSaveWritesNothing_data();
    void leavingWithoutSaveWritesNothing();
    void failedSaveKeepsEditsAndSaysSoOnce();
    void unwritableSeedsDoNotStopOpening();
    void pagesAndKeys();
    void captions_data();
    void captions();
    void hintsFollowFocus();
    void selectOnFocus_data();
    void selectOnFocus();
    void browse_data();
    void browse();
    void commandLineGivesBackThePath_data();
    void commandLineGivesBackThePath();
    void daysRefilledOnActivationUntilPicked();
};

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
                               << QStringLiteral("checked");
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
    QTest::newRow("Check22") << "Check22" << QVariant(true) << "Calendar"
                             << "Copy Date"
                             << "yes";
    QTest::newRow("Check43") << "Check43" << QVariant(true) << "CountDown"
                             << "Full Screen Large Fonts"
                             << "1";
    QTest::newRow("Option1") << "Option1" << QVariant(true) << "Calendar"
                             << "Short Date"
                             << "yes";
    QTest::newRow("Option2") << "Option2" << QVariant(true) << "Calendar"
                             << "Medium Date"
                             << "yes";
    QTest::newRow("Option5") << "Option5" << QVariant(true) << "Calendar"
                             << "Calendar Format"
                             << "dd/mm";
    QTest::newRow("combohour") << "combohour" << QVariant(u"07"_qs) << "Reminders"
                               << "Hour"
                               << "07";
    QTest::newRow("combominute") << "combominute" << QVariant(u"59"_qs) << "Reminders"
                                 << "Minute"
                                 << "59";
    QTest::newRow("combodays") << "combodays" << QVariant(u"15"_qs) << "Reminders"
                               << "Days Checked"
                               << "15";
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
        f.set(QStringLiteral("Check55"), true);
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
    QTest::newRow("blanks at both ends") << QStringLiteral("  padded \t ");
    QTest::newRow("commas") << QStringLiteral("a, b,c");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\" 'there'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\Program Files\\x\\\\");
    QTest::newRow("shell") << QStringLiteral("; rm -rf ~");
    QTest::newRow("substitution") << QStringLiteral("$(touch x) `id`");
    QTest::newRow("non-ascii") << QStringLiteral("Grüße, 東京 \U0001F600");
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
        QCOMPARE(f.shown(t.name).toString(),
                 sound && text.isEmpty() ? QStringLiteral("Timer.wav") : text);
    }
}

void tst_OptionsForm::loadReadsOnlyExactValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("on");
    QTest::newRow("checked") << "Calendar"
                             << "Menu"
                             << "checked"
                             << "Check21" << true;
    QTest::newRow("Checked") << "Calendar"
                             << "Menu"
                             << "Checked"
                             << "Check21" << false;
    QTest::newRow("flag yes") << "Sticky Note"
                              << "Startup"
                              << "yes"
                              << "Check62" << false;
    QTest::newRow("copy yes") << "Calendar"
                              << "Copy Date"
                              << "yes"
                              << "Check22" << true;
    QTest::newRow("copy Yes") << "Calendar"
                              << "Copy Date"
                              << "Yes"
                              << "Check22" << false;
    QTest::newRow("copy checked") << "Calendar"
                                  << "Copy Date"
                                  << "checked"
                                  << "Check22" << false;
    QTest::newRow("fonts 1") << "CountDown"
                             << "Full Screen Large Fonts"
                             << "1"
                             << "Check43" << true;
    QTest::newRow("fonts checked") << "CountDown"
                                   << "Full Screen Large Fonts"
                                   << "checked"
                                   << "Check43" << false;
    QTest::newRow("dd/mm") << "Calendar"
                           << "Calendar Format"
                           << "dd/mm"
                           << "Option5" << true;
    QTest::newRow("DD/MM") << "Calendar"
                           << "Calendar Format"
                           << "DD/MM"
                           << "Option4" << true;
    QTest::newRow("day first blank") << "Calendar"
                                     << "Calendar Format"
                                     << "dd/mm "
                                     << "Option4" << true;
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
    const QStringList longOnly{u"no"_qs, u"no"_qs, u"yes"_qs};
    QTest::newRow("none stored") << QStringList{{}, {}, {}} << "Option3" << longOnly << longOnly;
    QTest::newRow("short") << QStringList{u"yes"_qs, u"yes"_qs, u"yes"_qs} << "Option1"
                           << QStringList{u"yes"_qs, u"yes"_qs, u"yes"_qs}
                           << QStringList{u"yes"_qs, u"no"_qs, u"no"_qs};
    QTest::newRow("medium, long empty")
        << QStringList{u"no"_qs, u"yes"_qs, {}} << "Option2" << QStringList{u"no"_qs, u"yes"_qs, {}}
        << QStringList{u"no"_qs, u"yes"_qs, u"no"_qs};
    QTest::newRow("long") << longOnly << "Option3" << longOnly << longOnly;
    QTest::newRow("all no") << QStringList{u"no"_qs, u"no"_qs, u"no"_qs} << ""
                            << QStringList{u"no"_qs, u"no"_qs, u"no"_qs} << longOnly;
    QTest::newRow("long turned off")
        << QStringList{{}, {}, u"no"_qs} << "" << QStringList{{}, {}, u"no"_qs} << longOnly;
    QTest::newRow("Yes is not yes") << QStringList{u"Yes"_qs, {}, {}} << "Option3"
                                    << QStringList{u"no"_qs, u"no"_qs, u"yes"_qs} << longOnly;
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
    f.store().save(keys::RunFromTray, QStringLiteral("checked")); // as the first start does
    f.open();
    for (const char *on : {"Check11", "Option3", "Option4"})
        QVERIFY2(f.shown(QLatin1String(on)).toBool(), on);
    for (const char *off : {"Check12", "Check21", "Check22", "Option1", "Option2", "Option5",
                            "Check31", "Check32", "Check41", "Check42", "Check43", "Check51",
                            "Check52", "Check53", "Check54", "Check55", "Check61", "Check62"})
        QVERIFY2(!f.shown(QLatin1String(off)).toBool(), off);
    for (const char *sound : {"Sound1", "Sound2", "Sound3"})
        QCOMPARE(f.shown(QLatin1String(sound)).toString(), QStringLiteral("Timer.wav"));
    QCOMPARE(f.shown(QStringLiteral("combodays")).toString(), QStringLiteral("6"));
    QCOMPARE(f.shown(QStringLiteral("remindertime")).toString(), QStringLiteral("00:00"));
    QVERIFY(!f.get(QStringLiteral("combohour"))->isEnabled());
    QVERIFY(!f.get(QStringLiteral("combominute"))->isEnabled());

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
    f.store().save(keys::Hour, QStringLiteral("24"));
    f.store().save(keys::Minute, QStringLiteral("7"));
    f.store().save(keys::DaysChecked, QStringLiteral("abc"));
    f.store().save(keys::CheckTime, QStringLiteral("checked"));
    f.open();
    QCOMPARE(f.shown(QStringLiteral("combohour")).toString(), QStringLiteral("00"));
    QCOMPARE(f.shown(QStringLiteral("combominute")).toString(), QStringLiteral("00"));
    QCOMPARE(f.shown(QStringLiteral("combodays")).toString(), QStringLiteral("6"));
    f.save();
    QCOMPARE(f.stored(keys::Hour), QStringLiteral("00"));
    QCOMPARE(f.stored(keys::Time), QStringLiteral("00:00"));
    QCOMPARE(f.stored(keys::DaysChecked), QStringLiteral("6"));
    // Typing is not offered at all.
    QVERIFY(!f.get<QComboBox>(QStringLiteral("combodays"))->isEditable());
}

void tst_OptionsForm::dailyTime()
{
    Fixture f;
    f.store().save(keys::Time, QStringLiteral("06:15"));
    f.store().save(keys::Hour, QStringLiteral("06"));
    f.store().save(keys::Minute, QStringLiteral("15"));
    QVERIFY(f.openActive());
    QCOMPARE(f.shown(QStringLiteral("remindertime")).toString(), QStringLiteral("06:15"));
    auto *check = f.get<QCheckBox>(QStringLiteral("Check55"));
    auto *hour = f.get<QComboBox>(QStringLiteral("combohour"));
    QVERIFY(!hour->isEnabled());
    check->click();
    QVERIFY(hour->isEnabled() && f.get(QStringLiteral("combominute"))->isEnabled());

    // Picked by keys on the combo boxes, no focus change, then Alt+S.
    f.dialog->selectPage(5);
    hour->setFocus();
    QTest::keyClick(hour, Qt::Key_Down);
    QCOMPARE(hour->currentText(), QStringLiteral("07"));
    f.set(QStringLiteral("combominute"), QStringLiteral("30"));
    QCOMPARE(f.shown(QStringLiteral("remindertime")).toString(), QStringLiteral("07:30"));
    QTest::keyClick(hour, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(f.saves(), 1); // a mnemonic clicks its button a moment later
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.stored(keys::Time), QStringLiteral("07:30"));
    QCOMPARE(f.stored(keys::CheckTime), QStringLiteral("checked"));

    // Unticked: only the check is written; the time stays for next time.
    f.open();
    f.get<QCheckBox>(QStringLiteral("Check55"))->click();
    f.set(QStringLiteral("combohour"), QStringLiteral("11"));
    f.save();
    QCOMPARE(f.stored(keys::CheckTime), QStringLiteral("unchecked"));
    QCOMPARE(f.stored(keys::Time), QStringLiteral("07:30"));
    QCOMPARE(f.stored(keys::Hour), QStringLiteral("07"));
    QCOMPARE(f.stored(keys::Minute), QStringLiteral("30"));
}

void tst_OptionsForm::emptyProgramNameDropsItsPath()
{
    Fixture f;
    f.store().save(keys::ProgramLabel, 2, QStringLiteral("Editor"));
    f.store().save(keys::ProgramPath, 2, QStringLiteral("/usr/bin/editor"));
    f.open();
    f.set(QStringLiteral("labelprog2"), QString());
    f.set(QStringLiteral("labelpath3"), QStringLiteral("/usr/bin/orphan"));
    f.save();
    QCOMPARE(f.stored(keys::ProgramLabel, 2), QString());
    QCOMPARE(f.stored(keys::ProgramPath, 2), QString());
    QCOMPARE(f.stored(keys::ProgramPath, 3), QString());
    QCOMPARE(f.shown(QStringLiteral("labelpath2")).toString(), QString());
    QCOMPARE(f.shown(QStringLiteral("labelpath3")).toString(), QString());
}

void tst_OptionsForm::unchangedSaveRewritesNothing()
{
    Fixture f;
    fillStore(f.store());
    const QByteArray before = f.bytes();
    f.open();
    f.save();
    QCOMPARE(f.bytes(), before);
    QCOMPARE(f.saves(), 1);
}

void tst_OptionsForm::leavingWithoutSaveWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << QStringLiteral("cancel");
    QTest::newRow("close box") << QStringLiteral("close");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("Alt+C") << QStringLiteral("alt+c");
}

void tst_OptionsForm::leavingWithoutSaveWritesNothing()
{
    QFETCH(QString, how);
    Fixture f;
    fillStore(f.store());
    const QByteArray before = f.bytes();
    QVERIFY(f.openActive());
    const QList<QAbstractButton *> buttons = f.dialog->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons) {
        if (b->isCheckable())
            b->setChecked(!b->isChecked());
    }
    for (const TextBox &t : textBoxes())
        f.set(t.name, QStringLiteral("changed"));
    for (const char *combo : {"combohour", "combominute", "combodays"})
        f.get<QComboBox>(QLatin1String(combo))->setCurrentIndex(2);

    QWidget *focus = f.get(QStringLiteral("Text1"));
    focus->setFocus();
    if (how == u"cancel")
        f.get<QPushButton>(QStringLiteral("butoptionscancel"))->click();
    else if (how == u"close")
        f.dialog->close();
    else if (how == u"escape")
        QTest::keyClick(focus, Qt::Key_Escape);
    else
        QTest::keyClick(focus, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!f.dialog->isVisible());
    QCOMPARE(f.bytes(), before);
    QVERIFY(f.suite.calls.isEmpty());
}

void tst_OptionsForm::failedSaveKeepsEditsAndSaysSoOnce()
{
    Fixture f;
    fillStore(f.store());
    const QByteArray before = f.bytes();
    QVERIFY(f.openActive());
    f.set(QStringLiteral("Check21"), false);
    f.set(QStringLiteral("Text4"), QStringLiteral("Shopping"));
    {
        test::BlockedFolder blocked(f.temp);
        f.save();
        QCOMPARE(f.platform.messageBoxes.shown.size(), 1);
        const auto &message = f.platform.messageBoxes.shown.first();
        QCOMPARE(message.title, QStringLiteral("Nookery 7.0"));
        QVERIFY2(
            message.text.startsWith(u"Your options could not be saved; nothing was changed."_qs) &&
                message.text.contains(f.temp.path()),
            qPrintable(message.text));
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.shown(QStringLiteral("Text4")).toString(), QStringLiteral("Shopping"));
        QCOMPARE(f.saves(), 0);
        QCOMPARE(f.store().get(keys::CalendarMenu), QStringLiteral("checked"));
        QCOMPARE(f.store().get(keys::Page, 4), QStringLiteral("Text4 value"));
        QCoreApplication::processEvents();
    }
    QCOMPARE(f.bytes(), before);
    f.save();
    QCOMPARE(f.saves(), 1);
    QCOMPARE(f.platform.messageBoxes.shown.size(), 1);
    QCOMPARE(f.stored(keys::CalendarMenu), QStringLiteral("unchecked"));
    QCOMPARE(f.stored(keys::Page, 4), QStringLiteral("Shopping"));
}

void tst_OptionsForm::unwritableSeedsDoNotStopOpening()
{
    Fixture f;
    {
        test::BlockedFolder blocked(f.temp);
        f.open();
        QCOMPARE(f.shown(QStringLiteral("Sound2")).toString(), QStringLiteral("Timer.wav"));
        QCOMPARE(f.shown(QStringLiteral("combodays")).toString(), QStringLiteral("6"));
        QVERIFY(f.platform.messageBoxes.shown.isEmpty());
        QCOMPARE(f.store().get(keys::Sound, 2), QString());
    }
    f.save();
    QCOMPARE(f.stored(keys::Sound, 2), QStringLiteral("Timer.wav"));
    QCOMPARE(f.stored(keys::DaysChecked), QStringLiteral("6"));
    QCOMPARE(f.stored(keys::LongDate), QStringLiteral("yes"));
}

void tst_OptionsForm::pagesAndKeys()
{
    Fixture f;
    QVERIFY(f.openActive());
    auto *tabs = f.get<QTabBar>(QStringLiteral("TabStrip1"));
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{u"Nookery"_qs, u"Calendar"_qs, u"Conversion Tables"_qs,
                                    u"CountDown"_qs, u"Reminders"_qs, u"Sticky Notes"_qs}));
    const auto visibleFrames = [&] {
        QStringList out;
        for (int n = 1; n <= 6; ++n) {
            if (f.get(QStringLiteral("Frame%1").arg(n))->isVisible())
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

    QWidget *focus = f.get(QStringLiteral("Check31"));
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(visibleFrames(), u"4"_qs);
    QTest::keyClick(f.dialog.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(f.dialog.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(visibleFrames(), u"2"_qs);

    // Alt+letter reaches the shown page only; Enter saves nothing.
    auto *check21 = f.get<QCheckBox>(QStringLiteral("Check21"));
    QTest::keyClick(f.dialog.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(check21->isChecked());
    // Check55's letter, on page 5; the next Alt+R's click comes after any click of its.
    QTest::keyClick(f.dialog.get(), Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(f.dialog.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(!check21->isChecked());
    QVERIFY(!f.get<QCheckBox>(QStringLiteral("Check55"))->isChecked());
    QLineEdit *text = f.get<QLineEdit>(QStringLiteral("Text1"));
    f.dialog->selectPage(6);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Enter);
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.suite.calls.isEmpty());

    QTest::keyClick(text, Qt::Key_F1);
    f.get<QPushButton>(QStringLiteral("butoptionshelp"))->click();
    QCOMPARE(f.suite.calls, (QStringList{u"help 202"_qs, u"help 202"_qs}));
    f.dialog->close();
}

void tst_OptionsForm::captions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    const auto row = [](const char *control, const char16_t *text, const char16_t *tip = u"") {
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf16(text)
                               << QString::fromUtf16(tip);
    };
    row("butoptionssave", u"&Save", u"save new settings");
    row("butoptionscancel", u"&Cancel", u"cancel changes");
    row("butoptionshelp", u"&Help", u"help using options");
    row("Check11", u"Next time, run &Nookery from the system tray");
    row("Check12", u"remove Startup &List from the main menu");
    row("Label10", u"Program's Name  ei. Word Proccessor");
    row("Label2", u"Program's File Path      ei. c:\\windows\\wordpad.exe");
    row("labelprog3", u"", u"program's name");
    row("labelpath5", u"", u"type in the program's entire file path");
    row("butBrowse8", u"...");
    row("Check21", u"&remove Calendar from the main menu");
    row("Check22", u"co&py the date to the clipboard");
    row("Label20", u"When copying a date to the clipboard, use the date format below...");
    row("Option1", u"shor&t - 09/28/98");
    row("Option2", u"medi&um - 28-Sep-98");
    row("Option3", u"&long - Friday, September 28, 1998");
    row("Label21", u"When using the short date format, use the day and month format below...");
    row("Option4", u"&mm/dd/yy", u"North American short date format");
    row("Option5", u"&dd/mm/yy", u"International short date format");
    row("Label22", u"To view by this format, you must have the Short Date Style in Regional "
                   u"Settings set to mm/dd/yy!");
    row("Label23", u"To view by this format, you must have the Short Date Style in Regional "
                   u"Settings set to dd/mm/yy!");
    row("Check31", u"remove Conversion &Tables from the main menu");
    row("Check32", u"start automatically after &Nookery loads");
    row("Check41", u"start CountDown automatically after &Nookery loads");
    row("Check42", u"remove all Count&Down programs  from the main menu");
    row("Check43", u"Full Screen CountDown larger fonts (1078 x 768 screen display or higher)");
    row("Label41", u"CountDown 1 message");
    row("Label42", u"CountDown 2 message");
    row("Label45", u"Full Screen message");
    row("Message3", u"", u"type in your own visual message");
    row("Label43", u"CountDown 1 sound");
    row("Label44", u"CountDown 2 sound");
    row("Label46", u"Full Screen sound");
    row("Sound2", u"Timer.wav", u"type in the entire WAV file path");
    row("Check51", u"remove &Reminders from the main menu");
    row("Check52", u"start automatically after &Nookery loads");
    row("Check53", u"start automatically only &once/day");
    row("Check54", u"start Reminders always &minimized");
    row("Check55", u"run Reminders &every day at");
    row("Label51", u"Hour");
    row("combohour", u"00", u"hour of daily time");
    row("Label52", u"Minute");
    row("combominute", u"00", u"minute of daily time");
    row("label53", u"Check reminders for number of days in advance");
    row("combodays", u"6", u"number of days to be reminded");
    row("Check61", u"remove Sticky &Notes from the main menu");
    row("Check62", u"start automatically after &Nookery loads");
    row("Label60", u"Tab Names");
    row("Text7", u"", u"Tab 7 name");
}

void tst_OptionsForm::captions()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    Fixture f;
    f.open();
    QWidget *w = f.get(control);
    QVERIFY(w);
    const QVariant shown = f.shown(control);
    QString caption = shown.typeId() == QMetaType::Bool ? qobject_cast<QAbstractButton *>(w)->text()
                                                        : shown.toString();
    QCOMPARE(caption, text);
    QCOMPARE(w->toolTip(), toolTip);
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
    f.get(QStringLiteral("Option4"))->setFocus();
    QCOMPARE(hints(), u"010"_qs);
    f.get(QStringLiteral("Option5"))->setFocus();
    QCOMPARE(hints(), u"001"_qs);
    f.get(QStringLiteral("Check21"))->setFocus();
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
    f.get(QStringLiteral("TabStrip1"))->setFocus();
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
    const QString wave = QStringLiteral("Wave files (*.wav)|*.wav");
    const QString program = QStringLiteral("Program files (*)|*");
    QTest::newRow("sound 1") << 1 << "/snd/a b.wav"
                             << "Sound1"
                             << "/snd/a b.wav" << wave;
    QTest::newRow("sound 3 cancelled") << 3 << ""
                                       << "Sound3"
                                       << "Timer.wav" << wave;
    QTest::newRow("program 1") << 4 << "/usr/bin/gedit"
                               << "labelpath1"
                               << "/usr/bin/gedit" << program;
    QTest::newRow("program 5 with blanks") << 8 << "/opt/My Apps/run it"
                                           << "labelpath5"
                                           << "\"/opt/My Apps/run it\"" << program;
    QTest::newRow("program 2 cancelled") << 5 << ""
                                         << "labelpath2"
                                         << "kept" << program;
}

void tst_OptionsForm::browse()
{
    QFETCH(int, button);
    QFETCH(QString, answer);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    QFETCH(QString, filter);
    Fixture f;
    f.store().save(keys::Path, QStringLiteral("/home/me/notes"));
    f.store().save(keys::ProgramPath, 2, QStringLiteral("kept"));
    f.open();
    f.platform.dialog.openAnswer = answer;
    f.get<QPushButton>(QStringLiteral("butBrowse%1").arg(button))->click();
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
    auto *days = f.get<QComboBox>(QStringLiteral("combodays"));
    QCOMPARE(days->currentText(), u"6"_qs);
    // The reminders window changes the days while the dialog is open.
    f.store().save(keys::DaysChecked, QStringLiteral("9"));
    f.dialog->Form_Activate();
    QCOMPARE(days->currentText(), u"9"_qs);
    f.dialog->selectPage(5);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Down); // the user's pick
    QCOMPARE(days->currentText(), u"10"_qs);
    f.store().save(keys::DaysChecked, QStringLiteral("3"));
    f.dialog->Form_Activate();
    QCOMPARE(days->currentText(), u"10"_qs);
    f.dialog->close();
}

QTEST_MAIN(tst_OptionsForm)
#include "tst_optionsform.moc"
