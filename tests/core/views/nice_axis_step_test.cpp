#include "core/views/nice_axis_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace flowmar {
namespace {

struct StepCase {
    const char* why;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.why; }
    double span;
    int divisions;
    double step;
};

class NiceAxisStepRule : public ::testing::TestWithParam<StepCase> {};

TEST_P(NiceAxisStepRule, RoundsUpToTheListThenDividesInIntegers) {
    const StepCase& c = GetParam();
    EXPECT_EQ(NiceAxisStep(c.span, c.divisions), c.step) << c.why;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, NiceAxisStepRule,
    ::testing::Values(StepCase{"a 1000 m duct: 1000 is in the list", 1000, 10, 100},
                      StepCase{"a 1100 m duct rounds up to 1200", 1100, 10, 120},
                      StepCase{"1000 m in feet (3280.8) rounds up to 4000", 3280.8, 10, 400},
                      StepCase{"just above a list value takes the next", 1000.001, 10, 120},
                      StepCase{"equal flows: a span of 0 takes 5, 5 / 5 = 1", 0, 5, 1},
                      StepCase{"flows 8 to 10: 2 x 1.333333 rounds up to 5", 2 * 1.333333, 5, 1},
                      StepCase{"a negative span takes 5", -40, 5, 1},
                      StepCase{"the short duct: 5 / 10 truncates to 0", 5, 10, 0},
                      StepCase{"a 1 m duct: also 0", 1, 10, 0},
                      StepCase{"just above 5 takes 10", 5.01, 10, 1},
                      StepCase{"the quotient is truncated: 10 / 3", 7, 3, 3},
                      StepCase{"the list's 7000", 6500, 10, 700},
                      StepCase{"the list's last value", 100000, 10, 10000},
                      StepCase{"beyond the list: 200000", 100000.5, 10, 20000},
                      StepCase{"far beyond the list: still 200000", 1e9, 5, 40000},
                      StepCase{"a span that is not a number counts as 0", kNaN, 5, 1},
                      StepCase{"an infinite span is beyond the list", kInfinity, 5, 40000},
                      StepCase{"no divisions count as one", 250, 0, 250}));

struct ScaledCase {
    const char* why;
    friend void PrintTo(const ScaledCase& c, std::ostream* os) { *os << c.why; }
    double span;
    double step;
};

class DistanceAxis : public ::testing::TestWithParam<ScaledCase> {};

TEST_P(DistanceAxis, HoldsTheDuctInTenWholeNumberSteps) {
    const ScaledCase& c = GetParam();
    const double step = distanceAxisStep(c.span);
    EXPECT_EQ(step, c.step) << c.why;
    EXPECT_EQ(step, std::trunc(step)) << "whole-number labels";
    if (std::isfinite(c.span)) {
        EXPECT_GE(10 * step, c.span) << "the duct ends on the axis";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistanceAxis,
    ::testing::Values(ScaledCase{"the rule itself for a 1000 m duct", 1000, 100},
                      ScaledCase{"a 5 m duct: 0 to 10 like a 10 m duct", 5, 1},
                      ScaledCase{"a 1 m duct", 1, 1},
                      ScaledCase{"3.28 ft: the shortest Imperial duct", 3.28, 1},
                      ScaledCase{"a 10 m duct shares the 0 to 10 axis", 10, 1},
                      ScaledCase{"no length", 0, 1},
                      ScaledCase{"a length that is not a number", kNaN, 1},
                      ScaledCase{"up to 200000 the rule holds the duct", 150000, 20000},
                      ScaledCase{"beyond it the list scaled by ten: 250000", 240000, 25000},
                      ScaledCase{"and by a hundred: 1.2 million", 1100000, 120000}));

class ValueAxis : public ::testing::TestWithParam<ScaledCase> {};

TEST_P(ValueAxis, HoldsTheValuesWithinSixDivisions) {
    const ScaledCase& c = GetParam();
    const double step = valueAxisStep(c.span);
    EXPECT_EQ(step, c.step) << c.why;
    // The values lie within half their span of the middle; the axis shows three steps each side.
    EXPECT_GE(3 * step, c.span / 2) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueAxis,
    ::testing::Values(ScaledCase{"equal values", 0, 1}, ScaledCase{"flows 8 to 10", 2, 1},
                      ScaledCase{"2.5 kPa x 1.333333 = 3.33 rounds to 5", 2.5, 1},
                      ScaledCase{"30 x 1.333333 = 40", 30, 8},
                      ScaledCase{"within the list's reach", 75000, 20000},
                      ScaledCase{"the rule's 200000 still holds it", 150000, 40000},
                      ScaledCase{"beyond it the list scaled by ten", 600000, 160000}));

} // namespace
} // namespace flowmar
