#pragma once

// One line per paragraph, attributes in brackets before each run, so a test can state a
// whole document in a string: "center: [b]bold[]plain", "* [i fg#ff0000]item".
// Family and size are shown only where they differ from the document's default font.

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace nookery::test {

inline QString dumpFormat(const QTextCharFormat &f, const QFont &base)
{
    QStringList attrs;
    const QString family = f.fontFamilies().toStringList().value(0);
    if (!family.isEmpty() && family != base.family())
        attrs << family;
    const qreal size = f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
    if (size != base.pointSizeF())
        attrs << QString::number(size) + u"pt";
    if (f.fontWeight() >= QFont::DemiBold)
        attrs << QStringLiteral("b");
    if (f.fontItalic())
        attrs << QStringLiteral("i");
    if (f.fontUnderline())
        attrs << QStringLiteral("u");
    if (f.fontStrikeOut())
        attrs << QStringLiteral("s");
    if (f.foreground().style() != Qt::NoBrush)
        attrs << u"fg" + f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        attrs << u"bg" + f.background().color().name();
    return attrs.join(u' ');
}

inline QString dump(const QTextDocument &doc)
{
    QStringList lines;
    const QFont base = doc.defaultFont();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line;
        const Qt::Alignment a =
            block.blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
        if (a == Qt::AlignRight)
            line += u"right: ";
        else if (a == Qt::AlignHCenter)
            line += u"center: ";
        else if (a == Qt::AlignJustify)
            line += u"justify: ";
        if (const QTextList *list = block.textList())
            line += QString(std::max(1, list->format().indent()), u'*') + u' ';
        // An empty line shows the font it will be typed in.
        if (block.length() <= 1) {
            const QString attrs = dumpFormat(block.charFormat(), base);
            if (!attrs.isEmpty())
                line += u'[' + attrs + u']';
        }
        QString previous;
        bool firstRun = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString attrs = dumpFormat(fragment.charFormat(), base);
            // Adjacent fragments with equal shown attributes read as one run.
            if (firstRun ? !attrs.isEmpty() : attrs != previous)
                line += u'[' + attrs + u']';
            line += fragment.text();
            previous = attrs;
            firstRun = false;
        }
        lines << line;
    }
    return lines.join(u'\n');
}

// The font the note window uses by default.
inline QFont noteFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    return font;
}

} // namespace nookery::test
