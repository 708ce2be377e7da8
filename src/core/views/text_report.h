// A one-page text report as the two summaries print it, in 0.1 mm with y up: a heading over a
// rule, a title, and rows of text at fixed column positions, one every 2h, h being the height of
// a line in the report font. The same report also reads as plain text lines for a terminal.
#pragma once

#include "core/views/drawing.h"
#include "core/views/text_metrics.h"

#include <string>
#include <vector>

namespace flowmar {

inline constexpr double kTenthMillimetresPerInch = 254;

// The printable area of a page in 0.1 mm, y up: the heading is written at its top left.
struct PageRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// A whole A4 portrait sheet, for output that has no printer to ask (SVG pages of the CLI).
inline constexpr PageRect kA4Portrait{0, 0, 2100, -2970};

// One text of a row; x in 0.1 mm from the left edge of the printable area.
struct ReportCell {
    int x = 100;
    std::string text;
};

using ReportRow = std::vector<ReportCell>; // no cells: an empty line

struct TextReport {
    std::string heading;
    std::string title;
    std::vector<ReportRow> rows; // below the title
};

// "Arial" at 10 points.
Font reportFont();

// h: the height of a line of text in the report font, in whole 0.1 mm as a printer measures it.
int reportTextHeight(const TextMetrics& metrics);

// The page: the heading at (0, top − 100); a rule across the printable area 2h lower, whose y is
// the new top T; the title at (100, T − 200); row k (from 0) at T − 200 − 3h − 2hk. Nothing is
// wrapped or moved to a second page.
Drawing drawTextReport(const TextReport& report, const PageRect& page,
                       const TextMetrics& metrics = defaultTextMetrics());

// The report as text lines: the heading, a rule of dashes as long as the heading, an empty line,
// the title and, when there are rows, an empty line and one line per row. The cells of a row stand
// at the character column of their x (20 units to a character, 100 being column 0), at least one
// blank after the cell before.
std::vector<std::string> textReportLines(const TextReport& report);

// One row as a line of plain text, its cells at the character columns of their x.
std::string reportRowText(const ReportRow& row);

} // namespace flowmar
