#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace nookery {

// The note as RTF: fonts, sizes, bold, italic, underline, strike-through, text and highlight
// colours, alignment and bullets. Text outside Windows-1252 is written as \uN with a "?"
// fallback. The same document always gives the same bytes.
[[nodiscard]] QByteArray writeRtf(const QTextDocument &document);

struct RtfWriteResult
{
    bool ok = true;
    QString error;
    qsizetype bytes = 0; // what was written
};

// Writes the note through a temporary file beside it ("Sticky1.rtf.tmp") that replaces `path`
// only once it is complete and on disk, so a failed save or a crash leaves the old note in
// place. A new file is readable by the user only; a replaced one keeps its mode.
[[nodiscard]] RtfWriteResult writeRtfFile(const QString &path, const QTextDocument &document);

} // namespace nookery
