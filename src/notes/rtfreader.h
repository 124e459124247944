#pragma once

#include "notes/rtfmodel.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace nookery {

struct RtfReadResult
{
    enum class Status {
        Ok,      // the document holds the note
        Missing, // there is no such file; the document was cleared, the caller decides
        Error,   // the file could not be read; the document was left as it was
    };

    Status status = Status::Ok;
    QString error;          // why, when status is Error
    bool plainText = false; // the bytes were not RTF and were loaded as plain text
    bool truncated = false; // a limit stopped the reading; the rest of the note is not shown

    bool ok() const { return status != Status::Error; }
};

// Replaces the content of `document` with the note in `data`. Bytes that do not start with
// "{\rtf" (after an optional byte-order mark) are loaded whole as plain text; no bytes at all
// give an empty note.
[[nodiscard]] RtfReadResult readRtf(const QByteArray &data, QTextDocument *document,
                                    const RtfLimits &limits = {});

// As readRtf, from a file. A missing file reports Status::Missing; a file that exists but
// cannot be read, or is too large to be a note, reports Status::Error.
[[nodiscard]] RtfReadResult readRtfFile(const QString &path, QTextDocument *document);

// Fills `document` from an already parsed model (used by readRtf and by the tools).
void buildDocument(const RtfModel &model, QTextDocument *document);

} // namespace nookery
