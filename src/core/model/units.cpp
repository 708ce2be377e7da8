#include "core/model/units.h"

#include <cmath>
#include <limits>

namespace flowmar {

namespace {

// Shown Imperial value = SI value × factor.
double imperialFactor(Quantity quantity) {
    using namespace imperial;
    switch (quantity) {
    case Quantity::Length:
        return 1.0 / 0.3048;
    case Quantity::Diameter:
        return 12.0 / 0.3048;
    case Quantity::Area:
        return 1.0 / kSquareFoot;
    case Quantity::AirQuantity:
        return kKcfmPerCubicMetrePerSecond;
    case Quantity::FanPressure:
        return kInWgPerPascal;
    case Quantity::BoosterPressure:
        return kInWgPerKilopascal;
    case Quantity::Density:
        return kLbPerFt3PerKgPerM3;
    case Quantity::FrictionFactor:
        return kFrictionFactor;
    case Quantity::Resistance:
        return kPracticalUnitsPerNs2m8;
    case Quantity::LeakagePer100:
        return kLeakagePer100Ft;
    case Quantity::Power:
        return kHorsepowerPerKilowatt;
    case Quantity::Dimensionless:
        return 1.0;
    }
    return 1.0;
}

} // namespace

// The divisions are written as in the unit table (÷ 0.3048, ÷ 0.0929) rather than as a multiplied
// reciprocal, so that 30.48 m shows as exactly 100 ft and 100 ft is stored as exactly 30.48 m.
double toShown(Quantity quantity, double siValue, int unitSystem) {
    if (!isImperial(unitSystem)) {
        return siValue;
    }
    switch (quantity) {
    case Quantity::Length:
        return siValue / 0.3048;
    case Quantity::Diameter:
        return siValue / 0.3048 * 12.0;
    case Quantity::Area:
        return siValue / imperial::kSquareFoot;
    case Quantity::AirQuantity:
        return siValue * 2118.9 / 1000.0;
    default:
        return siValue * imperialFactor(quantity);
    }
}

double fromShown(Quantity quantity, double shownValue, int unitSystem) {
    if (!isImperial(unitSystem)) {
        return shownValue;
    }
    switch (quantity) {
    case Quantity::Length:
        return shownValue * 0.3048;
    case Quantity::Diameter:
        return shownValue / 12.0 * 0.3048;
    case Quantity::Area:
        return shownValue * imperial::kSquareFoot;
    case Quantity::AirQuantity:
        return shownValue * 1000.0 / 2118.9;
    default:
        return shownValue / imperialFactor(quantity);
    }
}

std::string_view unitSymbol(Quantity quantity, int unitSystem) {
    const bool imp = isImperial(unitSystem);
    switch (quantity) {
    case Quantity::Length:
        return imp ? "ft" : "m";
    case Quantity::Diameter:
        return imp ? "in" : "m";
    case Quantity::Area:
        return imp ? "ft²" : "m²";
    case Quantity::AirQuantity:
        return imp ? "kcfm" : "m³/s";
    case Quantity::FanPressure:
        return imp ? "in.w.g." : "Pa";
    case Quantity::BoosterPressure:
        return imp ? "in.w.g." : "kPa";
    case Quantity::Density:
        return imp ? "lb/ft³" : "kg/m³";
    case Quantity::FrictionFactor:
        return imp ? "10⁻¹⁰ lbf·min²/ft⁴" : "Ns²/m⁴";
    case Quantity::Resistance:
        return imp ? "P.U." : "Ns²/m⁸";
    case Quantity::LeakagePer100:
        return imp ? "P.U. per 100 ft" : "Ns²/m⁸ per 100 m";
    case Quantity::Power:
        return imp ? "hp" : "kW";
    case Quantity::Dimensionless:
        break;
    }
    return "";
}

std::string withUnit(std::string_view name, Quantity quantity, int unitSystem) {
    std::string label(name);
    label += " (";
    label += unitSymbol(quantity, unitSystem);
    label += ')';
    return label;
}

int leakagePer100FromShown(double shownValue, int unitSystem) {
    const double si = fromShown(Quantity::LeakagePer100, shownValue, unitSystem);
    if (std::isnan(si)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (si <= lowest) {
        return std::numeric_limits<int>::min();
    }
    if (si >= highest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(std::trunc(si));
}

double storedFromShown(Quantity quantity, double stored, double shownBefore, double shownAfter,
                       int unitSystem) {
    if (shownAfter == shownBefore) {
        return stored;
    }
    return fromShown(quantity, shownAfter, unitSystem);
}

} // namespace flowmar
