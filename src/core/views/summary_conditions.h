// The two conditions every summary of a duct model asks: whether the model has results to show
// and whether its zones are to be shown, and how many zone rows a table may list.
#pragma once

#include "core/model/flowmar_doc.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace flowmar {

// Execute computes the duct's area first; a model whose area is 0 was never executed.
inline bool hasResults(const CFlowmarDoc& doc) {
    return doc.ductArea != 0;
}

// Zones are shown for a model with results whose first zone ends beyond 0 and whose zones passed
// their check.
inline bool showsZones(const CFlowmarDoc& doc) {
    return hasResults(doc) && doc.zoneEnd[1] > 0 && doc.zoneErrorFlag == 0;
}

// The zone rows a report lists: zoneCountCopy, kept within the zone table whatever a file held.
inline int zoneRowCount(const CFlowmarDoc& doc) {
    return std::clamp(doc.zoneCountCopy, 0, kMaxZones);
}

// The flow of branch k of the last solution (m³/s), or NaN when k lies outside the flow table, as
// it may for a segment count read from a damaged file.
inline double branchFlowAt(const CFlowmarDoc& doc, std::int64_t k) {
    if (k < 1 || k >= kBranchFlowSize) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return doc.results.branchFlow[static_cast<std::size_t>(k)];
}

// The flow of the duct segment at the face, branch 2n (m³/s).
inline double faceSegmentFlow(const CFlowmarDoc& doc) {
    return branchFlowAt(doc, 2 * std::int64_t{doc.segmentCount});
}

// The flow of the duct segment furthest from the face, branch n + 1 (m³/s).
inline double furthestSegmentFlow(const CFlowmarDoc& doc) {
    return branchFlowAt(doc, std::int64_t{doc.segmentCount} + 1);
}

// The fans that run on a curve: fanCount less the fans at a fixed pressure, kept within the int
// range whatever the two counts hold.
inline int curveFanCount(const CFlowmarDoc& doc) {
    const std::int64_t count =
        std::int64_t{doc.fanCount} - std::int64_t{doc.results.fixedPressureFanCount};
    return static_cast<int>(std::clamp<std::int64_t>(count, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace flowmar
