// The sticky notes window's commands on the note's content: formatting, the clipboard, find,
// print and the date stamp.

#include "common/clock.h"
#include "common/suite.h"
#include "notes/datestamp.h"
#include "notes/noteedit.h"
#include "notes/noteformat.h"
#include "notes/stickynotes.h"
#include "notes/stickynotesfind.h"
#include "platform/platform.h"
#include "platform/trap.h"
#include "settings/settingsstore.h"
#include "windowkit/toolbar.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QToolBar>

#include <memory>

namespace nookery {

namespace {

// The font dialog offers screen and printer fonts.
constexpr int ScreenAndPrinterFonts = 3;

QString pointSizeText(qreal size)
{
    return size > 0 ? QString::number(size) : QString();
}

} // namespace

void stickynotes::RichTextBox1_SelChange()
{
    const SelectionFormat f =
        selectionFormat(RichTextBox1->textCursor(), RichTextBox1->document()->defaultFont());
    setPanel(1, f.family);
    setPanel(2, pointSizeText(f.pointSize));
    // A mixed attribute leaves its button as it was.
    const auto press = [this](QStringView key, Tri state) {
        if (state != Tri::Mixed)
            Toolbar2->button(key)->setChecked(state == Tri::On);
    };
    press(u"ToolBold", f.bold);
    press(u"ToolItalic", f.italic);
    press(u"ToolUnderline", f.underline);
    // Justified or mixed paragraphs press none of the three.
    Toolbar2->button(u"ToolLeft")->setChecked(f.align == ParagraphAlign::Left);
    Toolbar2->button(u"ToolCenter")->setChecked(f.align == ParagraphAlign::Center);
    Toolbar2->button(u"ToolRight")->setChecked(f.align == ParagraphAlign::Right);
    Toolbar2->button(u"ToolBullet")->setChecked(f.bullet == Tri::On);
}

void stickynotes::toggleCharacter(QAction *pressed, CharAttribute which)
{
    const SelectionFormat f =
        selectionFormat(RichTextBox1->textCursor(), RichTextBox1->document()->defaultFont());
    const Tri state = which == Bold ? f.bold : which == Italic ? f.italic : f.underline;
    const bool on = state == Tri::Off;
    QTextCharFormat change;
    if (which == Bold)
        change.setFontWeight(on ? QFont::Bold : QFont::Normal);
    else if (which == Italic)
        change.setFontItalic(on);
    else
        change.setFontUnderline(on);
    // With no selection this is the format of what is typed next.
    RichTextBox1->mergeCurrentCharFormat(change);
    pressed->setChecked(on);
}

void stickynotes::alignParagraphs(ParagraphAlign align)
{
    setParagraphAlign(RichTextBox1->textCursor(), align);
    Toolbar2->button(u"ToolLeft")->setChecked(align == ParagraphAlign::Left);
    Toolbar2->button(u"ToolCenter")->setChecked(align == ParagraphAlign::Center);
    Toolbar2->button(u"ToolRight")->setChecked(align == ParagraphAlign::Right);
}

void stickynotes::toggleBullets()
{
    const QTextCursor cursor = RichTextBox1->textCursor();
    const Tri state = selectionFormat(cursor, RichTextBox1->document()->defaultFont()).bullet;
    setBullets(cursor, state != Tri::On);
    Toolbar2->button(u"ToolBullet")->setChecked(state == Tri::Off);
}

void stickynotes::menufonts_Click()
{
    trap(m_platform.messages(), 505, [&] {
        const QPointer<stickynotes> alive(this);
        const std::optional<QFont> font =
            m_platform.dialogs().ShowFont(RichTextBox1->currentFont(), ScreenAndPrinterFonts);
        // Cancelled, or the suite ended while the dialog was up.
        if (!alive || !font)
            return;
        QTextCharFormat change;
        change.setFontFamilies(QStringList{font->family()});
        if (font->pointSizeF() > 0)
            change.setFontPointSize(font->pointSizeF());
        RichTextBox1->mergeCurrentCharFormat(change);
        const SelectionFormat f =
            selectionFormat(RichTextBox1->textCursor(), RichTextBox1->document()->defaultFont());
        setPanel(1, f.family);
        setPanel(2, pointSizeText(f.pointSize));
    });
}

void stickynotes::menucolorsfore_Click()
{
    trap(m_platform.messages(), 505, [&] {
        const QPointer<stickynotes> alive(this);
        const QBrush current = RichTextBox1->currentCharFormat().foreground();
        const QColor initial = current.style() == Qt::NoBrush ? QColor(Qt::black) : current.color();
        const std::optional<QColor> color = m_platform.dialogs().ShowColor(initial);
        if (!alive || !color)
            return;
        QTextCharFormat change;
        change.setForeground(*color);
        RichTextBox1->mergeCurrentCharFormat(change);
    });
}

void stickynotes::menucolorsback_Click()
{
    trap(m_platform.messages(), 505, [&] {
        const QPointer<stickynotes> alive(this);
        const QColor initial = RichTextBox1->palette().color(QPalette::Base);
        const std::optional<QColor> color = m_platform.dialogs().ShowColor(initial);
        if (!alive || !color)
            return;
        QPalette palette = RichTextBox1->palette();
        palette.setColor(QPalette::Base, *color);
        RichTextBox1->setPalette(palette);
        // Red in the low byte, as the older versions stored it.
        const int value = color->red() | color->green() << 8 | color->blue() << 16;
        m_store.save(keys::BackColor, QString::number(value));
    });
}

// ---- clipboard: plain text, on whichever control has the focus ---------------------------

void stickynotes::menucopy_Click()
{
    QString text;
    QWidget *target = focusWidget();
    if (auto *edit = qobject_cast<QTextEdit *>(target)) {
        const QTextCursor cursor = edit->textCursor();
        // Copying nothing would only wipe what the clipboard held.
        if (!cursor.hasSelection())
            return;
        text = cursor.selection().toPlainText();
    } else if (auto *line = qobject_cast<QLineEdit *>(target)) {
        if (!line->hasSelectedText())
            return;
        text = line->selectedText();
    } else {
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void stickynotes::menucut_Click()
{
    QWidget *target = focusWidget();
    if (auto *edit = qobject_cast<QTextEdit *>(target)) {
        if (edit->isReadOnly() || !edit->textCursor().hasSelection())
            return;
        menucopy_Click();
        QTextCursor cursor = edit->textCursor();
        cursor.removeSelectedText();
        edit->setTextCursor(cursor);
    } else if (auto *line = qobject_cast<QLineEdit *>(target)) {
        if (line->isReadOnly() || !line->hasSelectedText())
            return;
        menucopy_Click();
        line->del();
    }
}

void stickynotes::menupaste_Click()
{
    const QString text = QGuiApplication::clipboard()->text();
    // Pasting nothing over a selection would only delete it.
    if (text.isEmpty())
        return;
    QWidget *target = focusWidget();
    if (target == RichTextBox1) {
        if (RichTextBox1->isReadOnly())
            return;
        if (!RichTextBox1->fits(text)) {
            refusePaste();
            return;
        }
        // The pasted text takes the format at the caret.
        QTextCursor cursor = RichTextBox1->textCursor();
        cursor.insertText(text);
        RichTextBox1->setTextCursor(cursor);
    } else if (auto *line = qobject_cast<QLineEdit *>(target)) {
        if (!line->isReadOnly())
            line->insert(text);
    }
}

void stickynotes::refusePaste()
{
    noteMessage(QStringLiteral("The text was not pasted: the note would grow past what a note "
                               "can hold (8,388,608 characters in 200,000 paragraphs)."));
}

// ---- find, print, stamp ------------------------------------------------------------------

namespace {

// The note, or its selection when the printer's range says so, on pages of the printer's size
// with a 2 cm margin. A document with a page size of its own is printed as it is laid out, so
// no page number is added at the foot: only the note's text is printed.
void printNote(const QTextEdit &note, QPrinter &printer)
{
    std::unique_ptr<QTextDocument> doc;
    if (printer.printRange() == QPrinter::Selection) {
        doc = std::make_unique<QTextDocument>();
        doc->setDefaultFont(note.document()->defaultFont());
        QTextCursor(doc.get()).insertFragment(note.textCursor().selection());
    } else {
        doc.reset(note.document()->clone());
    }
    // Where the printer has no margins of its own, a sliver keeps the edge clear.
    if (!printer.fullPage() && printer.pageLayout().margins().isNull())
        printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    doc->documentLayout()->setPaintDevice(&printer);
    // Frame margins count in pixels at 96 dpi; the layout scales them to the printer.
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * 96);
    doc->rootFrame()->setFrameFormat(frame);
    doc->setPageSize(QSizeF(printer.width(), printer.height()));
    doc->print(&printer);
}

} // namespace

void stickynotes::menufind_Click()
{
    auto *find = new stickynotesfind(RichTextBox1, lblgetpos, m_findSelection,
                                     m_platform.messages(), m_suite, this);
    m_find = find;
    find->move(pos());
    // Modal without a nested event loop.
    find->open();
}

void stickynotes::menuprint_Click()
{
    std::unique_ptr<QPrinter> printer = m_platform.printers().defaultPrinter();
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const bool selected = RichTextBox1->textCursor().hasSelection();
    printer->setPrintRange(selected ? QPrinter::Selection : QPrinter::AllPages);
    const int flags = CommonDialog::PrintNoPageNums |
                      (selected ? CommonDialog::PrintSelection : CommonDialog::PrintNoSelection);
    const QPointer<stickynotes> alive(this);
    if (!m_platform.dialogs().ShowPrinter(*printer, flags) || !alive)
        return;
    printNote(*RichTextBox1, *printer);
    if (printer->printerState() != QPrinter::Error)
        return;
    const QString why =
        printer->outputFileName().isEmpty()
            ? QStringLiteral("The printer %1 reported an error.").arg(printer->printerName())
            : QStringLiteral("The file %1 could not be written.")
                  .arg(QDir::toNativeSeparators(printer->outputFileName()));
    noteMessage(QStringLiteral("The note could not be printed.\n\n") + why);
}

void stickynotes::menudate_Click()
{
    trap(m_platform.messages(), 507, [&] {
        if (m_noteReadOnly)
            return;
        const StampStyle style{m_store.isYes(keys::ShortDate), m_store.isYes(keys::MediumDate),
                               m_store.isYes(keys::LongDate), m_store.get(keys::CalendarFormat)};
        const std::optional<QString> stamp = dateStamp(style, m_clock.now());
        if (!stamp)
            return;
        // One step to undo, selection and all.
        QTextCursor cursor = RichTextBox1->textCursor();
        cursor.beginEditBlock();
        cursor.insertText(*stamp);
        cursor.endEditBlock();
        RichTextBox1->setTextCursor(cursor);
    });
}

} // namespace nookery
