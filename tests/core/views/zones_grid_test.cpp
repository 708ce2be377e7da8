#include "core/model/units.h"
#include "core/views/zones_grid.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

ZoneRows someRows() {
    ZoneRows rows{};
    rows[1] = {0, 250.26, 0.762, 0.0035, 20000};
    rows[9] = {250.26, 400, 0.9, 0.004, 30000.4};
    rows[10] = {400, 1000, 1.2, 0.005, 40000}; // held by the page, never shown
    return rows;
}

TEST(ZonesGrid, ShowsNineRowsWithTheUnitSystemsHeadingsFormatsAndWidths) {
    const GridContent si = zonesGridContent(someRows(), kSI);
    EXPECT_EQ(si.rowCount(), 9) << "the tenth zone is not shown";
    EXPECT_EQ(si.columnCount(), 5);
    EXPECT_EQ(si.shownText(0, 1), "Start (m)");
    EXPECT_EQ(si.shownText(0, 2), "End (m)");
    EXPECT_EQ(si.shownText(0, 3), "Dia (m)");
    EXPECT_EQ(si.shownText(0, 4), "k Fac");
    EXPECT_EQ(si.shownText(0, 5), "Rl/100m");
    EXPECT_EQ(si.shownText(1, 2), "250.3");
    EXPECT_EQ(si.shownText(1, 3), "0.762");
    EXPECT_EQ(si.shownText(1, 4), "0.004") << "three decimals";
    EXPECT_EQ(si.shownText(9, 5), "30000") << "SI leakage without decimals";
    EXPECT_EQ(si.shownText(5, 1), "0.0") << "empty rows show zeros";
    EXPECT_EQ(si.cell(9, 5).alignment, GridAlignment::Right);
    EXPECT_EQ(si.columnWidth(0), 20);
    EXPECT_EQ(si.columnWidth(1), 55);
    EXPECT_EQ(si.columnWidth(2), 50);
    EXPECT_EQ(si.columnWidth(5), 50);

    const GridContent imperial = zonesGridContent(someRows(), kImperial);
    EXPECT_EQ(imperial.shownText(0, 1), "Start (ft)");
    EXPECT_EQ(imperial.shownText(0, 3), "Dia (in)");
    EXPECT_EQ(imperial.shownText(0, 5), "Rl/100ft");
    EXPECT_EQ(imperial.shownText(9, 5), "30000.40") << "Imperial leakage with two decimals";
    EXPECT_EQ(imperial.columnWidth(3), 60);
    EXPECT_EQ(imperial.columnWidth(4), 60);
    EXPECT_EQ(imperial.columnWidth(5), 70);
}

TEST(ZonesGrid, ReadsWholeTypedNumbersAndLeavesUntouchedCellsAndTheHeldRow) {
    ZoneRows filled = someRows();
    filled[3].diameter = 1.0 / 3.0; // more digits than the grid's 13
    GridContent grid = zonesGridContent(filled, kSI);
    ASSERT_TRUE(grid.enterText(2, 1, " 120.5 "));
    ASSERT_TRUE(grid.enterText(2, 3, ""));
    ZoneRows rows = filled;
    rows[0].end = -5;
    EXPECT_EQ(readZonesGrid(grid, rows), std::nullopt);
    EXPECT_EQ(rows[2].start, 120.5);
    EXPECT_EQ(rows[2].diameter, 0) << "a blank cell reads as 0";
    EXPECT_EQ(rows[1].end, 250.26) << "a shown value reads back unrounded";
    EXPECT_EQ(rows[3].diameter, 1.0 / 3.0) << "an untouched cell keeps every digit";
    EXPECT_EQ(rows[10].end, 1000);
    EXPECT_EQ(rows[0].end, -5);
}

TEST(ZonesGrid, ATypedCellThatIsNoWholeNumberIsNamedByColumnAndRow) {
    for (const char* typed : {"120.5 m", "abc", "1,500"}) {
        GridContent grid = zonesGridContent(someRows(), kSI);
        ASSERT_TRUE(grid.enterText(4, 2, typed));
        ZoneRows rows = someRows();
        const std::optional<PageFault> fault = readZonesGrid(grid, rows);
        ASSERT_TRUE(fault) << typed;
        EXPECT_EQ(fault->message, "Enter a number for End (m) in row 4.");
        EXPECT_EQ(fault->control, zones_page::kGrid);
        EXPECT_EQ(fault->row, 4);
        EXPECT_EQ(fault->column, 2);
    }
}

} // namespace
} // namespace flowmar
