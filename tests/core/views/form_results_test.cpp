#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/form_results.h"
#include "support/summary_models.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <ostream>
#include <string>

namespace flowmar {
namespace {

using namespace results_form;

std::string printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

constexpr int kTenValueBoxes[] = {kShockFactorBox,        kAreaBox,
                                  kPerimeterBox,          kTotalResistanceBox,
                                  kLeakPathResistanceBox, kSegmentResistanceBox,
                                  kFaceQuantityBox,       kFurthestQuantityBox,
                                  kBoosterPressureBox,    kSegmentLengthBox};

class ResultsFormSolved : public ::testing::Test {
protected:
    CFlowmarDoc doc = testing::solvedFanModel();
    FormResultsState state;
};

TEST_F(ResultsFormSolved, SIBoxesShowTheResultsInTheirFormats) {
    const FormFill fill = formResultsUpdate(doc, state);
    // A 0.9 m duct: area π 0.45² = 0.636 m², perimeter π 0.9 = 2.827 m; R = k L per / A³ =
    // 0.002 × 1000 × 2.827 / 0.2575 = 21.963 Ns²/m⁸, a hundredth of it per segment of 10 m; each
    // leakage path 10000 × (100 / 10)².
    EXPECT_EQ(fill.textOf(kAreaBox), "0.64");
    EXPECT_EQ(fill.textOf(kPerimeterBox), "2.83");
    EXPECT_EQ(fill.textOf(kTotalResistanceBox), "21.963");
    EXPECT_EQ(fill.textOf(kSegmentResistanceBox), "0.2196");
    EXPECT_EQ(fill.textOf(kLeakPathResistanceBox), "1000000") << "no decimals in SI";
    EXPECT_EQ(fill.textOf(kSegmentLengthBox), "10.00");
    EXPECT_EQ(fill.textOf(kShockFactorBox), "0.000");
    EXPECT_EQ(fill.textOf(kMeshCountBox), "100");
    EXPECT_EQ(fill.textOf(kMethodBox), "Fan");
    EXPECT_EQ(fill.textOf(kBoosterPressureBox), "NA") << "fan mode";
    EXPECT_EQ(fill.textOf(kIterationCountBox), std::to_string(doc.results.iterationCount));
    EXPECT_GE(doc.results.iterationCount, 1);
}

TEST_F(ResultsFormSolved, QuantitiesAreTheEndSegmentsOfTheDuct) {
    const FormFill fill = formResultsUpdate(doc, state);
    const double atFace = doc.results.branchFlow[200];   // segment 100, at the face
    const double furthest = doc.results.branchFlow[101]; // segment 1, at the fan
    ASSERT_GT(furthest, atFace + 1) << "the leaky duct loses air on its way to the face";
    EXPECT_EQ(fill.textOf(kFaceQuantityBox), printed("%.2f", atFace));
    EXPECT_EQ(fill.textOf(kFurthestQuantityBox), printed("%.2f", furthest));
}

TEST_F(ResultsFormSolved, ImperialBoxesConvertAndSomeChangeTheirDecimals) {
    doc.unitSystem = kImperial;
    const FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kAreaBox), "6.85") << "0.636 m² / 0.0929";
    EXPECT_EQ(fill.textOf(kPerimeterBox), "9.28") << "2.827 m / 0.3048";
    EXPECT_EQ(fill.textOf(kTotalResistanceBox), "19.640") << "21.963 × 0.8942";
    EXPECT_EQ(fill.textOf(kSegmentResistanceBox), "0.1964");
    EXPECT_EQ(fill.textOf(kLeakPathResistanceBox), "894200.000") << "three decimals in Imperial";
    EXPECT_EQ(fill.textOf(kSegmentLengthBox), "32.81");
    EXPECT_EQ(fill.textOf(kFaceQuantityBox),
              printed("%.2f", doc.results.branchFlow[200] * 2118.9 / 1000));
}

struct LabelCase {
    const char* why;
    friend void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.why; }
    int label;
    const char* si;
    const char* imperial;
};

class ResultsFormLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ResultsFormLabel, FollowsTheUnitSystem) {
    const LabelCase& c = GetParam();
    CFlowmarDoc doc; // labels are rebuilt with or without results
    FormResultsState state;
    EXPECT_EQ(formResultsUpdate(doc, state).textOf(c.label), c.si) << c.why;
    doc.unitSystem = kImperial;
    EXPECT_EQ(formResultsUpdate(doc, state).textOf(c.label), c.imperial) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Labels, ResultsFormLabel,
    ::testing::Values(
        LabelCase{"duct area", kAreaLabel, "Area (m²)", "Area (ft²)"},
        LabelCase{"zone area shares the caption", kZoneAreaLabel, "Area (m²)", "Area (ft²)"},
        LabelCase{"segment length", kSegmentLengthLabel, "Length Duct Segments (m)",
                  "Length Duct Segments (ft)"},
        LabelCase{"perimeter", kPerimeterLabel, "Perimeter (m)", "Perimeter (ft)"},
        LabelCase{"zone perimeter", kZonePerimeterLabel, "Per (m)", "Per (ft)"},
        LabelCase{"resistances are practical units in Imperial, not lbf min²/ft^8",
                  kTotalResistanceLabel, "Total Resistance (Ns²/m^8)", "Total Resistance (P.U.)"},
        LabelCase{"leak path", kLeakPathResistanceLabel, "Resistance/Leak Path (Ns²/m^8)",
                  "Resistance/Leak Path (P.U.)"},
        LabelCase{"segment", kSegmentResistanceLabel, "Resistance/Segment (Ns²/m^8)",
                  "Resistance/Segment (P.U.)"},
        LabelCase{"zone segment", kZoneSegmentResistanceLabel, "R/seg (Ns²/m^8)", "R/seg (P.U.)"},
        LabelCase{"zone leak", kZoneLeakResistanceLabel, "R/leak (Ns²/m^8)", "R/leak (P.U.)"},
        LabelCase{"face quantity", kFaceQuantityLabel, "Quantity at Face (m³/s)",
                  "Quantity at Face (kcfm)"},
        LabelCase{"furthest quantity", kFurthestQuantityLabel, "Quantity Furthest From Face (m³/s)",
                  "Quantity Furthest From Face (kcfm)"},
        LabelCase{"booster pressure pairs kPa with in.w.g.", kBoosterPressureLabel,
                  "Booster Pressure (kPa)", "Booster Pressure (in.w.g.)"}));

TEST(ResultsFormNewModel, FirstDisplayShowsZerosAndTheViewsOwnValues) {
    CFlowmarDoc doc;
    FormResultsState state;
    const FormFill fill = formResultsInitialUpdate(doc, state);
    for (const int box : kTenValueBoxes) {
        EXPECT_EQ(fill.textOf(box), "0") << box;
    }
    EXPECT_EQ(fill.textOf(kMeshCountBox), "0");
    EXPECT_EQ(fill.textOf(kMethodBox), "");
    EXPECT_EQ(fill.textOf(kIterationCountBox), std::nullopt) << "not among the ten";
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "NO") << "zones are off in a new model";
    EXPECT_EQ(fill.textOf(kZoneAreaBoxes[0]), std::nullopt);
    EXPECT_EQ(fill.textOf(kAreaLabel), "Area (m²)");
}

TEST(ResultsFormNewModel, LaterUpdatesKeepWhatTheBoxesShowed) {
    FormResultsState state;
    formResultsUpdate(testing::solvedFanModel(), state);
    EXPECT_EQ(state.shownSegmentCount, 100);
    EXPECT_EQ(state.shownMethodText, "Fan");

    CFlowmarDoc unsolved = testing::ductModel();
    unsolved.unitSystem = kImperial;
    const FormFill fill = formResultsUpdate(unsolved, state);
    for (const int box : kTenValueBoxes) {
        EXPECT_EQ(fill.textOf(box), std::nullopt) << box;
    }
    EXPECT_EQ(fill.textOf(kZonesActiveBox), std::nullopt);
    EXPECT_EQ(fill.textOf(kMeshCountBox), "100") << "the view's copy from the last results";
    EXPECT_EQ(fill.textOf(kMethodBox), "Fan");
    EXPECT_EQ(fill.textOf(kAreaLabel), "Area (ft²)") << "labels follow the model regardless";
}

TEST(ResultsFormFixedQuantity, ShowsTheBoosterPressureInsteadOfIterations) {
    CFlowmarDoc doc = testing::solvedFixedQuantityModel();
    FormResultsState state;
    const double booster = doc.results.boosterPressure;
    ASSERT_GT(booster, 0);
    FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kBoosterPressureBox), printed("%.3f", booster));
    EXPECT_EQ(fill.textOf(kIterationCountBox), "NA");
    EXPECT_EQ(fill.textOf(kMethodBox), "Fixed Quantity");
    EXPECT_EQ(fill.textOf(kFaceQuantityBox), "10.00") << "the quantity asked for at the face";

    doc.unitSystem = kImperial;
    fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kBoosterPressureBox), printed("%.3f", booster * 4.0147));
}

TEST(ResultsFormNoIterations, FanModeCountOfZeroLeavesTheBoxBlank) {
    CFlowmarDoc doc = testing::solvedFanModel();
    doc.results.iterationCount = 0;
    FormResultsState state;
    EXPECT_EQ(formResultsUpdate(doc, state).textOf(kIterationCountBox), "");
}

class ResultsFormZoned : public ::testing::Test {
protected:
    CFlowmarDoc doc = testing::solvedZonedModel();
    FormResultsState state;
};

TEST_F(ResultsFormZoned, ShowsTheFirstFiveZoneRows) {
    const FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "YES");
    EXPECT_EQ(fill.textOf(kZoneAreaBoxes[0]), "0.64");
    EXPECT_EQ(fill.textOf(kZoneAreaBoxes[1]), "0.38") << "0.7 m: π 0.35²";
    EXPECT_EQ(fill.textOf(kZonePerimeterBoxes[1]), "2.20");
    EXPECT_EQ(fill.textOf(kZoneSegmentResistanceBoxes[1]), "0.7716");
    EXPECT_EQ(fill.textOf(kZoneLeakResistanceBoxes[2]), "1000000");
    EXPECT_EQ(fill.textOf(kZoneAreaBoxes[3]), "0.00") << "rows 4 and 5 as stored";
    EXPECT_EQ(fill.textOf(kZoneLeakResistanceBoxes[4]), "0");
}

TEST_F(ResultsFormZoned, ImperialZoneLeakResistanceHasNoDecimals) {
    doc.unitSystem = kImperial;
    const FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kZoneLeakResistanceBoxes[0]), "894200");
    EXPECT_EQ(fill.textOf(kZoneAreaBoxes[1]), "4.14");
    EXPECT_EQ(fill.textOf(kZoneSegmentResistanceBoxes[1]), "0.6900");
}

TEST_F(ResultsFormZoned, FailedZoneCheckBlanksTheZonesButNotTheAnswer) {
    doc.zoneErrorFlag = 1;
    const FormFill fill = formResultsUpdate(doc, state);
    for (const auto& boxes : {kZoneAreaBoxes, kZonePerimeterBoxes, kZoneSegmentResistanceBoxes,
                              kZoneLeakResistanceBoxes}) {
        for (const int box : boxes) {
            EXPECT_EQ(fill.textOf(box), "") << box;
        }
    }
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "YES") << "follows zonesOff alone";
}

TEST_F(ResultsFormZoned, FirstZoneEndingAtZeroBlanksTheZones) {
    doc.zoneEnd[1] = 0;
    doc.zonesOff = 1;
    const FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kZoneAreaBoxes[0]), "");
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "NO");
}

TEST_F(ResultsFormSolved, NumbersThatAreNotFiniteShowADash) {
    doc.totalDuctResistance = std::numeric_limits<double>::infinity();
    doc.ductPerimeter = std::numeric_limits<double>::quiet_NaN();
    const FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kTotalResistanceBox), "-");
    EXPECT_EQ(fill.textOf(kPerimeterBox), "-");
    EXPECT_EQ(fill.textOf(kAreaBox), "0.64");
}

TEST_F(ResultsFormSolved, SegmentCountBeyondTheFlowTableReadsNoFlow) {
    doc.segmentCount = 150; // as a damaged file may hold: branch 300 lies beyond the table
    const FormFill fill = formResultsUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kFaceQuantityBox), "-");
    EXPECT_EQ(fill.textOf(kFurthestQuantityBox), printed("%.2f", doc.results.branchFlow[151]));
    doc.segmentCount = -5;
    EXPECT_EQ(formResultsUpdate(doc, state).textOf(kFurthestQuantityBox), "-");
}

} // namespace
} // namespace flowmar
