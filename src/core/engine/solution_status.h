// How a run of Execute ended: stopped by a check (the previous results stay), or with a stored
// solution that converged, reached the iteration limit, or came from the fixed-quantity method.
#pragma once

namespace flowmar {

enum class SolutionStatus { Stopped, Converged, IterationLimit, FixedQuantity };

struct ExecuteResult {
    SolutionStatus status = SolutionStatus::Stopped;

    // True when the run stored results.
    explicit operator bool() const { return status != SolutionStatus::Stopped; }
};

} // namespace flowmar
