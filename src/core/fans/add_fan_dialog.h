// The Add/Edit Fan dialog's logic: its values in shown units and the texts its edits show and take
// back (which round the values to the decimals shown).
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

// Takes the edits' texts back with the text-to-number conversion, so the values become the
// shown, rounded ones.
void takeAddFanEditTexts(AddFanValues& values, const AddFanEditTexts& texts);

// OK of the dialog: "Distance Along Duct" and "Fixed Fan Pressure" must each hold one whole number
// (parseWholeNumber). The first that does not is named with its message and nothing is taken;
// otherwise all the texts are taken back as takeAddFanEditTexts does.
enum class AddFanField { Distance, FixedPressure };
struct AddFanRefusal {
    AddFanField field;
    std::string message; // "Enter a number for Distance Along Duct (m)."
};
std::optional<AddFanRefusal> acceptAddFanEditTexts(AddFanValues& values,
                                                   const AddFanEditTexts& texts);

} // namespace flowmar
