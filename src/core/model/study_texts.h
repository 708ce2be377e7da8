// What a study says when it cannot run, and what a step notes about a fan its duct no longer
// reaches; the Study dialog's labels, its table's headings and its messages.
#pragma once

#include <string>
#include <string_view>

namespace flowmar::study_texts {

inline constexpr std::string_view kInputNames =
    "ductLength, ductDiameter, frictionFactor, leakageResistance100, airDensity, fixedQuantity, "
    "fanDistance:N or fanFixedPressure:N";

std::string unknownInput(std::string_view name);
std::string badRange(std::string_view text);
std::string stepsBelowOne(std::string_view name);
std::string tooManySteps(long long steps);
std::string noSuchFan(std::string_view name, int fan, int fanCount);
std::string meaninglessValue(std::string_view name, double value, std::string_view accepted);
std::string requiredFaceRefused(double value);

// The Study dialog: its title, the labels of its boxes and its buttons ("&" marks a keyboard
// letter).
inline constexpr std::string_view kDialogTitle = "Study";
inline constexpr std::string_view kVary = "Vary";
inline constexpr std::string_view kAndForEachValueOf = "and for each value of";
inline constexpr std::string_view kFrom = "From";
inline constexpr std::string_view kTo = "To";
inline constexpr std::string_view kSteps = "Steps";
// The required face quantity's box when it is empty.
inline constexpr std::string_view kNoRequirement = "none";
inline constexpr std::string_view kRun = "&Run";
inline constexpr std::string_view kCancelStudy = "Ca&ncel Study";
inline constexpr std::string_view kPrint = "&Print...";
inline constexpr std::string_view kSaveAs = "&Save As...";
inline constexpr std::string_view kClose = "Close";
inline constexpr std::string_view kCancelled = "The study was cancelled: nothing is shown.";
inline constexpr std::string_view kSaveTitle = "Save Study As";
inline constexpr std::string_view kSaveFilter =
    "PNG picture (*.png);;SVG picture (*.svg);;PDF document (*.pdf);;CSV table (*.csv)";
inline constexpr std::string_view kSaveKinds = "Save the study as .png, .svg, .pdf or .csv.";

// The units of the dialog's quantities: air quantities and the booster pressure.
inline constexpr std::string_view kQuantityUnitSI = "m³/s";
inline constexpr std::string_view kQuantityUnitImperial = "kcfm";
inline constexpr std::string_view kBoosterUnitSI = "kPa";
inline constexpr std::string_view kBoosterUnitImperial = "in.w.g.";

// The headings of the table of steps beside the inputs' own; each quantity's is followed by its
// unit in brackets.
inline constexpr std::string_view kStatusHeading = "Status";
inline constexpr std::string_view kFaceHeading = "Face";
inline constexpr std::string_view kFanEndHeading = "Fan End";
inline constexpr std::string_view kBoosterHeading = "Booster";

// "Face (m³/s)": a heading or label with its unit.
std::string withUnit(std::string_view name, std::string_view unit);
// "Required face quantity (m³/s)", or "(kcfm)" in Imperial units.
std::string requiredFaceLabel(bool imperial);
// "Cannot save "<path>"."
std::string cannotSave(std::string_view path);

} // namespace flowmar::study_texts
