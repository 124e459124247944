#pragma once

#include "convert/unittables.h"

#include <QList>

#include <array>

namespace nookery {

// The length-times-width tables: totals in the base unit and the ten areas.
struct LengthWidth
{
    double length = 0;
    double width = 0;
    double product = 0;
    QList<double> areas;
};

// The arithmetic behind the conversion window, with no widget in sight.
class Converter
{
public:
    // Value of x (given in unit `from`, 1-based) in every unit of a ratio, area or
    // temperature category; entry `from` is x itself. Area takes x as the area of a square
    // and gives all zeros for an x that is not above 0.
    static QList<double> convert(const Category &category, int from, double x);

    // Side of the square whose area is `area`, kept beside the Area results.
    static double areaSide(double area);

    // Whether a part of a length or width counts; smaller entries are cleared.
    static bool keepsPart(double value) { return value >= 1; }

    // parts: length in three parts (largest unit first), then the width likewise. Parts
    // that do not count are taken as 0.
    static LengthWidth lengthTimesWidth(const Category &category,
                                        const std::array<double, 6> &parts);
};

} // namespace nookery
