#include "core/views/fan_report_pages.h"

#include "core/model/utf8.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

namespace {

constexpr double kLeftX = 100; // the heading and both ends of the rules, from the page's edges

// 3h/2 in whole units, as the layouts compute it.
double ruleGap(int h) {
    return (3 * h) / 2;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        utf8::next(text, i);
    }
    return count;
}

} // namespace

FanPagePlan planFanPages(const std::vector<double>& heights, double capacity, double firstTop,
                         double laterTop) {
    FanPagePlan plan;
    plan.pageOf.reserve(heights.size());
    int page = 1;
    double position = firstTop;
    for (const double height : heights) {
        if (!(height < capacity + position)) {
            ++page;
            position = laterTop;
        }
        plan.pageOf.push_back(page);
        position -= height;
    }
    plan.pageCount = page;
    return plan;
}

std::vector<Drawing> drawFanReportPages(const FanReport& report, const PageRect& page, int h,
                                        const FanChartPainter& chart) {
    const double capacity = (page.top - page.bottom) - report.bottomGap;
    const double firstRule = report.top - 2 * h;
    std::vector<double> heights;
    heights.reserve(report.blocks.size());
    for (const FanReportBlock& block : report.blocks) {
        heights.push_back(block.reserved);
    }
    const FanPagePlan plan =
        planFanPages(heights, capacity, firstRule - ruleGap(h), report.top - ruleGap(h));

    const Font font = reportFont();
    const Extent extent{page.left, page.top, page.right, page.bottom};
    std::vector<Drawing> pages;
    pages.reserve(static_cast<std::size_t>(plan.pageCount));
    std::size_t next = 0;
    for (int number = 1; number <= plan.pageCount; ++number) {
        Drawing& drawing = pages.emplace_back(extent, kTenthMillimetresPerInch);
        double y = report.top;
        if (number == 1) {
            drawing.addText({page.left + kLeftX, page.top + y}, report.heading, font);
            y = firstRule;
        }
        drawing.addLine({page.left + kLeftX, page.top + y}, {page.right - kLeftX, page.top + y});
        y -= ruleGap(h);
        for (; next < report.blocks.size() && plan.pageOf[next] == number; ++next) {
            const FanReportBlock& block = report.blocks[next];
            const double top = page.top + y;
            for (const FanReportRow& row : block.rows) {
                for (const ReportCell& cell : row.cells) {
                    drawing.addText({page.left + cell.x, top + row.y}, cell.text, font);
                }
            }
            for (const double rule : block.rules) {
                drawing.addLine({page.left + kLeftX, top + rule},
                                {page.right - kLeftX, top + rule});
            }
            if (block.chartTop && chart) {
                chart(drawing, block.fan, Point{page.left, top + *block.chartTop});
            }
            y -= block.advance;
        }
    }
    return pages;
}

std::vector<std::string> fanReportLines(const FanReport& report) {
    std::vector<std::string> lines{report.heading,
                                   std::string(characterCount(report.heading), '-')};
    for (const FanReportBlock& block : report.blocks) {
        lines.emplace_back();
        std::optional<double> previous;
        double lineStep = 0;
        for (const FanReportRow& row : block.rows) {
            if (previous && lineStep > 0 && *previous - row.y > 1.5 * lineStep) {
                lines.emplace_back();
            }
            if (previous && lineStep == 0) {
                lineStep = *previous - row.y;
            }
            previous = row.y;
            lines.push_back(reportRowText(row.cells));
        }
    }
    return lines;
}

} // namespace flowmar
