// CFlowmarDoc, the duct model: one auxiliary ventilation duct with its geometry, leakage, zones,
// shock losses, fans, solution settings and the results of the last Execute. Every value is held
// in SI (m, m², m³/s, Pa, kg/m³, Ns²/m⁴, Ns²/m⁸, %), except boosterPressure in kPa. Every table is
// 1-based with a fixed capacity and is one element larger than that capacity; element 0 is unused.
#pragma once

#include "core/model/design_criteria.h"
#include "core/model/document_state.h"
#include "core/model/solution_status.h"

#include <array>
#include <string>

namespace flowmar {

inline constexpr int kMaxFans = 100;
inline constexpr int kMaxLeakagePaths = 99;
inline constexpr int kMaxSegments = kMaxLeakagePaths + 1;
inline constexpr int kShockLossRows = 20;
inline constexpr int kMaxZones = 10;
inline constexpr int kMaxCurvePoints = 15;
inline constexpr int kBranchFlowSize = 210; // leakage paths, open end and segments: 2n + 1 <= 201

inline constexpr int kForcing = 1;    // ductType: fan end at distance 0
inline constexpr int kExhausting = 2; // ductType: air flows towards distance 0

inline constexpr int kFanMode = 1;           // solutionMode
inline constexpr int kFixedQuantityMode = 0; // solutionMode
inline constexpr int kLocationFace = 0;      // fixedQuantityLocation
inline constexpr int kLocationFanSource = 1; // fixedQuantityLocation

template <typename T>
using FanTable = std::array<T, kMaxFans + 1>;
template <typename T>
using SegmentTable = std::array<T, kMaxSegments + 1>;
template <typename T>
using ShockTable = std::array<T, 25>; // rows 1..20; 21..24 are not used either
template <typename T>
using ZoneTable = std::array<T, kMaxZones + 1>;
template <typename T>
using CurveTable = std::array<FanTable<T>, kMaxCurvePoints + 1>; // [point][fan]

// What one solution produces. A solution works on a copy and stores it only when the copy holds
// nothing but finite numbers, so a failed solution leaves the previous results whole.
struct DuctResults {
    // With n = segmentCount: 1..n-1 the leakage paths, n the outflow at the open end (the face
    // quantity), n+1..2n the duct segments 1..n. m³/s.
    std::array<double, kBranchFlowSize> branchFlow{};
    SegmentTable<double> totalPressure{};   // Pa at the end of each segment; negated exhausting
    SegmentTable<double> segmentVelocity{}; // m/s with the duct area
    SegmentTable<double> segmentVelocityPressure{};     // Pa
    SegmentTable<double> zoneSegmentVelocity{};         // m/s with the area of the segment's zone
    SegmentTable<double> zoneSegmentVelocityPressure{}; // Pa
    int iterationCount = 0;        // sweeps of the last fan-mode solution; 0 for fixed quantity
    double lastMeshCorrection = 0; // m³/s
    double boosterPressure = 0;    // kPa, fixed-quantity mode; 0 in fan mode
    int reservedInt1 = 0;          // stored in the file, cleared by each solution

    // Per fan, derived by the fan-mode solution.
    FanTable<int> fanSegment{};
    FanTable<int> fanUsesFixedPressure{};
    FanTable<int> fanUsesCurve{};
    FanTable<double> fanPressure{};   // Pa at the operating point
    FanTable<double> fanEfficiency{}; // % at the operating point, 0..100
    FanTable<int> fanOffCurve{};      // 1 when the operating flow lay outside the curve
    int fixedPressureFanCount = 0;
};

class CFlowmarDoc : public DocumentState {
public:
    // ---- Duct input (Duct Details sheet)
    double ductLength = 0;         // m; 0 means the duct details are not complete
    double ductDiameter = 0;       // m
    double frictionFactor = 0.002; // Ns²/m⁴
    double airDensity = 1.2;       // kg/m³
    int ductType = kForcing;
    int leakagePathCount = kMaxLeakagePaths;
    int leakageResistance100 = 10000; // Ns²/m⁸ per 100 m; -1: not yet given in an Imperial model
    int diameterPresetIndex = -1;
    int frictionFactorPresetIndex = -1;
    std::array<std::string, 4> diameterPresets{"0.7", "0.9", "1.0", "1.2"};
    std::array<std::string, 4> ductTypeNames{"Metal/Fiberglass", "Cassette", "Fabric",
                                             "Flexible Suction"};
    std::array<std::string, 4> frictionFactorPresets{"0.002", "0.003", "0.004", "0.005"};

    // ---- Solution settings
    int executionMode = 1;               // 0 Quick, 1 Normal, 2 Detailed
    double convergenceTolerance = 0.001; // m³/s, set from executionMode by Execute
    int iterationLimit = 5000;
    int solutionMode = kFanMode;
    int fixedQuantityApplied = 1;
    double fixedQuantity = 0; // m³/s
    int fixedQuantityLocation = kLocationFace;
    int unitSystem = 1; // 1 SI, 0 Imperial

    // ---- Zones; a row whose start and end are both 0 is empty
    int zonesOff = 1;
    int autoTransitionOff = 1;
    ZoneTable<double> zoneStart{};
    ZoneTable<double> zoneEnd{};
    ZoneTable<double> zoneDiameter{};
    ZoneTable<double> zoneFrictionFactor{};
    ZoneTable<double> zoneLeakageResistance100{};
    ZoneTable<double> zoneLength{};
    ZoneTable<double> zoneArea{};
    ZoneTable<double> zonePerimeter{};
    ZoneTable<double> zoneResistancePerSegment{};
    ZoneTable<double> zoneLeakagePathResistance{};
    ZoneTable<double> zoneLeakageResistanceScaled{};
    ZoneTable<double> zoneReserved{}; // kept with the file, never used
    int zoneCount = 0;
    int zoneCountCopy = 0;
    int zoneErrorFlag = 0;
    int zonesAppliedShown = 0;
    int autoTransitionShown = 0;

    // ---- Shock losses; a row whose distance is 0 is empty
    ShockTable<double> smoothElbowDistance{};
    ShockTable<double> smoothElbowFactor{};
    ShockTable<std::string> smoothElbowText1{};
    ShockTable<std::string> smoothElbowText2{};
    ShockTable<double> mitredElbowDistance{};
    ShockTable<double> mitredElbowFactor{};
    ShockTable<std::string> mitredElbowText{};
    ShockTable<double> damperDistance{};
    ShockTable<double> damperFactor{};
    ShockTable<std::string> damperText{};
    ShockTable<double> screenDistance{};
    ShockTable<double> fixedResistanceDistance{};
    ShockTable<double> fixedResistanceValue{}; // Ns²/m⁸, 0..100
    double entryShockFactor = 0;
    double exitShockFactor = 0;
    int entryTypeIndex = 4; // 1 Sharp, 2 Flanged, 3 Formed Bell, 4 Do Not Include
    int exitTypeIndex = 4;  // 1 Abrupt, 2 Flanged, 3 Diffuser, 4 Do Not Include
    int shockErrorFlag = 0;

    // ---- Fans 1..fanCount; curve points are in order of falling pressure, rising quantity
    int fanCount = 0;
    FanTable<std::string> fanManufacturer{};
    FanTable<std::string> fanModel{};
    FanTable<std::string> fanSetting{};
    FanTable<double> fanCurveDensity{}; // kg/m³ for which the curve holds; 0 when not given
    FanTable<int> fanCurvePointCount{};
    CurveTable<double> fanCurvePressure{};   // [point][fan], Pa
    CurveTable<double> fanCurveQuantity{};   // [point][fan], m³/s
    CurveTable<double> fanCurveEfficiency{}; // [point][fan], %
    FanTable<double> fanDistance{};          // m along the duct
    FanTable<double> fanFixedPressure{};     // Pa
    FanTable<int> fanFixedPressureTag{};     // "Use Fixed Pressure?" as entered
    FanTable<int> fanFixedPressureFlag{};
    FanTable<int> fanHasCurve{};
    int fanEditMode = 0;
    int fanEditIndex = 0;

    // ---- Derived duct properties (Execute)
    double ductArea = 0; // m²; non-zero once a model has been executed
    double ductPerimeter = 0;
    double totalDuctResistance = 0;
    double segmentResistance = 0;
    int segmentCount = 0;
    double segmentLength = 0;
    double leakagePathResistance = 0;
    int leakageResistanceScaled = 0;
    double frictionFactorUsed = 0;
    double entryResistance = 0;
    double exitResistance = 0;
    SegmentTable<double> segmentShockFactor{};
    SegmentTable<double> segmentShockResistance{};
    double totalShockFactor = 0;
    SegmentTable<double> zoneSegmentResistance{};
    SegmentTable<double> zoneSegmentLeakageResistance{};
    std::string methodText;

    // ---- Results of the last solution
    DuctResults results;
    // How the last Execute of this session ended; not stored in files (a model read from a file
    // runs Execute as it opens).
    SolutionStatus lastRun = SolutionStatus::Stopped;

    // ---- Display options and notes
    int plotZeroPressure = 1;
    int showSchematic = 1;
    int showFans = 1;
    int showAirflowDirection = 1;
    int showShockLosses = 1;
    int plotTotalPressure = 1;
    int plotStaticPressure = 1;
    int flowPlotKind = 1; // 1 quantity, 2 velocity
    int curveViewFan = 0;
    int curveViewKind = 0;
    std::string notepadText;

    // What the engineer asks of the solved duct (a JSON model may carry it; ".dct" files do not).
    DesignCriteria designCriteria;

    // Stored in the file, carrying nothing.
    int reservedInt2 = 0;
    int reservedInt3 = 0;
    int reservedInt4 = 0;
    int reservedInt5 = 0;
};

} // namespace flowmar
