// The printed fan reports (the Fan Input listing and the Fan Results report): one block per fan,
// in fan order, laid out on portrait pages in 0.1 mm with y up from the top edge of the printable
// area. A block is reserved a height when the pages are planned and is never split: a block that
// does not fit in the room left on a page starts the next page. The same blocks read as plain
// text lines for a terminal.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"
#include "core/views/text_report.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace flowmar {

// Which page each block lands on.
struct FanPagePlan {
    int pageCount = 1;
    std::vector<int> pageOf; // the page (from 1) of each block, in block order
};

// Plans blocks of the given reserved heights on pages whose room ends `capacity` below the top
// edge: the first page's blocks start at firstTop and later pages' at laterTop (both negative or
// 0, below the heading). Blocks are taken in order; one whose height is not less than the room
// left (capacity plus the current, negative, position) starts the next page, where it stays even
// when it is taller than that page. The page count is that of the last block (1 without blocks).
FanPagePlan planFanPages(const std::vector<double>& heights, double capacity, double firstTop,
                         double laterTop);

// One row of a block: its texts and its height below the block's top (0 or negative).
struct FanReportRow {
    double y = 0;
    ReportRow cells;
};

// One fan's block, positioned from its top at y = 0.
struct FanReportBlock {
    int fan = 0;
    double reserved = 0; // the height the page plan reserves for it
    double advance = 0;  // where the next block on the same page starts, below this one's top
    std::vector<FanReportRow> rows;
    std::vector<double> rules;      // rules across the page, at these heights
    std::optional<double> chartTop; // the reference height of the fan's chart, when it has one
};

// The whole report for one page width and one line height h.
struct FanReport {
    std::string heading;  // on page 1 only, at (100, top)
    double top = 0;       // below the top edge: the heading of page 1, the rule of later pages
    double bottomGap = 0; // what the page capacity leaves free above the bottom edge
    std::vector<FanReportBlock> blocks;
};

// Draws the chart of a block's fan; `reference` is the left edge of the page and the chart's top
// reference height.
using FanChartPainter = std::function<void(Drawing& page, int fan, Point reference)>;

// The pages of a report in the printable area page: page 1 gets the heading with a rule 2h below
// it, later pages a rule at `top`; a page's first block starts 3h/2 below its rule and each next
// one `advance` below the one before. The page capacity is the printable height less bottomGap.
// Never fewer than one page.
std::vector<Drawing> drawFanReportPages(const FanReport& report, const PageRect& page, int h,
                                        const FanChartPainter& chart = {});

// The report as text lines: the heading, a rule of dashes as long as it, then each block's rows
// (an empty line where a block leaves more than a line and a half between two rows, and between
// blocks). Cells stand at the character column of their x, as in textReportLines.
std::vector<std::string> fanReportLines(const FanReport& report);

} // namespace flowmar
