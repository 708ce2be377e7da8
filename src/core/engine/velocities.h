// Air velocities and velocity pressures of the solved segments, with the duct's area and with the
// area of each segment's zone.
#pragma once

#include "core/model/flowmar_doc.h"

namespace flowmar {

// segmentVelocity and segmentVelocityPressure of segments 1..n from their flows.
void computeDuctVelocities(const CFlowmarDoc& doc, int n, DuctResults& results);

// zoneSegmentVelocity and zoneSegmentVelocityPressure of every segment that a zone 1..zoneCount
// covers, whether or not zones are applied. Zones without an area (never derived) are skipped.
void computeZoneVelocities(const CFlowmarDoc& doc, int n, DuctResults& results);

} // namespace flowmar
