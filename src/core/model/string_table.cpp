#include "core/model/string_table.h"

#include "core/model/units.h"

#include <algorithm>
#include <array>
#include <utility>

namespace flowmar {

namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id. The superscripts are stored in UTF-8 here and converted only at file boundaries.
constexpr std::array kTable = std::to_array<Entry>({
    {601, "(Ns²/m^8)"},
    {602, "(lbf min²/ft^8)"},
    {603, "(m³/s)"},
    {604, "(kcfm)"},
    {605, "(Pa)"},
    {606, "(m.in.wg)"},
    {607, "(kg/m³)"},
    {609, "(R/1000m)"},
    {610, "(R/1000ft)"},
    {611, "(m)"},
    {612, "(ft)"},
    {613, "(m²)"},
    {614, "(ft²)"},
    {615, "(kPa)"},
    {616, "(in.w.g.)"},
    {617, "(kW)"},
    {618, "(hp)"},
    {619, "($/yr)"},
    {620, "(kg/m³)"},
    {621, "(lb/ft³)"},
    {622, "(%)"},
    {625, "Ns²/m^8 per 1000m"},
    {626, "P.U. per 1000 ft"},
    {627, "( °C )"},
    {628, "( °F )"},
    {629, "(m²/s)"},
    {630, "(ft²/hr)"},
    {631, "(Ns²/m^4)"},
    {632, "(lbf min²/ft^4)"},
    {633, "(in)"},
    {634, "(Ns²/m^8 per 100m)"},
    {635, "(P.U. per 100 ft)"},
    {636, "(R/100m)"},
    {637, "(R/100ft)"},
    {638, "(P.U.)"},
    {801, "Diameter "},
    {802, "Length "},
    {803, "Atkinson Friction Factor "},
    {804, "Resistance Leakage Paths/100 %s Duct "},
    {805, "Start "},
    {806, "End "},
    {807, "Dia "},
    {808, "Area "},
    {809, "Perimeter "},
    {810, "Total Resistance "},
    {811, "Resistance/Leak Path "},
    {812, "Resistance/Segment "},
    {813, "Quantity at Face "},
    {814, "Quantity Furthest From Face "},
    {815, "Length Duct Segments "},
    {817, "Booster Pressure "},
    {818, "Per "},
    {819, "R/seg "},
    {820, "R/leak "},
    {824, "Typical range of rigid duct = "},
    {825, "Typical range of fabric duct = "},
    {827, "Air Density "},
    {828, "Rl per 100"},
    {897, "The units have been changed and the input data have been converted.\n\nYou must execute "
          "the simulation to update the results."},
    {898, "The units have been changed and the input data have been converted."},
    {900, "Fan Curve Density "},
    {32786, "Duct Details"},
    {32788, "Shock Loss Details"},
});

static_assert(std::ranges::is_sorted(kTable, {}, &Entry::id));

} // namespace

std::string_view loadString(int id) {
    const auto it = std::ranges::lower_bound(kTable, id, {}, &Entry::id);
    if (it == kTable.end() || it->id != id) {
        return {};
    }
    return it->text;
}

std::string_view unitLabel(int siId, int unitSystem) {
    return loadString(siId + (isImperial(unitSystem) ? 1 : 0));
}

std::string_view fanPressureLabel(int unitSystem) {
    return loadString(isImperial(unitSystem) ? strings::kPressureImperial
                                             : strings::kFanPressureSI);
}

std::string_view boosterPressureLabel(int unitSystem) {
    return loadString(isImperial(unitSystem) ? strings::kPressureImperial
                                             : strings::kBoosterPressureSI);
}

std::string_view practicalResistanceLabel(int unitSystem) {
    return loadString(isImperial(unitSystem) ? strings::kPracticalUnits : strings::kResistance);
}

std::string_view diameterLabel(int unitSystem) {
    return loadString(isImperial(unitSystem) ? strings::kDiameterImperial : strings::kLength);
}

} // namespace flowmar
