#include "core/commands/execute_command.h"
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

TEST(Execute, DerivesTheDuctProperties) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    doc.executionMode = 0;
    testing::addTypicalFan(doc, 0);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.convergenceTolerance, 0.01);
    EXPECT_EQ(doc.segmentCount, 100);
    EXPECT_EQ(doc.segmentLength, 10);
    const double area = 3.1415927 * 0.45 * 0.45;
    EXPECT_DOUBLE_EQ(doc.ductArea, area);
    EXPECT_DOUBLE_EQ(doc.ductPerimeter, 3.1415927 * 0.9);
    EXPECT_DOUBLE_EQ(doc.totalDuctResistance, 1000 * 0.002 * 3.1415927 * 0.9 / std::pow(area, 3));
    EXPECT_DOUBLE_EQ(doc.segmentResistance, doc.totalDuctResistance / 100);
    EXPECT_EQ(doc.leakageResistanceScaled, 100000000);
    EXPECT_DOUBLE_EQ(doc.leakagePathResistance, 1e6) << "10000 × (100 m / 10 m)²";
    EXPECT_EQ(doc.frictionFactorUsed, 0.002);
    EXPECT_EQ(doc.methodText, "Fan");
}

TEST(Execute, ToleranceFollowsTheExecutionMode) {
    for (const auto& [mode, tolerance] :
         {std::pair{0, 0.01}, std::pair{1, 0.001}, std::pair{2, 0.00001}, std::pair{7, 0.001}}) {
        CFlowmarDoc doc = testing::ductModel();
        doc.executionMode = mode;
        FakeUiPort port;
        Execute(doc, port);
        EXPECT_EQ(doc.convergenceTolerance, tolerance) << "mode " << mode;
    }
}

TEST(Execute, NewModelStopsAtTheDuctDetails) {
    CFlowmarDoc doc;
    FakeUiPort port;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kDuctDetailsIncomplete)}));
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::DuctDetails}));
    EXPECT_EQ(doc.segmentCount, 100);
}

TEST(Execute, TooRestrictedDuct) {
    CFlowmarDoc doc = testing::ductModel(5000, 0.1);
    testing::addTypicalFan(doc, 0);
    FakeUiPort port;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kDuctTooRestricted)}));
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::DuctDetails}));
}

// Zones of a new model: the zone grid must be the one of the current input, or segments between
// off-grid boundaries get no resistance at all and act as open holes in the duct.
TEST(Execute, ZonesOfANewModelUseTheCurrentSegmentGrid) {
    CFlowmarDoc plain = testing::ductModel(1500, 0.9);
    testing::addTypicalFan(plain, 0);
    CFlowmarDoc zoned = plain;
    zoned.zonesOff = 0;
    for (int z = 1; z <= 3; ++z) {
        zoned.zoneStart[z] = 500.0 * (z - 1);
        zoned.zoneEnd[z] = 500.0 * z;
        zoned.zoneDiameter[z] = 0.9;
        zoned.zoneFrictionFactor[z] = 0.002;
        zoned.zoneLeakageResistance100[z] = 10000;
    }
    FakeUiPort port;
    ASSERT_TRUE(Execute(plain, port));
    ASSERT_TRUE(Execute(zoned, port)) << ::testing::PrintToString(port.messages);
    EXPECT_GT(faceQuantity(zoned), 0);
    EXPECT_NEAR(faceQuantity(zoned), faceQuantity(plain), 1e-6)
        << "zones equal to the duct change nothing";
    for (int j = 1; j <= zoned.segmentCount; ++j) {
        EXPECT_DOUBLE_EQ(zoned.zoneSegmentResistance[j], zoned.segmentResistance) << j;
    }
    EXPECT_EQ(zoned.zoneSegmentLeakageResistance[100], 0) << "the open end";
}

TEST(Execute, NarrowZoneRaisesTheResistanceOfItsSegmentsOnly) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addTypicalFan(doc, 0);
    doc.zonesOff = 0;
    doc.autoTransitionOff = 0;
    const double diameters[] = {0.9, 0.7, 0.9};
    const double ends[] = {400, 600, 1000};
    for (int z = 1; z <= 3; ++z) {
        doc.zoneStart[z] = z == 1 ? 0 : ends[z - 2];
        doc.zoneEnd[z] = ends[z - 1];
        doc.zoneDiameter[z] = diameters[z - 1];
        doc.zoneFrictionFactor[z] = 0.002;
        doc.zoneLeakageResistance100[z] = 10000;
    }
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
    EXPECT_DOUBLE_EQ(doc.zoneSegmentResistance[40], doc.zoneResistancePerSegment[1]);
    EXPECT_DOUBLE_EQ(doc.zoneSegmentResistance[41], doc.zoneResistancePerSegment[2]);
    EXPECT_GT(doc.zoneResistancePerSegment[2], 3 * doc.zoneResistancePerSegment[1]);
    EXPECT_GT(doc.segmentShockFactor[41], 0) << "contraction at 400 m";
    EXPECT_GT(doc.segmentShockFactor[61], 0) << "expansion at 600 m";
    const int n = doc.segmentCount;
    EXPECT_NEAR(doc.results.zoneSegmentVelocity[50] * doc.zoneArea[2],
                doc.results.branchFlow[n + 50], 1e-9);
}

TEST(Execute, ZoneTooRestricted) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addTypicalFan(doc, 0);
    doc.zonesOff = 0;
    doc.zoneEnd[1] = 1000;
    doc.zoneDiameter[1] = 0.05;
    doc.zoneFrictionFactor[1] = 0.002;
    doc.zoneLeakageResistance100[1] = 10000;
    FakeUiPort port;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kZoneTooRestricted)}));
}

TEST(Execute, ZoneFaultFromAnEarlierRunNoLongerBlocksOnceZonesAreOff) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    doc.zonesOff = 0; // applied, but no zone entered
    FakeUiPort port;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(doc.zoneErrorFlag, 1);
    doc.zonesOff = 1;
    EXPECT_TRUE(Execute(doc, port));
    EXPECT_EQ(doc.zoneErrorFlag, 0);
}

TEST(Execute, ShockFaultStopsAfterTheAssembly) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    doc.screenDistance[1] = 500;
    doc.screenDistance[2] = 2000;
    FakeUiPort port;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(doc.shockErrorFlag, 1);
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::ShockLosses}));
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[50], 0.97) << "assembled all the same";
    EXPECT_EQ(doc.results.iterationCount, 0) << "no solution";
}

// The far end of the duct: 100 × (100.3 / 100) is not 100.3 in doubles, yet a screen at the
// duct end and the exit loss both land in the last segment, and the last zone covers it.
TEST(Execute, DuctEndBelongsToTheLastSegmentWhateverTheRounding) {
    CFlowmarDoc doc = testing::ductModel(100.3, 0.9);
    testing::addTypicalFan(doc, 0);
    doc.screenDistance[1] = 100.3;
    doc.exitShockFactor = 1.0;
    doc.zonesOff = 0;
    doc.zoneEnd[1] = 100.3;
    doc.zoneDiameter[1] = 0.9;
    doc.zoneFrictionFactor[1] = 0.002;
    doc.zoneLeakageResistance100[1] = 10000;
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[100], 1.97);
    EXPECT_DOUBLE_EQ(doc.zoneSegmentResistance[100], doc.zoneResistancePerSegment[1]);
    EXPECT_GT(doc.segmentShockResistance[100], 0);
}

TEST(Execute, EntryAndExitResistancesTakeTheEndZonesArea) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    testing::addTypicalFan(doc, 0);
    doc.ductType = kExhausting;
    doc.entryShockFactor = 0.5;
    doc.exitShockFactor = 1.0;
    doc.zonesOff = 0;
    const double diameters[] = {0.6, 1.2};
    for (int z = 1; z <= 2; ++z) {
        doc.zoneStart[z] = 500.0 * (z - 1);
        doc.zoneEnd[z] = 500.0 * z;
        doc.zoneDiameter[z] = diameters[z - 1];
        doc.zoneFrictionFactor[z] = 0.002;
        doc.zoneLeakageResistance100[z] = 10000;
    }
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
    const double a1 = doc.zoneArea[1];
    const double a2 = doc.zoneArea[2];
    EXPECT_DOUBLE_EQ(doc.exitResistance, 1.0 / (2 * a1 * a1)) << "exhausting: zone at 0";
    EXPECT_DOUBLE_EQ(doc.entryResistance, 0.5 / (2 * a2 * a2)) << "exhausting: far zone";
}

struct GuardCase {
    const char* why;
    friend void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.why; }
    void (*setUp)(CFlowmarDoc&);
    std::string message;
};

class ExecuteGuard : public ::testing::TestWithParam<GuardCase> {};

// Input that only a damaged or hand-made file can hold is refused with a message; the results of
// the previous run stay whole and nothing is read past a table.
TEST_P(ExecuteGuard, RefusesAndKeepsThePreviousResults) {
    const GuardCase& c = GetParam();
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const DuctResults previous = doc.results;
    c.setUp(doc);
    EXPECT_FALSE(Execute(doc, port)) << c.why;
    ASSERT_FALSE(port.messages.empty()) << c.why;
    EXPECT_EQ(port.messages.back(), c.message) << c.why;
    EXPECT_EQ(doc.results.branchFlow, previous.branchFlow) << c.why;
    EXPECT_EQ(doc.results.totalPressure, previous.totalPressure) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Execute, ExecuteGuard,
    ::testing::Values(
        GuardCase{"a leakage product beyond 32 bits",
                  [](CFlowmarDoc& d) { d.leakageResistance100 = 214749; },
                  std::string(messages::kLeakageResistanceTooLarge)},
        GuardCase{"no leakage resistance", [](CFlowmarDoc& d) { d.leakageResistance100 = 0; },
                  std::string(messages::kLeakagePathWithoutResistance)},
        GuardCase{"more leakage paths than segments the model holds",
                  [](CFlowmarDoc& d) { d.leakagePathCount = 150; },
                  std::string(messages::kLeakagePathCountOutOfRange)},
        GuardCase{"a negative count of leakage paths",
                  [](CFlowmarDoc& d) { d.leakagePathCount = -1; },
                  std::string(messages::kLeakagePathCountOutOfRange)},
        GuardCase{"a negative exit loss", [](CFlowmarDoc& d) { d.exitShockFactor = -1e6; },
                  messages::shockFactorRefused(messages::kExitShockFactor, -1e6)},
        GuardCase{"an entry factor whose pressures would overflow",
                  [](CFlowmarDoc& d) { d.entryShockFactor = 1e308; },
                  messages::shockFactorRefused(messages::kEntryShockFactor, 1e308)},
        GuardCase{"a negative air density would give a negative face quantity",
                  [](CFlowmarDoc& d) { d.airDensity = -1.2; }, messages::airDensityRefused(-1.2)},
        GuardCase{"a negative fixed quantity would still give a booster pressure",
                  [](CFlowmarDoc& d) {
                      d.solutionMode = kFixedQuantityMode;
                      d.fixedQuantity = -5;
                  },
                  messages::fixedQuantityRefused(-5)},
        GuardCase{"a negative row factor makes a segment's resistance negative",
                  [](CFlowmarDoc& d) {
                      d.smoothElbowDistance[1] = 500;
                      d.smoothElbowFactor[1] = -1e6;
                  },
                  std::string(messages::kNegativeSegmentResistance)},
        GuardCase{"a curve point of NaN pressure",
                  [](CFlowmarDoc& d) { d.fanCurvePressure[2][1] = std::nan(""); },
                  std::string(messages::kResultsNotFinite)},
        GuardCase{"a NaN air density", [](CFlowmarDoc& d) { d.airDensity = std::nan(""); },
                  messages::airDensityRefused(std::nan(""))}));

TEST(Execute, CountsAboveCapacityAreNeverFollowedPastATable) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    doc.fanCount = 1000; // only fans 1..100 exist
    doc.fanCurvePointCount[1] = 4;
    doc.zoneCount = 99; // zones are off: the count is read but capped
    FakeUiPort port;
    EXPECT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
    doc.fanCurvePointCount[1] = 40;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(port.messages.back(), messages::fanCurveUnusable(1));
}

} // namespace
} // namespace flowmar
