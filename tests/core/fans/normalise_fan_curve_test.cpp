#include "core/fans/normalise_fan_curve.h"
#include "core/model/messages.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

namespace flowmar {
namespace {

// Rows 1.. in the order given; the rest stay blank.
FanCurveRows rowsOf(std::initializer_list<FanCurvePoint> points) {
    FanCurveRows rows{};
    int m = 0;
    for (const FanCurvePoint& p : points) {
        rows[++m] = p;
    }
    return rows;
}

struct RuleCase {
    const char* why;
    FanCurveRows rows;
    int unitSystem;
    std::string_view message;
    int pointCount; // as left by the rules
    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.why; }
};

class NormaliseFanCurveRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(NormaliseFanCurveRule, FirstFailingRuleWins) {
    const RuleCase& c = GetParam();
    FanCurveRows rows = c.rows;
    int pointCount = -1;
    EXPECT_EQ(NormaliseFanCurve(rows, pointCount, c.unitSystem), c.message) << c.why;
    EXPECT_EQ(pointCount, c.pointCount) << c.why;
    if (c.message != messages::kCurveSequence) {
        EXPECT_EQ(rows, c.rows) << c.why << ": a refused curve stays as typed";
    }
}

const FanCurvePoint kHigh{2000, 10, 70};
const FanCurvePoint kLow{1000, 20, 60};

INSTANTIATE_TEST_SUITE_P(
    FanCurves, NormaliseFanCurveRule,
    ::testing::Values(
        RuleCase{"one point is not a curve", rowsOf({kHigh}), kSI, messages::kCurveTooFewPoints, 0},
        RuleCase{"zero quantity beside two good points", rowsOf({kHigh, kLow, {1000, 0, 0}}), kSI,
                 messages::kCurveZeroQuantity, 0},
        RuleCase{"zero pressure beside two good points", rowsOf({kHigh, kLow, {0, 5, 0}}), kSI,
                 messages::kCurveZeroPressure, 0},
        RuleCase{"zero pressure is reported before zero quantity",
                 rowsOf({kHigh, kLow, {1000, 0, 0}, {0, 5, 0}}), kSI, messages::kCurveZeroPressure,
                 0},
        RuleCase{"negative pressure is complete but negative", rowsOf({kHigh, kLow, {-100, 5, 0}}),
                 kSI, messages::kCurveNegativeValue, 0},
        RuleCase{"efficiency 100.01", rowsOf({kHigh, {1000, 20, 100.01}}), kSI,
                 messages::kCurveImpossibleEfficiency, 2},
        RuleCase{"a row with only an efficiency of 150 still counts",
                 rowsOf({kHigh, kLow, {0, 0, 150}}), kSI, messages::kCurveImpossibleEfficiency, 2},
        RuleCase{"repeated pressure before repeated quantity",
                 rowsOf({kHigh, {2000, 20, 0}, {1000, 10, 0}}), kSI,
                 messages::kCurveRepeatedPressure, 3},
        RuleCase{"repeated quantity", rowsOf({kHigh, {1000, 10, 0}}), kSI,
                 messages::kCurveRepeatedQuantity, 2},
        RuleCase{"repeated quantity before the quantity limit",
                 rowsOf({{3000, 900, 0}, {2000, 900, 0}}), kSI, messages::kCurveRepeatedQuantity,
                 2},
        RuleCase{"800.001 m³/s", rowsOf({kHigh, {1000, 800.001, 0}}), kSI,
                 messages::kCurveQuantityTooHigh, 2},
        RuleCase{"25 000.1 Pa", rowsOf({{25000.1, 1, 0}, kLow}), kSI,
                 messages::kCurvePressureTooHigh, 2},
        RuleCase{"101 in.w.g. is above 25 kPa", rowsOf({{101, 1, 0}, {50, 20, 0}}), kImperial,
                 messages::kCurvePressureTooHigh, 2},
        RuleCase{"quantity falling as pressure falls", rowsOf({{2000, 20, 0}, {1000, 10, 0}}), kSI,
                 messages::kCurveSequence, 2}));

TEST(NormaliseFanCurve, SortsByFallingPressureAndDropsBlankRows) {
    FanCurveRows rows = rowsOf({{1000, 20, 60}, {}, {3000, 5, 50}, {0, 0, 0}, {2000, 12, 70}});
    int pointCount = 0;
    ASSERT_EQ(NormaliseFanCurve(rows, pointCount, kSI), "");
    EXPECT_EQ(pointCount, 3);
    EXPECT_EQ(rows[1], (FanCurvePoint{3000, 5, 50}));
    EXPECT_EQ(rows[2], (FanCurvePoint{2000, 12, 70}));
    EXPECT_EQ(rows[3], (FanCurvePoint{1000, 20, 60}));
    // The line through the last two points to zero pressure: Q = 12 + 8 × 2000/1000 = 28,
    // E = 70 − 10 × 2 = 50.
    EXPECT_DOUBLE_EQ(rows[4].pressure, 0);
    EXPECT_DOUBLE_EQ(rows[4].quantity, 28);
    EXPECT_DOUBLE_EQ(rows[4].efficiency, 50);
    for (int m = 5; m <= kFanCurvePoints; ++m) {
        EXPECT_EQ(rows[m], FanCurvePoint{}) << m;
    }
}

TEST(NormaliseFanCurve, LimitsAreInclusiveInEitherUnitSystem) {
    FanCurveRows si = rowsOf({{25000, 1, 100}, {1000, 800, 0}});
    int pointCount = 0;
    EXPECT_EQ(NormaliseFanCurve(si, pointCount, kSI), "");
    // 100 in.w.g. is 24 908 Pa; 1695 kcfm is 799.9 m³/s.
    FanCurveRows imperial = rowsOf({{100, 1, 0}, {10, 1695, 0}});
    EXPECT_EQ(NormaliseFanCurve(imperial, pointCount, kImperial), "");
}

TEST(NormaliseFanCurve, FreeDeliveryEfficiencyIsClamped) {
    // Efficiency climbing steeply towards free delivery: 40 → 90 over half the pressure.
    FanCurveRows rows = rowsOf({{2000, 10, 40}, {1000, 20, 90}});
    int pointCount = 0;
    ASSERT_EQ(NormaliseFanCurve(rows, pointCount, kSI), "");
    EXPECT_DOUBLE_EQ(rows[3].quantity, 30);
    EXPECT_EQ(rows[3].efficiency, 100);
}

TEST(NormaliseFanCurve, FifteenPointsKeepAllOfThemWithoutAFreeDeliveryPoint) {
    FanCurveRows rows{};
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        rows[m] = {3000.0 - 100 * m, 1.0 * m, 50};
    }
    const FanCurveRows typed = rows;
    int pointCount = 0;
    ASSERT_EQ(NormaliseFanCurve(rows, pointCount, kSI), "");
    EXPECT_EQ(pointCount, 15);
    EXPECT_EQ(rows, typed);
}

TEST(NormaliseFanCurve, SequenceFailureLeavesTheSortedPoints) {
    FanCurveRows rows = rowsOf({{1000, 10, 0}, {3000, 30, 0}, {2000, 20, 0}});
    int pointCount = 0;
    EXPECT_EQ(NormaliseFanCurve(rows, pointCount, kSI), messages::kCurveSequence);
    EXPECT_EQ(rows[1].pressure, 3000);
    EXPECT_EQ(rows[2].pressure, 2000);
    EXPECT_EQ(rows[3].pressure, 1000);
}

} // namespace
} // namespace flowmar
