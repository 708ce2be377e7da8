#include "core/views/text_report.h"

#include "core/model/utf8.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

namespace {

constexpr int kReportPointSize = 10;
constexpr double kHeadingDrop = 100; // from the top of the printable area to the heading
constexpr double kTitleDrop = 200;   // from the rule to the title
constexpr double kBodyX = 100;
constexpr int kUnitsPerCharacter = 20; // plain text: 2 mm of the page to one character

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        utf8::next(text, i);
    }
    return count;
}

} // namespace

Font reportFont() {
    return Font{kReportPointSize, "Arial", false};
}

int reportTextHeight(const TextMetrics& metrics) {
    const double height = pointsToLogical(metrics.height(reportFont()), kTenthMillimetresPerInch);
    return std::isfinite(height) && height > 0 ? static_cast<int>(std::lround(height)) : 1;
}

Drawing drawTextReport(const TextReport& report, const PageRect& page, const TextMetrics& metrics) {
    Drawing drawing(Extent{page.left, page.top, page.right, page.bottom}, kTenthMillimetresPerInch);
    const Font font = reportFont();
    const double h = reportTextHeight(metrics);

    const double headingY = page.top - kHeadingDrop;
    drawing.addText({page.left, headingY}, report.heading, font);
    const double ruleY = headingY - 2 * h;
    drawing.addLine({page.left, ruleY}, {page.right, ruleY});

    const double titleY = ruleY - kTitleDrop;
    drawing.addText({page.left + kBodyX, titleY}, report.title, font);
    double y = titleY - 3 * h;
    for (const ReportRow& row : report.rows) {
        for (const ReportCell& cell : row) {
            drawing.addText({page.left + cell.x, y}, cell.text, font);
        }
        y -= 2 * h;
    }
    return drawing;
}

std::string reportRowText(const ReportRow& row) {
    std::string line;
    std::size_t width = 0;
    for (const ReportCell& cell : row) {
        const int column = std::max(0, (cell.x - static_cast<int>(kBodyX)) / kUnitsPerCharacter);
        std::size_t start = static_cast<std::size_t>(column);
        if (width > 0 && start <= width) {
            start = width + 1;
        }
        line.append(start - width, ' ');
        line += cell.text;
        width = start + characterCount(cell.text);
    }
    return line;
}

std::vector<std::string> textReportLines(const TextReport& report) {
    std::vector<std::string> lines{report.heading, std::string(characterCount(report.heading), '-'),
                                   "", report.title};
    if (!report.rows.empty()) {
        lines.emplace_back();
    }
    for (const ReportRow& row : report.rows) {
        lines.push_back(reportRowText(row));
    }
    return lines;
}

} // namespace flowmar
