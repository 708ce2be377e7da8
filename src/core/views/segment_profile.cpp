#include "core/views/segment_profile.h"

#include "core/engine/segment_grid.h"
#include "core/model/flowmar_doc.h"

#include <algorithm>

namespace flowmar {

std::vector<SegmentProfileRow> segmentProfile(const CFlowmarDoc& doc) {
    std::vector<SegmentProfileRow> rows;
    if (doc.ductArea == 0) {
        return rows;
    }
    const SegmentGrid grid = SegmentGrid::fromDerived(doc);
    const int n = grid.count;
    const DuctResults& r = doc.results;
    const bool zonesApplied = doc.zonesOff == 0;
    rows.reserve(static_cast<std::size_t>(n));
    for (int j = 1; j <= n; ++j) {
        SegmentProfileRow row;
        row.segment = j;
        row.start = grid.start(j);
        row.end = grid.end(j);
        row.quantity = r.branchFlow[n + j];
        row.leakage = r.branchFlow[j];
        row.totalPressure = r.totalPressure[j];
        const double velocityPressure =
            zonesApplied ? r.zoneSegmentVelocityPressure[j] : r.segmentVelocityPressure[j];
        row.velocity = zonesApplied ? r.zoneSegmentVelocity[j] : r.segmentVelocity[j];
        row.staticPressure = row.totalPressure - velocityPressure;
        rows.push_back(row);
    }
    return rows;
}

} // namespace flowmar
