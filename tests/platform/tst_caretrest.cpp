// Carets stop blinking after a while without input and blink again at the next key press or
// click, at the desktop's own pace.

#include "platform/caretrest.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

using namespace nookery;

class tst_CaretRest : public QObject
{
    Q_OBJECT

private slots:
    void restsAndWakes();
};

void tst_CaretRest::restsAndWakes()
{
    QStyleHints *hints = QGuiApplication::styleHints();
    hints->setCursorFlashTime(1000); // the desktop's
    QLineEdit edit;
    {
        CaretRest rest(10000);
        qApp->installEventFilter(&rest);
        auto *idle = rest.findChild<QTimer *>(QStringLiteral("caretIdle"));
        QVERIFY(idle && idle->isActive() && idle->isSingleShot());
        QCOMPARE(idle->interval(), 10000);
        QMetaObject::invokeMethod(idle, "timeout", Qt::DirectConnection);
        QCOMPARE(hints->cursorFlashTime(), 0);
        // Resting, nothing runs, its own wait included.
        QVERIFY(!idle->isActive());

        const std::function<void()> inputs[] = {
            [&] { QTest::keyClick(&edit, Qt::Key_A); },
            [&] { QTest::mouseClick(&edit, Qt::LeftButton); },
        };
        for (const auto &input : inputs) {
            rest.rest();
            QCOMPARE(hints->cursorFlashTime(), 0);
            input();
            QCOMPARE(hints->cursorFlashTime(), 1000);
            QVERIFY(idle->isActive());
        }
        // A blink time the desktop changes is the one given back.
        hints->setCursorFlashTime(800);
        rest.rest();
        QTest::keyClick(&edit, Qt::Key_B);
        QCOMPARE(hints->cursorFlashTime(), 800);
        rest.rest();
    }
    // Gone while resting: the desktop's time is back.
    QCOMPARE(hints->cursorFlashTime(), 800);

    // A desktop that does not blink the caret is left alone.
    hints->setCursorFlashTime(0);
    CaretRest still(10000);
    qApp->installEventFilter(&still);
    still.rest();
    QTest::keyClick(&edit, Qt::Key_C);
    QCOMPARE(hints->cursorFlashTime(), 0);
    QVERIFY(!still.resting());
}

QTEST_MAIN(tst_CaretRest)
#include "tst_caretrest.moc"
