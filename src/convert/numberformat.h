#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace nookery::numberformat {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever they stand,
// then the longest prefix of sign, digits, one "." and an optional exponent is taken and the
// rest ignored. "." is the decimal point in every locale; text without a number gives 0.
// A number beyond the double range gives an infinity.
double parseLeading(QStringView text);

// Whether the locale reads the whole text as a number (group separators allowed).
bool isNumeric(QStringView text, const QLocale &locale = QLocale());

// Shortest general form with at most 15 significant digits, exponent form ("1E+15",
// "6.21371192237334E-07") for very large and small magnitudes, the locale's decimal
// separator and no group separators. A value that is not finite reads "Overflow".
QString formatGeneral(double value, const QLocale &locale = QLocale());

} // namespace nookery::numberformat
