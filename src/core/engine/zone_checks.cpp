// Zone boundaries are snapped to the segment grid of the current input so that every segment is
// covered by exactly the zones that the user meant. Each zone is then checked for its distances,
// its length, diameter, k factor and leakage, in that order, and the zones for joining end to
// start; the first failure of the first failing zone is the one reported.
#include "core/engine/zone_checks.h"

#include "core/engine/execute_result.h"
#include "core/engine/segment_grid.h"
#include "core/input/duct_details_sheet.h"
#include "core/model/flowmar_doc.h"
#include "core/model/input_limits.h"
#include "core/model/messages.h"

#include <string_view>

namespace flowmar {

namespace {

double snapped(double x, const SegmentGrid& grid) {
    const int j = grid.segmentOf(x);
    if (j == 0) {
        return x;
    }
    const double a = grid.start(j);
    const double b = grid.end(j);
    return x - a <= (b - a) / 2 ? a : b;
}

std::string_view firstZoneFault(const CFlowmarDoc& doc, int z, const SegmentGrid& grid) {
    const double start = doc.zoneStart[z];
    const double end = doc.zoneEnd[z];
    if (start < 0 || end < 0) {
        return messages::kZoneDistanceNegative;
    }
    if (!withinDuctLength(start, doc.ductLength) || !withinDuctLength(end, doc.ductLength)) {
        return messages::kZoneDistanceBeyondDuct;
    }
    if (!(end - start >= grid.length)) {
        return messages::kZoneTooShort;
    }
    const double diameter = doc.zoneDiameter[z];
    if (!(diameter > 0 && diameter <= limits::kMaxZoneDiameter)) {
        return messages::kZoneDiameter;
    }
    const double k = doc.zoneFrictionFactor[z];
    if (!(k > 0 && k <= limits::kMaxZoneFrictionFactor)) {
        return messages::kZoneFrictionFactor;
    }
    const double leakage = doc.zoneLeakageResistance100[z];
    if (!(leakage > 0 && leakage <= limits::kMaxZoneLeakageResistance)) {
        return messages::kZoneLeakage;
    }
    return {};
}

std::string_view zoneFault(CFlowmarDoc& doc, const SegmentGrid& grid) {
    int empty = 0;
    for (int z = 1; z <= kMaxZones; ++z) {
        if (doc.zoneStart[z] == 0 && doc.zoneEnd[z] == 0) {
            ++empty;
        }
    }
    doc.zoneCount = doc.zoneCountCopy = kMaxZones - empty;
    if (doc.zoneCount == 0) {
        return messages::kNoZoneData;
    }
    for (int z = 1; z <= doc.zoneCount; ++z) {
        if (const auto fault = firstZoneFault(doc, z, grid); !fault.empty()) {
            return fault;
        }
    }
    doc.zoneStart[1] = 0;
    for (int z = 1; z < doc.zoneCount; ++z) {
        if (doc.zoneEnd[z] != doc.zoneStart[z + 1]) {
            return messages::kZonesDoNotJoin;
        }
    }
    doc.zoneEnd[doc.zoneCount] = doc.ductLength;
    return {};
}

} // namespace

void snapZonesToSegments(CFlowmarDoc& doc, const SegmentGrid& grid) {
    for (int z = 1; z <= kMaxZones; ++z) {
        doc.zoneStart[z] = snapped(doc.zoneStart[z], grid);
        doc.zoneEnd[z] = snapped(doc.zoneEnd[z], grid);
    }
}

bool validateZones(CFlowmarDoc& doc, const SegmentGrid& grid, ExecuteResult& run) {
    doc.zoneErrorFlag = 0;
    const std::string_view fault = zoneFault(doc, grid);
    if (fault.empty()) {
        return true;
    }
    doc.zoneErrorFlag = 1;
    run.stop(fault, InputSheet::DuctDetails, duct_details::kZonesPage);
    return false;
}

} // namespace flowmar
