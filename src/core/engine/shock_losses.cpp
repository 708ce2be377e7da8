// A loss at distance x belongs to the segment with start < x <= end: a loss exactly at a segment
// boundary belongs to the segment that ends there, and a distance of 0 (an empty row) to none.
// Zone transitions are referred to the downstream segment: in a forcing duct the air moves
// towards larger distances, in an exhausting duct towards smaller ones.
#include "core/engine/shock_losses.h"

#include "core/engine/execute_result.h"
#include "core/engine/segment_grid.h"
#include "core/input/shock_loss_pages.h"
#include "core/model/flowmar_doc.h"
#include "core/model/input_limits.h"
#include "core/model/messages.h"

#include <algorithm>
#include <string_view>

namespace flowmar {

namespace {

bool outsideDuct(double distance, double ductLength) {
    return distance < 0 || !withinDuctLength(distance, ductLength);
}

std::string_view firstRowFault(const CFlowmarDoc& doc, int r) {
    const double length = doc.ductLength;
    if (outsideDuct(doc.smoothElbowDistance[r], length)) {
        return messages::kSmoothElbowDistance;
    }
    if (outsideDuct(doc.mitredElbowDistance[r], length)) {
        return messages::kMitredElbowDistance;
    }
    if (outsideDuct(doc.damperDistance[r], length)) {
        return messages::kDamperDistance;
    }
    if (outsideDuct(doc.screenDistance[r], length)) {
        return messages::kScreenDistance;
    }
    if (outsideDuct(doc.fixedResistanceDistance[r], length)) {
        return messages::kFixedResistanceDistance;
    }
    const double value = doc.fixedResistanceValue[r];
    if (!(value >= 0 && value <= limits::kMaxFixedResistance)) {
        return messages::kFixedResistanceValue;
    }
    return {};
}

void resetHalfEnteredRows(CFlowmarDoc& doc, ExecuteResult& run) {
    for (int r = 1; r <= kShockLossRows; ++r) {
        if (doc.smoothElbowDistance[r] == 0 &&
            (!doc.smoothElbowText1[r].empty() || !doc.smoothElbowText2[r].empty())) {
            run.tell(messages::kSmoothElbowRowReset);
            doc.smoothElbowDistance[r] = 0;
            doc.smoothElbowText1[r].clear();
            doc.smoothElbowText2[r].clear();
            doc.smoothElbowFactor[r] = 0;
        }
        if (doc.mitredElbowDistance[r] == 0 && !doc.mitredElbowText[r].empty()) {
            run.tell(messages::kMitredElbowRowReset);
            doc.mitredElbowDistance[r] = 0;
            doc.mitredElbowText[r].clear();
            doc.mitredElbowFactor[r] = 0;
        }
        if (doc.damperDistance[r] == 0 && !doc.damperText[r].empty()) {
            run.tell(messages::kDamperRowReset);
            doc.damperDistance[r] = 0;
            doc.damperText[r].clear();
            doc.damperFactor[r] = 0;
        }
    }
}

double square(double x) {
    return x * x;
}

// The loss factor C of a change of area where a zone starts: a sudden expansion or contraction
// in the direction in which the air moves. Areas in order of distance along the duct.
double transitionFactor(int ductType, double upstreamArea, double downstreamArea) {
    const double a1 = upstreamArea;
    const double a2 = downstreamArea;
    if (a2 == a1) {
        return 0;
    }
    if (ductType == kForcing) {
        return a2 > a1 ? square(a2 / a1 - 1) : 0.5 * square(1 - a2 / a1);
    }
    return a2 > a1 ? 0.5 * square(1 - a1 / a2) : square(a1 / a2 - 1);
}

} // namespace

bool validateShockLosses(CFlowmarDoc& doc, ExecuteResult& run) {
    doc.shockErrorFlag = 0;
    for (int r = 1; r <= kShockLossRows; ++r) {
        if (const auto fault = firstRowFault(doc, r); !fault.empty()) {
            doc.shockErrorFlag = 1;
            run.stop(fault, InputSheet::ShockLosses);
            return false;
        }
    }
    resetHalfEnteredRows(doc, run);
    return true;
}

void assembleShockLosses(CFlowmarDoc& doc, const SegmentGrid& grid) {
    const int n = grid.count;
    const bool zonesApplied = doc.zonesOff == 0;
    const int zoneCount = std::clamp(doc.zoneCount, 0, kMaxZones);
    doc.totalShockFactor = 0;
    std::fill(doc.segmentShockFactor.begin(), doc.segmentShockFactor.end(), 0.0);
    std::fill(doc.segmentShockResistance.begin(), doc.segmentShockResistance.end(), 0.0);

    for (int j = 1; j <= n; ++j) {
        if (zonesApplied && doc.autoTransitionOff == 0) {
            const double a = grid.start(j);
            for (int k = 2; k <= zoneCount; ++k) {
                if (doc.zoneStart[k] != a) {
                    continue;
                }
                const double c =
                    transitionFactor(doc.ductType, doc.zoneArea[k - 1], doc.zoneArea[k]);
                const int target = doc.ductType == kForcing ? j : j - 1;
                if (target >= 1) {
                    doc.segmentShockFactor[target] += c;
                }
            }
        }
        double& c = doc.segmentShockFactor[j];
        for (int r = 1; r <= kShockLossRows; ++r) {
            if (grid.contains(j, doc.smoothElbowDistance[r])) {
                c += doc.smoothElbowFactor[r];
            }
            if (grid.contains(j, doc.mitredElbowDistance[r])) {
                c += doc.mitredElbowFactor[r];
            }
            if (grid.contains(j, doc.damperDistance[r])) {
                c += doc.damperFactor[r];
            }
            if (grid.contains(j, doc.screenDistance[r])) {
                c += kScreenShockFactor;
            }
            if (grid.contains(j, doc.fixedResistanceDistance[r])) {
                // The factor whose resistance in a duct of unchanged area is the value again.
                c += 2 * square(doc.ductArea) * doc.fixedResistanceValue[r];
            }
        }
        const bool forcing = doc.ductType == kForcing;
        if (j == 1) {
            c += forcing ? doc.entryShockFactor : doc.exitShockFactor;
        }
        if (j == n) {
            c += forcing ? doc.exitShockFactor : doc.entryShockFactor;
        }
    }

    for (int j = 1; j <= n; ++j) {
        double area = doc.ductArea;
        if (zonesApplied) {
            area = 0;
            for (int z = 1; z <= kMaxZones; ++z) {
                if (grid.coveredBy(j, doc.zoneStart[z], doc.zoneEnd[z])) {
                    area = doc.zoneArea[z];
                }
            }
        }
        doc.segmentShockResistance[j] =
            area == 0 ? 0.0 : doc.segmentShockFactor[j] / (2 * square(area));
        doc.totalShockFactor += doc.segmentShockFactor[j];
    }
}

} // namespace flowmar
