// The Fan Results view: where each fan of a duct model operates after a fan-mode Execute, as a
// grid of one row per fan and as a printed report of one block per fan, a curve fan's block with
// its operating-characteristics chart. Everything comes from the last solution; a model last
// solved for a fixed quantity shows no rows and prints only its heading. Each fan's operating
// point is fanOperatingPoint's (fan_chart_data.h).
#pragma once

#include "core/views/drawing.h"
#include "core/views/fan_chart_data.h"
#include "core/views/fan_report_pages.h"
#include "core/views/grid_content.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

namespace fan_results {
inline constexpr std::string_view kStatusText = "Fan Operating Characteristics";
inline constexpr std::string_view kHeading = "Flowmar Version 1.0 - Fan Results";
inline constexpr int kColumnCount = 10;
} // namespace fan_results

// Whether the model holds fan-mode results to show: fans, and no booster pressure of a
// fixed-quantity solution.
bool hasFanModeResults(const CFlowmarDoc& doc);

// The grid: 10 columns with their headers in the model's units, "No." above the row numbers, one
// read-only, right-aligned row per fan when there are fan-mode results and none otherwise. At the
// first display an Imperial model's pressure column is 140 units wide; every later fill makes it
// 100 in SI and 110 in Imperial.
GridContent fanResultsGrid(const CFlowmarDoc& doc, bool firstDisplay = false);

// The printed report for a page of the given width, with line height h (in 0.1 mm). A curve
// fan's block reserves 7 lines and 2000 units for its chart; a fixed-pressure fan's 7 lines.
FanReport fanResultsReport(const CFlowmarDoc& doc, int pageWidth, int h);

// Every printed page laid out in the printable area page, each curve fan with its chart.
std::vector<Drawing> fanResultsPages(const CFlowmarDoc& doc, const PageRect& page,
                                     const TextMetrics& metrics = defaultTextMetrics());

// The report as plain text lines (see fanReportLines), for an A4 portrait page.
std::vector<std::string> fanResultsLines(const CFlowmarDoc& doc);

} // namespace flowmar
