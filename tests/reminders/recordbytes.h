#pragma once

#include <QByteArray>

// Record bytes written by hand, so the tests do not check the code with itself.
inline QByteArray rec(const QByteArray &text, char showYears, char frequency,
                      const QByteArray &date, const QByteArray &reserved = QByteArray(3, '\0'))
{
    QByteArray out = text.leftJustified(55, ' ', true);
    out += reserved;
    out += showYears;
    out += frequency;
    out += date.leftJustified(10, ' ', true);
    return out;
}
