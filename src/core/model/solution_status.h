// How the last solution of a duct model ended. The document keeps it beside its results, so that
// what is read off the results later (the design checks) knows whether they belong to the last
// Execute or survive from an earlier one.
#pragma once

namespace flowmar {

// Stopped by a check (the previous results stay), or with a stored solution that converged,
// reached the iteration limit, or came from the fixed-quantity method.
enum class SolutionStatus { Stopped, Converged, IterationLimit, FixedQuantity };

} // namespace flowmar
