#pragma once

#include <QByteArray>
#include <QString>

namespace nookery {

// The record files of the older Windows versions hold one byte per character in the
// Windows-1252 code page. A character outside it is stored as "?".
QByteArray toWindows1252(const QString &text);
QString fromWindows1252(const QByteArray &bytes);

// `text` encoded and cut or blank-padded to exactly `length` bytes.
QByteArray toFixedField(const QString &text, int length);

} // namespace nookery
