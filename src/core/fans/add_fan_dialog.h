// The Add/Edit Fan dialog's logic: its values in shown units, the texts its edits show (rounded to
// the decimals shown) and OK, which keeps every value whose text the person left as it was.
#pragma once

#include "core/fans/fan_curve.h"

#include <optional>
#include <string>

namespace flowmar {

struct AddFanValues {
    int unitSystem = 1;       // read only: the duct model's
    double distance = 0;      // m or ft
    double fixedPressure = 0; // Pa or in.w.g.
    int useFixedPressure = 0; // "Use Fixed Pressure?"
    FanCurve curve; // shown units: density in kg/m³ or lb/ft³, points in Pa/in.w.g., ...
};

// The texts of the dialog's edits ("Distance Along Duct", "Fixed Fan Pressure", "Fan Curve
// Density", "Number of Specified Points") and their unit labels.
struct AddFanEditTexts {
    std::string distance;          // "%.2f"
    std::string fixedPressure;     // "%.2f"
    std::string curveDensity;      // "%.1f" SI, "%.3f" Imperial
    std::string pointCount;        // "%d"
    std::string distanceUnit;      // "(m)" / "(ft)"
    std::string fixedPressureUnit; // "(Pa)" / "(in.w.g.)"
    std::string curveDensityUnit;  // "(kg/m³)" / "(lb/ft³)"
};

AddFanEditTexts addFanEditTexts(const AddFanValues& values);

// OK of the dialog with the texts of "Distance Along Duct" and "Fixed Fan Pressure" as they stand.
// Each box is a NumberBox filled from values with the text addFanEditTexts gives: a text left as
// it was keeps the value with all its digits, a changed one must be one whole number
// (parseWholeNumber), and the fixed pressure must not be below zero. The first box that fails is
// named with its message and nothing is taken. The curve's boxes are read-only and never read
// back. texts' other members are ignored.
enum class AddFanField { Distance, FixedPressure };
struct AddFanRefusal {
    AddFanField field;
    std::string message; // "Enter a number for Distance Along Duct (m)."
};
std::optional<AddFanRefusal> acceptAddFanEditTexts(AddFanValues& values,
                                                   const AddFanEditTexts& texts);

} // namespace flowmar
