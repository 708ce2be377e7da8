// The fixed-quantity solution: one air quantity prescribed at the face or at the fan end, all fans
// ignored, and the booster pressure that the quantity needs.
#pragma once

#include "core/engine/execute_result.h"

namespace flowmar {

class CFlowmarDoc;

// Solves the model for its fixedQuantity (m³/s) at fixedQuantityLocation and stores the segment
// flows, the pressure profile and boosterPressure (kPa). Needs Execute's derived values and shock
// losses. A booster requirement above 1000 kPa, incomplete duct details or a network that cannot
// be solved stop it with a message in `run`, keeping the previous results.
SolutionStatus solveFixedQuantity(CFlowmarDoc& doc, ExecuteResult& run);

} // namespace flowmar
