#include "text1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace nookery {

namespace {

// The five holes of the code page (0x81, 0x8D, 0x8F, 0x90, 0x9D) have no character; the
// Windows converter maps them to the C1 controls of the same value, so we do too.
bool isHole(uchar b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

} // namespace

QByteArray toWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out.append(static_cast<char>(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        if (c.unicode() < 0x100 && isHole(static_cast<uchar>(c.unicode()))) {
            out.append(static_cast<char>(c.unicode()));
            continue;
        }
        QByteArray one = encoder.encode(QStringView(&c, 1));
        // The encoder writes its own replacement for what the code page lacks; we want "?".
        if (encoder.hasError() || one.size() != 1 || (one.at(0) == '?' && c != u'?') ||
            one.at(0) == '\x1a') {
            encoder.resetState();
            out.append('?');
        } else {
            out.append(one);
        }
    }
    return out;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    for (char ch : bytes) {
        const uchar b = static_cast<uchar>(ch);
        if (b < 0x80 || isHole(b)) {
            out.append(QChar(char16_t(b)));
            continue;
        }
        const QString one = decoder.decode(QByteArrayView(&ch, 1));
        out.append(one.size() == 1 ? one.at(0) : QChar(QChar::ReplacementCharacter));
    }
    return out;
}

QByteArray toFixedField(const QString &text, int length)
{
    QByteArray bytes = toWindows1252(text);
    if (bytes.size() > length)
        bytes.truncate(length);
    else
        bytes.append(QByteArray(length - bytes.size(), ' '));
    return bytes;
}

} // namespace nookery
