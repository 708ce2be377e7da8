#include "core/engine/execute.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_results.h"
#include "core/views/fan_results_chart.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using testing::addCurveFan;
using testing::addFixedPressureFan;

// A solved-looking model without running the solver: 10 segments, so the flow of the segment a
// fan stands in is branchFlow[10 + fanSegment].
CFlowmarDoc modelWithSegments() {
    CFlowmarDoc doc = testing::ductModel();
    doc.segmentCount = 10;
    return doc;
}

// Fan i operating at quantity q (m³/s) in segment 3.
void runsAt(CFlowmarDoc& doc, int i, double pressure, double quantity, double efficiency,
            int offCurve = 0) {
    doc.results.fanSegment[i] = 3;
    doc.results.branchFlow[13] = quantity;
    doc.results.fanPressure[i] = pressure;
    doc.results.fanEfficiency[i] = efficiency;
    doc.results.fanOffCurve[i] = offCurve;
}

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

std::vector<Ellipse> ellipsesIn(const Drawing& drawing, Rgb colour) {
    std::vector<Ellipse> found;
    for (const Primitive& p : drawing.primitives()) {
        if (const auto* e = std::get_if<Ellipse>(&p); e != nullptr && e->pen.color == colour) {
            found.push_back(*e);
        }
    }
    return found;
}

Point centreOf(const Ellipse& e) {
    return {(e.corner1.x + e.corner2.x) / 2, (e.corner1.y + e.corner2.y) / 2};
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 255, 0};

TEST(FanResultsGrid, FixedPressureFanShowsItsPressureAndAirPowerOnly) {
    // 1500 Pa at 10 m³/s: 1.50 kPa and 1500 × 10 / 1000 = 15 kW of air power.
    CFlowmarDoc doc = modelWithSegments();
    const int i = addFixedPressureFan(doc, 250, 1500);
    doc.fanManufacturer[i] = "Quarry Fans";
    runsAt(doc, i, 0, 10, 0);
    const GridContent grid = fanResultsGrid(doc);
    ASSERT_EQ(grid.rowCount(), 1);
    ASSERT_EQ(grid.columnCount(), 10);
    EXPECT_EQ(rowTexts(grid, 1), (std::vector<std::string>{"250.0", "Quarry Fans", "", "", "1.50",
                                                           "10.00", "NA", "15.00", "NA", "NA"}));
    EXPECT_TRUE(grid.cell(1, 5).readOnly);
    EXPECT_EQ(grid.cell(1, 2).alignment, GridAlignment::Right);
    EXPECT_EQ(grid.cell(0, 3).alignment, GridAlignment::Centre);
    EXPECT_EQ(grid.shownText(0, 0), "No.");
}

TEST(FanResultsGrid, CurveFanInSIAndImperial) {
    // 2000 Pa at 5 m³/s and 80 %: 10 kW of air power and 12.5 kW drawn.
    CFlowmarDoc doc = modelWithSegments();
    const int i = addCurveFan(doc, 100, {{3000, 2, 60}, {1000, 8, 70}});
    doc.fanSetting[i] = "Blade 30°";
    runsAt(doc, i, 2000, 5, 80);
    EXPECT_EQ(rowTexts(fanResultsGrid(doc), 1),
              (std::vector<std::string>{"100.0", "", "", "Blade 30°", "2.00", "5.00", "80.00",
                                        "10.00", "12.50", "ON"}));
    doc.unitSystem = kImperial;
    const GridContent grid = fanResultsGrid(doc);
    // 100 m = 328.1 ft; 2000 Pa × 0.0040147 = 8.03 in.w.g.; 5 × 2.1189 = 10.59 kcfm;
    // 10 kW × 1.341 = 13.41 hp and 12.5 × 1.341 = 16.76 hp.
    EXPECT_EQ(rowTexts(grid, 1),
              (std::vector<std::string>{"328.1", "", "", "Blade 30°", "8.03", "10.59", "80.00",
                                        "13.41", "16.76", "ON"}));
    EXPECT_EQ(grid.shownText(0, 5), "Pressure (in.w.g.)");
    EXPECT_EQ(grid.shownText(0, 9), "Input Power (hp)");
}

TEST(FanResultsGrid, ZeroEfficiencyAndOffCurve) {
    CFlowmarDoc doc = modelWithSegments();
    const int i = addCurveFan(doc, 100, {{3000, 2}, {1000, 8}});
    runsAt(doc, i, 800, 9, 0, 1);
    const GridContent grid = fanResultsGrid(doc);
    EXPECT_EQ(grid.shownText(1, 9), "Zero Efficiency");
    EXPECT_EQ(grid.shownText(1, 10), "OFF");
    EXPECT_EQ(grid.shownText(1, 7), "0.00");
}

TEST(FanResultsGrid, ColumnWidthsAtFirstDisplayAndAfter) {
    CFlowmarDoc doc = modelWithSegments();
    doc.unitSystem = kImperial;
    const GridContent first = fanResultsGrid(doc, true);
    EXPECT_EQ(first.columnWidth(1), 100);
    EXPECT_EQ(first.columnWidth(4), 80);
    EXPECT_EQ(first.columnWidth(10), 70);
    EXPECT_EQ(first.columnWidth(5), 140);
    EXPECT_EQ(fanResultsGrid(doc).columnWidth(5), 110) << "every later update";
    doc.unitSystem = kSI;
    EXPECT_EQ(fanResultsGrid(doc, true).columnWidth(5), 100);
}

TEST(FanResultsGrid, RowsAfterAFanModeExecuteAndNoneAfterAFixedQuantity) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    testing::addFixedPressureFan(doc, 500, 500);
    ASSERT_EQ(Execute(doc).status, SolutionStatus::Converged);
    GridContent grid = fanResultsGrid(doc);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.shownText(1, 10), "ON");
    EXPECT_EQ(grid.shownText(2, 5), "0.50");
    // The face quantity of a single-fan duct passes through the first fan's segment, plus leaks.
    EXPECT_GT(grid.number(1, 6), testing::faceQuantity(doc));

    doc.solutionMode = kFixedQuantityMode;
    doc.fixedQuantity = 5;
    ASSERT_EQ(Execute(doc).status, SolutionStatus::FixedQuantity);
    ASSERT_NE(doc.results.boosterPressure, 0);
    grid = fanResultsGrid(doc);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.columnCount(), 10);
    EXPECT_EQ(grid.shownText(0, 1), "Distance (m)") << "the headers stay";
    const std::vector<Drawing> pages = fanResultsPages(doc, kA4Portrait);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].texts().size(), 1u) << "only the heading";
}

// ---- The chart

struct ScaleCase {
    const char* why;
    double value;
    std::string_view topLabel;
};

TEST(FanResultsChart, ScaleBoundsAreInclusive) {
    const ScaleCase pressures[] = {
        {"exactly on a bound takes that row", 10000, "10"},
        {"just above the bound takes the next", 10000.1, "25"},
        {"the first row from zero", 0, "0.1"},
        {"far above every bound takes the last", 1e6, "25"},
    };
    for (const ScaleCase& c : pressures) {
        EXPECT_EQ(chooseScale(pressureScales(kSI), c.value).labels.back(), c.topLabel) << c.why;
    }
    EXPECT_DOUBLE_EQ(chooseScale(pressureScales(kSI), 10000).factor, 13.33333)
        << "five-decimal factors, not thirds";
    EXPECT_EQ(chooseScale(quantityScales(kImperial), 8).labels.back(), "8.0");
    EXPECT_EQ(chooseScale(quantityScales(kSI), 200.5).labels.back(), "800");
    EXPECT_EQ(chooseScale(inputPowerScales(), 0.5).labels.back(), "0.5");
    EXPECT_EQ(chooseScale(pressureScales(kImperial), 400).labels[1], "0.08");
}

TEST(FanResultsChart, PositionsAreTruncatedToWholeUnits) {
    EXPECT_EQ(chartPosition(200, 3.0, 0.01), 500);
    // 1000 / 13.33333 = 75.0000187...: the five-decimal factor lands a whole unit in.
    EXPECT_EQ(chartPosition(0, 1000, 13.33333), 75);
    EXPECT_EQ(chartPosition(0, 999.99, 13.33333), 74);
}

// A fan on a 3000 Pa curve to 5 m³/s runs at 1200 Pa and 3 m³/s with 60 %: on the 0-8 m³/s
// scale (f 0.01) and the 0-3 kPa scale (f 4) its point is at x = 200 + 300, y = Y - 800 + 300.
// Its input power 1200 × 3 / 600 = 6 kW on the 0-10 kW scale (f 0.01333) is 450 units up.
TEST(FanResultsChart, OperatingPointWhereTheGridSaysIt) {
    CFlowmarDoc doc = modelWithSegments();
    const int i = addCurveFan(doc, 100, {{3000, 1, 50}, {2000, 3, 70}, {800, 5, 60}});
    runsAt(doc, i, 1200, 3, 60);
    Drawing chart = fanResultsChart(doc, i);
    const std::vector<Ellipse> red = ellipsesIn(chart, kRed);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(centreOf(red[0]), (Point{500, -500}));
    EXPECT_EQ(red[0].corner2.x - red[0].corner1.x, 16) << "radius 8";
    EXPECT_EQ(centreOf(red[1]), (Point{500, -800 + 450}));
    EXPECT_EQ(fanResultsGrid(doc).shownText(1, 9), "6.00");
    // The lines from the point to the axes it is read on.
    const std::vector<Line> lines = chart.lines();
    const auto hasLine = [&](Point a, Point b, Rgb colour) {
        return std::any_of(lines.begin(), lines.end(), [&](const Line& l) {
            return l.from == a && l.to == b && l.pen.color == colour;
        });
    };
    EXPECT_TRUE(hasLine({500, -500}, {500, -800}, kRed)) << "down to the quantity axis";
    EXPECT_TRUE(hasLine({500, -500}, {200, -500}, kRed)) << "left to the pressure axis";
    EXPECT_TRUE(hasLine({500, -350}, {1000, -350}, kRed)) << "right to the power axis";
    // Two curve segments, each with its two ringed points; one power circle per point.
    EXPECT_TRUE(hasLine({300, -50}, {500, -300}, kBlue)) << "3000 Pa at 1 m³/s to 2000 at 3";
    EXPECT_EQ(ellipsesIn(chart, kBlue).size(), 4u);
    EXPECT_EQ(ellipsesIn(chart, kGreen).size(), 3u + 1u) << "three points and the legend";
    EXPECT_TRUE(hasText(chart, "Pressure - Curve"));
    EXPECT_TRUE(hasText(chart, "Q (m³/s)"));
    EXPECT_TRUE(hasText(chart, "8.0")) << "the quantity scale's last label";
    EXPECT_TRUE(hasText(chart, "3.0")) << "the pressure scale's last label";
}

TEST(FanResultsChart, CurveBroughtToTheDuctDensityButNotTheOperatingPoint) {
    CFlowmarDoc doc = modelWithSegments();
    doc.airDensity = 1.5;
    const int i = addCurveFan(doc, 100, {{2000, 1, 50}, {1000, 3, 50}}, 1.0);
    runsAt(doc, i, 1500, 2, 50);
    const FanChartData data = fanChartData(doc, i);
    ASSERT_EQ(data.count, 2);
    EXPECT_DOUBLE_EQ(data.curve[0].pressure, 3000);
    EXPECT_DOUBLE_EQ(data.curve[1].quantity, 3);
    // 1000 Pa × 3 m³/s / (50 × 10) = 6 kW, × 1.5.
    EXPECT_DOUBLE_EQ(data.curve[1].inputPower, 9);
    EXPECT_DOUBLE_EQ(data.operating.pressure, 1500);
    EXPECT_DOUBLE_EQ(data.operating.inputPower, 6);
    // 3000 Pa after the ratio: the 0-3 kPa scale, not the 0-2 kPa one.
    EXPECT_TRUE(hasText(fanResultsChart(doc, i), "1.8"));
}

TEST(FanResultsChart, ImperialUnitsOfTheData) {
    CFlowmarDoc doc = modelWithSegments();
    doc.unitSystem = kImperial;
    const int i = addCurveFan(doc, 100, {{2000, 1, 50}, {1000, 3, 50}});
    runsAt(doc, i, 1500, 2, 50);
    const FanChartData data = fanChartData(doc, i);
    EXPECT_NEAR(data.curve[0].pressure, 2000 * 4.0147, 1e-9) << "thousandths of an inch";
    EXPECT_NEAR(data.curve[1].quantity, 3 * 2.1189, 1e-12);
    // The same power as in SI, in hp: 1000 × 3 / 500 = 6 kW is 8.04 hp.
    EXPECT_NEAR(data.curve[1].inputPower, 6 * 1.341, 0.01);
    EXPECT_TRUE(hasText(fanResultsChart(doc, i), "Q (kcfm)"));
}

TEST(FanResultsChart, ZeroEfficiencyPutsTheOperatingPowerAtZero) {
    CFlowmarDoc doc = modelWithSegments();
    const int i = addCurveFan(doc, 100, {{3000, 1}, {800, 5}});
    runsAt(doc, i, 1200, 3, 0);
    const std::vector<Ellipse> red = ellipsesIn(fanResultsChart(doc, i), kRed);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(centreOf(red[1]).y, -800) << "on the quantity axis";
}

TEST(FanResultsChart, FanBeyondTheLastCurveQuantityIsDrawnPastTheAxisEnd) {
    CFlowmarDoc doc = modelWithSegments();
    const int i = addCurveFan(doc, 100, {{3000, 1, 50}, {800, 4, 60}});
    runsAt(doc, i, 100, 6, 20, 1);
    const Drawing chart = fanResultsChart(doc, i);
    EXPECT_TRUE(hasText(chart, "4.0")) << "the scale follows the curve, not the operating point";
    EXPECT_FALSE(hasText(chart, "8.0"));
    const std::vector<Ellipse> red = ellipsesIn(chart, kRed);
    ASSERT_FALSE(red.empty());
    EXPECT_EQ(centreOf(red[0]).x, 200 + 1200) << "6 m³/s at 0.005 per unit";
}

// ---- The printed report

TEST(FanResultsReport, BlocksOfACurveFanAndAFixedPressureFan) {
    CFlowmarDoc doc = modelWithSegments();
    const int curve = addCurveFan(doc, 100, {{3000, 1}, {800, 5}});
    runsAt(doc, curve, 1200, 3, 0);
    const int fixed = addFixedPressureFan(doc, 300, 1500);
    doc.results.fanSegment[fixed] = 3;
    const std::vector<std::string> lines = fanResultsLines(doc);
    const std::vector<std::string> expected{
        "Flowmar Version 1.0 - Fan Results",
        "---------------------------------",
        "",
        "Fan Number = 1                                 Fan Airflow : 3.00 (m³/s)",
        "No Fan Manufacturer Given                      Fan Pressure = 1.20 (kPa)",
        "No Fan Model Given                             Fan Efficiency = 0.00 (percent)",
        "No Fan Setting Given                           Zero Efficiency",
        "Fan Curve Density = 1.200 (kg/m³)",
        "Distance along Duct = 100.0 (m)",
        "",
        "Fan Number = 2                                 Fan Airflow : 3.00 (m³/s)",
        "No Fan Manufacturer Given                      Fan Pressure = 1.50 kPa",
        "No Fan Model Given",
        "No Fan Setting Given",
        "No Fan Curve Density Input.",
        "Distance along Duct = 300.0 (m)",
    };
    EXPECT_EQ(lines, expected);
}

TEST(FanResultsReport, EachCurveFanOnItsOwnA4PageWithItsChart) {
    // A curve fan's block reserves 7 lines and 2000 units: two never share an A4 page.
    CFlowmarDoc doc = modelWithSegments();
    for (int k = 0; k < 3; ++k) {
        const int i = addCurveFan(doc, 100.0 * (k + 1), {{3000, 1, 50}, {800, 5, 60}});
        runsAt(doc, i, 1200, 3, 55);
    }
    const int fixed = addFixedPressureFan(doc, 500, 900);
    doc.results.fanSegment[fixed] = 3;
    const std::vector<Drawing> pages = fanResultsPages(doc, kA4Portrait);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(hasText(pages[0], "Flowmar Version 1.0 - Fan Results"));
    EXPECT_FALSE(hasText(pages[1], "Flowmar Version 1.0 - Fan Results")) << "page 1 only";
    for (std::size_t p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(hasText(pages[p], "Fan Number = " + std::to_string(p + 1))) << p;
        EXPECT_EQ(ellipsesIn(pages[p], kRed).size(), 2u) << "one chart on page " << p + 1;
    }
    EXPECT_TRUE(hasText(pages[2], "Fan Number = 4")) << "7 lines fit under a chart";
    // Every text stands inside the page.
    for (const Drawing& page : pages) {
        for (const Text& t : page.texts()) {
            EXPECT_LT(t.topLeft.y, 0) << t.text;
            EXPECT_GT(t.topLeft.y, kA4Portrait.bottom + 150) << t.text;
        }
    }
}

// ---- Page plans

TEST(FanPagePlan, BlocksLandWholeOnTheirPages) {
    struct Case {
        const char* why;
        std::vector<double> heights;
        std::vector<int> pages;
    };
    // Capacity 1000; page 1's blocks start at -200, later pages' at -100.
    const Case cases[] = {
        {"no blocks: one page", {}, {}},
        {"blocks that fit share page 1", {300, 400}, {1, 1}},
        {"a block exactly as tall as the room left moves on", {300, 500}, {1, 2}},
        {"one unit less than the room stays", {300, 499}, {1, 1}},
        {"later pages have more room than the first", {850, 850, 850}, {2, 3, 4}},
        {"a block taller than any page still takes a page of its own", {2000, 100}, {2, 3}},
        {"small blocks fill each page before the next", {350, 350, 350, 350, 350}, {1, 1, 2, 2, 3}},
    };
    for (const Case& c : cases) {
        const FanPagePlan plan = planFanPages(c.heights, 1000, -200, -100);
        EXPECT_EQ(plan.pageOf, c.pages) << c.why;
        EXPECT_EQ(plan.pageCount, c.pages.empty() ? 1 : c.pages.back()) << c.why;
    }
}

} // namespace
} // namespace flowmar
