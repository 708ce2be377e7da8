// The design checks' findings as the command line prints them: text lines after the summaries,
// and the `checks` array of the JSON results.
#pragma once

#include "core/analysis/design_checks.h"

#include <string>
#include <vector>

namespace flowmar {

class JsonStream;

// "Design checks:" and a line per finding ("  warning  Booster draws on a duct in suction: ..."),
// or "Design checks: nothing to report." when there is none.
std::string findingsText(const std::vector<DesignFinding>& findings);

// Each finding as {severity, code, title, text, from, to, fan} into a JSON stream; distances in
// m, null when the finding applies to no stretch or fan.
void writeFindingsJson(JsonStream& j, const std::vector<DesignFinding>& findings);

// Whether any finding is a warning (the command line's --strict turns that into its own status).
bool anyWarning(const std::vector<DesignFinding>& findings);

} // namespace flowmar
