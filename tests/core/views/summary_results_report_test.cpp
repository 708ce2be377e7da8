#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/summary_results_report.h"
#include "support/summary_models.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace flowmar {
namespace {

std::string printed(const char* format, double value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::vector<std::string> textsOf(const Drawing& page) {
    std::vector<std::string> texts;
    for (const Text& t : page.texts()) {
        texts.push_back(t.text);
    }
    return texts;
}

const std::vector<std::string> kHead{"Flowmar Version 1.0 - Summary of Results",
                                     "----------------------------------------", "",
                                     "SUMMARY OF RESULTS"};

TEST(SummaryOfResults, NewModelPrintsHeadingRuleAndTitleOnly) {
    const CFlowmarDoc doc;
    EXPECT_EQ(summaryResultsLines(doc), kHead);
    const Drawing page = summaryResultsPage(doc, kA4Portrait);
    EXPECT_EQ(textsOf(page), (std::vector<std::string>{kHead[0], kHead[3]}));
    EXPECT_EQ(page.lines().size(), 1u) << "the rule under the heading";
}

TEST(SummaryOfResults, SIFanModelLines) {
    const CFlowmarDoc doc = testing::solvedFanModel();
    std::vector<std::string> expected = kHead;
    expected.insert(expected.end(),
                    {"", "Cross Sectional Area of Duct = 0.64 (m²)", "Perimeter of Duct = 2.83 (m)",
                     "Length of Each Segment of Duct = 10.0 (m)",
                     "Total Resistance of Duct = 21.9633 (Ns²/m^8)",
                     "Resistance per Segment of Duct = 0.2196 (Ns²/m^8)",
                     "Resistance of Each Leakage Path = 1000000.0 (Ns²/m^8)",
                     "Total Shock Loss Factor (C) = 0.00", "Number of Meshes = 100 (Fixed)",
                     "Number of Iterations = " + std::to_string(doc.results.iterationCount),
                     printed("Quantity in section of duct furthest from face = %.2f (m³/s)",
                             doc.results.branchFlow[101]),
                     printed("Quantity at the Face = %.2f (m³/s) ", doc.results.branchFlow[200]),
                     "Method of Execution = Fan"});
    EXPECT_EQ(summaryResultsLines(doc), expected) << "no booster line in fan mode";
}

TEST(SummaryOfResults, ImperialFanModelLines) {
    CFlowmarDoc doc = testing::solvedFanModel();
    doc.unitSystem = kImperial;
    const std::vector<std::string> lines = summaryResultsLines(doc);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[5], "Cross Sectional Area of Duct = 6.85 (ft²)");
    EXPECT_EQ(lines[6], "Perimeter of Duct = 9.28 (ft)");
    EXPECT_EQ(lines[7], "Length of Each Segment of Duct = 32.8 (ft)");
    EXPECT_EQ(lines[8], "Total Resistance of Duct = 19.6396 (P.U.)");
    EXPECT_EQ(lines[10], "Resistance of Each Leakage Path = 894200.0 (P.U.)")
        << "one decimal in the report where the form has three";
    EXPECT_EQ(lines[15],
              printed("Quantity at the Face = %.2f (kcfm) ", doc.results.branchFlow[200] * 2.1189));
}

TEST(SummaryOfResults, FixedQuantityAddsTheBoosterAndNotesTheMethod) {
    CFlowmarDoc doc = testing::solvedFixedQuantityModel();
    std::vector<std::string> lines = summaryResultsLines(doc);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[13], "No iterations required - fixed quantity uses Series/Parallel Method");
    EXPECT_EQ(lines[15], "Quantity at the Face = 10.00 (m³/s) ");
    EXPECT_EQ(lines[16], "Method of Execution = Fixed Quantity");
    EXPECT_EQ(lines[17], printed("Booster Pressure for Fixed Quantity = %.3f (kPa) ",
                                 doc.results.boosterPressure));
    doc.unitSystem = kImperial;
    lines = summaryResultsLines(doc);
    EXPECT_EQ(lines[17], printed("Booster Pressure for Fixed Quantity = %.3f (in.w.g.) ",
                                 doc.results.boosterPressure * 4.0147));
}

class SummaryOfResultsZoned : public ::testing::Test {
protected:
    CFlowmarDoc doc = testing::solvedZonedModel();
};

TEST_F(SummaryOfResultsZoned, ZonesTableFollowsAnEmptyLine) {
    const std::vector<std::string> lines = summaryResultsLines(doc);
    const std::vector<std::string> table(lines.end() - 8, lines.end());
    EXPECT_EQ(table, (std::vector<std::string>{
                         "", "ZONES", "Area      Per       R/seg          R/leak",
                         "(m²)      (m)       (Ns²/m^8)      (Ns²/m^8)",
                         "0.64      2.83      0.2196         1000000",
                         "0.38      2.20      0.7716         1000000",
                         "0.64      2.83      0.2196         1000000", "Zones ARE active."}))
        << "exactly the three zones, not the five the form shows";
}

TEST_F(SummaryOfResultsZoned, ImperialZonesTable) {
    doc.unitSystem = kImperial;
    doc.zonesOff = 1; // the table still prints, reporting zones as not active
    const std::vector<std::string> lines = summaryResultsLines(doc);
    const std::vector<std::string> table(lines.end() - 5, lines.end());
    EXPECT_EQ(table, (std::vector<std::string>{"(ft²)     (ft)      (P.U.)         (P.U.)",
                                               "6.85      9.28      0.1964         894200",
                                               "4.14      7.21      0.6900         894200",
                                               "6.85      9.28      0.1964         894200",
                                               "Zones are NOT active."}));
}

TEST_F(SummaryOfResultsZoned, NoTableAfterAFailedZoneCheck) {
    doc.zoneErrorFlag = 1;
    const std::vector<std::string> lines = summaryResultsLines(doc);
    EXPECT_EQ(lines.back(), "Method of Execution = Fan");
    EXPECT_EQ(lines.size(), 17u);
}

TEST_F(SummaryOfResultsZoned, ZoneCountBeyondTheTableListsTenRows) {
    doc.zoneCountCopy = 1000; // as a damaged file may hold
    const std::vector<std::string> lines = summaryResultsLines(doc);
    // 17 result lines, the empty line, "ZONES", heads, units, 10 rows, the active line.
    EXPECT_EQ(lines.size(), 17u + 1 + 3 + 10 + 1);
}

TEST_F(SummaryOfResultsZoned, PageRowsAreTwoLinesApart) {
    const PageRect page{0, 0, 2000, -2800};
    const Drawing drawing = summaryResultsPage(doc, page);
    const double h = reportTextHeight(defaultTextMetrics());
    ASSERT_EQ(h, 39);
    const std::vector<Text> texts = drawing.texts();
    ASSERT_GE(texts.size(), 15u);
    const double top = -100 - 2 * h; // the rule
    EXPECT_EQ(drawing.lines()[0].from.y, top);
    EXPECT_EQ(texts[1].text, "SUMMARY OF RESULTS");
    EXPECT_EQ(texts[1].topLeft, (Point{100, top - 200}));
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_EQ(texts[2 + k].topLeft,
                  (Point{100, top - 200 - 3 * h - 2 * h * static_cast<double>(k)}))
            << texts[2 + k].text;
    }
    // After the twelfth line an empty line, then "ZONES" and its columns.
    const double zonesY = top - 200 - 3 * h - 2 * h * 13;
    EXPECT_EQ(texts[14].text, "ZONES");
    EXPECT_EQ(texts[14].topLeft.y, zonesY);
    const std::vector<double> columns{texts[15].topLeft.x, texts[16].topLeft.x, texts[17].topLeft.x,
                                      texts[18].topLeft.x};
    EXPECT_EQ(columns, (std::vector<double>{100, 300, 500, 800}));
    EXPECT_EQ(texts[18].text, "R/leak");
    EXPECT_EQ(texts[18].topLeft.y, zonesY - 2 * h);
}

TEST(SummaryOfResults, NumbersThatAreNotFiniteShowADash) {
    CFlowmarDoc doc = testing::solvedFanModel();
    doc.totalShockFactor = std::numeric_limits<double>::quiet_NaN();
    doc.segmentCount = 500; // no flow table entry for it
    const std::vector<std::string> lines = summaryResultsLines(doc);
    EXPECT_EQ(lines[11], "Total Shock Loss Factor (C) = -");
    EXPECT_EQ(lines[14], "Quantity in section of duct furthest from face = - (m³/s)");
    EXPECT_EQ(lines[15], "Quantity at the Face = - (m³/s) ");
}

} // namespace
} // namespace flowmar
