#pragma once

#include <QList>
#include <QString>

namespace nookery {

// One row of a conversion table.
struct Unit
{
    QString caption;      // option button text, with its "&" accelerator
    QString abbreviation; // shown beside the result box
    double size = 1;      // in the category's reference unit (a side length for the area tables)

    bool operator==(const Unit &) const = default;
};

enum class CategoryKind {
    Ratio,           // x in u is x * size(u) / size(k) in k
    Area,            // areas converted through the sides of squares
    Temperature,     // offset scales, by formula
    LengthTimesWidth // area from a length and a width given in three parts each
};

struct Category
{
    int code = 0; // control code: Frame<code>, Text<code>, Option<code+1>(i), ...
    int tab = 0;  // 1-based tab of TabStrip1
    QString tabCaption;
    CategoryKind kind = CategoryKind::Ratio;
    QList<Unit> units; // display order; unit index i is units[i - 1]

    // Length-times-width tables only: the base length unit (in metres) in which the total
    // length and width are summed, the sizes of the two larger parts in that base unit, and
    // the prompts above the entry boxes.
    double baseSize = 1;
    double part1 = 0;
    double part2 = 0;
    QString partsPrompt;

    int count() const { return int(units.size()); }
    const Unit &unit(int index) const { return units.at(index - 1); }
};

// The twelve categories of the conversion window, in tab order.
class UnitTables
{
public:
    static const QList<Category> &categories();
    static const Category &byTab(int tab);   // 1..12
    static const Category &byCode(int code); // 100, 200, ...; throws std::out_of_range

    // Multiplier taking a value in unit `from` to unit `to` (1-based) of a ratio category; for
    // the Area table it is the factor between the side lengths.
    static double factor(const Category &category, int from, int to);

    // The length-times-width tables: multiplier from the base length unit to the side of
    // result `index`.
    static double sideFactor(const Category &category, int index);

    // The temperature table (units 1 Fahrenheit, 2 Celsius, 3 Kelvin).
    static double temperature(int from, int to, double x);
};

} // namespace nookery
