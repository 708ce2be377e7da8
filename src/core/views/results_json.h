// One solved model as a JSON object for scripts: how Execute ended, its messages, the derived
// duct values, the headline results, and the tables of segments and fans, all in SI.
#pragma once

#include "core/engine/execute_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;
class JsonStream;

// "converged", "iteration-limit", "fixed-quantity" or "stopped".
std::string_view statusName(SolutionStatus status);

// The object for one model, written straight into out (appended, no line end), compact for
// indent < 0 or indented by that many spaces. A stopped run lists no segments and no fans: the
// model holds no results of this run. Numbers that are not finite are written as null.
void writeResultsJson(std::string& out, std::string_view file, SolutionStatus status,
                      const std::vector<std::string>& messages, const CFlowmarDoc& doc,
                      int indent = -1);
// Its keys and values into an object the caller has begun, so that the caller may add its own.
void writeResultsFields(JsonStream& j, std::string_view file, SolutionStatus status,
                        const std::vector<std::string>& messages, const CFlowmarDoc& doc);

// The segment table as CSV with a header line, SI units in the column names. A stopped Execute
// has no results to tabulate: the header alone.
std::string segmentTableCsv(const CFlowmarDoc& doc, SolutionStatus status);

} // namespace flowmar
