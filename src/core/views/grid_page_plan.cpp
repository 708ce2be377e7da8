#include "core/views/grid_page_plan.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace flowmar {

namespace {

// The first data column of each run of columns that fits beside the header column. A run takes
// columns while they fit; a column that does not fit starts the next run, and a column wider than
// the whole room still starts (and fills) a run of its own, cut at the margin when printed.
std::vector<int> runStarts(const std::vector<double>& widths, double room) {
    std::vector<int> starts;
    double used = 0;
    for (std::size_t column = 1; column < widths.size(); ++column) {
        if (column == 1 || (used > 0 && used + widths[column] > room)) {
            starts.push_back(int(column));
            used = 0;
        }
        used += widths[column];
    }
    if (starts.empty()) {
        starts.push_back(1);
    }
    return starts;
}

// Data rows under the header row: what the room left by the title, the footer and the header
// row holds, whole rows only, at least one.
int rowsPerPageIn(const GridPageArea& area) {
    const double room = area.height - area.titleHeight - area.footerHeight - area.rowHeight;
    const double rows = std::floor(room / area.rowHeight);
    if (!(rows >= 1)) {
        return 1;
    }
    return rows >= double(INT_MAX) ? INT_MAX : int(rows);
}

} // namespace

GridPagePlan planGridPages(const std::vector<double>& columnWidths, int rowCount,
                           const GridPageArea& area) {
    const std::vector<double> widths = columnWidths.empty() ? std::vector<double>{0} : columnWidths;
    const int columnCount = int(widths.size()) - 1;
    rowCount = std::max(rowCount, 0);

    GridPagePlan plan;
    plan.area = area;
    plan.rowsPerPage = rowsPerPageIn(area);
    const std::vector<int> starts = runStarts(widths, area.width - widths[0]);
    const int rowPages = rowCount == 0 ? 1 : (rowCount - 1) / plan.rowsPerPage + 1;

    for (std::size_t run = 0; run < starts.size(); ++run) {
        const int firstColumn = starts[run];
        const int lastColumn = run + 1 < starts.size() ? starts[run + 1] - 1 : columnCount;
        std::vector<GridPageColumn> columns{{0, 0, widths[0]}};
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const GridPageColumn& before = columns.back();
            columns.push_back({column, before.left + before.width, widths[std::size_t(column)]});
        }
        for (int rowPage = 0; rowPage < rowPages; ++rowPage) {
            GridPage page;
            page.number = int(plan.pages.size()) + 1;
            page.firstRow = 1 + rowPage * plan.rowsPerPage;
            page.lastRow =
                page.firstRow + std::min(plan.rowsPerPage, rowCount - page.firstRow + 1) - 1;
            page.firstColumn = firstColumn;
            page.lastColumn = lastColumn;
            page.columns = columns;
            page.rows.push_back({0, area.titleHeight});
            for (int row = page.firstRow; row <= page.lastRow; ++row) {
                page.rows.push_back({row, page.rows.back().top + area.rowHeight});
            }
            plan.pages.push_back(std::move(page));
        }
    }
    return plan;
}

GridPageRange printedPageRange(int fromPage, int toPage, int pageCount) {
    const int count = std::max(pageCount, 1);
    if (fromPage <= 0) {
        return {1, count};
    }
    const int first = std::clamp(fromPage, 1, count);
    return {first, std::clamp(std::max(toPage, first), first, count)};
}

} // namespace flowmar
