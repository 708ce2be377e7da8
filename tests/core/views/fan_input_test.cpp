#include "core/commands/fan_commands.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_input.h"
#include "core/views/fan_results.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using testing::addCurveFan;
using testing::addFixedPressureFan;

std::vector<std::string> rowTexts(const GridContent& grid, int row) {
    std::vector<std::string> texts;
    for (int c = 1; c <= grid.columnCount(); ++c) {
        texts.push_back(grid.shownText(row, c));
    }
    return texts;
}

bool hasText(const Drawing& page, const std::string& text) {
    const std::vector<Text> texts = page.texts();
    return std::any_of(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
}

TEST(FanInputGrid, RowsInSIWithTheirFormatsAndYesNoRules) {
    CFlowmarDoc doc = testing::ductModel();
    const int curve = addCurveFan(doc, 123.45, {{3000, 2, 60}, {1000, 8, 70}}, 1.2);
    doc.fanManufacturer[curve] = "Quarry Fans";
    doc.fanModel[curve] = "QF-900";
    doc.fanSetting[curve] = "Blade 30°";
    addFixedPressureFan(doc, 400, 1500.4);
    // Tagged "Use Fixed Pressure?" but with no pressure: not applied.
    const int tagged = addFixedPressureFan(doc, 600, 0);
    const GridContent grid = fanInputGrid(doc);
    ASSERT_EQ(grid.rowCount(), 3);
    ASSERT_EQ(grid.columnCount(), 8);
    EXPECT_EQ(rowTexts(grid, 1), (std::vector<std::string>{"Quarry Fans", "QF-900", "Blade 30°",
                                                           "123.5", "1.200", "0", "NO", "YES"}));
    EXPECT_EQ(rowTexts(grid, 2),
              (std::vector<std::string>{"", "", "", "400.0", "NA", "1500", "YES", "NO"}));
    EXPECT_EQ(grid.shownText(tagged, 7), "NO");
    EXPECT_EQ(grid.shownText(0, 0), "No.");
    EXPECT_EQ(grid.shownText(0, 5), "Density (kg/m³)");
    EXPECT_EQ(grid.shownText(0, 6), "Fixed Press (Pa)");
    EXPECT_EQ(grid.cell(0, 6).alignment, GridAlignment::Centre);
    for (int c = 1; c <= 8; ++c) {
        EXPECT_TRUE(grid.cell(2, c).readOnly) << c;
        EXPECT_EQ(grid.cell(2, c).alignment, GridAlignment::Right) << c;
        EXPECT_EQ(grid.columnWidth(c), 100) << c;
    }
}

TEST(FanInputGrid, ImperialUnitsFormatsAndWidths) {
    CFlowmarDoc doc = testing::ductModel();
    addCurveFan(doc, 30.48, {{3000, 2}, {1000, 8}}, 1.2);
    addFixedPressureFan(doc, 100, 1000);
    doc.unitSystem = kImperial;
    const GridContent grid = fanInputGrid(doc);
    // 30.48 m is 100 ft; 1.2 kg/m³ × 0.06242796 = 0.075 lb/ft³; 1000 Pa × 0.0040147 = 4.01.
    EXPECT_EQ(grid.shownText(1, 4), "100.00");
    EXPECT_EQ(grid.shownText(1, 5), "0.075");
    EXPECT_EQ(grid.shownText(2, 6), "4.01");
    EXPECT_EQ(grid.shownText(0, 4), "Distance (ft)");
    EXPECT_EQ(grid.shownText(0, 6), "Fixed Press (in.w.g.)");
    EXPECT_EQ(grid.columnWidth(6), 120);
    EXPECT_EQ(grid.columnWidth(5), 100);
}

TEST(FanInputGrid, NoFansGivesNoRows) {
    const GridContent grid = fanInputGrid(testing::ductModel());
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.columnCount(), 9);
    EXPECT_EQ(grid.shownText(0, 8), "Fan Curve Exists?");
}

// Sort Fans renumbers the entered fans, and each fan's result of the last Execute moves with it.
TEST(FanInputGrid, SortFansReordersTheInputAndTheResultsTogether) {
    CFlowmarDoc doc = testing::ductModel();
    doc.segmentCount = 10;
    for (const auto& [distance, name] : {std::pair{5.0, "A"}, {5.0, "B"}, {1.0, "C"}}) {
        const int i = addFixedPressureFan(doc, distance, 100);
        doc.fanModel[i] = name;
        doc.results.fanSegment[i] = 1;
    }
    doc.results.fanPressure[1] = 1111; // fan A ran on a curve in the last solution
    doc.results.branchFlow[11] = 2;
    sortFans(doc);
    const GridContent input = fanInputGrid(doc);
    EXPECT_EQ(input.shownText(1, 2), "C");
    EXPECT_EQ(input.shownText(2, 2), "B");
    EXPECT_EQ(input.shownText(3, 2), "A") << "equal distances: the first found moves";
    EXPECT_EQ(input.shownText(1, 4), "1.0");
    const GridContent results = fanResultsGrid(doc);
    EXPECT_EQ(results.shownText(1, 3), "C") << "entered data moved";
    EXPECT_EQ(results.shownText(3, 3), "A");
    EXPECT_EQ(results.shownText(3, 5), "1.11") << "fan A's result moved with it to row 3";
    EXPECT_NE(results.shownText(1, 5), "1.11");
}

TEST(FanInputReport, ListsACurvesPointsButNotItsFreeDeliveryPoint) {
    CFlowmarDoc doc = testing::ductModel();
    const int i =
        addCurveFan(doc, 100, {{3000, 2, 60}, {2500, 4, 70}, {1800, 6, 75}, {900, 8, 65}}, 0);
    // The free-delivery point that the curve rules add stays out of the listing.
    doc.fanCurvePressure[5][i] = 0;
    doc.fanCurveQuantity[5][i] = 10.57;
    doc.fanManufacturer[i] = "Quarry Fans";
    const int fixed = addFixedPressureFan(doc, 250, 1500);
    doc.fanCurveDensity[fixed] = 1.2;
    const std::vector<std::string> expected{
        "Flowmar Version 1.0 - Fan Input Data",
        "------------------------------------",
        "",
        "Fan Number = 1                                 No Fan Curve Density Input.",
        "Quarry Fans                                    Distance along Duct = 100.0 (m)",
        "No Fan Model Given                             No Fixed Pressure Input.",
        "No Fan Setting Given                           Fan Curve Exists.",
        "",
        "     FAN CURVE.",
        "     3000 (Pa)            2.00 (m³/s)          60.0 Pct",
        "     2500 (Pa)            4.00 (m³/s)          70.0 Pct",
        "     1800 (Pa)            6.00 (m³/s)          75.0 Pct",
        "     900 (Pa)             8.00 (m³/s)          65.0 Pct",
        "",
        "Fan Number = 2                                 Fan Curve Density = 1.200 (kg/m³)",
        "No Fan Manufacturer Given                      Distance along Duct = 250.0 (m)",
        "No Fan Model Given                             Specified Fixed Pressure = 1500 (Pa)",
        "No Fan Setting Given                           No Fan Curve Input.",
    };
    EXPECT_EQ(fanInputLines(doc), expected);
}

TEST(FanInputReport, ImperialLines) {
    CFlowmarDoc doc = testing::ductModel();
    addCurveFan(doc, 30.48, {{1000, 2, 60}, {500, 4, 70}}, 1.2);
    addFixedPressureFan(doc, 30.48, 1000);
    doc.unitSystem = kImperial;
    const std::vector<std::string> lines = fanInputLines(doc);
    const auto has = [&](const std::string& fragment) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(fragment) != std::string::npos;
        });
    };
    EXPECT_TRUE(has("Fan Curve Density = 0.075 (lb/ft³)"));
    EXPECT_TRUE(has("Distance along Duct = 100.0 (ft)"));
    EXPECT_TRUE(has("Specified Fixed Pressure = 4.01 (in.w.g.)"));
    EXPECT_TRUE(has("4.01 (in.w.g.)       4.24 (kcfm)"));
}

TEST(FanInputReport, PrintedWhateverTheSolutionAndSplitOnlyBetweenFans) {
    CFlowmarDoc doc = testing::ductModel();
    doc.results.boosterPressure = 1.5; // a fixed-quantity solution does not hide the input
    for (int k = 1; k <= 12; ++k) {
        addCurveFan(doc, 10.0 * k,
                    {{3000, 1, 50},
                     {2800, 2, 55},
                     {2600, 3, 60},
                     {2400, 4, 65},
                     {2200, 5, 70},
                     {2000, 6, 72},
                     {1800, 7, 74},
                     {1600, 8, 75},
                     {1400, 9, 74},
                     {1200, 10, 72}});
    }
    const std::vector<Drawing> pages = fanInputPages(doc, kA4Portrait);
    ASSERT_GT(pages.size(), 1u);
    int fan = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<Text> texts = pages[p].texts();
        int pointLines = 0;
        for (const Text& t : texts) {
            if (t.text.starts_with("Fan Number = ")) {
                ++fan;
                EXPECT_EQ(t.text, "Fan Number = " + std::to_string(fan));
            }
            pointLines += t.text.ends_with(" Pct") ? 1 : 0;
            EXPECT_GT(t.topLeft.y, kA4Portrait.bottom + 200) << "page " << p + 1 << ": " << t.text;
        }
        // Every fan on the page with all of its ten points: no block is cut.
        const auto fans = std::count_if(texts.begin(), texts.end(), [](const Text& t) {
            return t.text.starts_with("Fan Number = ");
        });
        EXPECT_EQ(pointLines, 10 * fans) << "page " << p + 1;
        EXPECT_GT(fans, 0) << "page " << p + 1;
    }
    EXPECT_EQ(fan, 12);
    EXPECT_TRUE(hasText(pages[0], "Flowmar Version 1.0 - Fan Input Data"));
}

} // namespace
} // namespace flowmar
