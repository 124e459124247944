#include "upgrade/rtfnotefiles.h"

#include "common/failure.h"
#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"

#include <QDir>
#include <QTextDocument>

namespace nookery {

NoteFiles::Content RtfNoteFiles::read(const QString &path)
{
    QTextDocument document;
    const RtfReadResult result = readRtfFile(path, &document);
    Content content;
    switch (result.status) {
    case RtfReadResult::Status::Missing:
        content.state = Content::State::Missing;
        break;
    case RtfReadResult::Status::Error:
        content.state = Content::State::Unreadable;
        content.error = result.error;
        break;
    case RtfReadResult::Status::Ok:
        // A note cut short by a limit is not the whole note: treat it as unknown text.
        content.state = result.truncated ? Content::State::Unreadable : Content::State::Text;
        content.text = document.toPlainText();
        break;
    }
    return content;
}

void RtfNoteFiles::writePlain(const QString &path, const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    QTextDocument document;
    document.setPlainText(plain);
    const RtfWriteResult result = writeRtfFile(path, document);
    if (!result.ok)
        throw IoError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), result.error));
}

} // namespace nookery
