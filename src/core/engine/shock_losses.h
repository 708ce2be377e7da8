// Shock losses: checking the 20-row tables of local losses, then folding every loss (elbows,
// dampers, screens, fixed resistances, entry, exit and zone transitions) into the duct segment
// that holds it, as a total factor C per segment and its resistance C / (2 A²).
#pragma once

namespace flowmar {

class CFlowmarDoc;
struct ExecuteResult;
struct SegmentGrid;

// Sets shockErrorFlag. On the first row with a distance outside the duct or a fixed resistance
// outside 0..100 stops `run` with its message and the Shock Losses sheet. When all rows pass,
// clears half-entered rows (distance 0 with a description), each with its "Row reset" message in
// `run`. Returns true when no check failed.
bool validateShockLosses(CFlowmarDoc& doc, ExecuteResult& run);

// Fills segmentShockFactor, segmentShockResistance (Ns²/m⁸) and totalShockFactor. Needs
// ductArea and, with zones applied, the zones' areas.
void assembleShockLosses(CFlowmarDoc& doc, const SegmentGrid& grid);

} // namespace flowmar
