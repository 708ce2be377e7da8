#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_chart_data.h"
#include "core/views/fan_curve_chart.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace flowmar {
namespace {

// Fan 1 in segment 2 of 5, running at 1800 Pa and 80 % with 12.5 m³/s.
CFlowmarDoc solvedFan() {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 300);
    doc.segmentCount = 5;
    doc.results.fanSegment[1] = 2;
    doc.results.branchFlow[7] = 12.5;
    doc.results.fanPressure[1] = 1800;
    doc.results.fanEfficiency[1] = 80;
    return doc;
}

TEST(FanOperatingPoint, ReadsTheFlowOfTheSegmentTheFanStandsIn) {
    const FanOperatingPoint point = fanOperatingPoint(solvedFan(), 1);
    EXPECT_TRUE(point.onCurve);
    EXPECT_TRUE(point.hasBranch);
    EXPECT_TRUE(point.inSegment);
    EXPECT_EQ(point.quantity, 12.5);
    EXPECT_EQ(point.pressure, 1800);
    EXPECT_EQ(point.airPower, 1800 * 12.5 / 1000);
    EXPECT_EQ(point.inputPower, 1800 * 12.5 / 1000 * 100 / 80);
    EXPECT_EQ(fanCurveViewQuantity(point), 12.5);
}

TEST(FanOperatingPoint, AFanInNoSegmentReadsTheFaceOutflowButIsInNoSegment) {
    CFlowmarDoc doc = solvedFan();
    doc.results.fanSegment[1] = 0;
    doc.results.branchFlow[5] = 9;
    const FanOperatingPoint point = fanOperatingPoint(doc, 1);
    EXPECT_TRUE(point.hasBranch);
    EXPECT_FALSE(point.inSegment) << "the study and the JSON results give it no quantity";
    EXPECT_EQ(point.quantity, 9) << "the views read branch n, as the original program did";
    EXPECT_EQ(fanCurveViewQuantity(point), 9);
}

TEST(FanOperatingPoint, ANeverSolvedModelHasNoQuantityInTheResultsAndZeroInTheCurveView) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addFixedPressureFan(doc, 100, 500);
    const FanOperatingPoint point = fanOperatingPoint(doc, 1);
    EXPECT_FALSE(point.onCurve);
    EXPECT_FALSE(point.hasBranch);
    EXPECT_FALSE(point.inSegment);
    EXPECT_TRUE(std::isnan(point.quantity));
    EXPECT_EQ(point.pressure, 500) << "the fixed pressure";
    EXPECT_EQ(fanCurveViewQuantity(point), 0);
}

TEST(FanOperatingPoint, AFanNumberOutsideTheTableHasNoPoint) {
    const CFlowmarDoc doc = solvedFan();
    for (const int fan : {0, -1, kMaxFans + 1}) {
        const FanOperatingPoint point = fanOperatingPoint(doc, fan);
        EXPECT_FALSE(point.onCurve) << fan;
        EXPECT_EQ(point.quantity, 0) << fan;
        EXPECT_EQ(fanCurveViewQuantity(point), 0) << fan;
    }
}

TEST(FanChartData, BothChartsPlotTheSameCurveAndOperatingPoint) {
    for (const int units : {kSI, kImperial}) {
        CFlowmarDoc doc = solvedFan();
        doc.unitSystem = units;
        doc.airDensity = 1.5; // a ratio of 1.25 to the curve's 1.2
        const FanChartData data = fanChartData(doc, 1);
        const std::optional<FanCurveChartData> screen = fanCurveChartData(doc, 1);
        ASSERT_TRUE(screen) << units;
        ASSERT_EQ(data.count, screen->pointCount) << units;
        for (int k = 1; k <= data.count; ++k) {
            const auto m = static_cast<std::size_t>(k);
            EXPECT_EQ(data.curve[m - 1].pressure, screen->pressure[m]) << units << " point " << k;
            EXPECT_EQ(data.curve[m - 1].quantity, screen->quantity[m]) << units << " point " << k;
            EXPECT_EQ(data.curve[m - 1].inputPower, screen->power[m]) << units << " point " << k;
        }
        EXPECT_EQ(data.operating.quantity, screen->operatingQuantity) << units;
        EXPECT_EQ(data.operating.pressure, screen->operatingPressure) << units;
        EXPECT_EQ(data.operating.inputPower, screen->operatingPower) << units;
    }
}

TEST(FanChartData, ImperialInputPowerUsesTheOneHorsepowerFactor) {
    CFlowmarDoc doc = solvedFan();
    doc.unitSystem = kImperial;
    const FanChartData data = fanChartData(doc, 1);
    const double pressure = 1800 * imperial::kInWgPerKilopascal;
    const double quantity = 12.5 * imperial::kKcfmPerCubicMetrePerSecond;
    EXPECT_EQ(data.operating.inputPower, pressure * quantity * imperial::kHorsepowerFactor / 80);
}

TEST(FanChartScales, OneTableServesBothChartsWithOneLookUp) {
    const QuantityScaleRow& row = chooseScale(quantityScales(kSI), 20);
    EXPECT_EQ(row.labels.back(), "20");
    EXPECT_EQ(row.perPixel, 0.1) << "the fan-curve view";
    EXPECT_EQ(row.factor, 0.025) << "the Fan Results chart";
    EXPECT_EQ(&quantityScaleRow(20, false), &row);
}

TEST(FanChartScales, ANumberThatIsNotANumberTakesTheFirstRowInPrintAndTheLastOnScreen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(&chooseScale(pressureScales(kSI), nan), &pressureScales(kSI).front());
    EXPECT_EQ(&pressureScaleRow(nan, false), &pressureScales(kSI).back());
    EXPECT_EQ(&chooseScale(inputPowerScales(), nan), &inputPowerScales().front());
    EXPECT_EQ(&powerScaleRow(nan), &inputPowerScales().back());
}

} // namespace
} // namespace flowmar
