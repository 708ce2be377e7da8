// How a run of Execute ended and what it has to tell a person. The engine asks nobody anything:
// it stops on a failed check and hands back the messages, in the order a person reads them, and
// the input sheet where the fault can be mended; the Execute command shows them.
#pragma once

#include "core/model/solution_status.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

// The sheet a stop asks to open once its messages have been read.
enum class InputSheet { None, DuctDetails, ShockLosses };

struct ExecuteResult {
    SolutionStatus status = SolutionStatus::Stopped;
    std::vector<std::string> messages; // oldest first; the last one says why a stopped run stopped
    InputSheet sheet = InputSheet::None;
    int sheetPage = 0; // the sheet's page, in tab order, that holds what the check refused

    // True when the run stored results.
    explicit operator bool() const { return status != SolutionStatus::Stopped; }

    void tell(std::string_view message) { messages.emplace_back(message); }
    // A failed check: its message, the sheet to open and the page to show in front. The status
    // stays Stopped.
    void stop(std::string_view message, InputSheet sheetToOpen = InputSheet::None, int page = 0) {
        tell(message);
        sheet = sheetToOpen;
        sheetPage = page;
    }
};

} // namespace flowmar
