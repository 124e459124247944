#include "common/twips.h"
#include "settings/settingsstore.h"
#include "support/fakeclock.h"
#include "support/fakeplatform.h"
#include "support/fakesuite.h"
#include "support/tempstore.h"
#include "support/windows.h"
#include "timers/countfull.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace nookery;

class TestCountFullWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstLoadSeedsSound();
    void hourDigitsWidenThePanel_data();
    void hourDigitsWidenThePanel();
    void narrowsWhileRunning();
    void schemeFromOptions();
    void stopResumeAndAlarm();
    void saveAndRetrieve_data();
    void saveAndRetrieve();

private:
    template <typename T> T *control(const QString &name)
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void open()
    {
        window =
            std::make_unique<CountFull>(temp->store(), clock, platform, suite, QDir(folder.path()));
    }
    QString digits()
    {
        return control<QLabel>(QStringLiteral("Label2"))->text() +
               control<QLabel>(QStringLiteral("Label3"))->text() +
               control<QLabel>(QStringLiteral("Label4"))->text();
    }
    int panelWidth() { return control<QWidget>(QStringLiteral("Frame1"))->width(); }
    bool centred(const QString &name)
    {
        const QWidget *w = control<QWidget>(name);
        return std::abs(w->x() * 2 + w->width() - window->width()) <= 2;
    }
    void setTime(int minutes, int seconds)
    {
        control<QScrollBar>(QStringLiteral("HScroll1"))->setValue(minutes);
        control<QScrollBar>(QStringLiteral("HScroll2"))->setValue(seconds);
    }
    void trigger(const char *action) { control<QAction>(QLatin1String(action))->trigger(); }
    void fire(const char *timer)
    {
        QMetaObject::invokeMethod(control<QTimer>(QLatin1String(timer)), "timeout",
                                  Qt::DirectConnection);
    }
    QStringList activeTimers()
    {
        QStringList out;
        for (QTimer *t : window->findChildren<QTimer *>()) {
            if (t->isActive() && t->objectName().startsWith(u"Timer"))
                out << t->objectName();
        }
        return out;
    }

    std::unique_ptr<test::TempStore> temp;
    QTemporaryDir folder;
    test::FakeClock clock;
    test::FakePlatform platform;
    test::FakeSuite suite;
    std::unique_ptr<CountFull> window;
};

void TestCountFullWindow::init()
{
    temp = std::make_unique<test::TempStore>();
    platform.sounds.calls.clear();
}

void TestCountFullWindow::cleanup()
{
    window.reset();
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestCountFullWindow::firstLoadSeedsSound()
{
    open();
    QCOMPARE(temp->reopen()->get(keys::Sound, 3), QStringLiteral("Timer.wav"));
    QCOMPARE(control<QLabel>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Click on File, then Options to customize this message!"));
    QVERIFY(activeTimers().isEmpty());
    QVERIFY(centred(QStringLiteral("Label1")));
}

void TestCountFullWindow::hourDigitsWidenThePanel_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("width");
    QTest::newRow("599") << 599 << "9:59:00" << twipsToPixels(8160);
    QTest::newRow("600") << 600 << "10:00:00" << twipsToPixels(9460);
}

void TestCountFullWindow::hourDigitsWidenThePanel()
{
    QFETCH(int, minutes);
    QFETCH(QString, shown);
    QFETCH(int, width);
    open();
    setTime(minutes, 0);
    QCOMPARE(digits(), shown);
    QCOMPARE(panelWidth(), width);
    QVERIFY(centred(QStringLiteral("Frame1")));
}

void TestCountFullWindow::narrowsWhileRunning()
{
    open();
    setTime(600, 0);
    trigger("menustart");
    fire("Timer1");
    QCOMPARE(panelWidth(), twipsToPixels(9460));
    clock.advance(1);
    fire("Timer1");
    QCOMPARE(digits(), QStringLiteral("9:59:59"));
    QCOMPARE(panelWidth(), twipsToPixels(8160));
}

void TestCountFullWindow::schemeFromOptions()
{
    temp->store().save(keys::FullScreenLargeFonts, QStringLiteral("1"));
    open();
    QCOMPARE(panelWidth(), twipsToPixels(12800));
    QCOMPARE(control<QLabel>(QStringLiteral("Label1"))->font().pointSize(), 48);
    setTime(600, 0);
    QCOMPARE(panelWidth(), twipsToPixels(15000));

    // The options dialog saved: back to normal at the current two hour digits.
    temp->store().save(keys::FullScreenLargeFonts, QStringLiteral("0"));
    temp->store().save(keys::VisualText, 3, QStringLiteral("Presentation ends"));
    window->optionsChanged();
    QCOMPARE(panelWidth(), twipsToPixels(9460));
    QCOMPARE(control<QLabel>(QStringLiteral("Label1"))->font().pointSize(), 36);
    QCOMPARE(control<QLabel>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Presentation ends"));
}

void TestCountFullWindow::stopResumeAndAlarm()
{
    temp->store().save(keys::Sound, 3, QStringLiteral("/sounds/gong.wav"));
    open();
    setTime(2, 0);
    trigger("menustart");
    QVERIFY(control<QScrollBar>(QStringLiteral("HScroll1"))->isHidden());
    QVERIFY(!control<QAction>(QStringLiteral("menusave"))->isVisible());
    QVERIFY(!control<QAction>(QStringLiteral("sep2"))->isVisible());
    clock.advance(20);
    trigger("menustart"); // stop with 100 seconds left
    QCOMPARE(digits(), QStringLiteral("0:01:40"));
    QVERIFY(control<QAction>(QStringLiteral("menusave"))->isVisible());
    QVERIFY(activeTimers().isEmpty());
    clock.advance(300);
    trigger("menustart");
    clock.advance(99);
    fire("Timer1");
    QCOMPARE(digits(), QStringLiteral("0:00:01"));
    QVERIFY(platform.sounds.calls.isEmpty());

    clock.advance(1);
    fire("Timer1");
    QCOMPARE(platform.sounds.calls, QStringList{QStringLiteral("play /sounds/gong.wav")});
    QCOMPARE(digits(), QStringLiteral("0:00:00"));
    QVERIFY(!control<QWidget>(QStringLiteral("Frame2"))->isHidden());
    QCOMPARE(window->focusWidget(), control<QPushButton>(QStringLiteral("butmsg1")));
    QVERIFY(!control<QAction>(QStringLiteral("menustart"))->isEnabled());
    QCOMPARE(activeTimers(), QStringList{QStringLiteral("Timer2")});
    fire("Timer2");
    QVERIFY(control<QWidget>(QStringLiteral("Frame3"))->isHidden());
    QVERIFY(!control<QLabel>(QStringLiteral("Label1"))->isHidden());

    control<QPushButton>(QStringLiteral("butmsg1"))->click();
    QVERIFY(control<QAction>(QStringLiteral("menustart"))->isEnabled());
    QVERIFY(control<QWidget>(QStringLiteral("Frame2"))->isHidden());
    QVERIFY(!control<QScrollBar>(QStringLiteral("HScroll1"))->isHidden());
    QVERIFY(activeTimers().isEmpty());
    // The duration went with the alarm: Start has nothing to count.
    trigger("menustart");
    QVERIFY(activeTimers().isEmpty());
}

void TestCountFullWindow::saveAndRetrieve_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("saved") << "75"
                           << "1:15:30";
    QTest::newRow("nothing saved") << ""
                                   << "0:00:00";
    QTest::newRow("not a number") << "abc"
                                  << "0:00:00";
}

void TestCountFullWindow::saveAndRetrieve()
{
    QFETCH(QString, minutes);
    QFETCH(QString, shown);
    open();
    setTime(12, 34);
    trigger("menusave");
    QCOMPARE(temp->reopen()->get(keys::FullScreenMinutes), QStringLiteral("12"));
    QCOMPARE(temp->reopen()->get(keys::FullScreenSeconds), QStringLiteral("34"));
    if (minutes.isEmpty()) {
        temp->store().remove(keys::FullScreenMinutes);
    } else {
        temp->store().save(keys::FullScreenMinutes, minutes);
        temp->store().save(keys::FullScreenSeconds, QStringLiteral("30"));
    }
    trigger("menuretrieve");
    QCOMPARE(digits(), shown);
}

QTEST_MAIN(TestCountFullWindow)
#include "tst_countfullwindow.moc"
