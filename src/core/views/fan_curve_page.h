// The printed page of the two fan-curve panes: a header over a rule, the fan-curve summary (the
// selected fan's data and operating point as text lines) and the fan-curve chart, on one
// landscape page in 0.1 mm with y up. The chart is scaled, keeping its proportions, into the free
// part of the page beside or below the summary, so it looks the same on every printer.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

namespace fan_curve_view {
inline constexpr std::string_view kPageHeading = "Flowmar Version 1.0 - Fan Curve Data";
inline constexpr std::string_view kSummaryTitle = "SUMMARY OF FAN CURVE DATA";
// A whole A4 sheet lying on its side, for output that has no printer to ask.
inline constexpr PageRect kA4LandscapePage{0, 0, 2970, -2100};
} // namespace fan_curve_view

// Which pane prints: the two differ in where the header and summary stand and in how a few
// values are written.
enum class FanCurvePane { Chart, Form };

// One line of the summary: its text and how many text heights h it stands below the title.
struct FanCurveSummaryLine {
    int offset = 0;
    std::string text;
};

// The summary of the selected fan in the model's unit system: the title (offset 0), then, when the
// model has fans and its last solution was in fan mode, the fan's lines.
std::vector<FanCurveSummaryLine> fanCurveSummary(const CFlowmarDoc& doc, FanCurvePane pane);

// The printed page of a pane laid out in the printable area page (0.1 mm, y up).
Drawing fanCurvePage(const CFlowmarDoc& doc, FanCurvePane pane, const PageRect& page,
                     const TextMetrics& metrics = defaultTextMetrics());

} // namespace flowmar
