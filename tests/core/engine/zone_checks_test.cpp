#include "core/engine/execute_result.h"
#include "core/engine/segment_grid.h"
#include "core/engine/zone_checks.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace flowmar {
namespace {

// A 100 m duct with 10 segments of 10 m.
SegmentGrid tenMetreGrid() {
    return SegmentGrid{10, 10.0, 100.0};
}

void setZone(CFlowmarDoc& doc, int z, double start, double end, double diameter = 0.9,
             double k = 0.002, double leakage = 10000) {
    doc.zoneStart[z] = start;
    doc.zoneEnd[z] = end;
    doc.zoneDiameter[z] = diameter;
    doc.zoneFrictionFactor[z] = k;
    doc.zoneLeakageResistance100[z] = leakage;
}

TEST(SnapZonesToSegments, MovesToTheNearerBoundaryAndHalfWayDown) {
    CFlowmarDoc doc = testing::ductModel(100);
    doc.zoneStart[1] = 15;  // exactly half-way: down
    doc.zoneEnd[1] = 15.01; // just past: up
    doc.zoneStart[2] = 0;   // at or below 0: left alone
    doc.zoneEnd[2] = 100.4; // beyond the duct: left alone
    doc.zoneStart[3] = -5;
    doc.zoneEnd[3] = 99.9; // in the last segment, near its end
    snapZonesToSegments(doc, tenMetreGrid());
    EXPECT_EQ(doc.zoneStart[1], 10);
    EXPECT_EQ(doc.zoneEnd[1], 20);
    EXPECT_EQ(doc.zoneStart[2], 0);
    EXPECT_EQ(doc.zoneEnd[2], 100.4);
    EXPECT_EQ(doc.zoneStart[3], -5);
    EXPECT_EQ(doc.zoneEnd[3], 100);
}

TEST(SnapZonesToSegments, LastBoundaryIsTheDuctLengthExactly) {
    // 100 × (100.3 / 100) is not 100.3 in doubles; the last segment still ends at the duct end.
    CFlowmarDoc doc = testing::ductModel(100.3);
    const SegmentGrid grid = SegmentGrid::fromInput(doc);
    ASSERT_NE(grid.count * grid.length, 100.3);
    doc.zoneEnd[1] = 100.29;
    snapZonesToSegments(doc, grid);
    EXPECT_EQ(doc.zoneEnd[1], 100.3);
    EXPECT_EQ(grid.segmentOf(100.3), 100);
}

struct ZoneCase {
    const char* why;
    friend void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.why; }
    double start, end, diameter, k, leakage;
    std::string_view message;
};

class FirstZoneFault : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(FirstZoneFault, ReportsTheFirstFailingTest) {
    const ZoneCase& c = GetParam();
    CFlowmarDoc doc = testing::ductModel(100);
    setZone(doc, 1, c.start, c.end, c.diameter, c.k, c.leakage);
    ExecuteResult run;
    EXPECT_FALSE(validateZones(doc, tenMetreGrid(), run));
    ASSERT_EQ(run.messages.size(), 1u) << c.why;
    EXPECT_EQ(run.messages[0], c.message) << c.why;
    EXPECT_EQ(doc.zoneErrorFlag, 1);
    EXPECT_EQ(run.sheet, InputSheet::DuctDetails);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, FirstZoneFault,
    ::testing::Values(
        ZoneCase{"negative start beats everything", -1, 200, 0, 0, 0,
                 messages::kZoneDistanceNegative},
        ZoneCase{"beyond the duct beats a short zone", 0, 102, 0, 0, 0,
                 messages::kZoneDistanceBeyondDuct},
        ZoneCase{"NaN is no distance within the duct", std::nan(""), 100, 0.9, 0.002, 10000,
                 messages::kZoneDistanceBeyondDuct},
        ZoneCase{"shorter than a segment", 0, 9.99, 0.9, 0.002, 10000, messages::kZoneTooShort},
        ZoneCase{"zero diameter", 0, 100, 0, 0.002, 10000, messages::kZoneDiameter},
        ZoneCase{"diameter above 20 m", 0, 100, 20.01, 0.002, 10000, messages::kZoneDiameter},
        ZoneCase{"k factor of zero", 0, 100, 20, 0, 10000, messages::kZoneFrictionFactor},
        ZoneCase{"k factor above 1", 0, 100, 0.9, 1.01, 10000, messages::kZoneFrictionFactor},
        ZoneCase{"zero leakage", 0, 100, 0.9, 1, 0, messages::kZoneLeakage},
        ZoneCase{"leakage above 500000", 0, 100, 0.9, 0.002, 500001, messages::kZoneLeakage}));

TEST(ValidateZones, NoZoneData) {
    CFlowmarDoc doc = testing::ductModel(100);
    ExecuteResult run;
    EXPECT_FALSE(validateZones(doc, tenMetreGrid(), run));
    EXPECT_EQ(run.messages, (std::vector<std::string>{std::string(messages::kNoZoneData)}));
    EXPECT_EQ(doc.zoneCount, 0);
}

TEST(ValidateZones, EmptyRowInsideTheCountFailsAsTooShort) {
    CFlowmarDoc doc = testing::ductModel(100);
    setZone(doc, 1, 0, 50);
    setZone(doc, 3, 50, 100);
    ExecuteResult run;
    EXPECT_FALSE(validateZones(doc, tenMetreGrid(), run));
    EXPECT_EQ(doc.zoneCount, 2);
    EXPECT_EQ(doc.zoneCountCopy, 2);
    EXPECT_EQ(run.messages.at(0), messages::kZoneTooShort);
}

TEST(ValidateZones, ZonesMustJoin) {
    CFlowmarDoc doc = testing::ductModel(100);
    setZone(doc, 1, 0, 40);
    setZone(doc, 2, 50, 100);
    ExecuteResult run;
    EXPECT_FALSE(validateZones(doc, tenMetreGrid(), run));
    EXPECT_EQ(run.messages.at(0), messages::kZonesDoNotJoin);
}

TEST(ValidateZones, PassingZonesStartAtZeroAndEndAtTheDuctEnd) {
    CFlowmarDoc doc = testing::ductModel(100.2);
    const SegmentGrid grid = SegmentGrid::fromInput(doc);
    setZone(doc, 1, 5, 50);
    setZone(doc, 2, 50, 100.4); // 100 <= ceil(100.2): within the duct
    ExecuteResult run;
    EXPECT_TRUE(validateZones(doc, grid, run));
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(doc.zoneErrorFlag, 0);
    EXPECT_EQ(doc.zoneStart[1], 0);
    EXPECT_EQ(doc.zoneEnd[2], 100.2);
}

} // namespace
} // namespace flowmar
