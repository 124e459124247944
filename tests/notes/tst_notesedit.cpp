// The sticky notes window's commands on a note: formatting, clipboard, find, print and the
// date stamp.

#include "common/failure.h"
#include "notes/stickynotesfind.h"
#include "notewindowfixture.h"
#include "support/windows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolBar>

using namespace nookery;
using namespace nookery::test;

class TestNotesEdit : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f.reset();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup()
    {
        f.window.reset();
        NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS();
    }

    void toggles_data();
    void toggles();
    void mixedToggleLeavesButton();
    void typingTakesTheToggledFormat();
    void alignment();
    void bullets();
    void panelsFollowTheSelection();
    void fontsAndColours();
    void cancelledDialogsChangeNothing();
    void clipboardIsPlainText();
    void richPasteKeepsWhatTheFileKeeps();
    void oversizedPasteIsRefused();
    void roundTrip();
    void find_data();
    void find();
    void findNextAndAgain();
    void findDialog();
    void stampReplacesSelectionInOneStep();
    void print();

private:
    QAction *button(const char *key) const { return f.action(QLatin1String(key)); }
    stickynotesfind *openFind(const QString &word)
    {
        f.trigger(u"menufind"_qs);
        auto *dialog = f.window->findChild<stickynotesfind *>(u"stickynotesfind"_qs);
        if (dialog)
            dialog->findChild<QLineEdit *>(u"Text1"_qs)->setText(word);
        return dialog;
    }
    static QString pdfText(const QString &pdf, const QString &tool = u"pdftotext"_qs)
    {
        QProcess p;
        p.start(tool, tool == u"pdftotext" ? QStringList{pdf, u"-"_qs} : QStringList{pdf});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    NoteWindowFixture f;
};

void TestNotesEdit::toggles_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("attr");
    QTest::newRow("bold") << u"ToolBold"_qs << u"b"_qs;
    QTest::newRow("italic") << u"ToolItalic"_qs << u"i"_qs;
    QTest::newRow("underline") << u"ToolUnderline"_qs << u"u"_qs;
}

void TestNotesEdit::toggles()
{
    QFETCH(QString, key);
    QFETCH(QString, attr);
    f.writeNote(1, u"<p>one two</p>"_qs);
    f.open();
    f.select(4, 7);
    f.trigger(key);
    QCOMPARE(f.shown(), u"one [" + attr + u"]two");
    QVERIFY(f.action(key)->isChecked());
    f.trigger(key);
    QCOMPARE(f.shown(), u"one two"_qs);
    QVERIFY(!f.action(key)->isChecked());
    QVERIFY(f.editor()->document()->isModified());
}

void TestNotesEdit::mixedToggleLeavesButton()
{
    f.writeNote(1, u"<p><b>bold</b>plain</p>"_qs);
    f.open();
    for (bool pressed : {true, false}) {
        button("ToolBold")->setChecked(pressed);
        f.select(0, 9);
        QCOMPARE(button("ToolBold")->isChecked(), pressed);
    }
    // Pressing it on a mixed selection makes all of it plain.
    f.trigger(u"ToolBold"_qs);
    QCOMPARE(f.shown(), u"boldplain"_qs);
    QVERIFY(!button("ToolBold")->isChecked());
    f.select(0, 2);
    f.trigger(u"ToolBold"_qs);
    QVERIFY(button("ToolBold")->isChecked());
    f.select(0, 9);
    QVERIFY(button("ToolBold")->isChecked());
}

void TestNotesEdit::typingTakesTheToggledFormat()
{
    f.writeNote(1, u"<p>ab</p>"_qs);
    f.open();
    f.editor()->moveCursor(QTextCursor::End);
    f.trigger(u"ToolItalic"_qs);
    QCOMPARE(f.shown(), u"ab"_qs); // the word at the caret keeps its format
    f.type(u"cd"_qs);
    QCOMPARE(f.shown(), u"ab[i]cd"_qs);
}

void TestNotesEdit::alignment()
{
    f.writeNote(1, u"<p>left</p><p align=justify>justified</p>"_qs);
    f.open();
    QVERIFY(button("ToolLeft")->isChecked());
    f.select(6, 6);
    QVERIFY(!button("ToolLeft")->isChecked() && !button("ToolCenter")->isChecked() &&
            !button("ToolRight")->isChecked());
    f.select(0, 8);
    QVERIFY(!button("ToolLeft")->isChecked());
    f.trigger(u"ToolCenter"_qs);
    QCOMPARE(f.shown(), u"center: left\ncenter: justified"_qs);
    QVERIFY(button("ToolCenter")->isChecked() && !button("ToolLeft")->isChecked());
    f.trigger(u"ToolRight"_qs);
    QVERIFY(button("ToolRight")->isChecked() && !button("ToolCenter")->isChecked());
    f.trigger(u"ToolLeft"_qs);
    QCOMPARE(f.shown(), u"left\njustified"_qs);
    QVERIFY(button("ToolLeft")->isChecked() && !button("ToolRight")->isChecked());
}

void TestNotesEdit::bullets()
{
    f.writeNote(1, u"<ul><li>one</li></ul><p>two</p>"_qs);
    f.open();
    QVERIFY(button("ToolBullet")->isChecked());
    f.select(0, 7);
    QVERIFY(!button("ToolBullet")->isChecked());
    // Mixed: bullets for all, button released.
    f.trigger(u"ToolBullet"_qs);
    QCOMPARE(f.shown(), u"* one\n* two"_qs);
    QVERIFY(!button("ToolBullet")->isChecked());
    f.trigger(u"ToolBullet"_qs);
    QCOMPARE(f.shown(), u"one\ntwo"_qs);
    QVERIFY(!button("ToolBullet")->isChecked());
    f.trigger(u"ToolBullet"_qs);
    QVERIFY(button("ToolBullet")->isChecked());
}

void TestNotesEdit::panelsFollowTheSelection()
{
    f.writeNote(1, u"<p>plain<span style='font-family:Arial;font-size:20pt'>big</span></p>"_qs);
    f.open();
    QCOMPARE(f.panel(1), u"Times New Roman"_qs);
    QCOMPARE(f.panel(2), u"12"_qs);
    f.select(6, 8);
    QCOMPARE(f.panel(1), u"Arial"_qs);
    QCOMPARE(f.panel(2), u"20"_qs);
    f.select(2, 8);
    QCOMPARE(f.panel(1), QString());
    QCOMPARE(f.panel(2), QString());
}

void TestNotesEdit::fontsAndColours()
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

void TestNotesEdit::cancelledDialogsChangeNothing()
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

void TestNotesEdit::clipboardIsPlainText()
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

void TestNotesEdit::richPasteKeepsWhatTheFileKeeps()
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

void TestNotesEdit::oversizedPasteIsRefused()
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

void TestNotesEdit::roundTrip()
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

void TestNotesEdit::find_data()
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

void TestNotesEdit::find()
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

void TestNotesEdit::findNextAndAgain()
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

void TestNotesEdit::findDialog()
{
    f.open();
    f.window->move(120, 90);
    stickynotesfind *dialog = openFind(u"a very long word that goes on and on"_qs);
    QCOMPARE(dialog->windowTitle(), u"Find"_qs);
    QCOMPARE(dialog->pos(), f.window->pos());
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->findChild<QLabel *>(u"Label1"_qs)->text(), u"Find Whole Word:"_qs);
    QCOMPARE(dialog->findChild<QPushButton *>(u"butfind2"_qs)->text(), u"&Find Next"_qs);
    auto *text1 = dialog->findChild<QLineEdit *>(u"Text1"_qs);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    text1->clearFocus();
    text1->setFocus(Qt::TabFocusReason);
    QCOMPARE(text1->selectedText(), u"a very long word that goe"_qs);
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(f.suite.calls, QStringList{u"help 265"_qs});
    dialog->reject();
}

void TestNotesEdit::stampReplacesSelectionInOneStep()
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

void TestNotesEdit::print()
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

QTEST_MAIN(TestNotesEdit)
#include "tst_notesedit.moc"
