#include "notes/rtfcodepage.h"

#include "common/text1252.h"

#include <QStringDecoder>

#include <array>
#include <map>
#include <memory>

namespace nookery {

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

const std::array<char16_t, 256> &table1252()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        const QString s = fromWindows1252(all);
        for (int i = 0; i < 256; ++i)
            t[i] = i < s.size() ? s.at(i).unicode() : u'\uFFFD';
        return t;
    }();
    return table;
}

// Adobe Symbol encoding: the Greek letters and the mathematical signs that notes meet in
// practice. Bytes left out read as Latin-1, which is what most readers show for them.
const std::array<char16_t, 256> &tableSymbol()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = static_cast<char16_t>(i);
        const char16_t upper[] = u"\u0391\u0392\u03A7\u0394\u0395\u03A6\u0393\u0397\u0399\u03D1"
                                 u"\u039A\u039B\u039C\u039D\u039F\u03A0\u0398\u03A1\u03A3\u03A4"
                                 u"\u03A5\u03C2\u03A9\u039E\u03A8\u0396";
        const char16_t lower[] = u"\u03B1\u03B2\u03C7\u03B4\u03B5\u03C6\u03B3\u03B7\u03B9\u03D5"
                                 u"\u03BA\u03BB\u03BC\u03BD\u03BF\u03C0\u03B8\u03C1\u03C3\u03C4"
                                 u"\u03C5\u03D6\u03C9\u03BE\u03C8\u03B6";
        for (int i = 0; i < 26; ++i) {
            t[0x41 + i] = upper[i];
            t[0x61 + i] = lower[i];
        }
        const std::pair<int, char16_t> extra[] = {
            {0x22, u'\u2200'}, {0x24, u'\u2203'}, {0x27, u'\u220B'}, {0x2A, u'\u2217'},
            {0x2D, u'\u2212'}, {0x40, u'\u2245'}, {0x5C, u'\u2234'}, {0x5E, u'\u22A5'},
            {0x60, u'\uF8E5'}, {0x7E, u'\u223C'}, {0xA1, u'\u03D2'}, {0xA2, u'\u2032'},
            {0xA3, u'\u2264'}, {0xA4, u'\u2044'}, {0xA5, u'\u221E'}, {0xA6, u'\u0192'},
            {0xA7, u'\u2663'}, {0xA8, u'\u2666'}, {0xA9, u'\u2665'}, {0xAA, u'\u2660'},
            {0xAB, u'\u2194'}, {0xAC, u'\u2190'}, {0xAD, u'\u2191'}, {0xAE, u'\u2192'},
            {0xAF, u'\u2193'}, {0xB2, u'\u2033'}, {0xB3, u'\u2265'}, {0xB4, u'\u00D7'},
            {0xB5, u'\u221D'}, {0xB6, u'\u2202'}, {0xB7, u'\u2022'}, {0xB8, u'\u00F7'},
            {0xB9, u'\u2260'}, {0xBA, u'\u2261'}, {0xBB, u'\u2248'}, {0xBC, u'\u2026'},
            {0xC0, u'\u2135'}, {0xC5, u'\u2295'}, {0xC6, u'\u2205'}, {0xC7, u'\u2229'},
            {0xC8, u'\u222A'}, {0xCE, u'\u2208'}, {0xCF, u'\u2209'}, {0xD0, u'\u2220'},
            {0xD1, u'\u2207'}, {0xD5, u'\u220F'}, {0xD6, u'\u221A'}, {0xD7, u'\u22C5'},
            {0xD8, u'\u00AC'}, {0xD9, u'\u2227'}, {0xDA, u'\u2228'}, {0xDB, u'\u21D4'},
            {0xDC, u'\u21D0'}, {0xDD, u'\u21D1'}, {0xDE, u'\u21D2'}, {0xDF, u'\u21D3'},
            {0xE0, u'\u25CA'}, {0xE5, u'\u2211'}, {0xF2, u'\u222B'}};
        for (const auto &[b, c] : extra)
            t[b] = c;
        return t;
    }();
    return table;
}

QByteArray decoderName(int cp)
{
    switch (cp) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    default:
        return "windows-" + QByteArray::number(cp);
    }
}

// Decoders are made once per code page and thread (a decoder is not shareable); a stateless
// decoder keeps no half character from one call to the next.
QStringDecoder *decoderFor(int cp)
{
    thread_local std::map<int, std::unique_ptr<QStringDecoder>> decoders;
    auto it = decoders.find(cp);
    if (it == decoders.end()) {
        auto d = std::make_unique<QStringDecoder>(decoderName(cp).constData(),
                                                  QStringDecoder::Flag::Stateless);
        if (!d->isValid())
            d.reset();
        it = decoders.emplace(cp, std::move(d)).first;
    }
    return it->second.get();
}

void appendTable(QString &out, QByteArrayView bytes, const std::array<char16_t, 256> &table)
{
    for (char ch : bytes) {
        const char16_t c = table[static_cast<uchar>(ch)];
        if (!isControl(c))
            out.append(QChar(c));
    }
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return CodePageSymbol;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

void appendDecoded(QString &out, QByteArrayView bytes, int cp)
{
    if (bytes.isEmpty())
        return;
    if (cp == CodePageSymbol) {
        appendTable(out, bytes, tableSymbol());
        return;
    }
    bool ascii = true;
    for (char ch : bytes) {
        if (static_cast<uchar>(ch) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii || cp == CodePage1252) {
        appendTable(out, bytes, table1252());
        return;
    }
    QStringDecoder *decoder = decoderFor(cp);
    if (!decoder) {
        appendTable(out, bytes, table1252());
        return;
    }
    const QString text = decoder->decode(bytes);
    out.reserve(out.size() + text.size());
    for (QChar c : text) {
        if (!isControl(c.unicode()))
            out.append(c);
    }
}

} // namespace nookery
