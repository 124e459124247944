#pragma once

#include <QList>
#include <QString>
#include <QtGui/qrgb.h>

#include <vector>

namespace nookery {

// Bounds that keep a hostile or broken file from hanging the window or eating the memory.
// Reading stops at a bound and keeps what came before it.
// The longest font name a note keeps, read or written; longer names are cut.
inline constexpr qsizetype MaxFontName = 255;

// Characters that never reach a note as text: controls, the object placeholder, the paragraph
// separator (which Qt would turn into a block of its own) and the two characters Qt uses to
// mark frames. The reader drops them and the writer never writes them.
inline constexpr bool isNeverInNote(char16_t c)
{
    return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F) || c == 0xFFFC || c == 0x2029 ||
           c == 0xFDD0 || c == 0xFDD1;
}

struct RtfLimits
{
    qsizetype maxBytes = 32 * 1024 * 1024; // larger files are refused, not read
    qsizetype maxChars = 8 * 1024 * 1024;
    int maxParagraphs = 200000;
    int maxRuns = 500000; // each run becomes a fragment of the document
    int maxDepth = 1024;  // deeper groups are only counted
    int maxFonts = 4096;
    int maxColors = 4096;
};

// Character formatting of one run, already resolved against the font and colour tables.
struct RtfCharFormat
{
    QString family; // empty: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hasForeground = false;
    bool hasBackground = false;
    QRgb foreground = 0;
    QRgb background = 0;

    bool operator==(const RtfCharFormat &) const = default;
};

struct RtfRun
{
    RtfCharFormat format;
    QString text;
};

enum class RtfAlign : quint8 { Left, Right, Center, Justify };

struct RtfParagraph
{
    RtfAlign align = RtfAlign::Left;
    bool bullet = false;
    int level = 0; // 0..8, for bullets only
    QList<RtfRun> runs;
    RtfCharFormat endFormat; // in force at the paragraph's end; sizes an empty line
};

// What the parser makes of the bytes, before any QTextDocument is involved.
struct RtfModel
{
    std::vector<RtfParagraph> paragraphs;
    qsizetype chars = 0;
    bool truncated = false; // a limit stopped the reading
};

// Parses RTF bytes that start with "{\rtf" (an optional UTF-8 byte-order mark before it is
// skipped). Never fails: whatever can be read is returned.
RtfModel parseRtf(QByteArrayView data, const RtfLimits &limits = {});

// True if the bytes start with "{\rtf", after an optional UTF-8 byte-order mark.
bool looksLikeRtf(QByteArrayView data);

} // namespace nookery
