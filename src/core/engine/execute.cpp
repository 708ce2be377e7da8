// Method. The duct of length L is cut into n = leakage paths + 1 equal segments; a leakage path of
// the whole duct given per 100 m drains each segment of length Ls through a path of resistance
// R100 × (100 / Ls)². Atkinson's law gives the friction resistance k·L·perimeter / area³. With
// zones applied each segment takes the friction and leakage of the zone that covers it, the zone
// boundaries having first been moved onto the segment grid of the current input.
#include "core/engine/execute.h"

#include "core/engine/fan_mode.h"
#include "core/engine/fixed_quantity.h"
#include "core/engine/input_checks.h"
#include "core/engine/segment_grid.h"
#include "core/engine/shock_losses.h"
#include "core/engine/zone_checks.h"
#include "core/input/duct_details_sheet.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace flowmar {

namespace {

constexpr double kResistanceLimit = 10000;    // Ns²/m⁸ per segment
constexpr std::int64_t kLeakageScale = 10000; // (100 m)²

double cube(double x) {
    return x * x * x;
}
double square(double x) {
    return x * x;
}

double toleranceFor(int executionMode, double current) {
    switch (executionMode) {
    case 0:
        return 0.01;
    case 1:
        return 0.001;
    case 2:
        return 0.00001;
    default:
        return current;
    }
}

// The duct's geometry and resistances. Stops the run when the leakage resistance scaled to one
// segment does not fit the 32-bit integer the model keeps.
bool deriveDuctProperties(CFlowmarDoc& doc, const SegmentGrid& grid, ExecuteResult& run) {
    doc.segmentCount = grid.count;
    doc.segmentLength = grid.length;
    doc.ductArea = kPi * square(doc.ductDiameter / 2);
    doc.ductPerimeter = kPi * doc.ductDiameter;
    doc.frictionFactorUsed = doc.frictionFactor;
    doc.totalDuctResistance =
        doc.ductLength * doc.frictionFactor * doc.ductPerimeter / cube(doc.ductArea);
    doc.segmentResistance = doc.totalDuctResistance / doc.segmentCount;
    const std::int64_t scaled = std::int64_t{doc.leakageResistance100} * kLeakageScale;
    if (scaled > std::numeric_limits<std::int32_t>::max() ||
        scaled < std::numeric_limits<std::int32_t>::min()) {
        run.stop(messages::kLeakageResistanceTooLarge, InputSheet::DuctDetails,
                 duct_details::kLeakagePage);
        return false;
    }
    doc.leakageResistanceScaled = static_cast<int>(scaled);
    doc.leakagePathResistance = doc.leakageResistanceScaled / square(doc.segmentLength);
    return true;
}

// Each zone's properties, spread over the segments it covers. Stops the run on a zone too
// restricted.
bool deriveZoneProperties(CFlowmarDoc& doc, const SegmentGrid& grid, ExecuteResult& run) {
    const int n = grid.count;
    for (int z = 1; z <= doc.zoneCount; ++z) {
        doc.zoneLength[z] = doc.zoneEnd[z] - doc.zoneStart[z];
        doc.zoneArea[z] = kPi * square(doc.zoneDiameter[z] / 2);
        doc.zonePerimeter[z] = kPi * doc.zoneDiameter[z];
        doc.zoneLeakageResistanceScaled[z] =
            doc.zoneLeakageResistance100[z] * static_cast<double>(kLeakageScale);
        doc.zoneResistancePerSegment[z] = doc.segmentLength * doc.zoneFrictionFactor[z] *
                                          doc.zonePerimeter[z] / cube(doc.zoneArea[z]);
        doc.zoneLeakagePathResistance[z] =
            doc.zoneLeakageResistanceScaled[z] / square(doc.segmentLength);
        for (int j = 1; j <= n; ++j) {
            if (grid.coveredBy(j, doc.zoneStart[z], doc.zoneEnd[z])) {
                doc.zoneSegmentResistance[j] = doc.zoneResistancePerSegment[z];
                // The last segment ends at the open end of the duct, not at a leakage path.
                doc.zoneSegmentLeakageResistance[j] =
                    j == n ? 0.0 : doc.zoneLeakagePathResistance[z];
            }
        }
        if (doc.zoneResistancePerSegment[z] > kResistanceLimit) {
            run.stop(messages::kZoneTooRestricted, InputSheet::DuctDetails,
                     duct_details::kZonesPage);
            return false;
        }
    }
    return true;
}

// Entry and exit resistances over the duct's area, or over the area of the zone at the
// duct's end. The solutions use the factors per segment instead; these are kept for the reports.
void deriveEntryExitResistances(CFlowmarDoc& doc) {
    const double twiceAreaSquared = 2 * square(doc.ductArea);
    doc.exitResistance = doc.exitShockFactor / twiceAreaSquared;
    doc.entryResistance = doc.entryShockFactor / twiceAreaSquared;
    const int zones = std::clamp(doc.zoneCount, 0, kMaxZones);
    const bool forcing = doc.ductType == kForcing;
    for (int z = 1; z <= zones; ++z) {
        const double area = doc.zoneArea[z];
        if (!(area > 0)) {
            continue; // a zone whose properties were never derived
        }
        const double twiceZoneAreaSquared = 2 * square(area);
        if (doc.zoneEnd[z] == doc.ductLength) {
            (forcing ? doc.exitResistance : doc.entryResistance) =
                (forcing ? doc.exitShockFactor : doc.entryShockFactor) / twiceZoneAreaSquared;
        }
        if (doc.zoneStart[z] == 0) {
            (forcing ? doc.entryResistance : doc.exitResistance) =
                (forcing ? doc.entryShockFactor : doc.exitShockFactor) / twiceZoneAreaSquared;
        }
    }
}

ExecuteResult runStages(CFlowmarDoc& doc) {
    ExecuteResult run;
    doc.setModifiedFlag();
    if (doc.leakagePathCount < 0 || doc.leakagePathCount > kMaxLeakagePaths) {
        run.stop(messages::kLeakagePathCountOutOfRange);
        return run;
    }
    if (!checkPhysicalInput(doc, run)) {
        return run;
    }
    const SegmentGrid grid = SegmentGrid::fromInput(doc);
    const bool zonesApplied = doc.zonesOff == 0;
    if (zonesApplied) {
        snapZonesToSegments(doc, grid);
        validateZones(doc, grid, run);
    } else {
        // A zone table that failed its check no longer matters once zones are switched off.
        doc.zoneErrorFlag = 0;
    }
    if (doc.zoneErrorFlag == 1) {
        return run;
    }
    doc.convergenceTolerance = toleranceFor(doc.executionMode, doc.convergenceTolerance);
    if (!deriveDuctProperties(doc, grid, run)) {
        return run;
    }
    if (doc.segmentResistance > kResistanceLimit) {
        run.stop(messages::kDuctTooRestricted, InputSheet::DuctDetails);
        return run;
    }
    if (zonesApplied && !deriveZoneProperties(doc, grid, run)) {
        return run;
    }
    // A shock-loss table that fails its check is folded into the segments only after its sheet
    // has closed, as the sheet left it (assembleShockLossesAfterSheet).
    if (!validateShockLosses(doc, run)) {
        return run;
    }
    assembleShockLosses(doc, grid);
    deriveEntryExitResistances(doc);
    if (doc.solutionMode == kFanMode) {
        doc.methodText = "Fan";
        run.status = solveFanMode(doc, run);
        return run;
    }
    doc.methodText = "Fixed Quantity";
    run.status = solveFixedQuantity(doc, run);
    return run;
}

} // namespace

ExecuteResult Execute(CFlowmarDoc& doc) {
    ExecuteResult run = runStages(doc);
    doc.lastRun = run.status;
    return run;
}

void assembleShockLossesAfterSheet(CFlowmarDoc& doc) {
    assembleShockLosses(doc, SegmentGrid::fromInput(doc));
}

} // namespace flowmar
