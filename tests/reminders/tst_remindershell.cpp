#include "reminders/reminder.h"
#include "shell/nookery.h"
#include "shell/toolwindows.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/tempstore.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using namespace nookery;

// The main window opens the reminders window through the suite's real registry.
class tst_RemindersShell : public QObject
{
    Q_OBJECT

private slots:
    void oneWindowFromEveryWay();
    void minimisedStaysMinimised();
};

namespace {

struct Desktop
{
    test::TempStore temp;
    test::FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(8, 59, 30))};
    test::FakePlatform platform;
    ToolWindows tools{temp.store(), clock, platform, QDir(temp.folder())};
    Nookery main{temp.store(), clock, platform, tools, QDir(temp.folder())};

    QList<QWidget *> reminderWindows() const
    {
        QList<QWidget *> out;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"reminder")
                out << w;
        }
        return out;
    }
};

} // namespace

void tst_RemindersShell::oneWindowFromEveryWay()
{
    Desktop s;
    QFile file(s.temp.folder() + u"/reminder.dat"_qs);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const auto &[text, date] :
         {std::pair{"Dentist & co", "12/08/2026"}, {"Later", "12/31/2026"}})
        file.write(QByteArray(text).leftJustified(55) + "   XO" +
                   QByteArray(date).leftJustified(10));
    file.close();
    s.main.Form_Load();
    s.temp.store().save(keys::CheckTime, u"checked"_qs);
    s.temp.store().save(keys::Time, u"09:00"_qs);
    s.main.Timer1_Timer();
    QVERIFY(s.reminderWindows().isEmpty());
    QVERIFY(s.platform.notices.sent.isEmpty());

    s.clock.advance(55);
    s.main.Timer1_Timer();
    QCOMPARE(s.reminderWindows().size(), 1);
    QWidget *window = s.reminderWindows().first();
    QVERIFY(window->isVisible());
    window->showMinimized();
    s.main.Timer1_Timer(); // the same minute again brings the open window forward
    QCOMPARE(s.reminderWindows(), QList<QWidget *>{window});
    QVERIFY(!window->isMinimized());

    s.main.findChild<QAction *>(u"menureminders"_qs)->trigger();
    s.main.Toolbar1_ButtonClick(s.main.findChild<QAction *>(u"ToolReminders"_qs));
    QCOMPARE(s.reminderWindows(), QList<QWidget *>{window});
    // The daily time tells the desktop what is due each time it shows the window; the menu
    // does not.
    QCOMPARE(s.platform.notices.sent,
             QStringList(2, u"reminders|1 reminder due|12/08/26  Dentist & co"_qs));
    window->showMinimized();
    s.platform.notices.activate(u"reminders"_qs);
    QVERIFY(!window->isMinimized());
    QVERIFY(QFile::exists(s.temp.folder() + u"/reminder.dat"_qs));
}

void tst_RemindersShell::minimisedStaysMinimised()
{
    Desktop s;
    s.temp.store().save(keys::Minimize, u"checked"_qs);
    s.tools.show(Tool::Reminders);
    QCOMPARE(s.reminderWindows().size(), 1);
    QVERIFY(s.reminderWindows().first()->isMinimized());
}

QTEST_MAIN(tst_RemindersShell)
#include "tst_remindershell.moc"
