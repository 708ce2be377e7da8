#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/graph_drawing.h"
#include "support/models.h"
#include "support/summary_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

// Readable failure output for the primitives compared below.
void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using namespace graph_view;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A duct of `length` m with hand-made results over n segments, each carrying `flow` m³/s at no
// pressure, so that every value on the axes is known exactly.
CFlowmarDoc withResults(double length = 1000, int n = 5, double flow = 9.0) {
    CFlowmarDoc doc = testing::ductModel(length);
    doc.ductArea = 0.6362;
    doc.segmentCount = n;
    doc.segmentLength = length / n;
    for (int i = 1; i <= n; ++i) {
        doc.results.branchFlow[static_cast<std::size_t>(n + i)] = flow;
    }
    return doc;
}

void setFlows(CFlowmarDoc& doc, std::initializer_list<double> flows) {
    int i = 0;
    for (const double f : flows) {
        ++i;
        doc.results.branchFlow[static_cast<std::size_t>(doc.segmentCount + i)] = f;
    }
}

std::vector<Polyline> polylinesWith(const Drawing& d, const Pen& pen) {
    std::vector<Polyline> found;
    for (const Primitive& p : d.primitives()) {
        if (const auto* line = std::get_if<Polyline>(&p); line && line->pen == pen) {
            found.push_back(*line);
        }
    }
    return found;
}

std::vector<Line> linesWith(const Drawing& d, const Pen& pen) {
    std::vector<Line> found;
    for (const Line& line : d.lines()) {
        if (line.pen == pen) {
            found.push_back(line);
        }
    }
    return found;
}

bool hasLine(const Drawing& d, Point from, Point to, const Pen& pen = kBlackPen) {
    for (const Line& line : linesWith(d, pen)) {
        if (line.from == from && line.to == to) {
            return true;
        }
    }
    return false;
}

bool hasPath(const Drawing& d, const std::vector<Point>& points, const Pen& pen = kBlackPen) {
    for (const Polyline& line : polylinesWith(d, pen)) {
        if (line.points == points) {
            return true;
        }
    }
    return false;
}

std::optional<Point> placeOf(const Drawing& d, std::string_view text) {
    for (const Text& t : d.texts()) {
        if (t.text == text) {
            return t.topLeft;
        }
    }
    return std::nullopt;
}

// The texts standing in one column (x) or one row (y), in drawing order.
std::vector<std::string> textsInColumn(const Drawing& d, double x) {
    std::vector<std::string> found;
    for (const Text& t : d.texts()) {
        if (t.topLeft.x == x) {
            found.push_back(t.text);
        }
    }
    return found;
}

std::vector<std::string> textsInRow(const Drawing& d, double y) {
    std::vector<std::string> found;
    for (const Text& t : d.texts()) {
        if (t.topLeft.y == y) {
            found.push_back(t.text);
        }
    }
    return found;
}

std::vector<std::string> countingLabels(int from, int step) {
    std::vector<std::string> labels;
    for (int k = 0; k <= 6; ++k) {
        labels.push_back(std::to_string(from + step * k));
    }
    return labels;
}

// Every primitive whose points all lie below the plot's distance title, where only the schematic
// draws.
int schematicPrimitives(const Drawing& d) {
    int count = 0;
    for (const Primitive& p : d.primitives()) {
        if (const auto* line = std::get_if<Line>(&p)) {
            count += line->from.y < -440 ? 1 : 0;
        } else if (const auto* path = std::get_if<Polyline>(&p)) {
            count += path->points.front().y < -440 ? 1 : 0;
        } else if (const auto* text = std::get_if<Text>(&p)) {
            count += text->topLeft.y < -440 ? 1 : 0;
        }
    }
    return count;
}

TEST(GraphDrawing, ModelWithoutResultsIsBlank) {
    CFlowmarDoc fresh = testing::ductModel(1000);
    EXPECT_TRUE(graphDrawing(fresh).primitives().empty()) << "a duct area of 0: never executed";
    EXPECT_EQ(graphDrawing(fresh).extent(), kExtent);

    CFlowmarDoc noSegments = withResults();
    noSegments.segmentCount = 0;
    EXPECT_TRUE(graphDrawing(noSegments).primitives().empty());
    CFlowmarDoc nanArea = withResults();
    nanArea.ductArea = kNaN;
    EXPECT_TRUE(graphDrawing(nanArea).primitives().empty());
    CFlowmarDoc noLength = withResults();
    noLength.ductLength = 0;
    EXPECT_TRUE(graphDrawing(noLength).primitives().empty());
}

TEST(GraphDrawing, FrameAxesAndGrid) {
    const Drawing d = graphDrawing(withResults());
    ASSERT_FALSE(d.primitives().empty());
    const auto* frame = std::get_if<Rectangle>(&d.primitives().front());
    ASSERT_NE(frame, nullptr) << "the frame is drawn first, under everything";
    EXPECT_EQ(frame->corner1, (Point{10, -20}));
    EXPECT_EQ(frame->corner2, (Point{790, -580}));
    EXPECT_EQ(frame->fill, kWhite);
    EXPECT_TRUE(hasLine(d, {50, -400}, {50, -50}));
    EXPECT_TRUE(hasLine(d, {750, -400}, {750, -50}));
    EXPECT_TRUE(hasLine(d, {50, -400}, {750, -400}));
    EXPECT_FALSE(hasLine(d, {50, -50}, {750, -50})) << "no line along the top";

    const std::vector<Line> grid = linesWith(d, kGridPen);
    ASSERT_EQ(grid.size(), 15u);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_TRUE(hasLine(d, {50.0 + 70 * k, -400}, {50.0 + 70 * k, -50}, kGridPen)) << k;
    }
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(hasLine(d, {50, -400.0 + 58 * k}, {750, -400.0 + 58 * k}, kGridPen)) << k;
    }
    EXPECT_EQ(kGridPen.color, (Rgb{192, 192, 192}));
    for (const Text& t : d.texts()) {
        EXPECT_EQ(t.font, graphFont()) << t.text;
        EXPECT_EQ(t.background, kWhite) << t.text;
    }
    EXPECT_EQ(graphFont().pointSize, 8);
    EXPECT_EQ(graphFont().face, "Arial");
}

struct DistanceCase {
    const char* why;
    friend void PrintTo(const DistanceCase& c, std::ostream* os) { *os << c.why; }
    double metres;
    int unitSystem;
    std::string_view title;
    int step;
    double wallEnd;
};

class DistanceAxisOfTheGraph : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(DistanceAxisOfTheGraph, LabelsTenStepsAndEndsTheWalls) {
    const DistanceCase& c = GetParam();
    CFlowmarDoc doc = withResults(c.metres);
    doc.unitSystem = c.unitSystem;
    const Drawing d = graphDrawing(doc);
    EXPECT_EQ(placeOf(d, c.title), (Point{370, -430})) << c.why;
    std::vector<std::string> expected;
    for (int k = 0; k <= 10; ++k) {
        expected.push_back(std::to_string(k * c.step));
        EXPECT_EQ(placeOf(d, expected.back()).value_or(Point{}).x, 38 + 70 * k)
            << c.why << ": label " << k;
    }
    EXPECT_EQ(textsInRow(d, -409), expected) << c.why;
    EXPECT_TRUE(hasLine(d, {50, -467}, {c.wallEnd, -467})) << c.why;
    EXPECT_TRUE(hasLine(d, {50, -534}, {c.wallEnd, -534})) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistanceAxisOfTheGraph,
    ::testing::Values(
        DistanceCase{"1000 m: labels 0 to 1000", 1000, kSI, kDistanceTitleSI, 100, 750},
        DistanceCase{"1100 m: nice value 1200, walls end at 50 + trunc(1100 x 700 / 1200)", 1100,
                     kSI, kDistanceTitleSI, 120, 691},
        DistanceCase{"1000 m in Imperial is 3280.8 ft: nice value 4000", 1000, kImperial,
                     kDistanceTitleImperial, 400, 50 + 574},
        DistanceCase{"a 3 m duct, whose rule step is 0, reads 0 to 10", 3, kSI, kDistanceTitleSI, 1,
                     260},
        DistanceCase{"a 1 m duct in feet (3.28 ft) too", 1, kImperial, kDistanceTitleImperial, 1,
                     50 + 229}));

TEST(GraphDrawing, FanAt250MetresHasItsCentreAt225) {
    CFlowmarDoc doc = withResults(1000);
    testing::addTypicalFan(doc, 0);
    testing::addTypicalFan(doc, 250);
    const Drawing d = graphDrawing(doc);
    const double c = 225;
    EXPECT_TRUE(
        hasPath(d, {{c - 6, -494}, {c - 6, -506}, {c - 12, -509}, {c - 12, -491}, {c - 6, -494}}));
    EXPECT_TRUE(hasPath(d, {{c - 6, -506}, {c + 6, -506}, {c + 6, -494}, {c - 6, -494}}));
    EXPECT_TRUE(hasPath(d, {{c + 6, -506}, {c + 12, -509}, {c + 12, -491}, {c + 6, -494}}));
    EXPECT_EQ(placeOf(d, "2"), (Point{225, -509}));
    EXPECT_EQ(textsInRow(d, -509), (std::vector<std::string>{"1", "2"}))
        << "the fan at 0 (stored as 0.00001 m) is number 1";
    EXPECT_EQ(placeOf(d, "1"), (Point{50, -509}));

    doc.showFans = 0;
    EXPECT_TRUE(textsInRow(graphDrawing(doc), -509).empty());
}

TEST(GraphDrawing, FixedQuantityResultsShowNoFans) {
    CFlowmarDoc doc = testing::solvedFixedQuantityModel();
    ASSERT_NE(doc.results.boosterPressure, 0.0);
    testing::addTypicalFan(doc, 250); // listed in the model, but not what the results come from
    const Drawing d = graphDrawing(doc);
    EXPECT_TRUE(textsInRow(d, -509).empty());
    EXPECT_FALSE(hasPath(d, {{219, -506}, {231, -506}, {231, -494}, {219, -494}}));
    EXPECT_EQ(linesWith(d, kBlackPen).size(), 5u) << "three axes and two walls";

    doc.results.boosterPressure = 0;
    EXPECT_EQ(textsInRow(graphDrawing(doc), -509), std::vector<std::string>{"1"});
}

TEST(GraphDrawing, EqualFlowsAreAFlatLineThreeDivisionsUp) {
    const Drawing d = graphDrawing(withResults(1000, 5, 9.0));
    // Span 0: step 1, base trunc(9 − 3) = 6; 9 is drawn at −400 + 3 × 58.
    EXPECT_EQ(textsInColumn(d, 756), countingLabels(6, 1));
    const std::vector<Polyline> flow = polylinesWith(d, kFlowPen);
    ASSERT_EQ(flow.size(), 1u);
    EXPECT_EQ(flow[0].points,
              (std::vector<Point>{
                  {50, -226}, {190, -226}, {330, -226}, {470, -226}, {610, -226}, {750, -226}}));
}

TEST(GraphDrawing, FlowsFromEightToTenStepOneFromBaseSix) {
    CFlowmarDoc doc = withResults(1000, 5);
    setFlows(doc, {10, 9.5, 9, 8.5, 8});
    const Drawing d = graphDrawing(doc);
    EXPECT_EQ(textsInColumn(d, 756), countingLabels(6, 1));
    EXPECT_EQ(placeOf(d, "6"), (Point{756, -388}));
    EXPECT_EQ(placeOf(d, "12"), (Point{756, -388 + 6 * 58}));
    const std::vector<Polyline> flow = polylinesWith(d, kFlowPen);
    ASSERT_EQ(flow.size(), 1u);
    // The first segment is flat; each later one slopes from the previous segment's value.
    EXPECT_EQ(flow[0].points,
              (std::vector<Point>{
                  {50, -168}, {190, -168}, {330, -197}, {470, -226}, {610, -255}, {750, -284}}));
    EXPECT_EQ(placeOf(d, kQuantityTitleSI), (Point{696, -32}));
    EXPECT_EQ(placeOf(d, kFlowLegend), (Point{600, -32}));
    EXPECT_TRUE(hasLine(d, {583, -38}, {550, -38}, kFlowPen));
    EXPECT_EQ(kFlowPen, (Pen{PenStyle::Dotted, {255, 0, 0}, 1}));
}

// Total pressures 1000 to 200 Pa over five segments, velocity pressure 100 Pa everywhere.
CFlowmarDoc pressureModel() {
    CFlowmarDoc doc = withResults(1000, 5);
    const double totals[] = {1000, 800, 600, 400, 200};
    for (std::size_t i = 1; i <= 5; ++i) {
        doc.results.totalPressure[i] = totals[i - 1];
        doc.results.segmentVelocityPressure[i] = 100;
    }
    return doc;
}

TEST(GraphDrawing, PressureCurvesStartAndEndAtZero) {
    const Drawing d = graphDrawing(pressureModel());
    // From 0 to 1.0 kPa: step 1, base trunc(0.5 − 3) = −2; zero at −400 + 2 × 58.
    EXPECT_EQ(textsInColumn(d, 16),
              (std::vector<std::string>{"-2.00", "-1.00", "0.00", "1.00", "2.00", "3.00", "4.00"}));
    EXPECT_EQ(placeOf(d, kPressureTitleSI), (Point{50, -32}));
    EXPECT_EQ(placeOf(d, kTotalPressureLegend), (Point{200, -32}));
    EXPECT_EQ(placeOf(d, kStaticPressureLegend), (Point{400, -32}));
    EXPECT_TRUE(hasLine(d, {50, -284}, {750, -284}, kZeroPressurePen));

    const std::vector<Polyline> total = polylinesWith(d, kTotalPressurePen);
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0].points,
              (std::vector<Point>{
                  {50, -284}, {190, -226}, {330, -237}, {470, -249}, {610, -260}, {750, -284}}))
        << "the last node's 200 Pa is drawn as 0";
    const std::vector<Polyline> statics = polylinesWith(d, kStaticPressurePen);
    ASSERT_EQ(statics.size(), 1u);
    EXPECT_EQ(statics[0].points,
              (std::vector<Point>{
                  {50, -284}, {190, -231}, {330, -243}, {470, -255}, {610, -266}, {750, -284}}));
    EXPECT_TRUE(hasLine(d, {183, -38}, {150, -38}, kTotalPressurePen));
    EXPECT_TRUE(hasLine(d, {383, -38}, {350, -38}, kStaticPressurePen));
}

TEST(GraphDrawing, BothPressureCurvesOffLeaveNoPressureAxis) {
    CFlowmarDoc doc = pressureModel();
    doc.plotTotalPressure = 0;
    doc.plotStaticPressure = 0;
    ASSERT_EQ(doc.plotZeroPressure, 1);
    const Drawing d = graphDrawing(doc);
    EXPECT_TRUE(textsInColumn(d, 16).empty());
    EXPECT_FALSE(placeOf(d, kPressureTitleSI));
    EXPECT_FALSE(placeOf(d, kTotalPressureLegend));
    EXPECT_FALSE(placeOf(d, kStaticPressureLegend));
    EXPECT_TRUE(linesWith(d, kZeroPressurePen).empty()) << "even with Plot Zero Pressure ticked";
    EXPECT_TRUE(linesWith(d, kTotalPressurePen).empty());
    EXPECT_TRUE(polylinesWith(d, kStaticPressurePen).empty());
    EXPECT_EQ(polylinesWith(d, kFlowPen).size(), 1u) << "the flow stays";
}

TEST(GraphDrawing, OnePressureCurveKeepsBothLegendTexts) {
    CFlowmarDoc doc = pressureModel();
    doc.plotStaticPressure = 0;
    doc.plotZeroPressure = 0;
    const Drawing d = graphDrawing(doc);
    EXPECT_TRUE(placeOf(d, kStaticPressureLegend));
    EXPECT_EQ(polylinesWith(d, kTotalPressurePen).size(), 1u);
    EXPECT_TRUE(polylinesWith(d, kStaticPressurePen).empty());
    EXPECT_TRUE(linesWith(d, kStaticPressurePen).empty()) << "no legend line for it";
    EXPECT_TRUE(linesWith(d, kZeroPressurePen).empty());
    EXPECT_EQ(textsInColumn(d, 16).size(), 7u) << "the axis still spans both curves' values";
    EXPECT_EQ(textsInColumn(d, 16).front(), "-2.00");
}

// A 1000 m model with one of each shock loss, an ignored elbow without factor, zones with their
// transitions, and flanged fittings at both ends.
CFlowmarDoc shockLossModel() {
    CFlowmarDoc doc = withResults(1000);
    doc.smoothElbowDistance[1] = 100;
    doc.smoothElbowFactor[1] = 0.2;
    doc.mitredElbowDistance[1] = 200;
    doc.mitredElbowFactor[1] = 0.3;
    doc.damperDistance[1] = 300;
    doc.damperFactor[1] = 1.5;
    doc.screenDistance[1] = 400;
    doc.fixedResistanceDistance[1] = 500;
    doc.fixedResistanceValue[1] = 5;
    doc.smoothElbowDistance[2] = 600; // no factor: not drawn
    doc.screenDistance[20] = 900;     // the last row counts
    doc.zonesOff = 0;
    doc.autoTransitionOff = 0;
    doc.zoneCount = 3;
    doc.zoneStart[2] = 800;
    doc.zoneStart[3] = 850;
    doc.entryShockFactor = 0.5;
    doc.exitShockFactor = 0.88;
    return doc;
}

TEST(GraphDrawing, ShockLossesAndZoneTransitionsAreMarked) {
    const Drawing d = graphDrawing(shockLossModel());
    EXPECT_TRUE(hasLine(d, {120, -500}, {120, -534}));
    EXPECT_EQ(placeOf(d, kSmoothElbowMark), (Point{115, -540}));
    EXPECT_TRUE(hasLine(d, {190, -500}, {190, -534}));
    EXPECT_EQ(placeOf(d, kMitredElbowMark), (Point{185, -540}));
    EXPECT_TRUE(hasLine(d, {260, -500}, {260, -534}));
    EXPECT_EQ(placeOf(d, kDamperMark), (Point{260, -540}));
    EXPECT_TRUE(hasLine(d, {330, -500}, {330, -467}));
    EXPECT_TRUE(hasLine(d, {400, -500}, {400, -467}));
    EXPECT_EQ(placeOf(d, kFixedResistanceMark), (Point{406, -473}));
    EXPECT_FALSE(hasLine(d, {470, -500}, {470, -534})) << "an elbow without a factor";
    EXPECT_EQ(textsInRow(d, -540), (std::vector<std::string>{"SE", "ME", "D"}));
    // Above the centre line: screens, the fixed resistance, then the two transitions.
    EXPECT_EQ(textsInRow(d, -473), (std::vector<std::string>{"S", "FR", "S", "TS", "TS"}));
    EXPECT_TRUE(hasLine(d, {680, -500}, {680, -467}));
    EXPECT_EQ(placeOf(d, kTransitionMark), (Point{616, -473}));

    CFlowmarDoc manual = shockLossModel();
    manual.autoTransitionOff = 1;
    EXPECT_EQ(textsInRow(graphDrawing(manual), -473), (std::vector<std::string>{"S", "FR", "S"}))
        << "transitions are marked only when computed automatically";
    CFlowmarDoc hidden = shockLossModel();
    hidden.showShockLosses = 0;
    EXPECT_TRUE(textsInRow(graphDrawing(hidden), -473).empty());
    EXPECT_TRUE(textsInRow(graphDrawing(hidden), -540).empty());
    EXPECT_TRUE(hasLine(graphDrawing(hidden), {50, -534}, {50, -546})) << "fittings stay";
}

TEST(GraphDrawing, SchematicOffDrawsNothingOfIt) {
    CFlowmarDoc doc = shockLossModel();
    testing::addTypicalFan(doc, 250);
    ASSERT_GT(schematicPrimitives(graphDrawing(doc)), 20);
    doc.showSchematic = 0;
    const Drawing d = graphDrawing(doc);
    EXPECT_EQ(schematicPrimitives(d), 0) << "whatever the fans, losses and arrows options say";
    EXPECT_EQ(textsInRow(d, -409).size(), 11u) << "the distance axis stays";
}

TEST(GraphDrawing, ForcingDuctArrowsPointDownstreamWithFittingsInPlace) {
    CFlowmarDoc doc = withResults(1000);
    doc.entryShockFactor = 0.1; // formed bell at the start, opening to the left
    doc.exitShockFactor = 0.51; // diffuser at the far end, opening to the right
    const Drawing d = graphDrawing(doc);
    for (const double a : {125.0, 375.0, 625.0}) { // trunc(750 × 1/6, 3/6, 5/6)
        EXPECT_TRUE(hasPath(d, {{a, -500},
                                {a + 18, -500},
                                {a + 18, -494},
                                {a + 24, -500},
                                {a + 18, -506},
                                {a + 18, -500}}))
            << a;
    }
    EXPECT_TRUE(hasPath(d, {{50, -534}, {38, -540}, {38, -546}}));
    EXPECT_TRUE(hasPath(d, {{50, -467}, {38, -461}, {38, -455}}));
    EXPECT_TRUE(hasLine(d, {750, -534}, {768, -546}));
    EXPECT_TRUE(hasLine(d, {750, -467}, {768, -455}));

    doc.showAirflowDirection = 0;
    EXPECT_EQ(polylinesWith(graphDrawing(doc), kBlackPen).size(), 2u) << "the bell only";
}

TEST(GraphDrawing, ExhaustingDuctReversesArrowsAndFittings) {
    CFlowmarDoc doc = withResults(1000);
    doc.ductType = kExhausting;
    doc.entryShockFactor = 0.1; // the entry is at the far end
    doc.exitShockFactor = 0.51; // the exit at x = 50
    const Drawing d = graphDrawing(doc);
    for (const double a : {125.0, 375.0, 625.0}) {
        EXPECT_TRUE(
            hasPath(d, {{a + 18, -500}, {a, -500}, {a, -494}, {a - 6, -500}, {a, -506}, {a, -500}}))
            << a;
    }
    EXPECT_TRUE(hasPath(d, {{750, -534}, {762, -540}, {762, -546}}));
    EXPECT_TRUE(hasPath(d, {{750, -467}, {762, -461}, {762, -455}}));
    EXPECT_TRUE(hasLine(d, {50, -534}, {32, -546}));
    EXPECT_TRUE(hasLine(d, {50, -467}, {32, -455}));

    doc.entryShockFactor = 0.5;
    doc.exitShockFactor = 0.88;
    const Drawing flanged = graphDrawing(doc);
    EXPECT_TRUE(hasLine(flanged, {750, -534}, {750, -546}));
    EXPECT_TRUE(hasLine(flanged, {50, -467}, {50, -455}));
    doc.entryShockFactor = 1.0; // sharp entry and abrupt exit draw nothing
    doc.exitShockFactor = 1.0;
    EXPECT_EQ(linesWith(graphDrawing(doc), kBlackPen).size(), 5u);
}

TEST(GraphDrawing, ShortDuctArrowsStayInTheDuct) {
    // 3 m on the 0 to 10 axis ends at x = 260; a sixth of that would lie before the duct.
    const Drawing d = graphDrawing(withResults(3));
    for (const double a : {85.0, 155.0, 225.0}) { // 50 + trunc(210 × 1/6, 3/6, 5/6)
        EXPECT_TRUE(hasPath(d, {{a, -500},
                                {a + 18, -500},
                                {a + 18, -494},
                                {a + 24, -500},
                                {a + 18, -506},
                                {a + 18, -500}}))
            << a;
    }
}

TEST(GraphDrawing, ImperialLabelsAndUnits) {
    CFlowmarDoc doc = pressureModel();
    doc.unitSystem = kImperial;
    const Drawing d = graphDrawing(doc);
    EXPECT_TRUE(placeOf(d, kDistanceTitleImperial));
    EXPECT_TRUE(placeOf(d, kQuantityTitleImperial));
    EXPECT_TRUE(placeOf(d, kPressureTitleImperial));
    // 1 kPa is 4.0147 in.w.g.: the span 4.0147 × 1.333333 rounds up to 10, step 2, base
    // trunc(2.007 − 6) = −3.
    EXPECT_EQ(textsInColumn(d, 16),
              (std::vector<std::string>{"-3.00", "-1.00", "1.00", "3.00", "5.00", "7.00", "9.00"}));
    // 9 m³/s is 19.07 kcfm; the Imperial middle is truncated to 19 first.
    EXPECT_EQ(textsInColumn(d, 756), countingLabels(16, 1));

    doc.flowPlotKind = 2;
    EXPECT_TRUE(placeOf(graphDrawing(doc), kVelocityTitleImperial));
    doc.unitSystem = kSI;
    EXPECT_TRUE(placeOf(graphDrawing(doc), kVelocityTitleSI));
}

TEST(GraphDrawing, ImperialFlowMiddleIsTruncatedBeforeTheBase) {
    // A middle of 2.5: in SI the base is trunc(2.5 − 3) = 0, in Imperial trunc(2.5) − 3 = −1.
    CFlowmarDoc si = withResults(1000, 5, 2.5);
    EXPECT_EQ(textsInColumn(graphDrawing(si), 756), countingLabels(0, 1));
    CFlowmarDoc imperial = withResults(1000, 5, 2.5 * 1000 / 2118.9);
    imperial.unitSystem = kImperial;
    EXPECT_EQ(textsInColumn(graphDrawing(imperial), 756), countingLabels(-1, 1));
}

TEST(GraphDrawing, VelocityComesFromTheZonesWhenTheyApply) {
    CFlowmarDoc doc = withResults(1000, 5);
    doc.flowPlotKind = 3; // any value but 1 plots velocity
    for (std::size_t i = 1; i <= 5; ++i) {
        doc.results.segmentVelocity[i] = 20;
        doc.results.zoneSegmentVelocity[i] = 30;
    }
    EXPECT_EQ(textsInColumn(graphDrawing(doc), 756).front(), "17");
    doc.zonesOff = 0;
    EXPECT_EQ(textsInColumn(graphDrawing(doc), 756).front(), "27");
    doc.unitSystem = kImperial; // 30 m/s is 5905.5 ft/min: step 1, middle 5905
    EXPECT_EQ(textsInColumn(graphDrawing(doc), 756).front(), "5902");
}

TEST(GraphDrawing, OptionsOtherThanTheModelsLeaveTheModelAlone) {
    const CFlowmarDoc doc = pressureModel();
    GraphOptions options = graphOptionsOf(doc);
    options.plotTotalPressure = 0;
    options.plotStaticPressure = 0;
    EXPECT_TRUE(textsInColumn(graphDrawing(doc, options), 16).empty());
    EXPECT_EQ(textsInColumn(graphDrawing(doc), 16).size(), 7u);
}

// Every coordinate finite and every text free of "nan" and "inf".
void expectOnlyFiniteNumbers(const Drawing& d, const char* why) {
    const auto finite = [](Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    for (const Primitive& p : d.primitives()) {
        if (const auto* line = std::get_if<Line>(&p)) {
            EXPECT_TRUE(finite(line->from) && finite(line->to)) << why;
        } else if (const auto* path = std::get_if<Polyline>(&p)) {
            for (const Point& point : path->points) {
                EXPECT_TRUE(finite(point)) << why;
            }
        } else if (const auto* text = std::get_if<Text>(&p)) {
            EXPECT_TRUE(finite(text->topLeft)) << why;
            EXPECT_EQ(text->text.find("nan"), std::string::npos) << why << ": " << text->text;
            EXPECT_EQ(text->text.find("inf"), std::string::npos) << why << ": " << text->text;
        }
    }
}

TEST(GraphDrawing, ValuesThatAreNotNumbersBreakTheCurves) {
    CFlowmarDoc doc = pressureModel();
    doc.results.branchFlow[5 + 3] = kNaN;
    doc.results.totalPressure[2] = kInfinity;
    doc.results.segmentVelocityPressure[4] = 1e300; // beyond any real duct
    const Drawing d = graphDrawing(doc);
    expectOnlyFiniteNumbers(d, "damaged results");
    const std::vector<Polyline> flow = polylinesWith(d, kFlowPen);
    ASSERT_EQ(flow.size(), 2u) << "the segments into and out of the third are left out";
    EXPECT_EQ(flow[0].points.size(), 3u);
    EXPECT_EQ(flow[1].points.size(), 2u);
    EXPECT_EQ(textsInColumn(d, 756), countingLabels(6, 1)) << "the axis of the values left";
    EXPECT_EQ(polylinesWith(d, kTotalPressurePen).size(), 2u) << "around the second node";
    // Static: nodes 2 and 4 are left out, and the single points 3 and 5 make no line.
    EXPECT_EQ(polylinesWith(d, kStaticPressurePen).size(), 1u);
}

TEST(GraphDrawing, DamagedDistancesNeverReachACoordinate) {
    CFlowmarDoc doc = shockLossModel();
    testing::addTypicalFan(doc, 250);
    doc.fanDistance[1] = kNaN;
    doc.screenDistance[2] = kInfinity;
    doc.fixedResistanceDistance[2] = 1e308;
    doc.fixedResistanceValue[2] = 1;
    doc.zoneStart[2] = kNaN;
    expectOnlyFiniteNumbers(graphDrawing(doc), "damaged distances");

    CFlowmarDoc everything = withResults(1000, 5, kNaN);
    for (std::size_t i = 1; i <= 5; ++i) {
        everything.results.totalPressure[i] = kNaN;
    }
    const Drawing d = graphDrawing(everything);
    expectOnlyFiniteNumbers(d, "no finite result at all");
    EXPECT_EQ(textsInColumn(d, 756), countingLabels(-3, 1)) << "an axis around 0";
    EXPECT_TRUE(polylinesWith(d, kFlowPen).empty());

    CFlowmarDoc huge = withResults(1e12);
    expectOnlyFiniteNumbers(graphDrawing(huge), "a duct beyond the list");
    EXPECT_EQ(placeOf(graphDrawing(huge), "1000000000000"), (Point{738, -409}));
}

TEST(GraphDrawing, SolvedModelEndsAtTheFaceQuantity) {
    const CFlowmarDoc doc = testing::solvedFanModel();
    const Drawing d = graphDrawing(doc);
    const std::vector<Polyline> flow = polylinesWith(d, kFlowPen);
    ASSERT_EQ(flow.size(), 1u);
    ASSERT_EQ(flow[0].points.size(), 101u);
    EXPECT_EQ(flow[0].points.back().x, 750);
    EXPECT_GT(flow[0].points.front().y, flow[0].points.back().y) << "air leaks on the way";
    const std::vector<Polyline> total = polylinesWith(d, kTotalPressurePen);
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0].points.front().y, total[0].points.back().y) << "0 at both ends";
    EXPECT_GT(total[0].points[1].y, total[0].points.front().y) << "the fan raises the pressure";
}

TEST(GraphMapping, StretchesTheLogicalSpaceOntoTheRectangle) {
    const ChartMapping m = graphMapping(DeviceRect{100, 50, 1300, 950});
    EXPECT_EQ(m.toDevice({0, -600}), (Point{100, 950})) << "bottom-left";
    EXPECT_EQ(m.toDevice({800, 0}), (Point{1300, 50})) << "top-right";
    EXPECT_EQ(m.toDevice({400, -300}), (Point{700, 500}));
    EXPECT_EQ(m.scale(), (Point{1.5, -1.5}));
}

} // namespace
} // namespace flowmar
