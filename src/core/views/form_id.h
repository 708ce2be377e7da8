// The Summary of Input Data form: the texts of its value boxes and labels, and which labels are
// shown, computed from a duct model so that the Qt form only copies them into its controls. The
// physical data always follow the model; fan and zone boxes change only for a model with results.
#pragma once

#include "core/views/form_fill.h"
#include "core/views/form_layout.h"

#include <array>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

namespace input_form {

inline constexpr std::string_view kStatusText = "Summary of Input Data";

// Value boxes.
inline constexpr int kDiameterBox = 1056;
inline constexpr int kLengthBox = 1057;
inline constexpr int kFrictionFactorBox = 1058;
inline constexpr int kLeakageResistanceBox = 1059;
inline constexpr int kLeakagePathCountBox = 1060;
inline constexpr int kAirDensityBox = 1071;
inline constexpr int kCurveFanCountBox = 1109;
inline constexpr int kFixedPressureFanCountBox = 1110;
inline constexpr int kFanCountBox = 1111;
inline constexpr int kConfigurationBox = 1125;
inline constexpr int kZonesActiveBox = 1132;
// Zone boxes, zone 1 (top row) to zone 5.
inline constexpr std::array<int, 5> kZoneStartBoxes{1098, 1131, 1099, 1101, 1100};
inline constexpr std::array<int, 5> kZoneEndBoxes{1103, 1102, 1104, 1106, 1105};
inline constexpr std::array<int, 5> kZoneDiameterBoxes{1108, 1107, 1112, 1114, 1113};
inline constexpr std::array<int, 5> kZoneFrictionFactorBoxes{1116, 1115, 1117, 1119, 1118};
inline constexpr std::array<int, 5> kZoneLeakageBoxes{1121, 1120, 1122, 1124, 1123};

// Labels rebuilt with the unit system's units.
inline constexpr int kDiameterLabel = 1205;
inline constexpr int kLengthLabel = 1206;
inline constexpr int kFrictionFactorLabel = 1207;
inline constexpr int kLeakageResistanceLabel = 1208;
inline constexpr int kAirDensityLabel = 1209;
inline constexpr int kZoneStartLabel = 1210;
inline constexpr int kZoneEndLabel = 1211;
inline constexpr int kZoneDiameterLabel = 1212;
inline constexpr int kZoneFrictionFactorLabel = 1213;
inline constexpr int kZoneLeakageLabel = 1214;

// The "x 10^-10" labels beside the friction factors, shown in Imperial only, and the unused
// "x 10^-9" label, always hidden.
inline constexpr std::array<int, 6> kTimesTenToMinusTenLabels{1237, 1239, 1241, 1243, 1244, 1245};
inline constexpr int kTimesTenToMinusNineLabel = 1250;

// The caption of the zone friction factor label, before its unit.
inline constexpr std::string_view kZoneFrictionFactorCaption = "k ";

inline constexpr const char* kForceText = "FORCE";
inline constexpr const char* kExhaustText = "EXHAUST";

} // namespace input_form

// The view's copy of the number of leakage paths, refreshed only from a model with results; a new
// form starts with 0.
struct FormIdState {
    int shownLeakagePathCount = 0;
};

// The fill when the model's data changed: labels; friction factor, leakage resistance, label
// visibility, density, length and diameter always; with results the configuration, the fan
// counts ("NA" in fixed-quantity mode), the leakage path count, the zones (blank when not shown)
// and "YES"/"NO".
FormFill formIdUpdate(const CFlowmarDoc& doc, FormIdState& state);

// The fill when the form first opens: the view's copy, the update above, then for a model without
// results "0" in the three fan boxes, and "NO" in the zones box when zones are off.
FormFill formIdInitialUpdate(const CFlowmarDoc& doc, FormIdState& state);

// The form's controls: physical data and fan data side by side, the default resistance data below
// them, then the zone table with each friction factor's "x 10^-10" beside its box.
FormLayout formIdLayout();

} // namespace flowmar
