#include "core/engine/execute_result.h"
#include "core/engine/segment_grid.h"
#include "core/engine/shock_losses.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace flowmar {
namespace {

// A 100 m duct of 10 segments with a 1 m² area.
CFlowmarDoc tenSegmentDuct() {
    CFlowmarDoc doc = testing::ductModel(100);
    doc.leakagePathCount = 9;
    doc.segmentCount = 10;
    doc.segmentLength = 10;
    doc.ductArea = 1.0;
    return doc;
}

SegmentGrid gridOf(const CFlowmarDoc& doc) {
    return SegmentGrid::fromInput(doc);
}

TEST(AssembleShockLosses, LossAtABoundaryBelongsToTheSegmentEndingThere) {
    CFlowmarDoc doc = tenSegmentDuct();
    doc.smoothElbowDistance[1] = 20; // end of segment 2
    doc.smoothElbowFactor[1] = 0.25;
    doc.mitredElbowDistance[7] = 15; // inside segment 2 too
    doc.mitredElbowFactor[7] = 0.5;
    doc.damperDistance[20] = 20.000001; // start of segment 3: just inside it
    doc.damperFactor[20] = 0.1;
    doc.screenDistance[2] = 100; // the duct end
    doc.screenDistance[3] = 0;   // an empty row
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[2], 0.75);
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[3], 0.1);
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[10], 0.97);
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[1], 0);
    EXPECT_DOUBLE_EQ(doc.totalShockFactor, 0.75 + 0.1 + 0.97);
    EXPECT_DOUBLE_EQ(doc.segmentShockResistance[2], 0.75 / 2);
}

TEST(AssembleShockLosses, FixedResistanceKeepsItsValueAsResistance) {
    CFlowmarDoc doc = tenSegmentDuct();
    doc.ductArea = 0.5;
    doc.fixedResistanceDistance[1] = 55;
    doc.fixedResistanceValue[1] = 40;
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[6], 2 * 0.25 * 40);
    EXPECT_DOUBLE_EQ(doc.segmentShockResistance[6], 40);
}

TEST(AssembleShockLosses, EntryAndExitSwapEndsWhenExhausting) {
    CFlowmarDoc doc = tenSegmentDuct();
    doc.entryShockFactor = 0.5;
    doc.exitShockFactor = 1.0;
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_EQ(doc.segmentShockFactor[1], 0.5);
    EXPECT_EQ(doc.segmentShockFactor[10], 1.0);
    doc.ductType = kExhausting;
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_EQ(doc.segmentShockFactor[1], 1.0);
    EXPECT_EQ(doc.segmentShockFactor[10], 0.5);
    doc.leakagePathCount = 0; // one segment gets both
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_EQ(doc.segmentShockFactor[1], 1.5);
}

struct TransitionCase {
    const char* why;
    friend void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.why; }
    int ductType;
    double area1, area2;
    int segment;
    double factor;
};

class ZoneTransition : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(ZoneTransition, GoesToTheDownstreamSegment) {
    const TransitionCase& c = GetParam();
    CFlowmarDoc doc = tenSegmentDuct();
    doc.ductType = c.ductType;
    doc.zonesOff = 0;
    doc.autoTransitionOff = 0;
    doc.zoneCount = 2;
    doc.zoneStart[1] = 0;
    doc.zoneEnd[1] = 50;
    doc.zoneArea[1] = c.area1;
    doc.zoneStart[2] = 50;
    doc.zoneEnd[2] = 100;
    doc.zoneArea[2] = c.area2;
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_DOUBLE_EQ(doc.segmentShockFactor[c.segment], c.factor) << c.why;
    EXPECT_DOUBLE_EQ(doc.totalShockFactor, c.factor) << c.why << ": nowhere else";
    const double area = c.segment <= 5 ? c.area1 : c.area2;
    EXPECT_DOUBLE_EQ(doc.segmentShockResistance[c.segment], c.factor / (2 * area * area))
        << c.why << ": over the zone's own area";
}

INSTANTIATE_TEST_SUITE_P(
    ShockLosses, ZoneTransition,
    ::testing::Values(
        TransitionCase{"forcing, sudden expansion", kForcing, 0.5, 1.0, 6, 1.0},
        TransitionCase{"forcing, contraction", kForcing, 1.0, 0.5, 6, 0.125},
        TransitionCase{"exhausting, widening seen as contraction", kExhausting, 0.5, 1.0, 5, 0.125},
        TransitionCase{"exhausting, narrowing seen as expansion", kExhausting, 1.0, 0.5, 5, 1.0},
        TransitionCase{"equal areas add nothing", kForcing, 1.0, 1.0, 6, 0.0}));

TEST(AssembleShockLosses, NoTransitionsUnlessComputedAutomatically) {
    CFlowmarDoc doc = tenSegmentDuct();
    doc.zonesOff = 0;
    doc.autoTransitionOff = 1;
    doc.zoneCount = 2;
    doc.zoneEnd[1] = 50;
    doc.zoneArea[1] = 0.5;
    doc.zoneStart[2] = 50;
    doc.zoneEnd[2] = 100;
    doc.zoneArea[2] = 1;
    assembleShockLosses(doc, gridOf(doc));
    EXPECT_EQ(doc.totalShockFactor, 0);
}

struct RowCase {
    const char* why;
    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.why; }
    void (*fill)(CFlowmarDoc&);
    std::string_view message; // empty: the row passes
};

class ShockRowCheck : public ::testing::TestWithParam<RowCase> {};

TEST_P(ShockRowCheck, ReportsTheFirstFault) {
    const RowCase& c = GetParam();
    CFlowmarDoc doc = testing::ductModel(100);
    c.fill(doc);
    ExecuteResult run;
    const bool passed = validateShockLosses(doc, run);
    if (c.message.empty()) {
        EXPECT_TRUE(passed) << c.why;
        EXPECT_TRUE(run.messages.empty()) << c.why;
        EXPECT_EQ(doc.shockErrorFlag, 0);
        return;
    }
    EXPECT_FALSE(passed) << c.why;
    ASSERT_EQ(run.messages.size(), 1u) << c.why;
    EXPECT_EQ(run.messages[0], c.message) << c.why;
    EXPECT_EQ(doc.shockErrorFlag, 1);
    EXPECT_EQ(run.sheet, InputSheet::ShockLosses);
}

INSTANTIATE_TEST_SUITE_P(
    ShockLosses, ShockRowCheck,
    ::testing::Values(RowCase{"100.9 m is within a 100 m duct",
                              [](CFlowmarDoc& d) { d.screenDistance[1] = 100.9; },
                              {}},
                      RowCase{"101 m is not", [](CFlowmarDoc& d) { d.screenDistance[1] = 101; },
                              messages::kScreenDistance},
                      RowCase{"fixed resistance of 100 passes",
                              [](CFlowmarDoc& d) { d.fixedResistanceValue[4] = 100; },
                              {}},
                      RowCase{"fixed resistance of 100.5 fails",
                              [](CFlowmarDoc& d) { d.fixedResistanceValue[4] = 100.5; },
                              messages::kFixedResistanceValue},
                      RowCase{"fixed resistance of -0.1 fails",
                              [](CFlowmarDoc& d) { d.fixedResistanceValue[4] = -0.1; },
                              messages::kFixedResistanceValue},
                      RowCase{"a smooth elbow beats a damper in the same row",
                              [](CFlowmarDoc& d) {
                                  d.damperDistance[2] = -1;
                                  d.smoothElbowDistance[2] = 500;
                              },
                              messages::kSmoothElbowDistance},
                      RowCase{"an earlier row beats a later one",
                              [](CFlowmarDoc& d) {
                                  d.smoothElbowDistance[3] = 500;
                                  d.mitredElbowDistance[2] = -1;
                              },
                              messages::kMitredElbowDistance},
                      RowCase{"damper", [](CFlowmarDoc& d) { d.damperDistance[20] = 1e300; },
                              messages::kDamperDistance},
                      RowCase{"fixed resistance distance",
                              [](CFlowmarDoc& d) { d.fixedResistanceDistance[1] = std::nan(""); },
                              messages::kFixedResistanceDistance}));

TEST(ValidateShockLosses, HalfEnteredRowsAreResetWithOneMessageEach) {
    CFlowmarDoc doc = testing::ductModel(100);
    doc.damperText[3] = "30";
    doc.damperFactor[3] = 3.5;
    doc.smoothElbowText1[1] = "1.0";
    doc.smoothElbowText2[1] = "90";
    doc.smoothElbowFactor[1] = 0.3;
    doc.mitredElbowText[1] = "45";
    doc.mitredElbowFactor[1] = 0.2;
    ExecuteResult run;
    EXPECT_TRUE(validateShockLosses(doc, run));
    EXPECT_EQ(doc.shockErrorFlag, 0);
    EXPECT_EQ(run.messages, (std::vector<std::string>{std::string(messages::kSmoothElbowRowReset),
                                                      std::string(messages::kMitredElbowRowReset),
                                                      std::string(messages::kDamperRowReset)}));
    EXPECT_EQ(doc.damperFactor[3], 0);
    EXPECT_TRUE(doc.damperText[3].empty());
    EXPECT_EQ(doc.smoothElbowFactor[1], 0);
    EXPECT_TRUE(doc.smoothElbowText2[1].empty());
    EXPECT_EQ(doc.mitredElbowFactor[1], 0);
}

} // namespace
} // namespace flowmar
