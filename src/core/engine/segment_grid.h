// The duct's segment grid: n segments of equal length, the last one ending exactly at the duct
// length. Every "lies in segment" and "zone covers segment" test of the engine goes through here,
// so that rounding in n × (length / n) can never leave the duct end outside the last segment.
#pragma once

namespace flowmar {

class CFlowmarDoc;

// A distance lies within the duct when its integer part does not exceed the duct length rounded
// up (a distance of 100.9 lies within a 100.0 m duct). Compared in doubles, which equals the
// integer comparison for every representable value and puts NaN outside.
bool withinDuctLength(double distance, double ductLength);

struct SegmentGrid {
    int count = 0;         // segments, 1..100 for a valid model
    double length = 0;     // m, ductLength / count
    double ductLength = 0; // m

    // The grid of the current input: leakagePathCount + 1 segments over ductLength.
    static SegmentGrid fromInput(const CFlowmarDoc& doc);
    // The grid the last Execute derived (segmentCount, held within the table, and
    // segmentLength): the one the stored results belong to.
    static SegmentGrid fromDerived(const CFlowmarDoc& doc);

    // Start and end distance of segment j (1-based), m.
    double start(int j) const { return j <= 1 ? 0.0 : end(j - 1); }
    double end(int j) const { return j >= count ? ductLength : j * length; }

    // A point at distance x lies in segment j when start < x <= end.
    bool contains(int j, double x) const { return start(j) < x && x <= end(j); }
    // The segment holding distance x, or 0 when none does (x <= 0, beyond the duct, NaN).
    int segmentOf(double x) const;
    // Segment j lies wholly within [from, to].
    bool coveredBy(int j, double from, double to) const { return start(j) >= from && end(j) <= to; }
};

} // namespace flowmar
