#include "convert/converter.h"

#include <cmath>

namespace nookery {

QList<double> Converter::convert(const Category &category, int from, double x)
{
    const int n = category.count();
    QList<double> out(n, 0.0);
    switch (category.kind) {
    case CategoryKind::Ratio:
        for (int k = 1; k <= n; ++k)
            out[k - 1] = k == from ? x : x * UnitTables::factor(category, from, k);
        break;
    case CategoryKind::Temperature:
        for (int k = 1; k <= n; ++k)
            out[k - 1] = UnitTables::temperature(from, k, x);
        break;
    case CategoryKind::Area: {
        if (!(x > 0))
            break;
        // Scale the side of the square, then square it: areas go by the factor squared.
        const double side = areaSide(x);
        for (int k = 1; k <= n; ++k) {
            const double s = UnitTables::factor(category, from, k) * side;
            out[k - 1] = k == from ? x : s * s;
        }
        break;
    }
    case CategoryKind::LengthTimesWidth:
        break; // see lengthTimesWidth()
    }
    return out;
}

double Converter::areaSide(double area)
{
    return area > 0 ? std::sqrt(area) : 0.0;
}

LengthWidth Converter::lengthTimesWidth(const Category &category,
                                        const std::array<double, 6> &parts)
{
    const auto part = [&](int i) { return keepsPart(parts[size_t(i)]) ? parts[size_t(i)] : 0.0; };
    LengthWidth r;
    r.length = part(0) * category.part1 + part(1) * category.part2 + part(2);
    r.width = part(3) * category.part1 + part(4) * category.part2 + part(5);
    r.product = r.length * r.width;
    r.areas.reserve(category.count());
    for (int k = 1; k <= category.count(); ++k) {
        const double f = UnitTables::sideFactor(category, k);
        r.areas.append((r.width * f) * (r.length * f));
    }
    return r;
}

} // namespace nookery
