// The Summary of Results form: the texts of its value boxes and unit labels computed from a duct
// model, so that the Qt form only copies them into its controls. Only a model with results (a
// non-zero duct area) changes the boxes; without results they keep what they showed.
#pragma once

#include "core/views/form_fill.h"
#include "core/views/form_layout.h"

#include <array>
#include <string>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

namespace results_form {

inline constexpr std::string_view kStatusText = "Summary of Results";

// Value boxes.
inline constexpr int kAreaBox = 1061;
inline constexpr int kPerimeterBox = 1062;
inline constexpr int kSegmentLengthBox = 1064;
inline constexpr int kTotalResistanceBox = 1071;
inline constexpr int kSegmentResistanceBox = 1072;
inline constexpr int kLeakPathResistanceBox = 1073;
inline constexpr int kMeshCountBox = 1074;
inline constexpr int kIterationCountBox = 1075;
inline constexpr int kFaceQuantityBox = 1076;
inline constexpr int kFurthestQuantityBox = 1077;
inline constexpr int kShockFactorBox = 1078;
inline constexpr int kMethodBox = 1079;
inline constexpr int kBoosterPressureBox = 1080;
inline constexpr int kZonesActiveBox = 1154;
// Zone boxes, zone 1 to zone 5.
inline constexpr std::array<int, 5> kZoneAreaBoxes{1134, 1135, 1136, 1137, 1138};
inline constexpr std::array<int, 5> kZonePerimeterBoxes{1139, 1140, 1141, 1142, 1143};
inline constexpr std::array<int, 5> kZoneSegmentResistanceBoxes{1144, 1145, 1146, 1147, 1148};
inline constexpr std::array<int, 5> kZoneLeakResistanceBoxes{1149, 1150, 1151, 1152, 1153};

// Labels rebuilt with the unit system's units.
inline constexpr int kAreaLabel = 1215;
inline constexpr int kPerimeterLabel = 1216;
inline constexpr int kTotalResistanceLabel = 1217;
inline constexpr int kLeakPathResistanceLabel = 1218;
inline constexpr int kSegmentResistanceLabel = 1219;
inline constexpr int kFaceQuantityLabel = 1220;
inline constexpr int kFurthestQuantityLabel = 1221;
inline constexpr int kSegmentLengthLabel = 1222;
inline constexpr int kBoosterPressureLabel = 1224;
inline constexpr int kZoneAreaLabel = 1225;
inline constexpr int kZonePerimeterLabel = 1226;
inline constexpr int kZoneSegmentResistanceLabel = 1227;
inline constexpr int kZoneLeakResistanceLabel = 1228;
// The fixed caption of the shock loss factor, which no fill writes.
inline constexpr int kShockFactorLabel = 1223;

} // namespace results_form

// The view's own copies of the mesh count and the method, which it refreshes only from a model
// with results; a new form starts with 0 and "".
struct FormResultsState {
    int shownSegmentCount = 0;
    std::string shownMethodText;
};

// The fill when the model's data changed: unit labels always; with results the values, the
// booster pressure or the iteration count ("NA" for the other), the zones (blank when they are
// not shown) and "YES"/"NO"; always the two view copies.
FormFill formResultsUpdate(const CFlowmarDoc& doc, FormResultsState& state);

// The fill when the form first opens: the update above, then for a model without results "0" in
// the ten value boxes, and "NO" in the zones box when zones are off.
FormFill formResultsInitialUpdate(const CFlowmarDoc& doc, FormResultsState& state);

// The form's controls: general data and resistance data side by side, the fan or fixed-quantity
// data below the first and the zone table beside it.
FormLayout formResultsLayout();

} // namespace flowmar
