// The printed Summary of Input Data: a duct model's physical data, leakage, fans and zones as a
// one-page text report (a Drawing in 0.1 mm, y up) and as the same lines of plain text. A model
// without results yields the heading and the title only.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

inline constexpr std::string_view kSummaryOfInputHeading =
    "Flowmar Version 1.0 - Summary of Input Data";
inline constexpr std::string_view kSummaryOfInputTitle = "SUMMARY OF INPUT DATA";

// The report's texts in the model's unit system: ten lines of input data, then, when zones are
// shown, an empty row and the zones table.
TextReport summaryInputReport(const CFlowmarDoc& doc);

// The page laid out in the printable area page.
Drawing summaryInputPage(const CFlowmarDoc& doc, const PageRect& page,
                         const TextMetrics& metrics = defaultTextMetrics());

// The report as plain text lines (see textReportLines).
std::vector<std::string> summaryInputLines(const CFlowmarDoc& doc);

} // namespace flowmar
