#include "notes/rtfwriter.h"

#include "notes/rtfmodel.h"

#include "common/failure.h"
#include "common/recordfile.h"
#include "common/text1252.h"

#include <QFileInfo>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <array>

namespace nookery {

namespace {

constexpr int BulletFont = 1;

// Windows-1252 bytes 0x80..0x9F stand for these characters; 0xA0..0xFF are Latin-1.
const QHash<char16_t, uchar> &upper1252()
{
    static const QHash<char16_t, uchar> map = [] {
        QHash<char16_t, uchar> m;
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(static_cast<char>(b));
        const QString text = fromWindows1252(bytes);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c >= 0x100)
                m.insert(c, static_cast<uchar>(0x80 + i));
        }
        return m;
    }();
    return map;
}

void appendHex(QByteArray &out, uchar b)
{
    static const char digits[] = "0123456789abcdef";
    out.append("\\'");
    out.append(digits[b >> 4]);
    out.append(digits[b & 0xF]);
}

// Font names take no control symbols: a reader builds them from text, \'hh and \u only.
void appendEscaped(QByteArray &out, QStringView text, bool fontName = false)
{
    const auto &upper = upper1252();
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\');
            out.append(static_cast<char>(c));
        } else if (c >= 0x20 && c < 0x7F) {
            out.append(static_cast<char>(c));
        } else if (fontName && (c == u'\t' || c == 0x2028)) {
            continue;
        } else if (c == u'\t') {
            out.append("\\tab ");
        } else if (c == 0x2028) {
            out.append("\\line ");
        } else if (c == 0xA0 && !fontName) {
            out.append("\\~");
        } else if (c == 0xAD && !fontName) {
            out.append("\\-");
        } else if (c == 0x2011 && !fontName) {
            out.append("\\_");
        } else if (isNeverInNote(c)) {
            continue;
        } else if (c >= 0xA0 && c <= 0xFF) {
            appendHex(out, static_cast<uchar>(c));
        } else if (const auto it = upper.constFind(c); it != upper.constEnd()) {
            appendHex(out, *it);
        } else {
            // One \u per UTF-16 unit, as a signed 16-bit number; "?" for readers without it.
            out.append("\\u");
            out.append(QByteArray::number(static_cast<qint16>(c)));
            out.append('?');
        }
    }
}

// The name as it will stand in the font table, which is also how a reader will see it.
QString tableName(QString family)
{
    family.removeIf([](QChar c) {
        return c == u';' || c == u'\t' || c == QChar(0x2028) || isNeverInNote(c.unicode());
    });
    family = family.trimmed();
    family.truncate(MaxFontName);
    return family.trimmed();
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document);
    QByteArray write();

private:
    int fontIndex(const QString &name);
    int tableIndex(const QString &family);
    int colorIndex(QRgb rgb);
    void writeBlock(const QTextBlock &block);
    void writeFormat(const QTextCharFormat &format);

    const QTextDocument &m_document;
    QStringList m_fonts;                // as written in the table
    QHash<QString, int> m_fontIndex;    // by the name as written
    QHash<QString, int> m_rawFontIndex; // by the name in the document
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;
    int m_defaultHalfPoints = 24;
    QByteArray m_body;
    bool m_hasLists = false;
};

Writer::Writer(const QTextDocument &document) : m_document(document)
{
    QString family = tableName(document.defaultFont().family());
    if (family.isEmpty())
        family = QStringLiteral("Times New Roman");
    // \f0 is the note's default font, \f1 the Symbol font of the bullets; the Symbol font
    // a user picks for text gets an entry of its own, so its letters stay letters.
    m_fonts = {family, QStringLiteral("Symbol")};
    m_fontIndex.insert(family, 0);
    const qreal points = document.defaultFont().pointSizeF();
    if (points > 0)
        m_defaultHalfPoints = std::clamp(qRound(points * 2), 2, 2000);
}

int Writer::fontIndex(const QString &name)
{
    const auto raw = m_rawFontIndex.constFind(name);
    if (raw != m_rawFontIndex.constEnd())
        return *raw;
    const int index = tableIndex(tableName(name));
    m_rawFontIndex.insert(name, index);
    return index;
}

int Writer::tableIndex(const QString &family)
{
    if (family.isEmpty())
        return 0;
    const auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.constEnd())
        return *it;
    const int index = static_cast<int>(m_fonts.size());
    m_fonts.append(family);
    m_fontIndex.insert(family, index);
    return index;
}

int Writer::colorIndex(QRgb rgb)
{
    rgb = qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    const auto it = m_colorIndex.constFind(rgb);
    if (it != m_colorIndex.constEnd())
        return *it;
    m_colors.append(rgb);
    const int index = static_cast<int>(m_colors.size()); // 0 is the automatic colour
    m_colorIndex.insert(rgb, index);
    return index;
}

void Writer::writeFormat(const QTextCharFormat &format)
{
    const QString family = format.fontFamilies().toStringList().value(0);
    int halfPoints = m_defaultHalfPoints;
    if (format.fontPointSize() > 0)
        halfPoints = std::clamp(qRound(format.fontPointSize() * 2), 2, 2000);

    m_body.append("\\f");
    m_body.append(QByteArray::number(fontIndex(family)));
    m_body.append("\\fs");
    m_body.append(QByteArray::number(halfPoints));
    if (format.fontWeight() >= QFont::DemiBold)
        m_body.append("\\b");
    if (format.fontItalic())
        m_body.append("\\i");
    if (format.fontUnderline() || format.underlineStyle() != QTextCharFormat::NoUnderline)
        m_body.append("\\ul");
    if (format.fontStrikeOut())
        m_body.append("\\strike");
    if (format.foreground().style() != Qt::NoBrush) {
        m_body.append("\\cf");
        m_body.append(QByteArray::number(colorIndex(format.foreground().color().rgb())));
    }
    if (format.background().style() != Qt::NoBrush) {
        m_body.append("\\highlight");
        m_body.append(QByteArray::number(colorIndex(format.background().color().rgb())));
    }
}

void Writer::writeBlock(const QTextBlock &block)
{
    m_body.append("\\pard");
    if (const QTextList *list = block.textList()) {
        const int level = std::clamp(list->format().indent() - 1, 0, 8);
        // \pn for RichEdit-era readers, \ls with its level for Word and LibreOffice.
        m_body.append(
            "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent360{\\pntxtb\\'b7}}"
            "\\ls1\\ilvl");
        m_body.append(QByteArray::number(level));
        m_body.append("\\fi-360\\li");
        m_body.append(QByteArray::number(720 * (level + 1)));
        m_hasLists = true;
    }
    const Qt::Alignment align =
        block.blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    if (align == Qt::AlignRight)
        m_body.append("\\qr");
    else if (align == Qt::AlignHCenter)
        m_body.append("\\qc");
    else if (align == Qt::AlignJustify)
        m_body.append("\\qj");
    else
        m_body.append("\\ql");
    // One group per run with its whole format, so nothing leaks from one run into the next.
    // Fragments that would be written alike share a group: the file then reads back to the
    // same runs, and writes the same bytes again.
    QByteArray text;
    QByteArray open;
    bool wroteRun = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        text.clear();
        appendEscaped(text, fragment.text());
        if (text.isEmpty())
            continue;
        const qsizetype start = m_body.size();
        writeFormat(fragment.charFormat());
        const QByteArray controls = m_body.sliced(start);
        m_body.truncate(start);
        if (!wroteRun || controls != open) {
            if (wroteRun)
                m_body.append('}');
            m_body.append('{');
            m_body.append(controls);
            m_body.append(' ');
            open = controls;
            wroteRun = true;
        }
        m_body.append(text);
    }
    if (wroteRun)
        m_body.append('}');
    if (!wroteRun) {
        // An empty line has no run; its font goes with its \par, so it keeps its height.
        m_body.append('{');
        writeFormat(block.charFormat());
        m_body.append("\\par}\r\n");
    } else {
        m_body.append("\\par\r\n");
    }
}

QByteArray Writer::write()
{
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);

    QByteArray out;
    out.reserve(m_body.size() + 512);
    out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\r\n{\\fonttbl");
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        out.append("{\\f");
        out.append(QByteArray::number(i));
        out.append(i == BulletFont ? "\\fnil\\fcharset2 " : "\\fnil\\fcharset0 ");
        QString name = m_fonts.at(i);
        name.remove(u';');
        appendEscaped(out, name, true);
        out.append(";}");
    }
    out.append("}\r\n{\\colortbl ;");
    for (QRgb rgb : std::as_const(m_colors)) {
        out.append("\\red" + QByteArray::number(qRed(rgb)));
        out.append("\\green" + QByteArray::number(qGreen(rgb)));
        out.append("\\blue" + QByteArray::number(qBlue(rgb)));
        out.append(';');
    }
    out.append("}\r\n");
    if (m_hasLists) {
        // One bulleted list with nine levels; every bullet paragraph belongs to it.
        out.append("{\\*\\listtable{\\list\\listtemplateid1\\listhybrid");
        for (int level = 0; level < 9; ++level) {
            out.append("{\\listlevel\\levelnfc23\\leveljc0\\levelfollow0\\levelstartat1"
                       "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\f1\\fi-360\\li");
            out.append(QByteArray::number(720 * (level + 1)));
            out.append('}');
        }
        out.append("\\listid1}}\r\n{\\*\\listoverridetable{\\listoverride\\listid1"
                   "\\listoverridecount0\\ls1}}\r\n");
    }
    out.append("{\\*\\generator Nookery 7.0;}\\viewkind4\\uc1\r\n");
    out.append(m_body);
    out.append("}\r\n");
    return out;
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    return Writer(document).write();
}

RtfWriteResult writeRtfFile(const QString &path, const QTextDocument &document)
{
    RtfWriteResult result;
    const QByteArray bytes = writeRtf(document);
    result.bytes = bytes.size();
    // A note that is a link is saved where the link points, and the link stays.
    const QFileInfo info(path);
    try {
        replaceFileAtomically(info.isSymLink() ? info.symLinkTarget() : path, bytes);
    } catch (const IoError &e) {
        result.ok = false;
        result.error = QString::fromStdString(e.what());
    }
    return result;
}

} // namespace nookery
