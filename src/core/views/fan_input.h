// The Fan Input View: a duct model's fans as they were entered, as a read-only grid of one row per
// fan and as a printed listing of one block per fan with its curve points. Both read the entered
// data only, whatever the last solution was.
#pragma once

#include "core/views/drawing.h"
#include "core/views/fan_report_pages.h"
#include "core/views/grid_content.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

namespace fan_input {
inline constexpr std::string_view kStatusText = "Fan Input View";
inline constexpr std::string_view kHeading = "Flowmar Version 1.0 - Fan Input Data";
inline constexpr int kColumnCount = 8;
} // namespace fan_input

// The grid: 8 columns with their headers in the model's units, "No." above the row numbers, one
// read-only, right-aligned row per fan. Without fans it has no rows and one empty ninth column.
GridContent fanInputGrid(const CFlowmarDoc& doc);

// The printed listing for a page of the given width, with line height h (in 0.1 mm). Each block
// reserves 5 lines, two gaps of 3h/2 and a line per curve point.
FanReport fanInputReport(const CFlowmarDoc& doc, int pageWidth, int h);

// Every printed page laid out in the printable area page.
std::vector<Drawing> fanInputPages(const CFlowmarDoc& doc, const PageRect& page,
                                   const TextMetrics& metrics = defaultTextMetrics());

// The listing as plain text lines (see fanReportLines), for an A4 portrait page.
std::vector<std::string> fanInputLines(const CFlowmarDoc& doc);

} // namespace flowmar
