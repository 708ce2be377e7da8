// The leaky duct as a ladder network: n duct segments in series, each with its friction and shock
// resistance, and a leakage path to the outside at each of the n - 1 inner nodes. Both solutions
// read their resistances from here, after a check that they are usable.
#pragma once

#include "core/model/flowmar_doc.h"

#include <string_view>

namespace flowmar {

struct LadderNetwork {
    int n = 0; // segments, 1..100
    // Resistance of duct segment j, friction plus shock, Ns²/m⁸.
    SegmentTable<double> series{};
    // Resistance of the leakage path at node k (between segments k and k+1), Ns²/m⁸; 0 at k = n,
    // where the duct is open.
    SegmentTable<double> leakage{};
};

// Builds the network from Execute's derived values: duct or zone resistances per segment, plus
// the segments' shock resistances. Returns an empty text when the network can be solved, or the
// message that says why not: a segment resistance that is negative or not finite, or a leakage
// path whose resistance is not positive and finite.
std::string_view buildLadderNetwork(const CFlowmarDoc& doc, LadderNetwork& network);

// True when every value a solution stores for a person to read is a finite number.
bool resultsAreFinite(const DuctResults& results, int segmentCount, int fanCount);

} // namespace flowmar
