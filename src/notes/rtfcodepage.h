#pragma once

#include <QByteArrayView>
#include <QString>

namespace nookery {

// Windows code page numbers as RTF uses them. Symbol fonts have no real code page; Windows
// calls theirs 42, and so do we.
constexpr int CodePageSymbol = 42;
constexpr int CodePage1252 = 1252;

// The code page of a font's \fcharsetN, or 0 when the charset says "use the document's".
int codePageForCharset(int charset);

// Appends the text of `bytes` in code page `cp` to `out`. Unknown code pages read as 1252;
// control characters are dropped, so they never reach the document.
void appendDecoded(QString &out, QByteArrayView bytes, int cp);

} // namespace nookery
