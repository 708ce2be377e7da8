#include "core/engine/segment_grid.h"

#include "core/model/flowmar_doc.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

bool withinDuctLength(double distance, double ductLength) {
    return std::trunc(distance) <= std::ceil(ductLength);
}

SegmentGrid SegmentGrid::fromInput(const CFlowmarDoc& doc) {
    SegmentGrid grid;
    grid.count = doc.leakagePathCount + 1;
    grid.ductLength = doc.ductLength;
    grid.length = doc.ductLength / grid.count;
    return grid;
}

SegmentGrid SegmentGrid::fromDerived(const CFlowmarDoc& doc) {
    return {std::clamp(doc.segmentCount, 0, kMaxSegments), doc.segmentLength, doc.ductLength};
}

int SegmentGrid::segmentOf(double x) const {
    for (int j = 1; j <= count; ++j) {
        if (contains(j, x)) {
            return j;
        }
    }
    return 0;
}

} // namespace flowmar
