#include "core/engine/velocities.h"

#include "core/engine/segment_grid.h"

#include <algorithm>

namespace flowmar {

void computeDuctVelocities(const CFlowmarDoc& doc, int n, DuctResults& r) {
    for (int j = 1; j <= n; ++j) {
        const double v = r.branchFlow[n + j] / doc.ductArea;
        r.segmentVelocity[j] = v;
        r.segmentVelocityPressure[j] = doc.airDensity / 2 * v * v;
    }
}

void computeZoneVelocities(const CFlowmarDoc& doc, int n, DuctResults& r) {
    const SegmentGrid grid = SegmentGrid::fromDerived(doc);
    const int zones = std::clamp(doc.zoneCount, 0, kMaxZones);
    for (int z = 1; z <= zones; ++z) {
        if (!(doc.zoneArea[z] > 0)) {
            continue;
        }
        for (int j = 1; j <= n; ++j) {
            if (grid.coveredBy(j, doc.zoneStart[z], doc.zoneEnd[z])) {
                const double v = r.branchFlow[n + j] / doc.zoneArea[z];
                r.zoneSegmentVelocity[j] = v;
                r.zoneSegmentVelocityPressure[j] = doc.airDensity / 2 * v * v;
            }
        }
    }
}

} // namespace flowmar
