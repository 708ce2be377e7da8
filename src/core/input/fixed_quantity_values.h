// The values of the Fixed Quantity Tool dialog, in the units the model shows, with the dialog's
// own check of the quantity as typed.
#pragma once

#include "core/model/number_box.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace flowmar {

struct FixedQuantityValues {
    int unitSystem = 1;       // read only: the unit label is "(m³/s)" or "(kcfm)"
    int applied = 0;          // "Apply? (all fans will be ignored)"
    double fixedQuantity = 0; // m³/s or kcfm
    int location = 0;         // 0 "Face", 1 "Fan/Source"
};

// The quantity field accepts 1e-7 to 800 in the shown unit.
inline constexpr double kFixedQuantityMinimum = 1e-7;
inline constexpr double kFixedQuantityMaximum = 800;
inline bool fixedQuantityInRange(double shown) {
    return shown >= kFixedQuantityMinimum && shown <= kFixedQuantityMaximum;
}

// The quantity box as OK takes it: the whole text must be one number in the current locale's
// form ("Enter a number for Fixed Quantity (m³/s)." otherwise, never a cut-off "12" from "12,5")
// and lie in the range (the range message otherwise). Returns the quantity in the shown unit, or
// the message that keeps the dialog open.
std::variant<double, std::string> readFixedQuantity(std::string_view text, int unitSystem);

// The quantity box as the dialog fills it ("%g", six digits) from the shown quantity.
NumberBox fixedQuantityBox(double shownQuantity);
// The same check of a box: untouched, it gives back the quantity it was filled from, every digit.
std::variant<double, std::string> readFixedQuantity(const NumberBox& box, int unitSystem);

} // namespace flowmar
