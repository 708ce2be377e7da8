// The printed Summary of Results: the headline results of a duct model's last Execute as a one-page
// text report (a Drawing in 0.1 mm, y up) and as the same lines of plain text. A model without
// results yields the heading and the title only.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

inline constexpr std::string_view kSummaryOfResultsHeading =
    "Flowmar Version 1.0 - Summary of Results";
inline constexpr std::string_view kSummaryOfResultsTitle = "SUMMARY OF RESULTS";

// The report's texts in the model's unit system: the result lines (the iteration line or the
// series/parallel note, the booster line in fixed-quantity mode), then, when zones are shown, an
// empty row and the zones table.
TextReport summaryResultsReport(const CFlowmarDoc& doc);

// The page laid out in the printable area page.
Drawing summaryResultsPage(const CFlowmarDoc& doc, const PageRect& page,
                           const TextMetrics& metrics = defaultTextMetrics());

// The report as plain text lines (see textReportLines).
std::vector<std::string> summaryResultsLines(const CFlowmarDoc& doc);

} // namespace flowmar
