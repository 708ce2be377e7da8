// Units: the fixed factors between the SI values the documents hold and the Imperial values they
// may show, and the symbols the labels write for them ("m³/s", "kcfm"). Every dialog, view and
// report converts here. (The bracketed labels loaded by resource number are in string_table.h.)
#pragma once

#include <string>
#include <string_view>

namespace flowmar {

// The unit system flag kept by both documents.
enum UnitSystemFlag : int { kImperial = 0, kSI = 1 };

inline bool isImperial(int unitSystem) {
    return unitSystem != kSI;
}

// Factors from the stored SI value to the shown Imperial value.
namespace imperial {
inline constexpr double kSquareFoot = 0.0929; // one square foot in m²
inline constexpr double kKcfmPerCubicMetrePerSecond = 2118.9 / 1000.0;
inline constexpr double kInWgPerPascal = 0.0040147;
inline constexpr double kInWgPerKilopascal = 4.0147;
inline constexpr double kLbPerFt3PerKgPerM3 = 0.06242796;
inline constexpr double kFrictionFactor = 5.39e-7 * 1e10; // Ns²/m⁴ -> 10⁻¹⁰ lbf·min²/ft⁴
inline constexpr double kPracticalUnitsPerNs2m8 = 0.8942;
inline constexpr double kLeakagePer100Ft = 9.625; // Ns²/m⁸ per 100 m -> P.U. per 100 ft
inline constexpr double kHorsepowerPerKilowatt = 1.341;
// Input power in hp: thousandths of an inch of water gauge × kcfm × this factor / efficiency (%);
// or in.w.g. × kcfm × 1000 × this factor / efficiency. 52 / 3300.
inline constexpr double kHorsepowerFactor = 0.01575757575757576;
inline constexpr double kFeetPerMinutePerMetrePerSecond = 196.8504; // velocity
} // namespace imperial

// The quantities that convert differently; each has a shown-from-SI and an SI-from-shown form.
enum class Quantity {
    Length,          // m / ft
    Diameter,        // m / in
    Area,            // m² / ft²
    AirQuantity,     // m³/s / kcfm
    FanPressure,     // Pa / in.w.g.
    BoosterPressure, // kPa / in.w.g.
    Density,         // kg/m³ / lb/ft³
    FrictionFactor,  // Ns²/m⁴ / 10⁻¹⁰ lbf·min²/ft⁴
    Resistance,      // Ns²/m⁸ / P.U.
    LeakagePer100,   // Ns²/m⁸ per 100 m / P.U. per 100 ft
    Power,           // kW / hp
    Dimensionless,   // efficiency, shock loss factor: never converted
};

// The value shown for a stored SI value in the given unit system.
double toShown(Quantity quantity, double siValue, int unitSystem);

// The SI value for an entry made in the given unit system (the inverse of toShown).
double fromShown(Quantity quantity, double shownValue, int unitSystem);

// The SI value to store after a window handed a shown value back: the stored value itself when
// the shown value came back as it was handed out (a conversion there and back is not exact, so an
// untouched Imperial entry would drift), the converted entry otherwise.
double storedFromShown(Quantity quantity, double stored, double shownBefore, double shownAfter,
                       int unitSystem);

// The unit of a quantity as labels and sentences write it: "m³/s" or "kcfm", "kPa" or "in.w.g.",
// "Ns²/m⁸ per 100 m" or "P.U. per 100 ft"; empty for a dimensionless one.
std::string_view unitSymbol(Quantity quantity, int unitSystem);

// A name with the unit of a quantity in brackets: "Q (m³/s)", "Distance (ft)".
std::string withUnit(std::string_view name, Quantity quantity, int unitSystem);

// A leakage resistance per 100 m entered in shown units, as the integer the duct model holds:
// an Imperial entry is divided by 9.625 and truncated towards zero (2500 becomes 259). Values
// beyond the int range saturate at its ends.
int leakagePer100FromShown(double shownValue, int unitSystem);

} // namespace flowmar
