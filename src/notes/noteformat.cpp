#include "notes/noteformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <functional>
#include <optional>

namespace nookery {

namespace {

ParagraphAlign alignOf(const QTextBlock &block)
{
    const Qt::Alignment h = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignRight)
        return ParagraphAlign::Right;
    if (h & Qt::AlignHCenter)
        return ParagraphAlign::Center;
    if (h & Qt::AlignJustify)
        return ParagraphAlign::Justify;
    return ParagraphAlign::Left;
}

// Folds values into one, or into "mixed" once two differ.
template <typename T> struct Fold
{
    std::optional<T> value;
    bool mixed = false;
    void add(const T &v)
    {
        if (!value)
            value = v;
        else if (*value != v)
            mixed = true;
    }
};

Tri tri(const Fold<bool> &f)
{
    if (f.mixed)
        return Tri::Mixed;
    return f.value.value_or(false) ? Tri::On : Tri::Off;
}

void forEachBlock(const QTextCursor &cursor, const std::function<void(const QTextBlock &)> &f)
{
    const QTextDocument *doc = cursor.document();
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    for (QTextBlock b = doc->findBlock(cursor.selectionStart()); b.isValid(); b = b.next()) {
        f(b);
        if (b == last)
            break;
    }
}

} // namespace

SelectionFormat selectionFormat(const QTextCursor &cursor, const QFont &defaultFont)
{
    Fold<QString> family;
    Fold<qreal> size;
    Fold<bool> bold, italic, underline;
    const auto add = [&](const QTextCharFormat &f) {
        const QStringList families = f.fontFamilies().toStringList();
        family.add(families.isEmpty() ? defaultFont.family() : families.first());
        size.add(f.fontPointSize() > 0 ? f.fontPointSize() : defaultFont.pointSizeF());
        bold.add(f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold
                                                        : defaultFont.bold());
        italic.add(f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : defaultFont.italic());
        underline.add(f.fontUnderline());
    };

    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    if (cursor.hasSelection()) {
        forEachBlock(cursor, [&](const QTextBlock &block) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.position() < end && fragment.position() + fragment.length() > start)
                    add(fragment.charFormat());
            }
        });
    }
    // A selection of nothing but paragraph ends has no fragment: its caret format speaks.
    if (!family.value)
        add(cursor.charFormat());

    Fold<ParagraphAlign> align;
    Fold<bool> bullet;
    forEachBlock(cursor, [&](const QTextBlock &block) {
        align.add(alignOf(block));
        bullet.add(block.textList() != nullptr);
    });

    SelectionFormat out;
    if (!family.mixed)
        out.family = *family.value;
    if (!size.mixed)
        out.pointSize = *size.value;
    out.bold = tri(bold);
    out.italic = tri(italic);
    out.underline = tri(underline);
    out.align = align.mixed ? ParagraphAlign::Mixed : align.value.value_or(ParagraphAlign::Left);
    out.bullet = tri(bullet);
    return out;
}

void setBullets(const QTextCursor &cursor, bool on)
{
    QTextCursor edit(cursor);
    edit.beginEditBlock();
    if (on) {
        QTextListFormat list;
        list.setStyle(QTextListFormat::ListDisc);
        list.setIndent(1);
        edit.createList(list);
    } else {
        forEachBlock(cursor, [&](const QTextBlock &block) {
            if (QTextList *list = block.textList())
                list->remove(block);
            QTextCursor at(block);
            QTextBlockFormat flat;
            flat.setIndent(0);
            at.mergeBlockFormat(flat);
        });
    }
    edit.endEditBlock();
}

void setParagraphAlign(const QTextCursor &cursor, ParagraphAlign align)
{
    Qt::Alignment a = Qt::AlignLeft | Qt::AlignAbsolute;
    if (align == ParagraphAlign::Right)
        a = Qt::AlignRight;
    else if (align == ParagraphAlign::Center)
        a = Qt::AlignHCenter;
    else if (align == ParagraphAlign::Justify)
        a = Qt::AlignJustify;
    QTextBlockFormat format;
    format.setAlignment(a);
    QTextCursor edit(cursor);
    edit.mergeBlockFormat(format);
}

} // namespace nookery
