#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_curve_chart.h"
#include "core/views/fan_curve_page.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using namespace fan_curve_view;

// A curve fan at 300 m running at 12.5 m³/s, 1800 Pa and 75 % (input power 30 kW).
CFlowmarDoc curveFan() {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 300);
    doc.fanManufacturer[1] = "Quarrystone Fans";
    doc.fanModel[1] = "AX-900";
    doc.fanSetting[1] = "35 deg";
    doc.segmentCount = 5;
    doc.results.fanSegment[1] = 2;
    doc.results.branchFlow[7] = 12.5;
    doc.results.fanPressure[1] = 1800;
    doc.results.fanEfficiency[1] = 75;
    return doc;
}

std::vector<std::string> texts(const std::vector<FanCurveSummaryLine>& lines) {
    std::vector<std::string> out;
    for (const FanCurveSummaryLine& l : lines) {
        out.push_back(l.text);
    }
    return out;
}

TEST(FanCurveSummary, CurveFanLinesInBothUnitSystemsAndBothPanes) {
    struct Case {
        const char* why;
        int units;
        FanCurvePane pane;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> imperial{
        "SUMMARY OF FAN CURVE DATA",
        "Fan Number : 1",
        "Manufacturer : Quarrystone Fans",
        "Model : AX-900",
        "Setting : 35 deg",
        "Distance : 984.3 (ft)",
        "Curve Density : 0.075 (lb/ft³)",
        "Air Density : 0.075 (lb/ft³)",
        "Fan Quantity : 26.49 (kcfm)",
        "Fan Pressure : 7.23 (in.w.g.)",
        "Fan Efficiency : 75 ( % )",
        "Fan Input Power :  40.23 (hp)",
        "Selected Curve : Pressure-Quantity",
    };
    const Case cases[] = {
        {"SI, chart pane: whole metres with two blanks before the unit, pressure in Pa",
         kSI,
         FanCurvePane::Chart,
         {
             "SUMMARY OF FAN CURVE DATA",
             "Fan Number : 1",
             "Manufacturer : Quarrystone Fans",
             "Model : AX-900",
             "Setting : 35 deg",
             "Distance : 300  (m)",
             "Curve Density : 1.200 (kg/m³)",
             "Air Density : 1.200 (kg/m³)",
             "Fan Quantity : 12.50 (m³/s)",
             "Fan Pressure : 1800 (Pa)",
             "Fan Efficiency : 75 ( % )",
             "Fan Input Power :  30.00 (kW)",
             "Selected Curve : Pressure-Quantity",
         }},
        {"SI, form pane: centimetres and kPa",
         kSI,
         FanCurvePane::Form,
         {
             "SUMMARY OF FAN CURVE DATA",
             "Fan Number : 1",
             "Manufacturer : Quarrystone Fans",
             "Model : AX-900",
             "Setting : 35 deg",
             "Distance : 300.00 (m)",
             "Curve Density : 1.200 (kg/m³)",
             "Air Density : 1.200 (kg/m³)",
             "Fan Quantity : 12.50 (m³/s)",
             "Fan Pressure : 1.80 (kPa)",
             "Fan Efficiency : 75 ( % )",
             "Fan Input Power :  30.00 (kW)",
             "Selected Curve : Pressure-Quantity",
         }},
        {"Imperial, chart pane", kImperial, FanCurvePane::Chart, imperial},
        {"Imperial reads the same in the form pane", kImperial, FanCurvePane::Form, imperial},
    };
    for (const Case& c : cases) {
        CFlowmarDoc doc = curveFan();
        doc.unitSystem = c.units;
        EXPECT_EQ(texts(fanCurveSummary(doc, c.pane)), c.expected) << c.why;
    }
    const std::vector<FanCurveSummaryLine> lines = fanCurveSummary(curveFan(), FanCurvePane::Chart);
    std::vector<int> offsets;
    for (const FanCurveSummaryLine& l : lines) {
        offsets.push_back(l.offset);
    }
    EXPECT_EQ(offsets, (std::vector<int>{0, 3, 5, 7, 9, 11, 15, 17, 21, 23, 25, 27, 29}))
        << "blank lines between the identity, the densities and the operating point";
}

TEST(FanCurveSummary, PowerLineAndSelectedCurveFollowTheFanAndTheChoice) {
    struct Case {
        const char* why;
        void (*change)(CFlowmarDoc&);
        std::string pressureLine;
        std::string powerLine;
        std::string selectedLine;
    };
    const Case cases[] = {
        {"without an operating point: the fixed pressure, and no power",
         [](CFlowmarDoc& d) {
             d.results.fanPressure[1] = 0;
             d.fanFixedPressure[1] = 2200;
         },
         "Fan Pressure : 2200 (Pa)", "Fan Input Power : NA", "Selected Curve : Pressure-Quantity"},
        {"an efficiency of 0 gives 0 rather than an infinite power",
         [](CFlowmarDoc& d) {
             d.results.fanEfficiency[1] = 0;
             d.curveViewKind = kPowerQuantity;
         },
         "Fan Pressure : 1800 (Pa)", "Fan Input Power : 0 (kW)", "Selected Curve : Power-Quantity"},
        {"the third kind", [](CFlowmarDoc& d) { d.curveViewKind = kPressurePowerQuantity; },
         "Fan Pressure : 1800 (Pa)", "Fan Input Power :  30.00 (kW)",
         "Selected Curve : Pressure-Power-Quantity"},
    };
    for (const Case& c : cases) {
        CFlowmarDoc doc = curveFan();
        c.change(doc);
        const std::vector<std::string> lines = texts(fanCurveSummary(doc, FanCurvePane::Chart));
        ASSERT_EQ(lines.size(), 13U) << c.why;
        EXPECT_EQ(lines[9], c.pressureLine) << c.why;
        EXPECT_EQ(lines[11], c.powerLine) << c.why;
        EXPECT_EQ(lines[12], c.selectedLine) << c.why;
    }
    CFlowmarDoc fixedQuantity = curveFan();
    fixedQuantity.results.boosterPressure = 0.8;
    EXPECT_EQ(texts(fanCurveSummary(fixedQuantity, FanCurvePane::Chart)),
              (std::vector<std::string>{"SUMMARY OF FAN CURVE DATA"}))
        << "fixed-quantity results: the title only";
}

TEST(FanCurvePage, HeaderSummaryAndChartShareOneLandscapePageWithoutOverlapping) {
    const PageRect page{0, 0, 2770, -1900};
    for (const FanCurvePane pane : {FanCurvePane::Chart, FanCurvePane::Form}) {
        CFlowmarDoc doc = curveFan();
        doc.curveViewKind = kPressurePowerQuantity;
        const Drawing drawing = fanCurvePage(doc, pane, page);
        const double h = reportTextHeight(defaultTextMetrics());
        const bool chart = pane == FanCurvePane::Chart;
        const std::vector<Text> all = drawing.texts();
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all[0].text, kPageHeading);
        EXPECT_EQ(all[0].topLeft, (Point{0, chart ? -70.0 : -100.0}));
        const double rule = all[0].topLeft.y - 2 * h;
        EXPECT_EQ(drawing.lines()[0].from, (Point{0, rule}));
        EXPECT_EQ(drawing.lines()[0].to, (Point{2770, rule}));
        const double y0 = rule - (chart ? 140 : 200);
        EXPECT_EQ(all[1].text, kSummaryTitle);
        EXPECT_EQ(all[1].topLeft, (Point{100, y0}));
        EXPECT_EQ(all[13].text, "Selected Curve : Pressure-Power-Quantity");
        EXPECT_EQ(all[13].topLeft, (Point{100, y0 - 29 * h}));

        // The chart: every line after the header's rule and every text after the summary's 13,
        // whole inside the page, below the rule and right of the summary's longest line.
        double summaryRight = 0;
        for (std::size_t i = 1; i <= 13; ++i) {
            summaryRight =
                std::max(summaryRight,
                         100 + pointsToLogical(defaultTextMetrics().width(all[i].text, all[i].font),
                                               kTenthMillimetresPerInch));
        }
        Drawing chartPart(drawing.extent(), drawing.unitsPerInch());
        const std::vector<Line> lines = drawing.lines();
        for (std::size_t i = 1; i < lines.size(); ++i) {
            chartPart.addLine(lines[i].from, lines[i].to, lines[i].pen);
        }
        for (std::size_t i = 14; i < all.size(); ++i) {
            chartPart.addText(all[i].topLeft, all[i].text, all[i].font);
        }
        ASSERT_GT(all.size(), 14U);
        const std::optional<Extent> box = drawingBounds(chartPart, defaultTextMetrics());
        ASSERT_TRUE(box);
        EXPECT_GT(box->left, summaryRight);
        EXPECT_LE(box->right, page.right);
        EXPECT_LT(box->top, rule);
        EXPECT_GE(box->bottom, page.bottom);
        // In proportion: the quantity axis is 200 pixels long, the pressure axis 250.
        double width = 0;
        double height = 0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            width = std::max(width, std::abs(lines[i].to.x - lines[i].from.x));
            height = std::max(height, std::abs(lines[i].to.y - lines[i].from.y));
        }
        EXPECT_NEAR(width / height, 200.0 / 250.0, 1e-9);
        EXPECT_GT(height, 1000) << "the chart fills most of the page's height, 0.1 mm";
    }
}

TEST(FanCurvePage, WithoutFansThePageHasItsHeaderAndTitleOnly) {
    CFlowmarDoc doc = testing::ductModel();
    const Drawing drawing = fanCurvePage(doc, FanCurvePane::Chart, kA4LandscapePage);
    const std::vector<Text> all = drawing.texts();
    ASSERT_EQ(all.size(), 2U);
    EXPECT_EQ(all[1].text, kSummaryTitle);
    EXPECT_EQ(drawing.lines().size(), 1U) << "the header's rule, and no chart";
}

} // namespace
} // namespace flowmar
