#include "core/commands/execute_command.h"
#include "core/engine/fan_mode.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace flowmar {
namespace {

using testing::faceQuantity;
using testing::FakeUiPort;

TEST(StartingFlows, BalanceEveryNode) {
    std::array<double, kBranchFlowSize> flow{};
    setStartingFlows(flow, 100);
    EXPECT_DOUBLE_EQ(flow[101], 0.1);
    EXPECT_DOUBLE_EQ(flow[102], 0.099);
    EXPECT_DOUBLE_EQ(flow[200], 0.001);
    for (int k = 1; k < 100; ++k) {
        EXPECT_NEAR(flow[100 + k], flow[k] + flow[100 + k + 1], 1e-15);
    }
    EXPECT_EQ(flow[100], 0.001) << "the open end";
}

// One segment without leakage driven by a fixed pressure P: the whole pressure is lost in the
// segment's resistance R, so Q = sqrt(P / R).
TEST(FanMode, SingleSegmentWithoutLeakageGivesSquareRootOfPressureOverResistance) {
    CFlowmarDoc doc = testing::ductModel(500, 0.8);
    doc.leakagePathCount = 0;
    doc.executionMode = 2;
    testing::addFixedPressureFan(doc, 0, 2000);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
    ASSERT_EQ(doc.segmentCount, 1);
    const double expected = std::sqrt(2000 / doc.segmentResistance);
    EXPECT_NEAR(doc.results.branchFlow[2], expected, 1e-6);
    EXPECT_NEAR(doc.results.branchFlow[1], expected, 1e-6) << "all of it leaves at the face";
    EXPECT_NEAR(doc.results.totalPressure[1], 0, 1e-3) << "nothing left at the open end";
    EXPECT_EQ(doc.results.fixedPressureFanCount, 1);
}

// A converged solution balances every node exactly (corrections keep the balance) and every
// mesh's pressures to within what the tolerance leaves.
TEST(FanMode, ConvergedSolutionBalancesNodesAndMeshes) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    doc.executionMode = 2;
    testing::addTypicalFan(doc, 0);
    testing::addTypicalFan(doc, 455);
    doc.screenDistance[1] = 700;
    FakeUiPort port;
    ASSERT_EQ(Execute(doc, port).status, SolutionStatus::Converged)
        << ::testing::PrintToString(port.messages);
    ASSERT_TRUE(port.messages.empty());
    const int n = doc.segmentCount;
    const auto& flow = doc.results.branchFlow;
    for (int j = 1; j < n; ++j) {
        EXPECT_NEAR(flow[n + j], flow[j] + flow[n + j + 1], 1e-9) << "node " << j;
    }
    EXPECT_NEAR(flow[2 * n], flow[n], 1e-9);

    const auto& p = doc.results.fanPressure;
    for (int k = 1; k <= n; ++k) {
        double loss = 0;
        for (int j = 1; j <= k; ++j) {
            const double r = doc.segmentResistance + doc.segmentShockResistance[j];
            loss += r * flow[n + j] * std::abs(flow[n + j]);
        }
        if (k < n) {
            loss += doc.leakagePathResistance * flow[k] * std::abs(flow[k]);
        }
        const double fans = p[1] + (doc.results.fanSegment[2] <= k ? p[2] : 0.0);
        EXPECT_NEAR(loss, fans, 0.05) << "mesh " << k;
    }
    EXPECT_GT(faceQuantity(doc), 1.0);
    EXPECT_LT(faceQuantity(doc), flow[n + 1]) << "the duct leaks";
    EXPECT_EQ(doc.results.fanSegment[2], 46);
    EXPECT_EQ(doc.results.boosterPressure, 0);
    EXPECT_GT(doc.results.iterationCount, 0);
    EXPECT_EQ(port.waitCursorDepth, 0);
    EXPECT_EQ(port.waitCursorShown, 1);
}

TEST(FanMode, SolutionNeverChangesTheStoredCurves) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addCurveFan(doc, 0, {{3000, 5, 60}, {1000, 20, 70}}, 1.0);
    const CFlowmarDoc before = doc;
    FakeUiPort port;
    for (const int limit : {5000, 1, 0}) {
        doc.iterationLimit = limit;
        Execute(doc, port);
        EXPECT_EQ(doc.fanCurvePressure, before.fanCurvePressure) << "limit " << limit;
        EXPECT_EQ(doc.fanCurveQuantity, before.fanCurveQuantity);
        EXPECT_EQ(doc.fanCurveDensity, before.fanCurveDensity);
    }
}

// The curve holds for its own density; in the duct the fan's pressure scales with the air
// density. A curve without density is taken as measured at the duct's air density.
TEST(FanMode, CurvePressureScalesWithDensity) {
    const auto solve = [](double curveDensity, double pressureScale) {
        CFlowmarDoc doc = testing::ductModel();
        testing::addCurveFan(
            doc, 0,
            {{3000 * pressureScale, 5}, {2000 * pressureScale, 12}, {800 * pressureScale, 20}},
            curveDensity);
        FakeUiPort port;
        EXPECT_TRUE(Execute(doc, port));
        return doc;
    };
    const CFlowmarDoc atDuctDensity = solve(1.2, 1.0);
    const CFlowmarDoc thinnerCurve = solve(1.0, 1.0 / 1.2);
    const CFlowmarDoc withoutDensity = solve(0.0, 1.0);
    EXPECT_NEAR(faceQuantity(thinnerCurve), faceQuantity(atDuctDensity), 1e-9);
    EXPECT_NEAR(thinnerCurve.results.fanPressure[1], atDuctDensity.results.fanPressure[1], 1e-6);
    EXPECT_EQ(faceQuantity(withoutDensity), faceQuantity(atDuctDensity));
}

TEST(FanMode, FlowBelowTheFirstPointDeliversItsPressureOffCurve) {
    CFlowmarDoc doc = testing::ductModel();
    // The duct passes far less than 50 m³/s at a few hundred pascals.
    testing::addCurveFan(doc, 0, {{400, 50, 55}, {100, 60, 65}});
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    EXPECT_EQ(doc.results.fanOffCurve[1], 1);
    EXPECT_DOUBLE_EQ(doc.results.fanPressure[1], 400);
    EXPECT_DOUBLE_EQ(doc.results.fanEfficiency[1], 55);
    EXPECT_LT(doc.results.branchFlow[doc.segmentCount + 1], 50);
}

TEST(FanMode, FlowBeyondTheLastPointExtrapolatesAndClampsEfficiency) {
    CFlowmarDoc doc = testing::ductModel(200, 1.2);
    // The line through the last two points falls 100 Pa and 30 % per m³/s beyond 2 m³/s.
    testing::addCurveFan(doc, 0, {{500, 1, 90}, {400, 2, 60}});
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const double q = doc.results.branchFlow[doc.segmentCount + 1];
    ASSERT_GT(q, 4) << "far enough out for the efficiency to fall below 0";
    EXPECT_EQ(doc.results.fanOffCurve[1], 1);
    EXPECT_NEAR(doc.results.fanPressure[1], 400 - 100 * (q - 2), 0.5);
    EXPECT_EQ(doc.results.fanEfficiency[1], 0);
}

TEST(FanMode, OperatingPointOnTheCurveInterpolates) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const double q = doc.results.branchFlow[doc.segmentCount + 1];
    ASSERT_GT(q, 10);
    ASSERT_LE(q, 15);
    EXPECT_EQ(doc.results.fanOffCurve[1], 0);
    EXPECT_NEAR(doc.results.fanPressure[1], 2500 - 140 * (q - 10), 0.5);
    EXPECT_NEAR(doc.results.fanEfficiency[1], 75 + (q - 10), 0.01);
}

// Without entry, exit and transition losses the exhausting duct is the forcing one mirrored.
TEST(FanMode, ExhaustingDuctGivesTheSameFlowsAndNegatedPressures) {
    CFlowmarDoc forcing = testing::ductModel();
    testing::addTypicalFan(forcing, 0);
    forcing.smoothElbowDistance[1] = 300;
    forcing.smoothElbowFactor[1] = 0.4;
    CFlowmarDoc exhausting = forcing;
    exhausting.ductType = kExhausting;
    FakeUiPort port;
    ASSERT_TRUE(Execute(forcing, port));
    ASSERT_TRUE(Execute(exhausting, port));
    const int n = forcing.segmentCount;
    for (int k = 1; k <= 2 * n; ++k) {
        EXPECT_EQ(exhausting.results.branchFlow[k], forcing.results.branchFlow[k]);
    }
    for (int j = 1; j <= n; ++j) {
        EXPECT_EQ(exhausting.results.totalPressure[j], -forcing.results.totalPressure[j]);
    }
}

TEST(FanMode, IterationLimitKeepsTheLastSweepAndSaysSo) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    doc.iterationLimit = 3;
    FakeUiPort port;
    EXPECT_EQ(Execute(doc, port).status, SolutionStatus::IterationLimit);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kIterationLimitExceeded)}));
    EXPECT_EQ(doc.results.iterationCount, 3);
    EXPECT_GT(doc.results.branchFlow[doc.segmentCount + 1], 0.1);
}

struct StopCase {
    const char* why;
    friend void PrintTo(const StopCase& c, std::ostream* os) { *os << c.why; }
    void (*setUp)(CFlowmarDoc&);
    std::string message;
    bool opensDuctDetails;
};

class FanModeStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(FanModeStop, ShowsItsMessageAndKeepsThePreviousResults) {
    const StopCase& c = GetParam();
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const DuctResults previous = doc.results;
    c.setUp(doc);
    port.dialogs.clear();
    EXPECT_FALSE(Execute(doc, port)) << c.why;
    ASSERT_EQ(port.messages.size(), 1u) << c.why;
    EXPECT_EQ(port.messages[0], c.message) << c.why;
    EXPECT_EQ(!port.dialogs.empty(), c.opensDuctDetails) << c.why;
    EXPECT_EQ(doc.results.branchFlow, previous.branchFlow) << c.why;
    EXPECT_EQ(doc.results.fanPressure, previous.fanPressure) << c.why;
    EXPECT_EQ(doc.results.iterationCount, previous.iterationCount) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    FanMode, FanModeStop,
    ::testing::Values(
        StopCase{"fan beyond the duct", [](CFlowmarDoc& d) { d.fanDistance[1] = 1000.5; },
                 std::string(messages::kFanDistanceOutsideDuct), false},
        StopCase{"duct length 0",
                 [](CFlowmarDoc& d) {
                     d.ductLength = 0;
                     d.fanDistance[1] = 0;
                 },
                 std::string(messages::kDuctDetailsIncomplete), true},
        StopCase{"fan tagged fixed without a pressure",
                 [](CFlowmarDoc& d) { d.fanFixedPressureFlag[1] = 1; },
                 std::string(messages::kNoFanDefined), false},
        StopCase{"no placed fan", [](CFlowmarDoc& d) { d.fanDistance[1] = 0; },
                 std::string(messages::kNoFanDefined), false},
        StopCase{"a curve of one point", [](CFlowmarDoc& d) { d.fanCurvePointCount[1] = 1; },
                 messages::fanCurveUnusable(1), false},
        StopCase{"a curve whose quantities repeat",
                 [](CFlowmarDoc& d) { d.fanCurveQuantity[3][1] = d.fanCurveQuantity[2][1]; },
                 messages::fanCurveUnusable(1), false},
        StopCase{"iteration limit 0", [](CFlowmarDoc& d) { d.iterationLimit = 0; },
                 std::string(messages::kIterationLimitBelowOne), true}));

TEST(FanMode, FanAtTheDuctEndLiesInTheLastSegment) {
    CFlowmarDoc doc = testing::ductModel(100.3);
    testing::addTypicalFan(doc, 0);
    testing::addFixedPressureFan(doc, 100.3, 50);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    EXPECT_EQ(doc.results.fanSegment[2], 100);
    EXPECT_EQ(doc.results.fanSegment[1], 1) << "0 is stored as 0.00001 m, in segment 1";
}

// A stored model may hold a curve fan at exactly 0 m (the program moves a typed 0 to 0.00001 m).
// It lies in no segment and has always been left out; the run keeps that result and its status,
// but says so.
TEST(FanMode, CurveFanAtExactlyZeroIsLeftOutWithANote) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    testing::addTypicalFan(doc, 0);
    doc.fanDistance[1] = 0;
    FakeUiPort port;
    EXPECT_EQ(Execute(doc, port).status, SolutionStatus::Converged);
    EXPECT_EQ(port.messages, (std::vector<std::string>{messages::fanLeftOutAtDuctStart(1)}));
    EXPECT_EQ(doc.results.fanSegment[1], 0);
    EXPECT_EQ(doc.results.fanSegment[2], 1);

    CFlowmarDoc alone = testing::ductModel();
    testing::addTypicalFan(alone, 0);
    const double withOneFan = (Execute(alone, port), faceQuantity(alone));
    EXPECT_EQ(faceQuantity(doc), withOneFan) << "the fan at 0 m adds nothing";
}

} // namespace
} // namespace flowmar
