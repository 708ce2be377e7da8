// A duct model's fan as one record: its curve and what was entered with it (distance, fixed
// pressure, the "Use Fixed Pressure?" box and the two flags derived from it), read from and
// stored into the model's per-fan tables.
#pragma once

#include "core/fans/fan_curve.h"
#include "core/model/flowmar_doc.h"

namespace flowmar {

// Where a fan entered at a distance of 0 or less is stored: just inside the first segment, so it
// drives every mesh.
inline constexpr double kFanAtDuctStart = 0.00001; // m

struct DuctFan {
    FanCurve curve;
    double distance = 0;      // m
    double fixedPressure = 0; // Pa
    int fixedPressureTag = 0;
    int fixedPressureFlag = 0;
    int hasCurve = 0;

    bool operator==(const DuctFan&) const = default;
};

// Fan i (1..100) as entered. A point count outside 0..15 reads as its nearest valid value.
FanCurve fanCurveOf(const CFlowmarDoc& doc, int i);
DuctFan ductFanOf(const CFlowmarDoc& doc, int i);

// Stores the entered data of fan i (1..100); the solution's per-fan results are not touched.
void storeFanCurve(CFlowmarDoc& doc, int i, const FanCurve& curve);
void storeDuctFan(CFlowmarDoc& doc, int i, const DuctFan& fan);

} // namespace flowmar
