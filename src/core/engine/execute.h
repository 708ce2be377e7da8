// Execute: turns the duct model's input into a solved network. Checks the zones, derives the
// duct's geometry and resistances, spreads the zones over the segments, checks and assembles the
// shock losses, and runs the fan-mode or the fixed-quantity solution.
#pragma once

#include "core/engine/execute_result.h"

namespace flowmar {

class CFlowmarDoc;

inline constexpr double kPi = 3.1415927; // the value every derived area and perimeter uses

// Runs every step in order on the model (SI throughout) and marks it modified. A failed check ends
// the run with its message and, where the fault can be mended there, the sheet to open; derived
// values computed before the stop stay, the results of the previous solution stay whole. The
// result converts to true when a solution stored its results. Nobody is asked anything: the
// Execute command shows what the result holds.
ExecuteResult Execute(CFlowmarDoc& doc);

// A run stopped by the shock-loss check leaves the shock losses to be folded into the segments
// once the Shock Losses sheet it asked for has closed, as the sheet left the tables.
void assembleShockLossesAfterSheet(CFlowmarDoc& doc);

} // namespace flowmar
