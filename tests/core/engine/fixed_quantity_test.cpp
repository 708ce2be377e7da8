#include "core/commands/execute_command.h"
#include "core/engine/fixed_quantity.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

using testing::faceQuantity;
using testing::FakeUiPort;

CFlowmarDoc fixedQuantityModel(int location, double quantity = 10) {
    CFlowmarDoc doc = testing::ductModel(1000, 0.9);
    doc.solutionMode = kFixedQuantityMode;
    doc.fixedQuantity = quantity;
    doc.fixedQuantityLocation = location;
    return doc;
}

double sumOfSeriesResistances(const CFlowmarDoc& doc) {
    double sum = 0;
    for (int j = 1; j <= doc.segmentCount; ++j) {
        sum += doc.segmentResistance + doc.segmentShockResistance[j];
    }
    return sum;
}

TEST(FixedQuantity, FaceQuantityIsTheFixedQuantityAndLeakageAddsTowardsTheFan) {
    CFlowmarDoc doc = fixedQuantityModel(kLocationFace);
    FakeUiPort port;
    ASSERT_EQ(Execute(doc, port).status, SolutionStatus::FixedQuantity)
        << ::testing::PrintToString(port.messages);
    const int n = doc.segmentCount;
    const auto& flow = doc.results.branchFlow;
    EXPECT_EQ(flow[2 * n], 10);
    for (int j = 1; j < n; ++j) {
        EXPECT_GT(flow[n + j], flow[n + j + 1]) << "segment " << j;
    }
    EXPECT_EQ(doc.results.iterationCount, 0);
    EXPECT_EQ(doc.methodText, "Fixed Quantity");
    EXPECT_GT(doc.results.boosterPressure, 0);
    EXPECT_DOUBLE_EQ(doc.results.totalPressure[1], doc.results.boosterPressure * 1000)
        << "the fan-side end of segment 1 carries the whole drop";
}

// As the leakage paths tighten, every section carries the face quantity and the booster pressure
// approaches Q² ΣR / 1000 kPa from above.
TEST(FixedQuantity, TighterDuctApproachesQSquaredTimesTheSeriesResistance) {
    double previousGap = 1e300;
    for (const int leakage : {1000, 10000, 150000}) {
        CFlowmarDoc doc = fixedQuantityModel(kLocationFace);
        doc.ductLength = 200;
        doc.leakagePathCount = 9;
        doc.leakageResistance100 = leakage;
        FakeUiPort port;
        ASSERT_TRUE(Execute(doc, port));
        const double tight = 100 * sumOfSeriesResistances(doc) / 1000;
        const double gap = doc.results.boosterPressure - tight;
        EXPECT_GT(gap, 0) << leakage;
        EXPECT_LT(gap, previousGap) << leakage;
        previousGap = gap;
        if (leakage == 150000) {
            EXPECT_LT(gap, 0.05 * tight);
        }
    }
}

TEST(FixedQuantity, FanSourceQuantityFallsTowardsTheFace) {
    CFlowmarDoc doc = fixedQuantityModel(kLocationFanSource);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const int n = doc.segmentCount;
    const auto& flow = doc.results.branchFlow;
    EXPECT_EQ(flow[n + 1], 10);
    EXPECT_LT(flow[2 * n], 10);
    EXPECT_GT(flow[2 * n], 0);
}

// The two locations describe the same network: the fan-end quantity that the Face walk finds,
// prescribed at the fan end, gives back the face quantity.
TEST(FixedQuantity, FaceAndFanSourceWalksAgree) {
    CFlowmarDoc face = fixedQuantityModel(kLocationFace, 6);
    FakeUiPort port;
    ASSERT_TRUE(Execute(face, port));
    const int n = face.segmentCount;
    CFlowmarDoc source = fixedQuantityModel(kLocationFanSource, face.results.branchFlow[n + 1]);
    ASSERT_TRUE(Execute(source, port));
    EXPECT_NEAR(source.results.branchFlow[2 * n], 6, 1e-6);
    EXPECT_NEAR(source.results.boosterPressure, face.results.boosterPressure, 1e-6);
}

// The booster pressure found for a face quantity, fed back as a fixed-pressure fan at the fan
// end, drives the same face quantity.
TEST(FixedQuantity, BoosterPressureFedBackAsAFanGivesTheFaceQuantity) {
    CFlowmarDoc doc = fixedQuantityModel(kLocationFace, 8);
    doc.entryShockFactor = 0.5;
    doc.exitShockFactor = 1.0;
    doc.damperDistance[1] = 250;
    doc.damperFactor[1] = 0.6;
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const double boosterPa = doc.results.boosterPressure * 1000;
    doc.solutionMode = kFanMode;
    doc.executionMode = 2;
    testing::addFixedPressureFan(doc, 0, boosterPa);
    ASSERT_TRUE(Execute(doc, port)) << ::testing::PrintToString(port.messages);
    EXPECT_NEAR(faceQuantity(doc), 8, 1e-3);
}

TEST(FixedQuantity, ExhaustingGivesTheSameQuantitiesAndOppositeBooster) {
    for (const int location : {kLocationFace, kLocationFanSource}) {
        CFlowmarDoc forcing = fixedQuantityModel(location);
        forcing.entryShockFactor = forcing.exitShockFactor = 0.5;
        CFlowmarDoc exhausting = forcing;
        exhausting.ductType = kExhausting;
        FakeUiPort port;
        ASSERT_TRUE(Execute(forcing, port));
        ASSERT_TRUE(Execute(exhausting, port));
        EXPECT_EQ(exhausting.results.branchFlow, forcing.results.branchFlow);
        EXPECT_EQ(exhausting.results.boosterPressure, -forcing.results.boosterPressure);
    }
}

TEST(FixedQuantity, SingleSegmentCarriesTheQuantity) {
    for (const int location : {kLocationFace, kLocationFanSource}) {
        CFlowmarDoc doc = fixedQuantityModel(location, 5);
        doc.leakagePathCount = 0;
        FakeUiPort port;
        ASSERT_TRUE(Execute(doc, port));
        EXPECT_EQ(doc.results.branchFlow[2], 5);
        EXPECT_DOUBLE_EQ(doc.results.boosterPressure, doc.segmentResistance * 25 / 1000);
    }
}

TEST(FixedQuantity, BoosterAbove1000KPaIsRefusedAndResultsStay) {
    CFlowmarDoc doc = fixedQuantityModel(kLocationFace, 5);
    FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    const DuctResults previous = doc.results;
    doc.fixedQuantity = 800;
    EXPECT_FALSE(Execute(doc, port));
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kBoosterTooHigh)}));
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::DuctDetails}));
    EXPECT_EQ(doc.results.boosterPressure, previous.boosterPressure);
    EXPECT_EQ(doc.results.branchFlow, previous.branchFlow);
}

TEST(FixedQuantity, ZeroLengthOrDiameterAsksForTheDuctDetails) {
    for (const auto& [length, diameter] : {std::pair{0.0, 0.9}, std::pair{1000.0, 0.0}}) {
        CFlowmarDoc doc = fixedQuantityModel(kLocationFanSource);
        doc.ductLength = length;
        doc.ductDiameter = diameter;
        FakeUiPort port;
        EXPECT_FALSE(Execute(doc, port));
        ASSERT_FALSE(port.messages.empty());
        EXPECT_THAT(port.messages.back(),
                    ::testing::AnyOf(std::string(messages::kDuctDetailsIncomplete),
                                     std::string(messages::kDuctTooRestricted)));
        EXPECT_EQ(doc.results.boosterPressure, 0);
    }
}

} // namespace
} // namespace flowmar
