// Execute: turns the duct model's input into a solved network. Checks the zones, derives the
// duct's geometry and resistances, spreads the zones over the segments, checks and assembles the
// shock losses, and runs the fan-mode or the fixed-quantity solution.
#pragma once

#include "core/engine/solution_status.h"

namespace flowmar {

class CFlowmarDoc;
class UiPort;

inline constexpr double kPi = 3.1415927; // the value every derived area and perimeter uses

// Runs every step in order on the model (SI throughout) and marks it modified. A failed check
// shows its message, may open the sheet where the fault can be mended, and ends the run; derived
// values computed before the stop stay, the results of the previous solution stay whole.
// Converts to true when a solution stored its results.
ExecuteResult Execute(CFlowmarDoc& doc, UiPort& port);

} // namespace flowmar
