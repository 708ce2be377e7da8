// The coded values of a duct model that every reader checks the same way.
#pragma once

#include <string>

namespace flowmar {

class CFlowmarDoc;

// The fault of the first code outside its list (duct type, solution mode, the fixed quantity's
// location), or empty. Execute would otherwise take a stray code for one of the listed values.
std::string refusedCode(const CFlowmarDoc& doc);

} // namespace flowmar
