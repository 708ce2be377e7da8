// The Add/Edit Fan dialog's logic: its values in shown units, the texts its edits show and take
// back (which round the values to the decimals shown), and its "Edit Fan Curve" button with the
// re-opening of the curve editor until the curve passes or the user cancels.
#pragma once

#include "core/fans/fan_curve.h"

#include <string>

namespace flowmar {

class UiPort;

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

// "Edit Fan Curve": opens the curve editor on the first pointCount points; on OK copies texts,
// density and all 15 rows back and runs NormaliseFanCurve, re-opening the editor after each
// failure (with the rows the failed rule leaves) until a curve passes or the editor is
// cancelled. Cancel keeps what was last copied back.
void editFanCurve(AddFanValues& values, UiPort& port);

} // namespace flowmar
