#include "notes/noteedit.h"

#include "notes/rtfmodel.h"
#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace nookery {

NoteEdit::NoteEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

bool NoteEdit::fits(const QString &text) const
{
    const RtfLimits limits;
    const QTextCursor cursor = textCursor();
    const qsizetype removed = cursor.selectionEnd() - cursor.selectionStart();
    const qsizetype chars = document()->characterCount() - removed + text.size();
    const qsizetype paragraphs =
        document()->blockCount() + text.count(u'\n') + text.count(QChar::ParagraphSeparator);
    return chars <= limits.maxChars && paragraphs <= limits.maxParagraphs;
}

void NoteEdit::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    emit focusEntered();
}

void NoteEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
        emit overwriteToggled();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void NoteEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || isReadOnly())
        return;
    if (source->hasHtml()) {
        // Whatever the source held, the note keeps what its file can: through the codec.
        QTextDocument scratch;
        scratch.setDefaultFont(document()->defaultFont());
        QTextCursor(&scratch).insertFragment(QTextDocumentFragment::fromHtml(source->html()));
        QTextDocument kept;
        kept.setDefaultFont(document()->defaultFont());
        // Our own writer's bytes always read; were they not to, the plain paste stands in.
        const bool through = readRtf(writeRtf(scratch), &kept).ok();
        const QTextDocumentFragment fragment(through ? &kept : &scratch);
        if (!fits(fragment.toPlainText())) {
            emit pasteRefused();
            return;
        }
        QTextCursor cursor = textCursor();
        cursor.insertFragment(fragment);
        setTextCursor(cursor);
    } else if (source->hasText()) {
        const QString text = source->text();
        if (!fits(text)) {
            emit pasteRefused();
            return;
        }
        QTextCursor cursor = textCursor();
        cursor.insertText(text);
        setTextCursor(cursor);
    } else {
        return;
    }
    ensureCursorVisible();
}

} // namespace nookery
