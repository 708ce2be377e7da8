// The values of the Fixed Quantity Tool dialog, in the units the model shows, with the dialog's
// own range check of the quantity.
#pragma once

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

} // namespace flowmar
