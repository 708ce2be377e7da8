#include "core/views/grid_page_plan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace flowmar {
namespace {

// 400 x 200 inside the margins; below a 20-high title and above a 20-high footer a 10-high header
// row leaves 150, room for 15 data rows; beside a 50-wide header column 350 of width are left.
constexpr GridPageArea kArea{400, 200, 20, 20, 10};

// The data cells of one page.
struct Cells {
    int firstRow, lastRow, firstColumn, lastColumn;
    friend bool operator==(const Cells&, const Cells&) = default;
    friend void PrintTo(const Cells& c, std::ostream* os) {
        *os << "rows " << c.firstRow << ".." << c.lastRow << " columns " << c.firstColumn << ".."
            << c.lastColumn;
    }
};

std::vector<Cells> cellsOf(const GridPagePlan& plan) {
    std::vector<Cells> cells;
    for (const GridPage& page : plan.pages) {
        cells.push_back({page.firstRow, page.lastRow, page.firstColumn, page.lastColumn});
    }
    return cells;
}

struct BreakCase {
    const char* why;
    friend void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.why; }
    std::vector<double> widths;
    int rows;
    GridPageArea area;
    std::vector<Cells> pages;
};

class PageBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(PageBreaks, FollowRowsThenRunsOfColumns) {
    const BreakCase& c = GetParam();
    const GridPagePlan plan = planGridPages(c.widths, c.rows, c.area);
    EXPECT_EQ(cellsOf(plan), c.pages);
}

const std::vector<double> kFiveColumns{50, 100, 100, 100, 100, 100};

INSTANTIATE_TEST_SUITE_P(
    GridPagePlan, PageBreaks,
    ::testing::Values(
        BreakCase{"a grid that fits takes one page", {50, 100, 100}, 5, kArea, {{1, 5, 1, 2}}},
        BreakCase{"rows beyond a page go on further pages",
                  {50, 100, 100},
                  40,
                  kArea,
                  {{1, 15, 1, 2}, {16, 30, 1, 2}, {31, 40, 1, 2}}},
        BreakCase{"rows that fill a page exactly take one", {50, 100}, 15, kArea, {{1, 15, 1, 1}}},
        BreakCase{"one row more takes a page of its own",
                  {50, 100},
                  16,
                  kArea,
                  {{1, 15, 1, 1}, {16, 16, 1, 1}}},
        BreakCase{"a grid wider than the page: all rows of the first run of columns first",
                  kFiveColumns,
                  20,
                  kArea,
                  {{1, 15, 1, 3}, {16, 20, 1, 3}, {1, 15, 4, 5}, {16, 20, 4, 5}}},
        BreakCase{"columns filling the room exactly stay on the page",
                  {50, 175, 175, 1},
                  1,
                  kArea,
                  {{1, 1, 1, 2}, {1, 1, 3, 3}}},
        BreakCase{"a column wider than the room has a page of its own",
                  {50, 100, 500, 100},
                  1,
                  kArea,
                  {{1, 1, 1, 1}, {1, 1, 2, 2}, {1, 1, 3, 3}}},
        BreakCase{"so has a first column wider than the room",
                  {50, 500, 100, 100},
                  1,
                  kArea,
                  {{1, 1, 1, 1}, {1, 1, 2, 3}}},
        BreakCase{"a header column wider than the page leaves one column a page",
                  {450, 10, 10},
                  1,
                  kArea,
                  {{1, 1, 1, 1}, {1, 1, 2, 2}}},
        BreakCase{"no rows: a page of headers for each run",
                  kFiveColumns,
                  0,
                  kArea,
                  {{1, 0, 1, 3}, {1, 0, 4, 5}}},
        BreakCase{
            "no columns: the row headers alone", {50}, 20, kArea, {{1, 15, 1, 0}, {16, 20, 1, 0}}},
        BreakCase{"no widths at all: one page", {}, 3, kArea, {{1, 3, 1, 0}}},
        BreakCase{"a page with no room for a data row still takes one",
                  {50, 100},
                  3,
                  {400, 50, 20, 20, 10},
                  {{1, 1, 1, 1}, {2, 2, 1, 1}, {3, 3, 1, 1}}},
        BreakCase{"a negative row count is no rows", {50, 100}, -5, kArea, {{1, 0, 1, 1}}},
        // The inputs the Qt printer computed at 1200 dpi for a grid of the fan database's shape
        // (header column, widths of 150, 150, 110 and 150 units, a title) with the pages it
        // printed: 46 rows a page; three columns fill 6837.5 of the 8099.2 beside the header
        // column and the fourth starts a run; 6 pages.
        BreakCase{"the fan database's grid printed on A4",
                  {400, 2500, 2500, 1837.5, 2500},
                  100,
                  {8499.2204724409457, 12615.220472440946, 349.21875, 349.21875, 250},
                  {{1, 46, 1, 3},
                   {47, 92, 1, 3},
                   {93, 100, 1, 3},
                   {1, 46, 4, 4},
                   {47, 92, 4, 4},
                   {93, 100, 4, 4}}},
        // And the 40 rows of four 110-unit columns on A6, which it printed on 12 pages: no two
        // columns fit beside each other, and 18 rows fit under the title.
        BreakCase{"forty rows of four columns printed on A6",
                  {400, 1837.5, 1837.5, 1837.5, 1837.5},
                  40,
                  {3532.2204724409448, 5582.2204724409448, 349.21875, 349.21875, 250},
                  {{1, 18, 1, 1},
                   {19, 36, 1, 1},
                   {37, 40, 1, 1},
                   {1, 18, 2, 2},
                   {19, 36, 2, 2},
                   {37, 40, 2, 2},
                   {1, 18, 3, 3},
                   {19, 36, 3, 3},
                   {37, 40, 3, 3},
                   {1, 18, 4, 4},
                   {19, 36, 4, 4},
                   {37, 40, 4, 4}}}));

TEST(GridPagePlan, PlacesTheHeadersOnEveryPageAndTheCellsInside) {
    const GridPagePlan plan = planGridPages(kFiveColumns, 20, kArea);
    ASSERT_EQ(plan.pages.size(), 4u);
    EXPECT_EQ(plan.rowsPerPage, 15);
    for (std::size_t i = 0; i < plan.pages.size(); ++i) {
        const GridPage& page = plan.pages[i];
        SCOPED_TRACE(testing::Message() << "page " << page.number);
        EXPECT_EQ(page.number, int(i) + 1);
        ASSERT_FALSE(page.columns.empty());
        ASSERT_FALSE(page.rows.empty());
        // The header column leads and the header row heads every page, under the title.
        EXPECT_EQ(page.columns.front().column, 0);
        EXPECT_EQ(page.columns.front().left, 0);
        EXPECT_EQ(page.columns.front().width, 50);
        EXPECT_EQ(page.rows.front().row, 0);
        EXPECT_EQ(page.rows.front().top, kArea.titleHeight);
        // Then the page's own columns and rows, side by side and one under the other, clear of
        // the right edge and of the footer.
        EXPECT_EQ(int(page.columns.size()), page.lastColumn - page.firstColumn + 2);
        EXPECT_EQ(int(page.rows.size()), page.lastRow - page.firstRow + 2);
        for (std::size_t k = 1; k < page.columns.size(); ++k) {
            EXPECT_EQ(page.columns[k].column, page.firstColumn + int(k) - 1);
            EXPECT_EQ(page.columns[k].left, page.columns[k - 1].left + page.columns[k - 1].width);
        }
        EXPECT_LE(page.columns.back().left + page.columns.back().width, kArea.width);
        for (std::size_t k = 1; k < page.rows.size(); ++k) {
            EXPECT_EQ(page.rows[k].row, page.firstRow + int(k) - 1);
            EXPECT_EQ(page.rows[k].top, page.rows[k - 1].top + kArea.rowHeight);
        }
        EXPECT_LE(page.rows.back().top + kArea.rowHeight, kArea.height - kArea.footerHeight);
    }
    // The second run's first page: data column 4 right of the header column.
    EXPECT_EQ(plan.pages[2].columns[1].column, 4);
    EXPECT_EQ(plan.pages[2].columns[1].left, 50);
    EXPECT_EQ(plan.pages[3].rows.back().row, 20);
    EXPECT_EQ(plan.pages[3].rows.back().top, 20 + 5 * 10);
}

struct RangeCase {
    const char* why;
    friend void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.why; }
    int from, to, count;
    int first, last;
};

class PrintedPages : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PrintedPages, StayWithinThePlan) {
    const RangeCase& c = GetParam();
    const GridPageRange range = printedPageRange(c.from, c.to, c.count);
    EXPECT_EQ(range.first, c.first);
    EXPECT_EQ(range.last, c.last);
}

INSTANTIATE_TEST_SUITE_P(
    GridPagePlan, PrintedPages,
    ::testing::Values(RangeCase{"no range prints every page", 0, 0, 5, 1, 5},
                      RangeCase{"one page", 2, 2, 5, 2, 2},
                      RangeCase{"a range within the pages", 2, 4, 5, 2, 4},
                      RangeCase{"no last page prints the first alone", 3, 0, 5, 3, 3},
                      RangeCase{"a last page before the first prints the first alone", 3, 1, 5, 3,
                                3},
                      RangeCase{"a range past the end stops at the last page", 4, 9, 5, 4, 5},
                      RangeCase{"a range wholly past the end prints the last page", 7, 9, 5, 5, 5},
                      RangeCase{"a plan has at least one page", 0, 0, 0, 1, 1}));

} // namespace
} // namespace flowmar
