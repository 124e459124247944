#include "common/failure.h"
#include "notes/rtfreader.h"
#include "settings/settingsstore.h"
#include "shell/aboutform.h"
#include "shell/olderdata.h"
#include "shell/toolwindows.h"
#include "shell/updateolder.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "upgradefixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

using namespace nookery;

namespace {

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

struct Fixture
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    QTemporaryDir start;
    std::unique_ptr<UpdateOlder> dialog;

    SettingsStore &store() { return temp.store(); }
    QString file(const QString &name) const { return start.filePath(name); }
    UpdateOlder &open()
    {
        dialog = std::make_unique<UpdateOlder>(store(), platform, suite, QDir(start.path()));
        dialog->show();
        return *dialog;
    }
    template <typename T> T *child(const char *name)
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
};

QString noteText(const QString &path)
{
    QTextDocument doc;
    if (readRtfFile(path, &doc).status != RtfReadResult::Status::Ok)
        return QStringLiteral("<unreadable>");
    return doc.toPlainText();
}

} // namespace

class tst_UpdateOlder : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void aboutBoxShowsVersionAndLeadsOn();
    void aboutBoxFailuresShowTheirNumbers();
    void dialogReadsAsDesigned();
    void cancelKeepsTheChoiceOnlyWhenTicked_data();
    void cancelKeepsTheChoiceOnlyWhenTicked();
    void openWindowsStopTheUpdate_data();
    void openWindowsStopTheUpdate();
    void yesConvertsAndCloses_data();
    void yesConvertsAndCloses();
};

void tst_UpdateOlder::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void tst_UpdateOlder::aboutBoxShowsVersionAndLeadsOn()
{
    test::TempStore temp;
    test::FakeClock clock;
    test::FakePlatform platform;
    ToolWindows tools(temp.store(), clock, platform, QDir(temp.folder()));
    tools.show(Tool::About);
    QWidget *about = tools.window(Tool::About);
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Nookery"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Label1a"))->text(),
             QStringLiteral("Nookery"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Label1b"))->text(),
             QStringLiteral("Version 7.0"));
    auto *icon = about->findChild<QToolButton *>(QStringLiteral("Image1"));
    QVERIFY(icon->focusPolicy() & Qt::TabFocus);
    QVERIFY(
        !(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    QTest::keyClick(icon, Qt::Key_Space);
    QVERIFY(tools.window(Tool::UpdateOlder));
    QVERIFY(tools.window(Tool::UpdateOlder)->isVisible());
    QCOMPARE(tools.window(Tool::UpdateOlder)->windowTitle(), QStringLiteral("Update Nookery"));

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
}

void tst_UpdateOlder::aboutBoxFailuresShowTheirNumbers()
{
    test::FakePlatform platform;
    FailingSuite suite;
    aboutform about(platform, suite);
    about.Image1_Click();
    about.butAboutHelpR_Click();
    QCOMPARE(platform.messageBoxes.texts(),
             (QStringList{failureMessage(701), failureMessage(704)}));
}

void tst_UpdateOlder::dialogReadsAsDesigned()
{
    Fixture f;
    f.open();
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Update Nookery"));
    QCOMPARE(f.child<QLabel>("Label2")->text(), QStringLiteral("Important!"));
    QCOMPARE(
        f.child<QLabel>("Label1")->text(),
        QStringLiteral("Users of Version 4.1 or less must update their data.") + QString(12, u' ') +
            QStringLiteral("Do you want to update your old Reminders and Sticky Notes data now?"));
    QVERIFY(f.child<QLabel>("Label3")->text().contains(QLatin1String(
        "copy the file 'Reminder.dat' to the new directory. Start Nookery again,. make")));
    QCOMPARE(f.child<QCheckBox>("Question42")->text(),
             QStringLiteral("&Don't ask this question again!"));
    QCOMPARE(f.child<QPushButton>("butYes")->text(), QStringLiteral("&Yes"));
    QCOMPARE(f.child<QPushButton>("butNo")->text(), QStringLiteral("&Cancel"));
}

void tst_UpdateOlder::cancelKeepsTheChoiceOnlyWhenTicked_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("ask42");
    QTest::newRow("ticked") << true << QStringLiteral("checked");
    QTest::newRow("not ticked") << false << QString();
}

void tst_UpdateOlder::cancelKeepsTheChoiceOnlyWhenTicked()
{
    QFETCH(bool, ticked);
    QFETCH(QString, ask42);
    Fixture f;
    test::writeFile(f.file(QStringLiteral("reminder.dat")),
                    test::olderRecord("x", 'X', 'O', "1/1/99"));
    f.open();
    f.child<QCheckBox>("Question42")->setChecked(ticked);
    f.child<QPushButton>("butNo")->click();
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.store().get(keys::Ask42), ask42);
    QCOMPARE(test::snapshot(f.start.path()).keys(), QStringList{QStringLiteral("reminder.dat")});
    QVERIFY(f.platform.messageBoxes.shown.isEmpty());
}

void tst_UpdateOlder::openWindowsStopTheUpdate_data()
{
    QTest::addColumn<Tool>("open");
    QTest::newRow("reminders") << Tool::Reminders;
    QTest::newRow("sticky notes") << Tool::StickyNotes;
}

void tst_UpdateOlder::openWindowsStopTheUpdate()
{
    QFETCH(Tool, open);
    Fixture f;
    const QByteArray old = test::olderRecord("x", 'X', 'O', "1/1/99");
    test::writeFile(f.file(QStringLiteral("reminder.dat")), old);
    f.store().save(keys::OldTab, 1, QStringLiteral("note"));
    f.suite.open << open;
    f.open();
    f.child<QPushButton>("butYes")->click();
    QCOMPARE(f.platform.messageBoxes.texts(), QStringList{UpdateOlder::openWindowsText()});
    QVERIFY(f.dialog->isVisible());
    const auto files = test::snapshot(f.start.path());
    QCOMPARE(files.keys(), QStringList{QStringLiteral("reminder.dat")});
    QCOMPARE(files.value(QStringLiteral("reminder.dat")), old);
}

void tst_UpdateOlder::yesConvertsAndCloses_data()
{
    QTest::addColumn<bool>("pathElsewhere");
    QTest::addColumn<QString>("calendarFormat");
    QTest::newRow("notes in the start folder") << false << QString();
    QTest::newRow("notes where Path says, day first") << true << QStringLiteral("dd/mm");
}

void tst_UpdateOlder::yesConvertsAndCloses()
{
    QFETCH(bool, pathElsewhere);
    QFETCH(QString, calendarFormat);
    Fixture f;
    QTemporaryDir elsewhere;
    const QString notesFolder = pathElsewhere ? elsewhere.path() : f.start.path();
    if (pathElsewhere)
        f.store().save(keys::Path, elsewhere.path());
    f.store().save(keys::CalendarFormat, calendarFormat);
    f.store().save(keys::OldTab, 3, QStringLiteral("call Bo\r\nat 5"));
    test::writeFile(f.file(QStringLiteral("reminder.dat")),
                    test::olderRecord("Christmas Day", 'X', 'Y', "12/25/99"));
    f.open();
    f.child<QPushButton>("butYes")->click();

    QCOMPARE(f.platform.messageBoxes.shown.size(), 1);
    QCOMPARE(f.platform.messageBoxes.shown.first().title, QStringLiteral("Finished Updating!"));
    QCOMPARE(f.platform.messageBoxes.shown.first().text, OlderDataUpgrade::fullSuccessText());
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(test::snapshot(f.start.path()).value(QStringLiteral("reminder.dat")),
             test::currentRecord("Christmas Day", 'X', 'Y', "12/25/1999"));
    QCOMPARE(noteText(QDir(notesFolder).filePath(QStringLiteral("Sticky3.rtf"))),
             QStringLiteral("call Bo\nat 5"));
    for (int n = 1; n <= 10; ++n) {
        if (n != 3)
            QVERIFY(
                !QFile::exists(QDir(notesFolder).filePath(QStringLiteral("Sticky%1.rtf").arg(n))));
    }
    QVERIFY(!QFile::exists(f.file(QStringLiteral("Sticky3.rtf"))) || !pathElsewhere);
    QCOMPARE(f.store().get(keys::OldTab, 3), QStringLiteral("call Bo\r\nat 5")); // keys stay
}

QTEST_MAIN(tst_UpdateOlder)
#include "tst_updateolder.moc"
