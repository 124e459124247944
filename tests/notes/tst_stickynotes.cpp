// The sticky notes window: its controls, captions, tabs, note files, size and place, status
// bar and the way out.

#include "notewindowfixture.h"
#include "support/windows.h"

#include "common/failure.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace nookery;
using namespace nookery::test;

namespace {
const QString CloseUnsaved =
    u"The note could not be saved. Close Sticky Notes without saving it?"_qs;

// What the event loop does when the timer runs out.
void fire(QTimer *timer)
{
    timer->stop();
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

} // namespace

void TestStickyNotes::init()
{
    f.reset();
    QGuiApplication::clipboard()->clear();
}

void TestStickyNotes::cleanup()
{
    f.window.reset();
    NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
}

void TestStickyNotes::controls()
{
    f.open();
    QStringList tops;
    for (QAction *m : f.window->menuBar()->actions())
        tops << m->text();
    QCOMPARE(tops, (QStringList{u"&File"_qs, u"&Edit"_qs, u"&Tab"_qs, u"&Help"_qs}));
    // The entries with keys. The Edit entries only name theirs: the editor handles them.
    QStringList keyed;
    for (const char *name :
         {"menusavenow", "menucancel", "menufind", "menuprint", "menudate", "menufonts",
          "menuoptions", "menuclose", "menucut", "menucopy", "menupaste", "menuhelp2"}) {
        const QAction *a = f.action(QLatin1String(name));
        keyed << a->text() + u'|' + a->shortcut().toString();
    }
    QCOMPARE(keyed,
             (QStringList{u"&Save|F6"_qs, u"C&ancel|F8"_qs, u"&Find|Ctrl+F"_qs, u"&Print|Ctrl+P"_qs,
                          u"&Date And Time Stamp|Ctrl+D"_qs, u"Fon&ts|Ctrl+T"_qs,
                          u"&Options|F11"_qs, u"&Close And Save Sticky Note|F12"_qs,
                          u"Cu&t        Ctrl+X|"_qs, u"&Copy      Ctrl+C|"_qs,
                          u"&Paste     Ctrl+V|"_qs, u"&Using Sticky Notes|F1"_qs}));

    // Tool bar keys in order, "-" a separator; a key dispatches to the action of its name.
    QStringList bars;
    for (const char *bar : {"Toolbar1", "Toolbar2"}) {
        QStringList keys;
        for (QAction *a : f.control<QToolBar>(QLatin1String(bar))->actions()) {
            keys << (a->isSeparator() ? u"-"_qs : a->data().toString());
            if (!a->isSeparator())
                QCOMPARE(a->objectName(), a->data().toString());
        }
        bars << keys.join(u' ');
    }
    QCOMPARE(bars,
             (QStringList{u"ToolSave ToolCancel ToolFind ToolPrint ToolCut ToolCopy "
                          "ToolPaste ToolDate ToolOptions ToolHelp ToolClose"_qs,
                          u"ToolFonts - ToolBold ToolItalic ToolUnderline - ToolLeft "
                          "ToolCenter ToolRight - ToolBullet ToolForeColor ToolBackColor"_qs}));
    // The tips users have always seen, spelling included.
    QCOMPARE(f.action(u"ToolBold"_qs)->toolTip(), u"toggle bont font"_qs);
    QCOMPARE(f.action(u"ToolUnderline"_qs)->toolTip(), u"toggle underliine text"_qs);

    for (const char *name : {"ToolOptions", "ToolHelp", "menuhelp1", "menuhelp3"})
        f.trigger(QLatin1String(name));
    QCOMPARE(f.suite.calls,
             QStringList({u"options 6"_qs, u"help 260"_qs, u"help contents"_qs, u"show About"_qs}));
}

void TestStickyNotes::tabNames()
{
    f.open();
    QCOMPARE(f.window->windowTitle(), u"Sticky Notes - 1"_qs);
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(f.tabs()->tabText(i - 1), QString::number(i));
        QCOMPARE(f.action(QStringLiteral("menutab%1").arg(i))->text(), QString::number(i));
    }
    // Names are read again on every activation.
    f.store().save(keys::Page, 3, u"Work"_qs);
    f.store().save(keys::Page, 10, u"Home"_qs);
    f.window->Form_Activate();
    QCOMPARE(f.tabs()->tabText(2), u"Work"_qs);
    QCOMPARE(f.action(u"menutab3"_qs)->text(), u"&3  Work"_qs);
    QCOMPARE(f.action(u"menutab10"_qs)->text(), u"1&0  Home"_qs);
    QCOMPARE(f.tabs()->tabText(1), u"2"_qs);
    f.trigger(u"menutab3"_qs);
    QCOMPARE(f.window->windowTitle(), u"Sticky Notes - Work"_qs);

    // And when the options are saved; an emptied name leaves the caption it had.
    f.store().save(keys::Page, 2, u"Ideas"_qs);
    f.store().save(keys::Page, 3, QString());
    f.window->optionsChanged();
    QCOMPARE(f.tabs()->tabText(1), u"Ideas"_qs);
    QCOMPARE(f.tabs()->tabText(2), u"Work"_qs);

    // Page1 names the window from the start.
    f.store().save(keys::Page, 1, u"Shopping"_qs);
    f.open();
    QCOMPARE(f.window->windowTitle(), u"Sticky Notes - Shopping"_qs);
}

void TestStickyNotes::tabChangeCancelAndUndo()
{
    f.writeNote(5, u"<p>five</p>"_qs);
    f.open();
    f.trigger(u"menutab2"_qs);
    f.type(u"two"_qs);
    f.window->lblgetpos = u"7"_qs;
    f.tabs()->setCurrentIndex(4);
    QCOMPARE(f.readNote(2), u"two"_qs);
    QCOMPARE(f.text(), u"five"_qs);
    QCOMPARE(f.window->lblgetpos, u"1"_qs);
    QCOMPARE(f.window->windowTitle(), u"Sticky Notes - 5"_qs);
    QCOMPARE(f.platform->dialog.InitDir, f.notes->path());
    // Loading leaves nothing to undo: the other note never comes back.
    f.editor()->undo();
    QCOMPARE(f.text(), u"five"_qs);

    // Cancel loads the saved note again, asking nothing.
    f.editor()->moveCursor(QTextCursor::End);
    f.type(u" lost"_qs);
    f.trigger(u"menucancel"_qs);
    QCOMPARE(f.text(), u"five"_qs);
    QCOMPARE(f.readNote(5), u"five"_qs);
    f.trigger(u"menutab2"_qs);
    QCOMPARE(f.text(), u"two"_qs);
    QVERIFY(f.messages().isEmpty());
}

void TestStickyNotes::onlyChangedNotesAreWritten()
{
    // Written by another program: looking at it must not rewrite it.
    f.writeBytes(u"Sticky1.rtf"_qs, "{\\rtf1\\ansi {\\*\\unknown x}plain text\\par}");
    const QByteArray before = f.bytes(1);
    f.open();
    f.trigger(u"menutab2"_qs);
    f.trigger(u"menutab1"_qs);
    f.window->close();
    f.window->suiteEnding();
    QCOMPARE(f.bytes(1), before);
    QVERIFY(!QFile::exists(f.path(2)));
    // Save writes whatever was asked.
    f.open();
    f.trigger(u"menusavenow"_qs);
    QVERIFY(f.bytes(1) != before);
    QCOMPARE(f.readNote(1), u"plain text"_qs);
}

void TestStickyNotes::missingNoteOpensEmpty()
{
    f.open();
    QCOMPARE(f.text(), QString());
    QVERIFY(f.messages().isEmpty());
    QVERIFY(!f.editor()->isReadOnly());
    f.type(u"first words"_qs);
    f.trigger(u"ToolSave"_qs);
    QCOMPARE(f.readNote(1), u"first words"_qs);
    // A new note file is the user's alone.
    const auto userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    QCOMPARE(QFile::permissions(f.path(1)) & ~userBits,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestStickyNotes::caseVariantIsTheNote()
{
    f.writeBytes(u"STICKY4.RTF"_qs, "{\\rtf1 from windows\\par}");
    f.open();
    f.trigger(u"menutab4"_qs);
    QCOMPARE(f.text(), u"from windows"_qs);
    f.type(u"> "_qs);
    f.trigger(u"menusavenow"_qs);
    QVERIFY(!QFile::exists(f.path(4)));
    QFile copied(f.notes->filePath(u"STICKY4.RTF"_qs));
    QVERIFY(copied.open(QIODevice::ReadOnly) && copied.readAll().contains("> from windows"));
}

void TestStickyNotes::unreadableNotesAreLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    // Past the paragraph limit: read cut short.
    QTest::newRow("truncated") << QByteArray("{\\rtf1 ") + QByteArray("x\\par ").repeated(200001) +
                                      '}'
                               << u"only its beginning is shown"_qs << u"x"_qs;
    // Past the size limit: not read at all.
    QTest::newRow("too large") << QByteArray("{\\rtf1 ") + QByteArray(33 * 1024 * 1024, 'y') + '}'
                               << u"more than a note can be"_qs << QString();
}

void TestStickyNotes::unreadableNotesAreLeftAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    f.writeNote(2, u"<p>previous tab</p>"_qs);
    f.writeBytes(u"Sticky3.rtf"_qs, content);
    f.open();
    f.trigger(u"menutab2"_qs);
    f.trigger(u"menutab3"_qs);
    QCOMPARE(f.messages().size(), 1);
    QVERIFY2(f.messages().first().contains(message), qPrintable(f.messages().first()));
    QVERIFY(f.messages().first().contains(u"Sticky3.rtf"_qs));
    QVERIFY(f.messages().first().contains(u"left as it is"_qs));
    QCOMPARE(f.text().split(u'\n').first(), shown);
    QVERIFY(f.editor()->isReadOnly());
    for (const char *disabled : {"menusavenow", "ToolSave", "ToolBold", "menufonts", "menupaste",
                                 "ToolPaste", "menudate", "ToolDate", "menucut"})
        QVERIFY2(!f.action(QLatin1String(disabled))->isEnabled(), disabled);
    QVERIFY(f.action(u"menucopy"_qs)->isEnabled());

    // Neither a tab change, Close nor quitting writes over it.
    f.trigger(u"menutab1"_qs);
    f.trigger(u"menutab3"_qs);
    f.window->close();
    f.window->suiteEnding();
    QVERIFY(f.bytes(3) == content);
    // The next note is editable again.
    f.trigger(u"menutab4"_qs);
    QVERIFY(!f.editor()->isReadOnly());
    QVERIFY(f.action(u"ToolBold"_qs)->isEnabled());
}

void TestStickyNotes::failedSaveKeepsTheNote()
{
    f.open();
    f.type(u"unsaved"_qs);
    f.blockSaving(1);
    f.trigger(u"menutab2"_qs);
    QCOMPARE(f.messages(), QStringList{failureMessage(508)});
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.text(), u"unsaved"_qs);

    f.trigger(u"ToolSave"_qs);
    QCOMPARE(f.messages().last(), failureMessage(506));
    f.window->show();
    f.trigger(u"menuclose"_qs);
    QCOMPARE(f.messages().mid(2), (QStringList{failureMessage(506), CloseUnsaved}));
    QVERIFY(f.window->isVisible());

    f.unblockSaving(1);
    f.trigger(u"menuclose"_qs);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.readNote(1), u"unsaved"_qs);
}

void TestStickyNotes::missingNotesFolder_data()
{
    QTest::addColumn<QString>("path");    // under the notes folder
    QTest::addColumn<QString>("blocker"); // made first: "file" or "read-only" folder
    QTest::addColumn<QString>("failing"); // the folder the message names; none: saved
    QTest::addColumn<int>("error");
    QTest::newRow("two levels below") << u"new/notes"_qs << QString() << QString() << 0;
    QTest::newRow("under a file") << u"file/notes"_qs << u"file"_qs << u"file/notes"_qs << ENOTDIR;
    QTest::newRow("under a read-only folder")
        << u"locked/new/notes"_qs << u"locked"_qs << u"locked/new"_qs << EACCES;
}

// Saving a note makes the folders its path lacks, for the user alone. A folder that cannot be
// made is named with the reason, the text stays, Close asks, and quitting keeps the text in a
// recovery file that the next open of the tab points out.
void TestStickyNotes::missingNotesFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, blocker);
    QFETCH(QString, failing);
    QFETCH(int, error);
    const QDir notes(f.notes->path());
    if (blocker == u"file") {
        f.writeBytes(blocker, "in the way");
    } else if (!blocker.isEmpty()) {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(notes.mkdir(blocker, QFile::ReadOwner | QFile::ExeOwner));
    }
    f.store().save(keys::Path, notes.filePath(path));
    f.open();
    f.type(u"typed"_qs);
    f.trigger(u"menutab2"_qs);
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const auto mode = [](const QString &p) {
        return QFile::permissions(p) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    };
    if (failing.isEmpty()) {
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.tabs()->currentIndex(), 1);
        QFile saved(notes.filePath(path + u"/Sticky1.rtf"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("typed"));
        QCOMPARE(mode(notes.filePath(u"new"_qs)), ownerOnly);
        QCOMPARE(mode(notes.filePath(path)), ownerOnly);
        return;
    }
    const QString named = QDir::toNativeSeparators(notes.filePath(failing));
    QCOMPARE(f.messages().size(), 1);
    QVERIFY2(f.messages().first().contains(named + u" could not be made (" +
                                           QString::fromLocal8Bit(std::strerror(error)) + u')'),
             qPrintable(f.messages().first()));
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.text(), u"typed"_qs);

    f.window->show();
    f.platform->messageBoxes.answers = {false};
    f.trigger(u"menuclose"_qs);
    QCOMPARE(f.messages().last(), CloseUnsaved);
    QVERIFY(f.window->isVisible());
    f.platform->messageBoxes.answers = {true};
    f.trigger(u"menuclose"_qs);
    QVERIFY(!f.window->isVisible());

    f.open();
    f.type(u"kept"_qs);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Sticky1.rtf.unsaved"_qs));
    f.window->suiteEnding();
    const QString unsaved = notes.filePath(u"Sticky1.rtf.unsaved"_qs);
    QCOMPARE(mode(unsaved), QFile::ReadOwner | QFile::WriteOwner);
    QTextDocument doc;
    QVERIFY(readRtfFile(unsaved, &doc).status == RtfReadResult::Status::Ok);
    QCOMPARE(doc.toPlainText(), u"kept"_qs);
    f.platform->messageBoxes.shown.clear();
    f.open();
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().contains(QDir::toNativeSeparators(unsaved)));
    f.trigger(u"menutab2"_qs);
    f.trigger(u"menutab1"_qs);
    QCOMPARE(f.messages().size(), 1);
}

void TestStickyNotes::quitSavesTheNote()
{
    f.open();
    f.window->show();
    f.type(u"typed before logout"_qs);
    f.window->suiteEnding();
    QCOMPARE(f.readNote(1), u"typed before logout"_qs);
    QVERIFY(f.messages().isEmpty());
    QVERIFY(!f.store().get(keys::NotesHeight).isEmpty());
    // A save that fails goes to standard error, not to a box nobody will read.
    f.type(u"!"_qs);
    QVERIFY(QFile::remove(f.path(1)));
    f.blockSaving(1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"not saved"_qs));
    f.window->suiteEnding();
    QVERIFY(f.messages().isEmpty());
}

void TestStickyNotes::geometry_data()
{
    QTest::addColumn<QStringList>("stored"); // Height, Width, Top, Left
    QTest::addColumn<QRect>("frame");        // pixels
    QTest::addColumn<QStringList>("closed");
    QTest::newRow("defaults") << QStringList{{}, {}, {}, {}} << QRect(100, 88, 507, 347)
                              << QStringList{u"5200"_qs, u"7600"_qs, u"1320"_qs, u"1500"_qs};
    QTest::newRow("stored") << QStringList{u"6000"_qs, u"9000"_qs, u"300"_qs, u"450"_qs}
                            << QRect(30, 20, 600, 400)
                            << QStringList{u"6000"_qs, u"9000"_qs, u"300"_qs, u"450"_qs};
    QTest::newRow("not numbers") << QStringList{u"tall"_qs, u"9000"_qs, u""_qs, u"x"_qs}
                                 << QRect(100, 88, 600, 347)
                                 << QStringList{u"5200"_qs, u"9000"_qs, u"1320"_qs, u"1500"_qs};
    QTest::newRow("off every screen")
        << QStringList{u"5200"_qs, u"7600"_qs, u"900000"_qs, u"-900000"_qs}
        << QRect(100, 88, 507, 347) << QStringList{u"5200"_qs, u"7600"_qs, u"1320"_qs, u"1500"_qs};
    // Smaller than the window can be: it opens at its least size.
    QTest::newRow("too small") << QStringList{u"1000"_qs, u"5000"_qs, u"1320"_qs, u"1500"_qs}
                               << QRect(100, 88, 440, 227)
                               << QStringList{u"3405"_qs, u"6600"_qs, u"1320"_qs, u"1500"_qs};
}

void TestStickyNotes::geometry()
{
    QFETCH(QStringList, stored);
    QFETCH(QRect, frame);
    QFETCH(QStringList, closed);
    const Key *keys[] = {&keys::NotesHeight, &keys::NotesWidth, &keys::NotesTop, &keys::NotesLeft};
    for (int i = 0; i < 4; ++i)
        f.store().save(*keys[i], stored[i]);
    // Open and close twice: the same numbers, no creep by the frame.
    for (int round = 0; round < 2; ++round) {
        f.open();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCoreApplication::processEvents();
        if (round == 0)
            QCOMPARE(f.window->frameGeometry(), frame);
        f.window->close();
        QStringList got;
        for (const Key *key : keys)
            got << f.store().get(*key);
        QCOMPARE(got, closed);
    }
}

void TestStickyNotes::closeMinimisedKeepsPlace()
{
    f.store().save(keys::NotesHeight, u"6000"_qs);
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        f.open();
        f.window->show();
        f.type(u"note"_qs);
        f.window->resize(700, 500);
        f.window->setWindowState(state);
        QVERIFY2(f.window->windowState() == state, qPrintable(QString::number(state)));
        f.window->close();
        QCOMPARE(f.readNote(1), u"note"_qs);
        QCOMPARE(f.store().get(keys::NotesHeight), u"6000"_qs);
        QVERIFY(f.store().get(keys::NotesWidth).isEmpty());
        QFile::remove(f.path(1));
    }
}

void TestStickyNotes::backColor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QColor>("base");
    QTest::newRow("red") << u"255"_qs << QColor(255, 0, 0);
    QTest::newRow("mixed") << u"1193046"_qs << QColor(0x56, 0x34, 0x12);
    QTest::newRow("no colour") << u"pink"_qs << QColor();
    QTest::newRow("too large") << u"16777216"_qs << QColor();
    QTest::newRow("negative") << u"-1"_qs << QColor();
}

void TestStickyNotes::backColor()
{
    QFETCH(QString, stored);
    QFETCH(QColor, base);
    f.open();
    const QColor design = f.editor()->palette().color(QPalette::Base);
    f.store().save(keys::BackColor, stored);
    f.open();
    QCOMPARE(f.editor()->palette().color(QPalette::Base), base.isValid() ? base : design);

    // Chosen in the colour dialog: stored the same way, back on the next open.
    f.platform->dialog.colorAnswer = QColor(0x12, 0x34, 0x56);
    f.trigger(u"ToolBackColor"_qs);
    QCOMPARE(f.store().get(keys::BackColor), u"5649426"_qs);
    f.platform->dialog.colorAnswer.reset();
    f.trigger(u"menucolorsback"_qs);
    QCOMPARE(f.store().get(keys::BackColor), u"5649426"_qs);
    f.open();
    QCOMPARE(f.editor()->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
}

void TestStickyNotes::datePanelAtMidnight()
{
    // Idle, nothing repeats: Timer1 sleeps towards midnight, an hour at most, then steps by
    // 250 ms through the clock's last second of the day.
    f.clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 0, 0)));
    f.open();
    auto *timer = f.control<QTimer>(u"Timer1"_qs);
    for (const QTimer *t : f.window->findChildren<QTimer *>())
        QVERIFY2(!t->isActive() || t->isSingleShot(), qPrintable(t->objectName()));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3599 * 1000);
    f.clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
    fire(timer);
    QCOMPARE(f.panel(6), u"  31-Dec-26  "_qs);
    QCOMPARE(timer->interval(), 250);
    f.clock.advance(1);
    fire(timer);
    QCOMPARE(f.panel(6), u"  01-Jan-27  "_qs);
    QCOMPARE(timer->interval(), 3600 * 1000);
    QVERIFY(timer->isActive() && timer->isSingleShot());
    // A clock set back is followed too.
    f.clock.set(QDateTime(QDate(2001, 12, 25), QTime(9, 0)));
    f.window->Timer1_Timer();
    QCOMPARE(f.panel(6), u"  25-Dec-01  "_qs);
}

void TestStickyNotes::keyIndicators()
{
    f.open();
    auto *num = f.control<QLabel>(u"Panels(3)"_qs);
    auto *caps = f.control<QLabel>(u"Panels(4)"_qs);
    auto *ins = f.control<QLabel>(u"Panels(5)"_qs);
    QCOMPARE(num->text() + caps->text() + ins->text(), u"NUMCAPSINS"_qs);
    QVERIFY(!num->isEnabled() && !caps->isEnabled() && !ins->isEnabled());
    // The desktop says a lock light changed.
    f.platform->keys.caps = true;
    emit f.platform->keys.changed();
    QVERIFY(caps->isEnabled() && !num->isEnabled());
    QCOMPARE(caps->frameShadow(), QFrame::Raised);
    QCOMPARE(num->frameShadow(), QFrame::Sunken);
    // A key released in the window is looked at too.
    f.platform->keys.num = true;
    QTest::keyRelease(f.editor(), Qt::Key_NumLock);
    QVERIFY(num->isEnabled());
    // Insert switches the editor to overwriting, and the panel follows at once.
    f.type(u"abc"_qs);
    f.editor()->moveCursor(QTextCursor::Start);
    QTest::keyClick(f.editor(), Qt::Key_Insert);
    QVERIFY(ins->isEnabled());
    f.type(u"X"_qs);
    QCOMPARE(f.text(), u"Xbc"_qs);
    QTest::keyClick(f.editor(), Qt::Key_Insert);
    QVERIFY(!ins->isEnabled());

    // Where the desktop does not say, the keys are looked at every 250 ms while the window is
    // active, and not at all otherwise.
    f.platform->keys.reports = false;
    f.open();
    auto *poll = f.control<QTimer>(u"keyPoll"_qs);
    QVERIFY(!poll->isActive());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(f.window.get(), &activate);
    QVERIFY(poll->isActive() && !poll->isSingleShot());
    QCOMPARE(poll->interval(), 250);
    f.platform->keys.caps = false;
    fire(poll);
    QVERIFY(!f.control<QLabel>(u"Panels(4)"_qs)->isEnabled());
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(f.window.get(), &deactivate);
    QVERIFY(!poll->isActive());
}

QTEST_MAIN(TestStickyNotes)
