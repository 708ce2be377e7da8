#include "core/engine/execute.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_curve_chart.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using namespace fan_curve_view;

// One fan with a hand-made operating point, so that every pixel of the chart is known: segment
// 2 of 5 carries 12.5 m³/s at 1800 Pa and 80 %. The curve runs from 3000 Pa (pressure row "over
// 2000 to 3000", 12 Pa a pixel) to 20 m³/s (quantity row "over 16 to 20", 0.1 m³/s a pixel).
CFlowmarDoc knownFan(std::initializer_list<testing::CurvePoint> points = {
                         {3000, 5, 60}, {2500, 10, 75}, {1800, 15, 80}, {1000, 20, 70}}) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addCurveFan(doc, 300, points);
    doc.segmentCount = 5;
    doc.results.fanSegment[1] = 2;
    doc.results.branchFlow[7] = 12.5;
    doc.results.fanPressure[1] = 1800;
    doc.results.fanEfficiency[1] = 80;
    return doc;
}

std::vector<Ellipse> ellipsesWith(const Drawing& d, const Pen& pen) {
    std::vector<Ellipse> found;
    for (const Primitive& p : d.primitives()) {
        if (const auto* e = std::get_if<Ellipse>(&p); e && e->pen == pen) {
            found.push_back(*e);
        }
    }
    return found;
}

std::vector<Line> linesWith(const Drawing& d, const Pen& pen) {
    std::vector<Line> found;
    for (const Line& l : d.lines()) {
        if (l.pen == pen) {
            found.push_back(l);
        }
    }
    return found;
}

Point centre(const Ellipse& e) {
    return {(e.corner1.x + e.corner2.x) / 2, (e.corner1.y + e.corner2.y) / 2};
}

double radius(const Ellipse& e) {
    return std::abs(e.corner2.x - e.corner1.x) / 2;
}

bool hasText(const Drawing& d, std::string_view text) {
    const std::vector<Text> texts = d.texts();
    return std::ranges::any_of(texts, [&](const Text& t) { return t.text == text; });
}

std::optional<Text> textAt(const Drawing& d, Point at) {
    for (const Text& t : d.texts()) {
        if (t.topLeft == at) {
            return t;
        }
    }
    return std::nullopt;
}

bool hasLine(const Drawing& d, Point from, Point to) {
    const std::vector<Line> lines = d.lines();
    return std::ranges::any_of(lines, [&](const Line& l) { return l.from == from && l.to == to; });
}

TEST(FanCurveScales, RowsServeValuesUpToAndIncludingTheirBound) {
    struct Case {
        const char* why;
        double value;
        bool imperial;
        std::string_view firstLabel;
        std::string_view lastLabel;
    };
    const Case quantityCases[] = {
        {"exactly 4 m³/s still takes the first SI row", 4, false, "0.0", "4.0"},
        {"just above 4 takes the next", 4.01, false, "0.0", "8.0"},
        {"16 closes the 0.08 row, whose labels stand at B", 16, false, "0", "16"},
        {"exactly 200 m³/s is the last bounded row", 200, false, "0", "200"},
        {"beyond 200 everything shares the 800 row", 200.01, false, "0", "800"},
        {"Imperial starts at 8 kcfm", 8, true, "0.0", "8.0"},
        {"Imperial 8.01 kcfm is the 16 row", 8.01, true, "0", "16"},
        {"Imperial beyond 400 kcfm", 401, true, "0", "1600"},
        {"zero and below go to the first row", 0, false, "0.0", "4.0"},
    };
    for (const Case& c : quantityCases) {
        const QuantityScaleRow& row = quantityScaleRow(c.value, c.imperial);
        EXPECT_EQ(row.labels.front(), c.firstLabel) << c.why;
        EXPECT_EQ(row.labels.back(), c.lastLabel) << c.why;
    }
    const Case pressureCases[] = {
        {"100 Pa is the finest SI row", 100, false, "0.0", "0.1"},
        {"100.5 Pa moves up", 100.5, false, "0.0", "0.25"},
        {"exactly 10 kPa keeps the 10 kPa row", 10000, false, "0", "10"},
        {"above 10 kPa the 25 kPa row", 10000.5, false, "0", "25"},
        {"Imperial 400 thousandths in.w.g. is the finest row", 400, true, "0.0", "0.4"},
        {"Imperial 40000 is still bounded", 40000, true, "0", "40"},
        {"Imperial beyond 40000", 40001, true, "0", "100"},
    };
    for (const Case& c : pressureCases) {
        const ValueScaleRow& row = pressureScaleRow(c.value, c.imperial);
        EXPECT_EQ(row.labels.front(), c.firstLabel) << c.why;
        EXPECT_EQ(row.labels.back(), c.lastLabel) << c.why;
    }
    const Case powerCases[] = {
        {"half a kW is the finest row", 0.5, false, "0.0", "0.5"},
        {"just above half a kW", 0.5001, false, "0.0", "1.0"},
        {"1000 is the last bounded row", 1000, false, "0", "1000"},
        {"beyond 1000", 1000.1, false, "0", "2500"},
    };
    for (const Case& c : powerCases) {
        const ValueScaleRow& row = powerScaleRow(c.value);
        EXPECT_EQ(row.labels.front(), c.firstLabel) << c.why;
        EXPECT_EQ(row.labels.back(), c.lastLabel) << c.why;
    }
}

TEST(FanCurveChart, OperatingPointOfAKnownFanLandsOnItsPixel) {
    CFlowmarDoc doc = knownFan();
    doc.curveViewKind = kPressurePowerQuantity;
    const Drawing chart = fanCurveChart(doc);
    const std::vector<Ellipse> red = ellipsesWith(chart, kOperatingPen);
    ASSERT_EQ(red.size(), 2U) << "pressure and power operating points";
    // x = trunc(12.5 / 0.1) + 75; y = 300 − trunc(1800 / 12).
    EXPECT_EQ(centre(red[0]), (Point{200, 150}));
    EXPECT_EQ(radius(red[0]), 3);
    EXPECT_TRUE(hasLine(chart, {200, 150}, {200, 300})) << "down to the quantity axis";
    EXPECT_TRUE(hasLine(chart, {200, 150}, {75, 150})) << "left to the pressure axis";
    // Power: 1800 × 12.5 / 800 = 28.125 kW; the curve's largest is 1800 × 15 / 800 = 33.75 kW,
    // both in the "over 25 to 50" row of 0.2 kW a pixel: y = 300 − trunc(140.625).
    EXPECT_EQ(centre(red[1]), (Point{200, 160}));
    EXPECT_TRUE(hasLine(chart, {200, 160}, {275, 160})) << "right to the power axis";
    EXPECT_EQ(textAt(chart, {285, 42})->text, "50");
    // The last curve point, 20 m³/s at 1000 Pa, sits at x = 275, y = 300 − trunc(83.33).
    const std::vector<Ellipse> blue = ellipsesWith(chart, kCurvePen);
    EXPECT_TRUE(std::ranges::any_of(blue, [](const Ellipse& e) {
        return centre(e) == Point{275, 217} && radius(e) == 2;
    }));
}

TEST(FanCurveChart, ExecutedOperatingPointSitsOnTheDensityCorrectedCurve) {
    // A curve measured at 1.0 kg/m³ in a duct of 1.2 kg/m³: the solution runs on the curve
    // raised by a fifth, and the chart must draw that curve, not the stored one.
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addCurveFan(doc, 0, {{3000, 5, 60}, {2500, 10, 75}, {1800, 15, 80}, {1000, 20, 70}},
                         1.0);
    ASSERT_TRUE(Execute(doc));
    const Drawing chart = fanCurveChart(doc);
    const std::vector<Ellipse> red = ellipsesWith(chart, kOperatingPen);
    ASSERT_EQ(red.size(), 1U);
    const Point op = centre(red[0]);
    const std::vector<Line> curve = linesWith(chart, kCurvePen);
    bool onSegment = false;
    for (const Line& l : curve) {
        if (l.from.x <= op.x && op.x <= l.to.x && l.to.x > l.from.x) {
            const double y =
                l.from.y + (op.x - l.from.x) * (l.to.y - l.from.y) / (l.to.x - l.from.x);
            // Both are truncated to whole pixels on their own.
            EXPECT_NEAR(op.y, y, 2.0) << "operating point at x = " << op.x;
            onSegment = true;
        }
    }
    EXPECT_TRUE(onSegment) << "the operating quantity lies within the curve's range";
}

TEST(FanCurveChart, ASegmentWhoseEndFallsBelowTheAxisIsLeftOut) {
    // A curve carried past free delivery into negative static pressure: its last point lies
    // below the quantity axis (3000 Pa row, 12 Pa a pixel: −600 Pa is 50 pixels below).
    const CFlowmarDoc doc = knownFan({{3000, 5, 60}, {1800, 15, 80}, {-600, 20, 0}});
    const Drawing chart = fanCurveChart(doc);
    const std::vector<Line> curve = linesWith(chart, kCurvePen);
    std::vector<Line> segments;
    std::ranges::copy_if(curve, std::back_inserter(segments),
                         [](const Line& l) { return l.from.y != 389; }); // not the legend
    ASSERT_EQ(segments.size(), 1U);
    EXPECT_EQ(segments[0].to, (Point{225, 150}));
    // Every point keeps its circle, the one below the axis too.
    const std::vector<Ellipse> circles = ellipsesWith(chart, kCurvePen);
    EXPECT_TRUE(std::ranges::any_of(circles, [](const Ellipse& e) {
        return centre(e) == Point{275, 350};
    }));
}

TEST(FanCurveChart, FirstPointOfZeroEfficiencyDrawsNoPowerPointsButKeepsThePowerAxis) {
    CFlowmarDoc doc = knownFan({{3200, 0, 0}, {2500, 10, 75}, {1800, 15, 80}, {1000, 20, 70}});
    for (const int kind : {kPowerQuantity, kPressurePowerQuantity}) {
        doc.curveViewKind = kind;
        const Drawing chart = fanCurveChart(doc);
        EXPECT_TRUE(ellipsesWith(chart, kPowerPen).empty())
            << "kind " << kind << ": no data points and no legend circle";
        EXPECT_TRUE(hasLine(chart, {275, 300}, {275, 50})) << "kind " << kind << ": power axis";
        EXPECT_TRUE(hasText(chart, kPowerLegend)) << "kind " << kind;
        EXPECT_TRUE(hasText(chart, kPowerTitleSI)) << "kind " << kind;
        const std::vector<Ellipse> red = ellipsesWith(chart, kOperatingPen);
        EXPECT_TRUE(std::ranges::any_of(red, [](const Ellipse& e) { return centre(e).y == 160; }))
            << "kind " << kind << ": the power operating point";
    }
}

TEST(FanCurveChart, EachKindShowsOnlyItsOwnAxesCurvesAndLegends) {
    CFlowmarDoc doc = knownFan();
    struct Case {
        const char* why;
        int kind;
        bool pressure;
        bool power;
    };
    const Case cases[] = {
        {"Pressure-Quantity: left axis and curve only", kPressureQuantity, true, false},
        {"Power-Quantity: right axis and power points only", kPowerQuantity, false, true},
        {"Pressure-Power-Quantity: both", kPressurePowerQuantity, true, true},
    };
    for (const Case& c : cases) {
        doc.curveViewKind = c.kind;
        const Drawing chart = fanCurveChart(doc);
        EXPECT_EQ(hasLine(chart, {75, 300}, {75, 50}), c.pressure) << c.why;
        EXPECT_EQ(hasText(chart, kPressureLegend), c.pressure) << c.why;
        EXPECT_EQ(!linesWith(chart, kCurvePen).empty(), c.pressure) << c.why;
        EXPECT_EQ(hasLine(chart, {275, 300}, {275, 50}), c.power) << c.why;
        EXPECT_EQ(hasText(chart, kPowerLegend), c.power) << c.why;
        // Four data points and the legend circle.
        EXPECT_EQ(ellipsesWith(chart, kPowerPen).size(), c.power ? 5U : 0U) << c.why;
        EXPECT_EQ(ellipsesWith(chart, kOperatingPen).size(),
                  (c.pressure ? 1U : 0U) + (c.power ? 1U : 0U))
            << c.why;
    }
}

TEST(FanCurveChart, ImperialChartConvertsTheCurveAndTheOperatingPoint) {
    CFlowmarDoc doc = knownFan();
    doc.unitSystem = kImperial;
    const Drawing chart = fanCurveChart(doc);
    EXPECT_TRUE(hasText(chart, kQuantityTitleImperial));
    EXPECT_TRUE(hasText(chart, kPressureTitleImperial));
    // 20 m³/s = 42.378 kcfm: the "over 40 to 64" row; 3000 Pa = 12044 thousandths: "over 12000
    // to 20000", 80 a pixel. The operating point: 26.49 kcfm at 7226.5 thousandths.
    EXPECT_EQ(textAt(chart, {260, 315})->text, "64");
    EXPECT_EQ(textAt(chart, {45, 42})->text, "20");
    const std::vector<Ellipse> red = ellipsesWith(chart, kOperatingPen);
    ASSERT_EQ(red.size(), 1U);
    EXPECT_EQ(centre(red[0]), (Point{75 + 82, 300 - 90}));
}

TEST(FanCurveChart, ImperialPowerIsTheSIPowerInHorsepowerForTheCurveAndTheOperatingPoint) {
    // The curve's powers and the operating power must stay comparable on the one power axis:
    // both are the kW of SI times 1.341 (the factors agree to a few parts in ten thousand).
    CFlowmarDoc doc = knownFan();
    doc.airDensity = 1.5; // a ratio of 1.25, applied to the curve only
    const std::optional<FanCurveChartData> si = fanCurveChartData(doc, 1);
    doc.unitSystem = kImperial;
    const std::optional<FanCurveChartData> hp = fanCurveChartData(doc, 1);
    ASSERT_TRUE(si && hp);
    for (std::size_t m = 1; m <= 4; ++m) {
        EXPECT_NEAR(hp->power[m], si->power[m] * imperial::kHorsepowerPerKilowatt,
                    si->power[m] * 1e-3)
            << "point " << m;
    }
    EXPECT_NEAR(hp->operatingPower, si->operatingPower * imperial::kHorsepowerPerKilowatt,
                si->operatingPower * 1e-3);
}

TEST(FanCurveChart, NothingIsDrawnWithoutAnOperatingPoint) {
    struct Case {
        const char* why;
        void (*change)(CFlowmarDoc&);
    };
    const Case cases[] = {
        {"a fan without an operating point", [](CFlowmarDoc& d) { d.results.fanPressure[1] = 0; }},
        {"fixed-quantity results", [](CFlowmarDoc& d) { d.results.boosterPressure = 1.2; }},
        {"no fans", [](CFlowmarDoc& d) { d.fanCount = 0; }},
        {"a curve density of 0 cannot be corrected",
         [](CFlowmarDoc& d) { d.fanCurveDensity[1] = 0; }},
    };
    for (const Case& c : cases) {
        CFlowmarDoc doc = knownFan();
        c.change(doc);
        EXPECT_TRUE(fanCurveChart(doc).primitives().empty()) << c.why;
    }
    CFlowmarDoc doc = knownFan();
    EXPECT_FALSE(fanCurveChart(doc).primitives().empty()) << "the unchanged fan is drawn";
}

TEST(FanCurveChart, NothingDrawnAfterAFixedQuantityExecute) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addTypicalFan(doc, 0);
    ASSERT_TRUE(Execute(doc));
    ASSERT_FALSE(fanCurveChart(doc).primitives().empty());
    doc.solutionMode = kFixedQuantityMode;
    doc.fixedQuantity = 10;
    ASSERT_TRUE(Execute(doc));
    ASSERT_NE(doc.results.boosterPressure, 0.0);
    EXPECT_TRUE(fanCurveChart(doc).primitives().empty());
    EXPECT_EQ(selectedCurveFan(doc), 0);
}

TEST(FanCurveChart, DoublingTheAirDensityDoublesEveryCurvePressure) {
    CFlowmarDoc doc = knownFan();
    const std::optional<FanCurveChartData> same = fanCurveChartData(doc, 1);
    doc.airDensity = 2.4;
    const std::optional<FanCurveChartData> doubled = fanCurveChartData(doc, 1);
    ASSERT_TRUE(same && doubled);
    for (int k = 1; k <= 4; ++k) {
        const auto m = static_cast<std::size_t>(k);
        EXPECT_DOUBLE_EQ(same->pressure[m], doc.fanCurvePressure[m][1]) << "ratio 1, point " << k;
        EXPECT_DOUBLE_EQ(doubled->pressure[m], 2 * same->pressure[m]) << "point " << k;
        EXPECT_DOUBLE_EQ(doubled->power[m], 2 * same->power[m]) << "point " << k;
    }
    EXPECT_DOUBLE_EQ(doubled->operatingPressure, same->operatingPressure)
        << "the operating point is the solution's, already at the duct's density";
}

TEST(FanCurveChart, AnOperatingPointBeyondTheScaleWidensTheExtentInsteadOfBeingClipped) {
    CFlowmarDoc doc = knownFan();
    doc.results.branchFlow[7] = 30; // beyond the 20 m³/s scale: x = 375
    const Drawing chart = fanCurveChart(doc);
    const std::vector<Ellipse> red = ellipsesWith(chart, kOperatingPen);
    ASSERT_EQ(red.size(), 1U);
    EXPECT_EQ(centre(red[0]).x, 375);
    EXPECT_GE(chart.extent().right, 378);
    EXPECT_EQ(chart.extent().left, kChartExtent.left) << "the chart keeps its origin";
}

TEST(FanCurveChart, SelectionFollowsTheDocumentAndStaysWithinItsFans) {
    CFlowmarDoc doc = knownFan();
    testing::addTypicalFan(doc, 600);
    struct Case {
        const char* why;
        int curveViewFan;
        int expected;
    };
    const Case cases[] = {
        {"index 0 is fan 1", 0, 1},
        {"index 1 is fan 2", 1, 2},
        {"a fan deleted since the choice: the last fan", 7, 2},
        {"a negative index from a damaged state: the first", -3, 1},
    };
    for (const Case& c : cases) {
        doc.curveViewFan = c.curveViewFan;
        EXPECT_EQ(selectedCurveFan(doc), c.expected) << c.why;
    }
}

} // namespace
} // namespace flowmar
