// The exit status of flowmar-cli, the same for every command: what each number means, the number
// of a solution's end, and which of several outcomes a call of many models reports.
#pragma once

#include "core/model/solution_status.h"

namespace flowmar::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitStopped = 1;
inline constexpr int kExitUsage = 2; // also: a file that cannot be read or written
inline constexpr int kExitIterationLimit = 3;
// A warning among the findings under --strict, when nothing more serious happened.
inline constexpr int kExitDesignWarning = 4;

// Results complete (converged, or fixed quantity), the iteration limit reached, or stopped.
inline int exitStatusOf(SolutionStatus status) {
    switch (status) {
    case SolutionStatus::Converged:
    case SolutionStatus::FixedQuantity:
        return kExitOk;
    case SolutionStatus::IterationLimit:
        return kExitIterationLimit;
    case SolutionStatus::Stopped:
        break;
    }
    return kExitStopped;
}

// The most serious outcome of several runs: a file fault, then a stop, then the limit, then a
// design warning under --strict.
inline int worse(int a, int b) {
    const auto rank = [](int status) {
        switch (status) {
        case kExitUsage:
            return 4;
        case kExitStopped:
            return 3;
        case kExitIterationLimit:
            return 2;
        case kExitDesignWarning:
            return 1;
        default:
            return 0;
        }
    };
    return rank(a) >= rank(b) ? a : b;
}

} // namespace flowmar::cli
