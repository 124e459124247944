#pragma once

#include <QFont>
#include <QString>

class QTextCursor;

namespace nookery {

// An attribute over a selection: one value throughout, or mixed.
enum class Tri { Off, On, Mixed };

enum class ParagraphAlign { Left, Right, Center, Justify, Mixed };

// The formatting of a selection as the tool bar and status bar show it. Character
// attributes are read over the selection's fragments (with no selection, the format at the
// caret, which is what the next typed text takes); alignment and bullets over the
// paragraphs the selection touches.
struct SelectionFormat
{
    QString family;      // empty when mixed
    qreal pointSize = 0; // 0 when mixed
    Tri bold = Tri::Off;
    Tri italic = Tri::Off;
    Tri underline = Tri::Off;
    ParagraphAlign align = ParagraphAlign::Left;
    Tri bullet = Tri::Off;

    bool operator==(const SelectionFormat &) const = default;
};

// `defaultFont` stands in where a fragment leaves the font unset (the note's design font).
SelectionFormat selectionFormat(const QTextCursor &cursor, const QFont &defaultFont);

// Bullets on puts every paragraph the selection touches into one new list; off takes them
// out of their lists, indent and all.
void setBullets(const QTextCursor &cursor, bool on);

// The alignment of every paragraph the selection touches.
void setParagraphAlign(const QTextCursor &cursor, ParagraphAlign align);

} // namespace nookery
