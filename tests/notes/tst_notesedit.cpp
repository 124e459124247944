// The sticky notes window's commands on a note: formatting, clipboard, find, print and the
// date stamp. Part of tst_stickynotes.

#include "common/failure.h"
#include "common/helpcontext.h"
#include "notes/stickynotesfind.h"
#include "notewindowfixture.h"
#include "platform/helpdocument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

using namespace nookery;
using namespace nookery::test;

namespace {

QString pdfText(const QString &pdf, const QString &tool = u"pdftotext"_qs)
{
    QProcess p;
    p.start(tool, tool == u"pdftotext" ? QStringList{pdf, u"-"_qs} : QStringList{pdf});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

stickynotesfind *TestStickyNotes::openFind(const QString &word)
{
    f.trigger(u"menufind"_qs);
    auto *dialog = f.window->findChild<stickynotesfind *>(u"stickynotesfind"_qs);
    if (dialog)
        dialog->findChild<QLineEdit *>(u"Text1"_qs)->setText(word);
    return dialog;
}

void TestStickyNotes::toolbarState_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("commands"); // tool bar keys, blank-separated
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("pressed"); // B I U, L C R, * for bullet
    QTest::addColumn<QString>("panels");  // font and size
    const auto row = [](const char *name, const char *html, int from, int to, const char *commands,
                        const char *typed, const char *shown, const char *pressed,
                        const char *panels = "Times New Roman|12") {
        QTest::newRow(name) << QString::fromUtf8(html) << from << to
                            << QString::fromLatin1(commands) << QString::fromUtf8(typed)
                            << QString::fromUtf8(shown) << QString::fromUtf8(pressed)
                            << QString::fromUtf8(panels);
    };
    const char *twoWords = "<p>one two</p>";
    row("bold", twoWords, 4, 7, "ToolBold", "", "one [b]two", "BL");
    row("italic", twoWords, 4, 7, "ToolItalic", "", "one [i]two", "IL");
    row("underline", twoWords, 4, 7, "ToolUnderline", "", "one [u]two", "UL");
    row("bold twice", twoWords, 4, 7, "ToolBold ToolBold", "", "one two", "L");
    row("italic twice", twoWords, 4, 7, "ToolItalic ToolItalic", "", "one two", "L");
    row("underline twice", twoWords, 4, 7, "ToolUnderline ToolUnderline", "", "one two", "L");
    // With no selection the word at the caret keeps its format; what is typed takes it.
    row("typed after italic", "<p>ab</p>", 2, 2, "ToolItalic", "cd", "ab[i]cd", "IL");

    const char *aligned = "<p>left</p><p align=justify>justified</p>";
    row("justified presses none", aligned, 6, 6, "", "", "left\njustify: justified", "");
    row("center", aligned, 0, 8, "ToolCenter", "", "center: left\ncenter: justified", "C");
    row("right", aligned, 0, 8, "ToolCenter ToolRight", "", "right: left\nright: justified", "R");
    row("left", aligned, 0, 8, "ToolRight ToolLeft", "", "left\njustified", "L");

    // Bullets on a mixed selection: on for all, the button released. Off removes the list.
    const char *listed = "<ul><li>one</li></ul><p>two</p>";
    row("in a list", listed, 0, 0, "", "", "* one\ntwo", "L*");
    row("list and not", listed, 0, 7, "", "", "* one\ntwo", "L");
    row("bullets on mixed", listed, 0, 7, "ToolBullet", "", "* one\n* two", "L");
    row("bullets off", listed, 0, 7, "ToolBullet ToolBullet", "", "one\ntwo", "L");
    row("bullets on", listed, 0, 7, "ToolBullet ToolBullet ToolBullet", "", "* one\n* two", "L*");

    const char *fonts = "<p>plain<span style='font-family:Arial;font-size:20pt'>big</span></p>";
    row("only Arial", fonts, 6, 8, "", "", "plain[Arial 20pt]big", "L", "Arial|20");
    row("two fonts", fonts, 2, 8, "", "", "plain[Arial 20pt]big", "L", "|");
}

void TestStickyNotes::toolbarState()
{
    QFETCH(QString, html);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, commands);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, pressed);
    QFETCH(QString, panels);
    f.writeNote(1, html);
    f.open();
    f.select(from, to);
    for (const QString &command : commands.split(u' ', Qt::SkipEmptyParts))
        f.trigger(command);
    f.type(typed);
    QCOMPARE(f.shown(), shown);
    const QStringList buttons{u"ToolBold"_qs,  u"ToolItalic"_qs, u"ToolUnderline"_qs,
                              u"ToolLeft"_qs,  u"ToolCenter"_qs, u"ToolRight"_qs,
                              u"ToolBullet"_qs};
    QString got;
    for (int i = 0; i < buttons.size(); ++i) {
        if (f.action(buttons[i])->isChecked())
            got += u"BIULCR*"_qs[i];
    }
    QCOMPARE(got, pressed);
    QCOMPARE(f.panel(1) + u'|' + f.panel(2), panels);
    QCOMPARE(f.editor()->document()->isModified(), !commands.isEmpty());
}

void TestStickyNotes::mixedSelectionLeavesButton()
{
    f.writeNote(1, u"<p><b>bold</b>plain</p>"_qs);
    f.open();
    QAction *bold = f.action(u"ToolBold"_qs);
    for (bool pressed : {true, false}) {
        bold->setChecked(pressed);
        f.select(0, 9);
        QCOMPARE(bold->isChecked(), pressed);
    }
    // Pressing it on a mixed selection makes all of it plain.
    f.trigger(u"ToolBold"_qs);
    QCOMPARE(f.shown(), u"boldplain"_qs);
    QVERIFY(!bold->isChecked());
    f.select(0, 2);
    f.trigger(u"ToolBold"_qs);
    QVERIFY(bold->isChecked());
    f.select(0, 9);
    QVERIFY(bold->isChecked());
}

void TestStickyNotes::fontsAndColours()
{
    f.writeNote(1, u"<p>one two</p>"_qs);
    f.open();
    f.select(0, 3);
    QFont chosen(u"Courier New"_qs, 18);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    f.platform->dialog.fontAnswer = chosen;
    f.trigger(u"ToolFonts"_qs);
    QCOMPARE(f.shown(), u"[Courier New 18pt]one[] two"_qs);
    QCOMPARE(f.panel(1), u"Courier New"_qs);
    QCOMPARE(f.panel(2), u"18"_qs);
    f.select(4, 7);
    f.trigger(u"menufonts"_qs);
    QCOMPARE(f.shown(), u"[Courier New 18pt]one[] [Courier New 18pt]two"_qs);
    f.platform->dialog.colorAnswer = QColor(Qt::red);
    f.trigger(u"ToolForeColor"_qs);
    f.select(0, 3);
    f.platform->dialog.colorAnswer = QColor(Qt::blue);
    f.trigger(u"menucolorsfore"_qs);
    QCOMPARE(f.shown(), u"[Courier New 18pt fg#0000ff]one[] [Courier New 18pt fg#ff0000]two"_qs);
    // Kept by the note's file only, not by the store.
    f.trigger(u"menusavenow"_qs);
    QCOMPARE(f.readNote(1), f.shown());
    QVERIFY(f.store().get(keys::BackColor).isEmpty());
}

void TestStickyNotes::cancelledDialogsChangeNothing()
{
    f.writeNote(1, u"<p>one</p>"_qs);
    f.open();
    f.select(0, 3);
    const QColor base = f.editor()->palette().color(QPalette::Base);
    for (const char *command : {"ToolFonts", "menufonts", "ToolForeColor", "menucolorsfore",
                                "ToolBackColor", "menucolorsback"})
        f.trigger(QLatin1String(command));
    QCOMPARE(f.platform->dialog.calls.size(), 6);
    QCOMPARE(f.shown(), u"one"_qs);
    QVERIFY(!f.editor()->document()->isModified());
    QCOMPARE(f.editor()->palette().color(QPalette::Base), base);
    QVERIFY(f.store().get(keys::BackColor).isEmpty());
}

void TestStickyNotes::clipboardIsPlainText()
{
    f.writeNote(1, u"<p><b>bold</b> <i>it</i></p>"_qs);
    f.open();
    f.window->Form_Activate();
    // Copying or cutting nothing keeps what the clipboard held.
    QGuiApplication::clipboard()->setText(u"kept"_qs);
    f.trigger(u"ToolCopy"_qs);
    f.trigger(u"menucut"_qs);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"kept"_qs);
    f.select(0, 4);
    f.trigger(u"menucopy"_qs);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"bold"_qs);
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
    // Cut, then Paste: plain text in the formatting at the caret.
    f.trigger(u"ToolCut"_qs);
    QCOMPARE(f.shown(), u" [i]it"_qs);
    f.editor()->moveCursor(QTextCursor::End);
    f.trigger(u"ToolPaste"_qs);
    QCOMPARE(f.shown(), u" [i]itbold"_qs);
    // Several lines come as several paragraphs.
    QGuiApplication::clipboard()->setText(u"x\ny"_qs);
    f.trigger(u"menupaste"_qs);
    QCOMPARE(f.text(), u" itboldx\ny"_qs);
    // The tab strip holds no text: nothing happens there.
    f.tabs()->setFocus();
    f.select(0, 3);
    f.trigger(u"menucut"_qs);
    QCOMPARE(f.text(), u" itboldx\ny"_qs);
}

// The editor's own keys keep the formatting, unlike the menu entries, and the help says so.
void TestStickyNotes::editorKeysKeepFormatting()
{
    f.writeNote(1, u"<p><b>bold</b> plain</p>"_qs);
    f.open();
    f.select(0, 4);
    QTest::keyClick(f.editor(), Qt::Key_C, Qt::ControlModifier);
    f.editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(f.editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.shown(), u"[b]bold[] plain[b]bold"_qs);
    const HelpTopic *topic = HelpDocument::load().topic(helpcontext::StickyNotes);
    QVERIFY(topic->text.contains(u"Ctrl+X, Ctrl+C and Ctrl+V, which the note handles itself, "
                                 "keep the formatting"_qs));
}

void TestStickyNotes::richPasteKeepsWhatTheFileKeeps()
{
    f.open();
    auto *mime = new QMimeData;
    mime->setHtml(u"<p><b>bold</b> <span style='font-variant:small-caps; letter-spacing:4px'>"
                  "caps</span><img src='data:image/png;base64,iVBORw0KGgo='/></p>"
                  "<table><tr><td>cell</td></tr></table>"_qs);
    mime->setText(u"bold caps cell"_qs);
    QGuiApplication::clipboard()->setMimeData(mime);
    f.editor()->paste();
    QCOMPARE(f.shown(), u"[b]bold[] caps\ncell\n"_qs);
    // Saved and opened again, the note reads the same.
    f.trigger(u"menusavenow"_qs);
    QCOMPARE(f.readNote(1), f.shown());
}

void TestStickyNotes::oversizedPasteIsRefused()
{
    f.open();
    f.window->Form_Activate();
    QGuiApplication::clipboard()->setText(QString(200000, u'\n'));
    f.trigger(u"menupaste"_qs);
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().contains(u"not pasted"_qs));
    QCOMPARE(f.text(), QString());
    // Just within: taken.
    QGuiApplication::clipboard()->setText(QString(199999, u'\n'));
    f.editor()->paste();
    QCOMPARE(f.editor()->document()->blockCount(), 200000);
    QCOMPARE(f.messages().size(), 1);
}

void TestStickyNotes::roundTrip()
{
    f.open();
    const auto line = [&](const QString &text, const QList<const char *> &commands) {
        const int start = f.editor()->textCursor().position();
        f.editor()->insertPlainText(text);
        f.select(start, f.editor()->textCursor().position());
        for (const char *command : commands)
            f.trigger(QLatin1String(command));
        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClick(f.editor(), Qt::Key_Return);
    };
    f.platform->dialog.fontAnswer = QFont(u"Courier New"_qs, 15);
    f.platform->dialog.colorAnswer = QColor(0x12, 0x80, 0xfe);
    line(u"Bold Grüße"_qs, {"ToolBold"});
    line(u"italic\tcafé Жук 日本 😀"_qs, {"ToolItalic", "ToolCenter"});
    line(u"underlined {braces} \\"_qs, {"ToolUnderline", "ToolRight"});
    line(u"bullet one"_qs, {"ToolBullet"});
    line(u"font and colour"_qs, {"ToolFonts", "ToolForeColor", "ToolLeft"});
    f.type(u"end"_qs);
    const QString made = f.shown();
    // Formats carry on to what is typed next, and Return carries the bullet on.
    QCOMPARE(made, u"[b]Bold Grüße\n"
                   "center: [b i]italic\tcafé Жук 日本 😀\n"
                   "right: [b i u]underlined {braces} \\\n"
                   "right: * [b i u]bullet one\n"
                   "* [Courier New 15pt b i u fg#1280fe]font and colour\n"
                   "* [Courier New 15pt b i u fg#1280fe]end"_qs);
    f.trigger(u"ToolSave"_qs);
    const QByteArray saved = f.bytes(1);

    f.open();
    QCOMPARE(f.shown(), made);
    f.trigger(u"menusavenow"_qs);
    QCOMPARE(f.bytes(1), saved);
}

void TestStickyNotes::find_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("selFrom");
    QTest::addColumn<int>("selTo");
    QTest::addColumn<int>("found"); // -1: not found
    QTest::newRow("case ignored") << u"Cat catalog cat"_qs << u"cat"_qs << 0 << 0 << 0;
    QTest::newRow("whole words") << u"catalog cat"_qs << u"CAT"_qs << 0 << 0 << 8;
    QTest::newRow("as text") << u"axb a.b"_qs << u"a.b"_qs << 0 << 0 << 4;
    QTest::newRow("not a pattern") << u"axb"_qs << u"a.b"_qs << 0 << 0 << -1;
    QTest::newRow("in the selection") << u"cat dog cat"_qs << u"cat"_qs << 2 << 11 << 8;
    QTest::newRow("not past it") << u"cat dog cat"_qs << u"cat"_qs << 2 << 10 << -1;
    QTest::newRow("empty word") << u"cat"_qs << QString() << 0 << 0 << -1;
}

void TestStickyNotes::find()
{
    QFETCH(QString, note);
    QFETCH(QString, word);
    QFETCH(int, selFrom);
    QFETCH(int, selTo);
    QFETCH(int, found);
    f.writeNote(1, u"<p>" + note + u"</p>");
    f.open();
    f.select(selFrom, selTo);
    stickynotesfind *dialog = openFind(word);
    QVERIFY(dialog);
    dialog->butfind1_Click();
    if (found < 0) {
        QCOMPARE(f.messages(), QStringList{u"Word not found."_qs});
        QCOMPARE(f.platform->messageBoxes.shown.first().title, u"Nookery 7.0"_qs);
        QCOMPARE(f.window->lblgetpos, u"1"_qs);
    } else {
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.window->lblgetpos, QString::number(found));
        QCOMPARE(f.editor()->textCursor().selectionStart(), found);
        QCOMPARE(f.editor()->textCursor().selectedText().toLower(), word.toLower());
    }
    dialog->close();
}

void TestStickyNotes::findNextAndAgain()
{
    f.writeNote(1, u"<p>Cat catalog cat</p>"_qs);
    f.writeNote(2, u"<p>cat</p>"_qs);
    f.open();
    stickynotesfind *dialog = openFind(u"cat"_qs);
    auto *find1 = dialog->findChild<QPushButton *>(u"butfind1"_qs);
    auto *find2 = dialog->findChild<QPushButton *>(u"butfind2"_qs);
    QVERIFY(!find1->isHidden() && find1->isDefault() && find2->isHidden());
    dialog->butfind1_Click();
    QCOMPARE(f.window->lblgetpos, u"0"_qs);
    QVERIFY(find1->isHidden() && !find1->isDefault() && !find2->isHidden() && find2->isDefault());
    dialog->butfind2_Click();
    QCOMPARE(f.window->lblgetpos, u"12"_qs);
    QCOMPARE(f.editor()->textCursor().selectionStart(), 12);
    dialog->butfind2_Click();
    QCOMPARE(f.messages(), QStringList{u"Word not found."_qs});
    QCOMPARE(f.window->lblgetpos, u"1"_qs);
    QVERIFY(!find1->isHidden() && find1->isDefault() && find2->isHidden());

    // Found, then closed: the position is forgotten, the next search starts with Find.
    dialog->butfind1_Click();
    dialog->findChild<QPushButton *>(u"butclose"_qs)->click();
    QCOMPARE(f.window->lblgetpos, u"1"_qs);
    QTest::qWait(0);
    QVERIFY(!f.window->findChild<stickynotesfind *>());
    dialog = openFind(u"cat"_qs);
    dialog->butfind1_Click();
    f.trigger(u"ToolCancel"_qs); // harmless while the dialog is up modally
    dialog->reject();
    f.trigger(u"menutab2"_qs);
    QCOMPARE(f.window->lblgetpos, u"1"_qs);
    dialog = openFind(u"cat"_qs);
    QVERIFY(!dialog->findChild<QPushButton *>(u"butfind1"_qs)->isHidden());
    dialog->butfind1_Click();
    QCOMPARE(f.window->lblgetpos, u"0"_qs);
    dialog->reject();
}

// Find searches within a selection only when the user made it: the match Find selected does
// not narrow the next search, and after "Word not found." the next Find starts at the top.
void TestStickyNotes::findNarrowsOnlyToTheUsersSelection()
{
    // 0 hello, 6 Cat, 10 catalog, 18 cat, 22 world
    f.writeNote(1, u"<p>hello Cat catalog cat world</p>"_qs);
    f.open();
    const auto find = [&](const QString &word) {
        stickynotesfind *dialog = openFind(word);
        dialog->butfind1_Click();
        return dialog;
    };
    stickynotesfind *dialog = find(u"world"_qs);
    QCOMPARE(f.window->lblgetpos, u"22"_qs);
    dialog->findChild<QPushButton *>(u"butclose"_qs)->click();
    dialog = find(u"hello"_qs);
    QCOMPARE(f.window->lblgetpos, u"0"_qs);
    dialog->reject();

    dialog = find(u"cat"_qs);
    QCOMPARE(f.window->lblgetpos, u"6"_qs);
    dialog->butfind2_Click();
    QCOMPARE(f.window->lblgetpos, u"18"_qs);
    dialog->butfind2_Click();
    QCOMPARE(f.messages(), QStringList{u"Word not found."_qs});
    dialog->butfind1_Click();
    QCOMPARE(f.window->lblgetpos, u"6"_qs);
    dialog->reject();

    // The user's own selection narrows the search, once.
    f.select(10, 23);
    dialog = find(u"cat"_qs);
    QCOMPARE(f.window->lblgetpos, u"18"_qs);
    dialog->reject();
    f.select(0, 5);
    dialog = find(u"cat"_qs);
    QCOMPARE(f.messages().size(), 2);
    dialog->butfind1_Click();
    QCOMPARE(f.window->lblgetpos, u"6"_qs);
    dialog->reject();
}

void TestStickyNotes::findDialog()
{
    f.open();
    f.window->move(120, 90);
    stickynotesfind *dialog = openFind(u"a very long word that goes on and on"_qs);
    QCOMPARE(dialog->pos(), f.window->pos());
    QVERIFY(dialog->isModal());
    auto *text1 = dialog->findChild<QLineEdit *>(u"Text1"_qs);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    text1->clearFocus();
    text1->setFocus(Qt::TabFocusReason);
    QCOMPARE(text1->selectedText(), u"a very long word that goe"_qs);
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(f.suite.calls, QStringList{u"help 265"_qs});
    dialog->reject();
}

void TestStickyNotes::stampReplacesSelectionInOneStep()
{
    f.store().save(keys::ShortDate, u"yes"_qs);
    f.store().save(keys::CalendarFormat, u"dd/mm"_qs);
    f.clock.set(QDateTime(QDate(2001, 12, 25), QTime(21, 5)));
    f.writeNote(1, u"<p>on DATE here</p>"_qs);
    f.open();
    f.select(3, 7);
    f.trigger(u"ToolDate"_qs);
    QCOMPARE(f.text(), u"on 25/12/01  09:05 PM here"_qs);
    f.editor()->undo();
    QCOMPARE(f.text(), u"on DATE here"_qs);
    f.editor()->moveCursor(QTextCursor::End);
    f.trigger(u"menudate"_qs);
    QCOMPARE(f.text(), u"on DATE here25/12/01  09:05 PM"_qs);
    // No style chosen: nothing.
    f.store().save(keys::ShortDate, u"no"_qs);
    f.store().save(keys::LongDate, u"no"_qs);
    f.trigger(u"menudate"_qs);
    QCOMPARE(f.text(), u"on DATE here25/12/01  09:05 PM"_qs);
    QVERIFY(f.messages().isEmpty());
}

void TestStickyNotes::print()
{
    if (QStandardPaths::findExecutable(u"pdfinfo"_qs).isEmpty())
        QSKIP("poppler-utils is not installed");
    QString html = u"<p><b>Boldface</b> opening</p>"_qs;
    for (int i = 0; i < 120; ++i)
        html += u"<p>line " + QString::number(i) + u"</p>";
    html += u"<p>closing</p>";
    f.writeNote(1, html);
    f.open();
    const QString pdf = f.notes->filePath(u"note.pdf"_qs);
    f.platform->printerList.pdfPath = pdf;
    // Cancelled: nothing printed.
    f.trigger(u"ToolPrint"_qs);
    QCOMPARE(f.platform->dialog.calls, QStringList{u"printer"_qs});
    QVERIFY(!QFile::exists(pdf));
    f.platform->dialog.printerAnswer = true;
    f.trigger(u"ToolPrint"_qs);
    QCOMPARE(f.platform->dialog.printerFlags,
             CommonDialog::PrintNoPageNums | CommonDialog::PrintNoSelection);
    QVERIFY(pdfText(pdf, u"pdfinfo"_qs).contains(QRegularExpression(u"Pages:\\s+3\\n"_qs)));
    const QString all = pdfText(pdf);
    QVERIFY(all.contains(u"Boldface opening"_qs) && all.contains(u"line 77"_qs) &&
            all.contains(u"closing"_qs));
    QVERIFY(pdfText(pdf, u"pdffonts"_qs).contains(QRegularExpression(u"Bold"_qs)));
    // The note's text only: no page number at the foot of a page.
    const QRegularExpression pageNumber(u"^\\s*\\d+\\s*$"_qs, QRegularExpression::MultilineOption);
    QVERIFY2(!pageNumber.match(all).hasMatch(), qPrintable(pageNumber.match(all).captured()));

    // With a selection, the dialog offers and chooses it, and only it is printed.
    f.select(9, 16);
    f.trigger(u"menuprint"_qs);
    QCOMPARE(f.platform->dialog.printerFlags,
             CommonDialog::PrintNoPageNums | CommonDialog::PrintSelection);
    const QString part = pdfText(pdf);
    QVERIFY(part.contains(u"opening"_qs));
    QVERIFY(!part.contains(u"Boldface"_qs) && !part.contains(u"line"_qs));
    QVERIFY(f.messages().isEmpty());

    // A job that cannot be written says so.
    f.platform->printerList.pdfPath = f.notes->filePath(u"no/such/folder/note.pdf"_qs);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u".*"_qs));
    f.trigger(u"menuprint"_qs);
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages().first().startsWith(u"The note could not be printed."_qs));
    QVERIFY(f.messages().first().contains(u"note.pdf"_qs));
}
