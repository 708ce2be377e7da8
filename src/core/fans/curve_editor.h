// The curve editor "Fan Database - Details": what it opens with (unit system, density label,
// the rows of the curve with their fan input power), its grid's columns, and Clear. The duct
// model's Add/Edit Fan dialog and the fan database both use it.
#pragma once

#include "core/fans/fan_curve.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace flowmar {

inline constexpr int kManufacturerMaxLength = 30;
inline constexpr int kModelMaxLength = 20;
inline constexpr int kSettingMaxLength = 10;

struct CurveEditorRow {
    double pressure = 0;      // Pa or in.w.g.
    double quantity = 0;      // m³/s or kcfm
    double efficiency = 0;    // %
    double fanInputPower = 0; // kW or hp; shown only, never read back

    bool operator==(const CurveEditorRow&) const = default;
};

struct CurveEditorValues {
    int unitSystem = 1; // read only
    std::string manufacturer;
    std::string model;
    std::string setting;
    double curveDensity = 0;                                // kg/m³ or lb/ft³
    std::array<CurveEditorRow, kFanCurvePoints + 1> rows{}; // rows 1..15
};

struct CurveEditorColumn {
    std::string header;
    int decimals;
    bool readOnly; // shown on a light grey background
};

// The editor loaded with a curve in shown units: texts, density and the first pointCount points;
// the other rows start at zero. Each row's fan input power is computed.
CurveEditorValues openCurveEditor(const FanCurve& shownCurve, int unitSystem);

// Fan input power of a row: kW from Pa and m³/s, hp from in.w.g. and kcfm; 0 when the efficiency
// is 0 or above 100 or the row is not a complete point.
double fanInputPower(const CurveEditorRow& row, int unitSystem);

// The editor opened again after a refused curve: texts, density and all 15 rows stay as typed;
// only the fan input power of each row is computed again, as on every opening.
void reopenCurveEditor(CurveEditorValues& values);

// "Clear": all four values of all 15 rows become 0.
void clearCurveEditor(CurveEditorValues& values);

// Columns 1..4 of the grid (element 0 is the "Point" column).
std::array<CurveEditorColumn, 5> curveEditorColumns(int unitSystem);
// "Fan Curve Density " followed by "(kg/m³)" or "(lb/ft³)".
std::string curveDensityLabel(int unitSystem);
// The density edit's text: "%.1f" in SI, "%.3f" in Imperial.
std::string curveDensityText(double shownDensity, int unitSystem);

// OK of the editor: the density edit is a NumberBox filled with curveDensityText of the density.
// Its text left as it was keeps the density with all its digits; a changed text must be one whole
// number (parseWholeNumber), taken with all its digits. Its message when it is not ("Enter a
// number for Fan Curve Density (kg/m³)."), the density taken otherwise.
std::optional<std::string> acceptCurveDensityText(CurveEditorValues& values, std::string_view text);

// The editor's three texts as they stand on OK. The edits show the whole stored text (files may
// hold longer texts than the limits); a text left as it was is kept whatever its length, a changed
// one must have no more characters than its limit.
struct CurveEditorTexts {
    std::string manufacturer;
    std::string model;
    std::string setting;
};
enum class CurveEditorText { Manufacturer, Model, Setting };
struct CurveEditorTextRefusal {
    CurveEditorText field;
    std::string message; // "Enter no more than 10 characters for Fan Blade/Impellor Setting."
};
// The characters of a text as a person counts them: its code points.
int characterCount(std::string_view text);
// The first changed text over its limit is named and nothing is taken; otherwise all three are.
std::optional<CurveEditorTextRefusal> acceptCurveEditorTexts(CurveEditorValues& values,
                                                             const CurveEditorTexts& typed);

// The rows as the curve's 15 points (fan input power dropped).
void copyRowsToCurve(const CurveEditorValues& values, FanCurve& shownCurve);

} // namespace flowmar
