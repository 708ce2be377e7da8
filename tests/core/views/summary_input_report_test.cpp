#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/summary_input_report.h"
#include "support/summary_models.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flowmar {
namespace {

const std::vector<std::string> kHead{"Flowmar Version 1.0 - Summary of Input Data",
                                     "-------------------------------------------", "",
                                     "SUMMARY OF INPUT DATA"};

// The lines after the heading, the rule, the title and the empty line below it.
std::vector<std::string> body(const CFlowmarDoc& doc) {
    const std::vector<std::string> lines = summaryInputLines(doc);
    return std::vector<std::string>(lines.begin() + std::min<std::ptrdiff_t>(5, std::ssize(lines)),
                                    lines.end());
}

TEST(SummaryOfInput, NewModelPrintsNothingBelowTheTitle) {
    CFlowmarDoc doc = testing::ductModel(); // input given, but never executed
    EXPECT_EQ(summaryInputLines(doc), kHead);
    doc.unitSystem = kImperial;
    doc.leakageResistance100 = -1;
    EXPECT_EQ(summaryInputLines(doc), kHead);
    EXPECT_EQ(summaryInputPage(doc, kA4Portrait).texts().size(), 2u);
}

TEST(SummaryOfInput, SIFanModelLines) {
    const CFlowmarDoc doc = testing::solvedFanModel();
    EXPECT_EQ(body(doc), (std::vector<std::string>{
                             "Length of Duct = 1000.0 (m)",
                             "Diameter of Duct = 0.9 (m)",
                             "Atkinson Friction Factor of Duct = 0.0020 (Ns²/m^4)",
                             "Resistance Leakage Paths per 100 m Duct = 10000 (Ns²/m^8)",
                             "Number of Leakage Paths = 99 (Fixed)",
                             "Duct Air Density = 1.2 (kg/m³)",
                             "Total Number of Fans = 1",
                             "Number of Fans at a Fixed Pressure = 0",
                             "Number of Fans Operating on a Curve = 1",
                             "Type of Duct = Forcing/Blowing",
                         }));
}

TEST(SummaryOfInput, ImperialPrintsFeetAndMoreDecimalsThanTheForm) {
    CFlowmarDoc doc = testing::solvedFanModel();
    doc.unitSystem = kImperial;
    const std::vector<std::string> lines = body(doc);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Length of Duct = 3280.8 (ft)");
    EXPECT_EQ(lines[1], "Diameter of Duct = 3.0 (ft)") << "feet here, inches on the form";
    EXPECT_EQ(lines[2], "Atkinson Friction Factor of Duct = 10.780 x 10^-10 (lbf min²/ft^4)");
    EXPECT_EQ(lines[3], "Resistance Leakage Paths per 100 ft Duct = 96250.00000 (P.U.)");
    EXPECT_EQ(lines[5], "Duct Air Density = 0.075 (lb/ft³)");
}

TEST(SummaryOfInput, ImperialLeakageMarkerPrintsAsTheDefault) {
    CFlowmarDoc doc = testing::solvedFanModel();
    doc.unitSystem = kImperial;
    doc.leakageResistance100 = -1;
    EXPECT_EQ(body(doc)[3], "Resistance Leakage Paths per 100 ft Duct = 2500.00000 (P.U.)");
}

TEST(SummaryOfInput, FixedQuantityStillPrintsTheFanCounts) {
    const CFlowmarDoc doc = testing::solvedFixedQuantityModel();
    const std::vector<std::string> lines = body(doc);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[6], "Total Number of Fans = 0");
    EXPECT_EQ(lines[7], "Number of Fans at a Fixed Pressure = 0");
    EXPECT_EQ(lines[8], "Number of Fans Operating on a Curve = 0");
}

TEST(SummaryOfInput, CountsAndTheDuctType) {
    CFlowmarDoc doc = testing::ductModel();
    doc.ductType = kExhausting;
    testing::addTypicalFan(doc, 1000);
    testing::addFixedPressureFan(doc, 500, 500);
    testing::solve(doc);
    std::vector<std::string> lines = body(doc);
    EXPECT_EQ(lines[6], "Total Number of Fans = 2");
    EXPECT_EQ(lines[7], "Number of Fans at a Fixed Pressure = 1");
    EXPECT_EQ(lines[8], "Number of Fans Operating on a Curve = 1");
    EXPECT_EQ(lines[9], "Type of Duct = Exhausting");

    doc.leakagePathCount = 0; // "%.i" alone would leave a gap in the sentence
    EXPECT_EQ(body(doc)[4], "Number of Leakage Paths = 0 (Fixed)");
}

class SummaryOfInputZoned : public ::testing::Test {
protected:
    CFlowmarDoc doc = testing::solvedZonedModel();
};

TEST_F(SummaryOfInputZoned, SIZonesTable) {
    const std::vector<std::string> lines = body(doc);
    ASSERT_EQ(lines.size(), 10u + 1 + 3 + 3 + 1);
    const std::vector<std::string> table(lines.begin() + 10, lines.end());
    EXPECT_EQ(table,
              (std::vector<std::string>{
                  "", "ZONES", "Start     End       Dia       k Fact         RL per 100 m",
                  "(m)       (m)       (m)       (Ns²/m^4)      (Ns²/m^8)",
                  "0.0       400.0     0.90      0.0020         10000",
                  "400.0     600.0     0.70      0.0020         10000",
                  "600.0     1000.0    0.90      0.0020         10000", "Zones ARE active."}));
}

TEST_F(SummaryOfInputZoned, ImperialZonesTableHasFeetAndThreeDecimalsOfK) {
    doc.unitSystem = kImperial;
    const std::vector<std::string> lines = body(doc);
    EXPECT_EQ(lines[12], "Start     End       Dia       k Fact         RL per 100 ft");
    EXPECT_EQ(lines[13], "(ft)      (ft)      (ft)      (lbf/min²/ft^4) (P.U.)");
    EXPECT_EQ(lines[15], "1312.3    1968.5    2.30      10.780         96250.00")
        << "0.7 m is 2.30 ft here and 27.56 in on the form";
}

TEST_F(SummaryOfInputZoned, NoTableWhenZonesAreNotShown) {
    doc.zoneErrorFlag = 1;
    EXPECT_EQ(body(doc).size(), 10u);
    doc.zoneErrorFlag = 0;
    doc.zoneEnd[1] = 0;
    EXPECT_EQ(body(doc).size(), 10u);
}

TEST_F(SummaryOfInputZoned, PageColumnsAndPitch) {
    const Drawing page = summaryInputPage(doc, kA4Portrait);
    const double h = reportTextHeight(defaultTextMetrics());
    const std::vector<Text> texts = page.texts();
    const double top = -100 - 2 * h;
    EXPECT_EQ(texts[0].topLeft, (Point{0, -100}));
    EXPECT_EQ(texts[0].text, "Flowmar Version 1.0 - Summary of Input Data");
    EXPECT_EQ(texts[1].topLeft, (Point{100, top - 200}));
    EXPECT_EQ(texts[2].topLeft, (Point{100, top - 200 - 3 * h}));
    EXPECT_EQ(texts[11].text, "Type of Duct = Forcing/Blowing");
    EXPECT_EQ(texts[11].topLeft.y, top - 200 - 3 * h - 2 * h * 9);
    EXPECT_EQ(texts[12].text, "ZONES");
    EXPECT_EQ(texts[12].topLeft.y, top - 200 - 3 * h - 2 * h * 11) << "after one empty line";
    std::vector<double> columns;
    for (std::size_t i = 13; i < 18; ++i) {
        columns.push_back(texts[i].topLeft.x);
    }
    EXPECT_EQ(columns, (std::vector<double>{100, 300, 500, 700, 1000}));
    EXPECT_EQ(page.lines()[0].to, (Point{2100, top})) << "the rule spans the page";
}

TEST(SummaryOfInput, NumbersThatAreNotFiniteShowADash) {
    CFlowmarDoc doc = testing::solvedFanModel();
    doc.ductLength = std::numeric_limits<double>::infinity();
    doc.frictionFactorUsed = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::string> lines = body(doc);
    EXPECT_EQ(lines[0], "Length of Duct = - (m)");
    EXPECT_EQ(lines[2], "Atkinson Friction Factor of Duct = - (Ns²/m^4)");
}

} // namespace
} // namespace flowmar
