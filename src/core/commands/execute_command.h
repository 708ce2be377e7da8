// The Execute command: runs Execute on the model and tells the person what it found, showing its
// messages in order and opening the input sheet where a stop can be mended.
#pragma once

#include "core/engine/execute_result.h"

namespace flowmar {

class CFlowmarDoc;
class UiPort;

// Execute with the wait cursor while it computes; then each message in turn, then the sheet
// the run asked for (Duct Details or Shock Losses, as their commands run them). After the Shock
// Losses sheet, whatever the answer, the shock losses are folded into the segments as the sheet
// left them. Returns what the engine found.
ExecuteResult Execute(CFlowmarDoc& doc, UiPort& port);

} // namespace flowmar
