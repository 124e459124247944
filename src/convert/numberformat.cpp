#include "convert/numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace nookery::numberformat {

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Decimal position of the first significant digit of a well-formed number without sign:
// 1 for "1.5", 3 for "123", 0 for "0.5", -2 for "0.005", shifted by the exponent.
long long decimalMagnitude(std::string_view number, size_t intDigits)
{
    const size_t ePos = number.find_first_of("eE");
    long long exponent = 0;
    if (ePos != std::string_view::npos) {
        size_t j = ePos + 1;
        const bool negative = number[j] == '-';
        if (number[j] == '-' || number[j] == '+')
            ++j;
        for (; j < number.size(); ++j)
            exponent = std::min(exponent * 10 + (number[j] - '0'), 1000000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, ePos);
    const size_t firstInt = mantissa.substr(0, intDigits).find_first_not_of('0');
    if (firstInt != std::string_view::npos)
        return exponent + (long long)(intDigits - firstInt);
    const size_t firstFrac = mantissa.find_first_not_of("0.");
    if (firstFrac == std::string_view::npos)
        return std::numeric_limits<long long>::min(); // zero
    return exponent - (long long)(firstFrac - intDigits - 1);
}

} // namespace

double parseLeading(QStringView text)
{
    // Gather the significant characters first so that blanks inside a number ("1 2") vanish.
    std::string s;
    s.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (isSkipped(c))
            continue;
        const char16_t u = c.unicode();
        if (u > 0x7f)
            break; // nothing beyond ASCII can belong to a number
        s.push_back(char(u));
    }

    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const size_t mantissaStart = i;
    size_t intDigits = 0;
    while (i < s.size() && isDigit(char16_t(s[i]))) {
        ++i;
        ++intDigits;
    }
    size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(char16_t(s[i]))) {
            ++i;
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0)
        return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(char16_t(s[j]))) {
            while (j < s.size() && isDigit(char16_t(s[j])))
                ++j;
            end = j; // an exponent counts only with at least one digit ("1e" is 1)
        }
    }

    // from_chars takes no "+" and is independent of the C locale, unlike strtod.
    double value = 0;
    const char *first = s.data() + mantissaStart;
    const char *last = s.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Beyond the double range: an infinity if the number is at least 1, otherwise 0.
        value = decimalMagnitude(std::string_view(first, size_t(last - first)), intDigits) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (ec != std::errc() || ptr != last) {
        return 0;
    }
    return negative ? -value : value;
}

bool isNumeric(QStringView text, const QLocale &locale)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    locale.toDouble(t, &ok);
    return ok;
}

QString formatGeneral(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QStringLiteral("Overflow");
    if (value == 0)
        value = 0; // no "-0"
    // Qt's own printf is independent of the C locale, so the point is always "." here.
    QString s = QString::asprintf("%.15G", value);
    const QString point = locale.decimalPoint();
    if (point != u".")
        s.replace(u'.', point);
    return s;
}

} // namespace nookery::numberformat
