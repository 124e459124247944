#include "notes/rtfreader.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "common/text1252.h"

#include <array>

namespace nookery {

size_t qHash(const RtfCharFormat &f, size_t seed = 0)
{
    return qHashMulti(seed, f.family, f.halfPoints, f.bold, f.italic, f.underline, f.strike,
                      f.hasForeground, f.hasBackground, f.foreground, f.background);
}

namespace {

// Cocoa writers name fonts by their PostScript names (ArialMT, Arial-BoldMT), which no
// font database here knows; the family name is what the user picked.
QString familyFor(const QString &name, QHash<QString, QString> &cache)
{
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QString family = name;
    // Strip until nothing more comes off, so that a name read twice maps the same.
    while (!family.contains(u' ') &&
           qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
           !QFontDatabase::hasFamily(family)) {
        QString stripped = family;
        for (QStringView suffix : {u"PSMT", u"MT"}) {
            if (stripped.endsWith(suffix) && stripped.size() > suffix.size()) {
                stripped.chop(suffix.size());
                break;
            }
        }
        const qsizetype dash = stripped.lastIndexOf(u'-');
        if (dash > 0) {
            const QStringView style = QStringView(stripped).sliced(dash + 1);
            for (QStringView known : {u"Bold", u"Italic", u"BoldItalic", u"Regular", u"Roman",
                                      u"Oblique", u"BoldOblique", u"Light", u"Medium"}) {
                if (style == known) {
                    stripped.truncate(dash);
                    break;
                }
            }
        }
        if (stripped.isEmpty() || stripped == family)
            break;
        family = stripped;
    }
    cache.insert(name, family);
    return family;
}

QTextCharFormat toQt(const RtfCharFormat &f, QHash<QString, QString> &families)
{
    QTextCharFormat c;
    if (!f.family.isEmpty())
        c.setFontFamilies(QStringList{familyFor(f.family, families)});
    c.setFontPointSize(f.halfPoints / 2.0);
    if (f.bold)
        c.setFontWeight(QFont::Bold);
    if (f.italic)
        c.setFontItalic(true);
    if (f.underline)
        c.setFontUnderline(true);
    if (f.strike)
        c.setFontStrikeOut(true);
    if (f.hasForeground)
        c.setForeground(QColor::fromRgb(f.foreground));
    if (f.hasBackground)
        c.setBackground(QColor::fromRgb(f.background));
    return c;
}

Qt::Alignment toQt(RtfAlign align)
{
    switch (align) {
    case RtfAlign::Right:
        return Qt::AlignRight;
    case RtfAlign::Center:
        return Qt::AlignHCenter;
    case RtfAlign::Justify:
        return Qt::AlignJustify;
    case RtfAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

void loadPlainText(QByteArrayView data, QTextDocument *document, const RtfLimits &limits,
                   RtfReadResult *result)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    // Old notes were written in the Windows code page, not UTF-8.
    if (utf8.hasError())
        text = fromWindows1252(data.toByteArray());
    if (text.size() > limits.maxChars) {
        text.truncate(limits.maxChars);
        result->truncated = true;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t' && u != u'\n') || (u >= 0x7F && u <= 0x9F) || u == 0xFDD0 ||
               u == 0xFDD1;
    });
    document->setPlainText(text);
    document->setModified(false);
    result->plainText = true;
}

} // namespace

void buildDocument(const RtfModel &model, QTextDocument *document)
{
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QHash<QString, QString> families;
    // Handing Qt the same format objects again spares it hashing each one anew.
    QHash<RtfCharFormat, QTextCharFormat> formats;
    const auto qtFormat = [&](const RtfCharFormat &f) -> const QTextCharFormat & {
        auto it = formats.find(f);
        if (it == formats.end())
            it = formats.insert(f, toQt(f, families));
        return *it;
    };
    std::array<QTextBlockFormat, 4> blockFormats;
    for (size_t i = 0; i < blockFormats.size(); ++i)
        blockFormats[i].setAlignment(toQt(static_cast<RtfAlign>(i)));
    const QTextCharFormat noChars;
    std::array<QTextList *, 9> lists{};
    bool first = true;
    for (const RtfParagraph &para : model.paragraphs) {
        const QTextBlockFormat &blockFormat = blockFormats[static_cast<size_t>(para.align)];
        // An empty line keeps the font it had, so it keeps its height.
        const QTextCharFormat &blockChars =
            para.runs.isEmpty() ? qtFormat(para.endFormat) : noChars;
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(blockChars);
        } else {
            cursor.insertBlock(blockFormat, blockChars);
        }
        first = false;
        if (para.bullet) {
            const size_t level = static_cast<size_t>(std::clamp(para.level, 0, 8));
            // A deeper level ends the lists below it; the same level continues its list.
            for (size_t k = level + 1; k < lists.size(); ++k)
                lists[k] = nullptr;
            if (lists[level]) {
                lists[level]->add(cursor.block());
            } else {
                QTextListFormat listFormat;
                listFormat.setStyle(QTextListFormat::ListDisc);
                listFormat.setIndent(static_cast<int>(level) + 1);
                lists[level] = cursor.createList(listFormat);
            }
        } else {
            lists.fill(nullptr);
        }
        for (const RtfRun &run : para.runs)
            cursor.insertText(run.text, qtFormat(run.format));
    }
    cursor.endEditBlock();
    // A note just loaded has nothing to undo and nothing unsaved.
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
}

RtfReadResult readRtf(const QByteArray &data, QTextDocument *document, const RtfLimits &limits)
{
    RtfReadResult result;
    if (data.size() > limits.maxBytes) {
        result.status = RtfReadResult::Status::Error;
        result.error =
            QStringLiteral("The note is %1 bytes long, more than a note can be.").arg(data.size());
        return result;
    }
    if (!looksLikeRtf(data)) {
        loadPlainText(data, document, limits, &result);
        return result;
    }
    const RtfModel model = parseRtf(data, limits);
    result.truncated = model.truncated;
    buildDocument(model, document);
    return result;
}

RtfReadResult readRtfFile(const QString &path, QTextDocument *document)
{
    RtfReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.status = RtfReadResult::Status::Missing;
        document->clear();
        document->setModified(false);
        return result;
    }
    QFile file(path);
    const RtfLimits limits;
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.status = RtfReadResult::Status::Error;
        result.error = info.isDir() ? QStringLiteral("%1 is a folder, not a note.").arg(path)
                                    : file.errorString();
        return result;
    }
    if (file.size() > limits.maxBytes) {
        result.status = RtfReadResult::Status::Error;
        result.error = QStringLiteral("%1 is %2 bytes long, more than a note can be.")
                           .arg(path)
                           .arg(file.size());
        return result;
    }
    const QByteArray data = file.read(limits.maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = RtfReadResult::Status::Error;
        result.error = file.errorString();
        return result;
    }
    return readRtf(data, document, limits);
}

} // namespace nookery
