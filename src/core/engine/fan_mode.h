// The fan-mode solution: the leaky duct driven by the fans placed along it, each on its curve or
// at a fixed pressure, solved by mesh-flow corrections (Hardy Cross), one mesh per segment.
#pragma once

#include "core/engine/execute_result.h"
#include "core/model/flowmar_doc.h"

namespace flowmar {

// The flows a solution starts from, balanced at every node: 0.001 m³/s through each leakage path
// and the open end, so segment j carries (n - j + 1) × 0.001 m³/s.
void setStartingFlows(std::array<double, kBranchFlowSize>& branchFlow, int n);

// Solves the model in fan mode and stores flows, fan operating points and the pressure profile.
// Needs Execute's derived values and shock losses. Adds its messages to `run` (a fan outside the
// duct, incomplete duct details, no usable fan, the iteration limit) and may ask for the Duct
// Details sheet. Stored input is never changed, except fanFixedPressureTag, which is set from
// fanFixedPressureFlag. When the solution stops early or would give values that are not finite,
// the previous results stay whole.
SolutionStatus solveFanMode(CFlowmarDoc& doc, ExecuteResult& run);

} // namespace flowmar
