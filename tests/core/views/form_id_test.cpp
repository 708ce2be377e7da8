#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/form_id.h"
#include "support/summary_models.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace flowmar {
namespace {

using namespace input_form;

constexpr int kFanBoxes[] = {kFanCountBox, kFixedPressureFanCountBox, kCurveFanCountBox};

class InputFormSolved : public ::testing::Test {
protected:
    CFlowmarDoc doc = testing::solvedFanModel();
    FormIdState state;
};

TEST_F(InputFormSolved, SIBoxesShowTheInput) {
    const FormFill fill = formIdUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kDiameterBox), "0.9");
    EXPECT_EQ(fill.textOf(kLengthBox), "1000.0");
    EXPECT_EQ(fill.textOf(kAirDensityBox), "1.2");
    EXPECT_EQ(fill.textOf(kFrictionFactorBox), "0.0020");
    EXPECT_EQ(fill.textOf(kLeakageResistanceBox), "10000");
    EXPECT_EQ(fill.textOf(kLeakagePathCountBox), "99");
    EXPECT_EQ(fill.textOf(kFanCountBox), "1");
    EXPECT_EQ(fill.textOf(kFixedPressureFanCountBox), "0") << "a count of 0 is not left blank";
    EXPECT_EQ(fill.textOf(kCurveFanCountBox), "1");
    EXPECT_EQ(fill.textOf(kConfigurationBox), "FORCE");
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "NO");
    EXPECT_EQ(state.shownLeakagePathCount, 99);
}

TEST_F(InputFormSolved, ImperialBoxesUseInchesAndTheirOwnDecimals) {
    doc.unitSystem = kImperial;
    const FormFill fill = formIdUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kDiameterBox), "35.4") << "0.9 m / 0.3048 × 12 inches";
    EXPECT_EQ(fill.textOf(kLengthBox), "3280.8");
    EXPECT_EQ(fill.textOf(kAirDensityBox), "0.075") << "1.2 × 0.06242796, three decimals";
    EXPECT_EQ(fill.textOf(kFrictionFactorBox), "  10.8") << "0.002 × 5.39e3 in a field of six";
    EXPECT_EQ(fill.textOf(kLeakageResistanceBox), "96250.00") << "10000 × 9.625";
}

TEST_F(InputFormSolved, TimesTenLabelsShowOnlyInImperial) {
    FormFill fill = formIdUpdate(doc, state);
    for (const int label : kTimesTenToMinusTenLabels) {
        EXPECT_EQ(fill.shownOf(label), false) << label;
    }
    EXPECT_EQ(fill.shownOf(kTimesTenToMinusNineLabel), false);
    doc.unitSystem = kImperial;
    fill = formIdUpdate(doc, state);
    for (const int label : kTimesTenToMinusTenLabels) {
        EXPECT_EQ(fill.shownOf(label), true) << label;
    }
    EXPECT_EQ(fill.shownOf(kTimesTenToMinusNineLabel), false) << "never shown";
}

struct LabelCase {
    const char* why;
    friend void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.why; }
    int label;
    const char* si;
    const char* imperial;
};

class InputFormLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(InputFormLabel, FollowsTheUnitSystem) {
    const LabelCase& c = GetParam();
    CFlowmarDoc doc;
    FormIdState state;
    EXPECT_EQ(formIdUpdate(doc, state).textOf(c.label), c.si) << c.why;
    doc.unitSystem = kImperial;
    EXPECT_EQ(formIdUpdate(doc, state).textOf(c.label), c.imperial) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Labels, InputFormLabel,
    ::testing::Values(
        LabelCase{"length", kLengthLabel, "Length (m)", "Length (ft)"},
        LabelCase{"diameters are inches in Imperial", kDiameterLabel, "Diameter (m)",
                  "Diameter (in)"},
        LabelCase{"zone start", kZoneStartLabel, "Start (m)", "Start (ft)"},
        LabelCase{"zone end", kZoneEndLabel, "End (m)", "End (ft)"},
        LabelCase{"zone diameter", kZoneDiameterLabel, "Dia (m)", "Dia (in)"},
        LabelCase{"density has no caption", kAirDensityLabel, "(kg/m³)", "(lb/ft³)"},
        LabelCase{"zone k", kZoneFrictionFactorLabel, "k (Ns²/m^4)", "k (lbf min²/ft^4)"},
        LabelCase{"friction factor", kFrictionFactorLabel, "Atkinson Friction Factor (Ns²/m^4)",
                  "Atkinson Friction Factor (lbf min²/ft^4)"},
        LabelCase{"the length unit goes into the caption", kLeakageResistanceLabel,
                  "Resistance Leakage Paths/100 m Duct (Ns²/m^8)",
                  "Resistance Leakage Paths/100 ft Duct (P.U.)"},
        LabelCase{"zone leakage: the bare unit", kZoneLeakageLabel, "Rl per 100m",
                  "Rl per 100ft"}));

TEST(InputFormNewModel, FirstDisplayShowsTheInputAndZeroFans) {
    CFlowmarDoc doc;
    FormIdState state;
    const FormFill fill = formIdInitialUpdate(doc, state);
    for (const int box : kFanBoxes) {
        EXPECT_EQ(fill.textOf(box), "0") << box;
    }
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "NO");
    EXPECT_EQ(fill.textOf(kLeakagePathCountBox), "0") << "the view's copy, not yet refreshed";
    EXPECT_EQ(fill.textOf(kLengthBox), "0.0") << "the physical data need no results";
    EXPECT_EQ(fill.textOf(kAirDensityBox), "1.2");
    EXPECT_EQ(fill.textOf(kLeakageResistanceBox), "10000");
    EXPECT_EQ(fill.textOf(kConfigurationBox), std::nullopt);
    EXPECT_EQ(fill.textOf(kZoneStartBoxes[0]), std::nullopt);
}

TEST(InputFormNewModel, ImperialLeakageMarkerShowsAsTheDefault) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    doc.leakageResistance100 = -1;
    FormIdState state;
    EXPECT_EQ(formIdInitialUpdate(doc, state).textOf(kLeakageResistanceBox), "2500.00");
    doc.unitSystem = kSI;
    EXPECT_EQ(formIdUpdate(doc, state).textOf(kLeakageResistanceBox), "-1")
        << "SI shows the stored integer";
}

TEST(InputFormNewModel, LaterUpdatesKeepTheFanAndZoneBoxes) {
    FormIdState state;
    formIdUpdate(testing::solvedFanModel(), state);
    CFlowmarDoc unsolved = testing::ductModel(500, 1.2);
    const FormFill fill = formIdUpdate(unsolved, state);
    for (const int box : kFanBoxes) {
        EXPECT_EQ(fill.textOf(box), std::nullopt) << box;
    }
    EXPECT_EQ(fill.textOf(kConfigurationBox), std::nullopt);
    EXPECT_EQ(fill.textOf(kLeakagePathCountBox), std::nullopt);
    EXPECT_EQ(fill.textOf(kZonesActiveBox), std::nullopt);
    EXPECT_EQ(fill.textOf(kLengthBox), "500.0");
    EXPECT_EQ(fill.textOf(kDiameterBox), "1.2");
    EXPECT_EQ(state.shownLeakagePathCount, 99);
}

TEST(InputFormFixedQuantity, FanBoxesReadNotApplicable) {
    const CFlowmarDoc doc = testing::solvedFixedQuantityModel();
    FormIdState state;
    const FormFill fill = formIdUpdate(doc, state);
    for (const int box : kFanBoxes) {
        EXPECT_EQ(fill.textOf(box), "NA") << box;
    }
}

TEST(InputFormFanCounts, CountFixedPressureAndCurveFansApart) {
    CFlowmarDoc doc = testing::ductModel();
    testing::addTypicalFan(doc, 0);
    testing::addFixedPressureFan(doc, 500, 500);
    testing::addTypicalFan(doc, 700);
    testing::solve(doc);
    FormIdState state;
    const FormFill fill = formIdUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kFanCountBox), "3");
    EXPECT_EQ(fill.textOf(kFixedPressureFanCountBox), "1");
    EXPECT_EQ(fill.textOf(kCurveFanCountBox), "2");
}

TEST(InputFormConfiguration, AnyDuctTypeButForcingIsExhaust) {
    CFlowmarDoc doc = testing::solvedFanModel();
    FormIdState state;
    for (const int type : {kExhausting, 0, 7}) {
        doc.ductType = type;
        EXPECT_EQ(formIdUpdate(doc, state).textOf(kConfigurationBox), "EXHAUST") << type;
    }
}

class InputFormZoned : public ::testing::Test {
protected:
    CFlowmarDoc doc = testing::solvedZonedModel();
    FormIdState state;
};

TEST_F(InputFormZoned, SIZoneRows) {
    const FormFill fill = formIdUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "YES");
    EXPECT_EQ(fill.textOf(kZoneStartBoxes[1]), "400.00");
    EXPECT_EQ(fill.textOf(kZoneEndBoxes[1]), "600.00");
    EXPECT_EQ(fill.textOf(kZoneDiameterBoxes[1]), "0.70");
    EXPECT_EQ(fill.textOf(kZoneFrictionFactorBoxes[1]), "0.0020");
    EXPECT_EQ(fill.textOf(kZoneLeakageBoxes[1]), "10000");
    EXPECT_EQ(fill.textOf(kZoneEndBoxes[4]), "0.00") << "the fifth row as stored";
}

TEST_F(InputFormZoned, ImperialZoneRowsUseInchesAndOneDecimalForK) {
    doc.unitSystem = kImperial;
    const FormFill fill = formIdUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kZoneEndBoxes[0]), "1312.34") << "400 m in feet";
    EXPECT_EQ(fill.textOf(kZoneDiameterBoxes[1]), "27.56") << "0.7 m in inches";
    EXPECT_EQ(fill.textOf(kZoneFrictionFactorBoxes[0]), "10.8");
    EXPECT_EQ(fill.textOf(kZoneLeakageBoxes[0]), "96250.00");
}

TEST_F(InputFormZoned, FailedZoneCheckBlanksAllTwentyFive) {
    doc.zoneErrorFlag = 1;
    const FormFill fill = formIdUpdate(doc, state);
    int blanks = 0;
    for (const auto& boxes : {kZoneStartBoxes, kZoneEndBoxes, kZoneDiameterBoxes,
                              kZoneFrictionFactorBoxes, kZoneLeakageBoxes}) {
        for (const int box : boxes) {
            EXPECT_EQ(fill.textOf(box), "") << box;
            ++blanks;
        }
    }
    EXPECT_EQ(blanks, 25);
    EXPECT_EQ(fill.textOf(kZonesActiveBox), "YES");
}

TEST_F(InputFormSolved, NumbersThatAreNotFiniteShowADash) {
    doc.airDensity = std::numeric_limits<double>::quiet_NaN();
    doc.frictionFactorUsed = -std::numeric_limits<double>::infinity();
    doc.unitSystem = kImperial;
    const FormFill fill = formIdUpdate(doc, state);
    EXPECT_EQ(fill.textOf(kAirDensityBox), "-");
    EXPECT_EQ(fill.textOf(kFrictionFactorBox), "-");
}

} // namespace
} // namespace flowmar
