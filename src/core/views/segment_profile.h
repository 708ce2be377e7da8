// The solved duct segment by segment, in SI: where each segment lies, the air it carries and
// loses, its pressures and velocity. The graph, the command line's tables and its JSON read this.
#pragma once

#include <vector>

namespace flowmar {

class CFlowmarDoc;

struct SegmentProfileRow {
    int segment = 0;
    double start = 0;          // m from the duct start
    double end = 0;            // m
    double quantity = 0;       // m³/s along the segment
    double leakage = 0;        // m³/s leaving at its end node (the face outflow for the last)
    double totalPressure = 0;  // Pa, as the solution stores it for the segment
    double staticPressure = 0; // Pa, total less the velocity pressure
    double velocity = 0;       // m/s
};

// One row per segment of the last solution; empty when the model has no results. The velocity
// and velocity pressure are those of the segment's zone when zones are applied.
std::vector<SegmentProfileRow> segmentProfile(const CFlowmarDoc& doc);

} // namespace flowmar
