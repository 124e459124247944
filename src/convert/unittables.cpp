#include "convert/unittables.h"

#include <cmath>
#include <stdexcept>

namespace nookery {

namespace {

Category ratio(int code, int tab, const QString &tabCaption, QList<Unit> units)
{
    Category c;
    c.code = code;
    c.tab = tab;
    c.tabCaption = tabCaption;
    c.kind = CategoryKind::Ratio;
    c.units = std::move(units);
    return c;
}

// A square acre's side: an acre is exactly 4046.8564224 square metres.
const double acreSide = std::sqrt(4046.8564224);

// The two length-times-width tables share their result rows; sizes are side lengths in
// metres, so both tables derive their factors from the same lengths as Distance does.
QList<Unit> squareSides()
{
    const auto row = [](const QString &caption, double metres) {
        return Unit{caption, caption, metres};
    };
    return {
        row(QStringLiteral("sq. Millimeters"), 0.001), row(QStringLiteral("sq. Centimeters"), 0.01),
        row(QStringLiteral("sq. Inches"), 0.0254),     row(QStringLiteral("sq. Feet"), 0.3048),
        row(QStringLiteral("sq. Yards"), 0.9144),      row(QStringLiteral("sq. Meters"), 1),
        row(QStringLiteral("sq. Rods"), 5.0292),       row(QStringLiteral("sq. Acres"), acreSide),
        row(QStringLiteral("sq. Kilometers"), 1000),   row(QStringLiteral("sq. Miles"), 1609.344),
    };
}

QList<Category> build()
{
    QList<Category> all;

    const QList<Unit> distance = {
        {QStringLiteral("Millimeter&s"), QStringLiteral("mm"), 0.001},
        {QStringLiteral("&Centimeters"), QStringLiteral("cm"), 0.01},
        {QStringLiteral("&Inches"), QStringLiteral("in"), 0.0254},
        {QStringLiteral("Fee&t"), QStringLiteral("ft"), 0.3048},
        {QStringLiteral("&Yards"), QStringLiteral("yd"), 0.9144},
        {QStringLiteral("&Meters"), QStringLiteral("m"), 1},
        {QStringLiteral("&Rods"), QStringLiteral("rd"), 5.0292},
        {QStringLiteral("Furlon&gs"), QStringLiteral("f"), 201.168},
        {QStringLiteral("&Kilometers"), QStringLiteral("km"), 1000},
        {QStringLiteral("Mil&es"), QStringLiteral("mi"), 1609.344},
        {QStringLiteral("Miles (&Naut)"), QStringLiteral("nmi"), 1852},
    };

    // Area works on side lengths so a square's area scales by the factor squared; its rows
    // are the Distance rows with "sq. " in front.
    Category area = ratio(100, 1, QStringLiteral("Area"), {});
    area.kind = CategoryKind::Area;
    const QStringList areaAbbreviations = {
        QStringLiteral("sq. mm"), QStringLiteral("sq. cm"),  QStringLiteral("sq. in"),
        QStringLiteral("sq. ft"), QStringLiteral("sq. yd"),  QStringLiteral("sq. m"),
        QStringLiteral("sq. rd"), QStringLiteral("sq. fur"), QStringLiteral("sq. km"),
        QStringLiteral("sq. mi"), QStringLiteral("sq. nmi")};
    for (qsizetype i = 0; i < distance.size(); ++i)
        area.units.append(
            Unit{u"sq. " + distance[i].caption, areaAbbreviations[i], distance[i].size});
    all.append(area);

    Category metric = ratio(200, 2, QStringLiteral("Area - Metric"), squareSides());
    metric.kind = CategoryKind::LengthTimesWidth;
    metric.baseSize = 0.01; // centimetres
    metric.part1 = 100000;  // kilometres
    metric.part2 = 100;     // metres
    metric.partsPrompt = QStringLiteral("KM   +  Meters  +  CM");
    all.append(metric);

    Category standard = ratio(300, 3, QStringLiteral("Area - Standard"), squareSides());
    standard.kind = CategoryKind::LengthTimesWidth;
    standard.baseSize = 0.0254; // inches
    standard.part1 = 63360;     // miles
    standard.part2 = 36;        // yards
    standard.partsPrompt = QStringLiteral("Miles +   Yards +  Inches");
    all.append(standard);

    all.append(
        ratio(550, 4, QStringLiteral("Density"),
              {
                  {QStringLiteral("Grams/Liter"), QStringLiteral("g/l"), 1},
                  {QStringLiteral("Grams/Cubic Meter"), QStringLiteral("g/m3"), 0.001},
                  {QStringLiteral("Kilograms/Cubic Meter"), QStringLiteral("kg/m3"), 1},
                  {QStringLiteral("Grains/U.S. Gallon"), QStringLiteral("gr/gal"), 0.017118057},
                  {QStringLiteral("Ounces/Cubic Inch"), QStringLiteral("oz/in3"), 1729.994},
                  {QStringLiteral("Ounces/Cubic Foot"), QStringLiteral("oz/ft3"), 1.001153935},
                  {QStringLiteral("Ounces/U.S. Gallon"), QStringLiteral("oz/gal"), 7.48915},
                  {QStringLiteral("Pounds/Cubic Inch"), QStringLiteral("lb/in3"), 27679.9},
                  {QStringLiteral("Pounds/Cubic Foot"), QStringLiteral("lb/ft3"), 16.01846},
                  {QStringLiteral("Pounds/Cubic Yard"), QStringLiteral("lb/yd3"), 0.5932764},
                  {QStringLiteral("Pounds/U.S. Gallon"), QStringLiteral("lb/gal"), 119.8264},
                  {QStringLiteral("Long Tons/Cubic Yard"), QStringLiteral("LT/yd3"), 1328.939},
              }));

    all.append(ratio(400, 5, QStringLiteral("Distance"), distance));

    all.append(ratio(500, 6, QStringLiteral("Energy"),
                     {
                         {QStringLiteral("&Joules"), QStringLiteral("J"), 1},
                         {QStringLiteral("Foot &Pound Force"), QStringLiteral("ft/lbf"), 1.355818},
                         {QStringLiteral("&Watt Hours"), QStringLiteral("Wh"), 3600},
                         {QStringLiteral("&kiloWatt Hours"), QStringLiteral("kWh"), 3600000},
                         {QStringLiteral("B&TUs - Mean"), QStringLiteral("BTU"), 1055.87},
                         {QStringLiteral("BTUs - &Int'l"), QStringLiteral("BTU"), 1055.056},
                         {QStringLiteral("&BTUs - Thermal"), QStringLiteral("BTU"), 1054.35},
                         {QStringLiteral("&Ergs"), QStringLiteral("erg"), 1e-7},
                         {QStringLiteral("Calories - &Nutrition"), QStringLiteral("cal"), 4184},
                         {QStringLiteral("Calories - &Mean"), QStringLiteral("cal"), 4.19002},
                         {QStringLiteral("&Calories - Thermal"), QStringLiteral("cal"), 4.184},
                         {QStringLiteral("Electron &Volts"), QStringLiteral("eV"), 1.60219e-19},
                     }));

    // The imperial measures follow from the imperial gallon of exactly 4.54609 litres
    // (160 fluid ounces, 4 quarts, 8 pints, 16 cups), so that a gallon shows 4 quarts.
    const double impGallon = 4.54609;
    all.append(ratio(800, 7, QStringLiteral("Liquid"),
                     {
                         {QStringLiteral("&Milliliters"), QStringLiteral("ml"), 0.001},
                         {QStringLiteral("&Liters"), QStringLiteral("l"), 1},
                         {QStringLiteral("&Teaspoons"), QStringLiteral("tsp"), 0.004928921594},
                         {QStringLiteral("T&ablespoon"), QStringLiteral("tbsp"), 0.01478676478},
                         {QStringLiteral("&Ounces"), QStringLiteral("oz"), 0.02957352956},
                         {QStringLiteral("&Cups"), QStringLiteral("cup"), 0.2365882365},
                         {QStringLiteral("&Pints"), QStringLiteral("pt"), 0.473176473},
                         {QStringLiteral("&Quarts"), QStringLiteral("qt"), 0.946352946},
                         {QStringLiteral("&Gallons"), QStringLiteral("gal"), 3.785411784},
                         {QStringLiteral("Imp Ounc&es"), QStringLiteral("imp oz"), impGallon / 160},
                         {QStringLiteral("&Imp Cups"), QStringLiteral("imp cup"), impGallon / 16},
                         {QStringLiteral("Imp Pi&nts"), QStringLiteral("imp pint"), impGallon / 8},
                         {QStringLiteral("Imp Qua&rts"), QStringLiteral("imp qt"), impGallon / 4},
                         {QStringLiteral("Imp Gallon&s"), QStringLiteral("imp gal"), impGallon},
                     }));

    all.append(
        ratio(350, 8, QStringLiteral("Pressure"),
              {
                  {QStringLiteral("Atmosphere"), QStringLiteral("atm"), 101325},
                  {QStringLiteral("Bars"), QStringLiteral("bar"), 100000},
                  {QStringLiteral("Kilograms/Sq. CM"), QStringLiteral("kg/cm2"), 98066.5},
                  {QStringLiteral("Kilograms/Sq. Meter"), QStringLiteral("kg/m2"), 9.80665},
                  {QStringLiteral("Kilopascal"), QStringLiteral("kPa"), 1000},
                  {QStringLiteral("Mercury Millimeters"), QStringLiteral("mm merc"), 133.322},
                  {QStringLiteral("Mercury Inches"), QStringLiteral("in merc"), 3386.396506},
                  {QStringLiteral("Millibar"), QStringLiteral("mbar"), 100},
                  {QStringLiteral("Pascal"), QStringLiteral("Pa"), 1},
                  {QStringLiteral("Pounds/Sq. Inch"), QStringLiteral("psi"), 6894.757},
                  {QStringLiteral("Pounds/Sq. Foot"), QStringLiteral("lb/ft2"), 47.88026},
                  {QStringLiteral("Torrs"), QStringLiteral("torr"), 133.322},
              }));

    all.append(ratio(450, 9, QStringLiteral("Speed"),
                     {
                         {QStringLiteral("Inches/Minute"), QStringLiteral("in/min"), 0.0254},
                         {QStringLiteral("Feet/Minute"), QStringLiteral("ft/min"), 0.3048},
                         {QStringLiteral("Feet/Hour"), QStringLiteral("ft/hr"), 0.00508},
                         {QStringLiteral("Miles/Second"), QStringLiteral("mi/sec"), 96560.64},
                         {QStringLiteral("Miles/Minute"), QStringLiteral("mi/min"), 1609.344},
                         {QStringLiteral("Miles/Hour"), QStringLiteral("mi/hr"), 26.8224},
                         {QStringLiteral("Centimeter/Minute"), QStringLiteral("cm/min"), 0.01},
                         {QStringLiteral("Meters/Minute"), QStringLiteral("m/min"), 1},
                         {QStringLiteral("Meters/Hour"), QStringLiteral("m/hr"), 0.01666666667},
                         {QStringLiteral("Kilometers/Second"), QStringLiteral("km/sec"), 60000},
                         {QStringLiteral("Kilometers/Minute"), QStringLiteral("km/min"), 1000},
                         {QStringLiteral("Kilometers/Hour"), QStringLiteral("km/hr"), 16.66666667},
                         {QStringLiteral("Knots"), QStringLiteral("kn"), 30.866664},
                         {QStringLiteral("Mach"), QStringLiteral("ma"), 19887.6}, // 331.46 m/s
                     }));

    Category temperature = ratio(600, 10, QStringLiteral("Temperature"),
                                 {
                                     {QStringLiteral("F&ahrenheit"), QStringLiteral("*F"), 1},
                                     {QStringLiteral("&Celsius"), QStringLiteral("*C"), 1},
                                     {QStringLiteral("&Kelvin"), QStringLiteral("*K"), 1},
                                 });
    temperature.kind = CategoryKind::Temperature;
    all.append(temperature);

    // A month is 30.4375 days and a year 365.25 days.
    all.append(ratio(700, 11, QStringLiteral("Time"),
                     {
                         {QStringLiteral("&Seconds"), QStringLiteral("sec."), 1},
                         {QStringLiteral("&Minutes"), QStringLiteral("min"), 60},
                         {QStringLiteral("H&ours"), QStringLiteral("hr"), 3600},
                         {QStringLiteral("&Days"), QStringLiteral("da"), 86400},
                         {QStringLiteral("&Weeks"), QStringLiteral("wk"), 604800},
                         {QStringLiteral("Mo&nths"), QStringLiteral("mo"), 2629800},
                         {QStringLiteral("&Years"), QStringLiteral("yr"), 31557600},
                         {QStringLiteral("&Centuries"), QStringLiteral("cen"), 3155760000},
                     }));

    all.append(ratio(900, 12, QStringLiteral("Weight"),
                     {
                         {QStringLiteral("G&rains"), QStringLiteral("gr"), 0.06479891001},
                         {QStringLiteral("C&arats"), QStringLiteral("Kt"), 0.2},
                         {QStringLiteral("&Grams"), QStringLiteral("g"), 1},
                         {QStringLiteral("&Ounces"), QStringLiteral("oz"), 28.34952312},
                         {QStringLiteral("&Pounds"), QStringLiteral("lb"), 453.59237},
                         {QStringLiteral("&Kilograms"), QStringLiteral("kg"), 1000},
                         {QStringLiteral("Tons (&short)"), QStringLiteral("ton"), 907184.7399},
                         {QStringLiteral("&Tons(metric)"), QStringLiteral("t"), 1000000},
                     }));
    return all;
}

} // namespace

const QList<Category> &UnitTables::categories()
{
    static const QList<Category> all = build();
    return all;
}

const Category &UnitTables::byTab(int tab)
{
    return categories().at(tab - 1);
}

const Category &UnitTables::byCode(int code)
{
    for (const Category &c : categories()) {
        if (c.code == code)
            return c;
    }
    throw std::out_of_range("no conversion category with that code");
}

double UnitTables::factor(const Category &category, int from, int to)
{
    return category.unit(from).size / category.unit(to).size;
}

double UnitTables::sideFactor(const Category &category, int index)
{
    return category.baseSize / category.unit(index).size;
}

double UnitTables::temperature(int from, int to, double x)
{
    // The Kelvin scale is taken as Celsius + 273.16 throughout.
    enum { F = 1, C = 2, K = 3 };
    if (from == to)
        return x;
    switch (from * 10 + to) {
    case F * 10 + C:
        return (x - 32) / 9 * 5;
    case F * 10 + K:
        return x * 0.55555556 + 255.382222;
    case C * 10 + F:
        return x * 1.8 + 32;
    case C * 10 + K:
        return x + 273.16;
    case K * 10 + F:
        return x * 1.8 - 459.688;
    case K * 10 + C:
        return x - 273.16;
    }
    throw std::out_of_range("temperature units are 1 to 3");
}

} // namespace nookery
