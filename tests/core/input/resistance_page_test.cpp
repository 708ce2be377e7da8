#include "core/input/resistance_page.h"
#include "core/model/units.h"
#include "support/page_fault_print.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

using namespace resistance_page;

DuctDetailsValues resistanceValues(int unitSystem) {
    DuctDetailsValues v;
    v.unitSystem = unitSystem;
    const bool imperial = isImperial(unitSystem);
    v.ductLength = imperial ? 3280.84 : 1000;
    v.ductDiameter = imperial ? 30 : 0.76;
    v.frictionFactor = imperial ? 18.552875 : 0.0035;
    v.diameterPresetIndex = 1;
    v.frictionFactorPresetIndex = -1;
    v.diameterPresets = {"9", "9", "9", "9"}; // edited earlier: the sheet must not show these
    v.ductTypeNames = {"Metal/Fiberglass", "Cassette", "Fabric", "Flexible Suction"};
    v.frictionFactorPresets = {"1", "1", "1", "1"};
    return v;
}

TEST(ResistancePage, OpensWithTheUnitSystemsDefaultPresetsLabelsAndFormats) {
    ResistancePage si(resistanceValues(kSI));
    si.open();
    EXPECT_EQ(si.diameterPresets(), (PresetTexts{"0.7", "0.9", "1.0", "1.2"}));
    EXPECT_EQ(si.frictionFactorPresets(), (PresetTexts{"0.0025", "0.003", "0.004", "0.005"}));
    EXPECT_EQ(si.ductTypeNames()[3], "Flexible Suction") << "the names are not reset";
    EXPECT_EQ(si.lengthUnit(), "(m)");
    EXPECT_EQ(si.diameterUnit(), "(m)");
    EXPECT_EQ(si.frictionFactorUnit(), "(Ns²/m^4)");
    EXPECT_EQ(si.lengthText(), "1000.00");
    EXPECT_EQ(si.diameterText(), "0.76");
    EXPECT_EQ(si.frictionFactorText(), "0.0035");
    EXPECT_EQ(si.diameterSelection(), 1);
    EXPECT_EQ(si.ductTypeSelection(), -1);

    ResistancePage imperial(resistanceValues(kImperial));
    imperial.open();
    EXPECT_EQ(imperial.diameterPresets(), (PresetTexts{"24", "36", "40", "48"}));
    EXPECT_EQ(imperial.frictionFactorPresets(), (PresetTexts{"10", "15", "20", "25"}));
    EXPECT_EQ(imperial.lengthUnit(), "(ft)");
    EXPECT_EQ(imperial.diameterUnit(), "(in)");
    EXPECT_EQ(imperial.frictionFactorUnit(), "(lbf min²/ft^4) x 10^-10");
    EXPECT_EQ(imperial.lengthText(), "3280.84");
    EXPECT_EQ(imperial.frictionFactorText(), "  18.6");
}

TEST(ResistancePage, ImperialFrictionFactorFormatFollowsItsSize) {
    struct Case {
        const char* why;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"below 1: four decimals in six places (exactly six, so no blank)", 0.5, "0.5000"},
        {"a small value keeps its digits", 0.0539, "0.0539"},
        {"from 1 to below 10: two decimals padded to six", 5, "  5.00"},
        {"just below 10 rounds within the two-decimal format", 9.999, " 10.00"},
        {"from 10: one decimal", 15, "  15.0"},
        {"a wide value is not cut", 5390, "5390.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frictionFactorText(c.value, kImperial), c.text) << c.why;
    }
    EXPECT_EQ(frictionFactorText(15, kSI), "15.0000") << "SI always shows four decimals";
}

TEST(ResistancePage, ListsWriteTheirPresetsIntoTheBoxes) {
    ResistancePage page(resistanceValues(kSI));
    page.open();
    page.selectDuctType(2);
    EXPECT_EQ(page.frictionFactorText(), "0.004") << "the preset text as it stands";
    page.selectDuctType(7);
    EXPECT_EQ(page.ductTypeSelection(), 0) << "an index that is no entry selects the first";
    EXPECT_EQ(page.frictionFactorText(), "0.0025");
    page.selectDiameter(3);
    EXPECT_EQ(page.diameterText(), "1.2");
    page.editDiameter("0.8");
    page.selectDiameter(-1);
    EXPECT_EQ(page.diameterText(), "0.8") << "no entry: the box stays";
}

TEST(ResistancePage, EditedPresetsAreWrittenAgainAndTypedBoxesStayAsTyped) {
    ResistancePage page(resistanceValues(kSI));
    page.open();
    page.editLength("1234.5678");
    page.selectDiameter(0);
    page.diameterPresetsEdited({"0.65", "0.9", "1.0", "1.2"});
    EXPECT_EQ(page.diameterPresets()[0], "0.65");
    EXPECT_EQ(page.diameterText(), "0.65") << "the selected preset is written again";
    EXPECT_EQ(page.lengthText(), "1234.5678") << "a typed length is never rounded";

    ASSERT_EQ(page.ductTypeSelection(), -1);
    page.frictionFactorPresetsEdited({"Steel", "Cassette", "Fabric", "Flexible Suction"},
                                     {"0.00376", "0.003", "0.004", "0.005"});
    EXPECT_EQ(page.ductTypeSelection(), 0) << "with no type selected the first is selected";
    EXPECT_EQ(page.ductTypeNames()[0], "Steel");
    EXPECT_EQ(page.frictionFactorText(), "0.00376") << "its value, as the preset holds it";
    ASSERT_EQ(page.leave(), std::nullopt);
    DuctDetailsValues taken = resistanceValues(kSI);
    page.storeInto(taken);
    EXPECT_EQ(taken.ductLength, 1234.5678);
    EXPECT_EQ(taken.frictionFactor, 0.00376);
    EXPECT_EQ(taken.diameterPresets[0], "0.65") << "edited presets go back to the model";
}

TEST(ResistancePage, UntouchedBoxesAndPresetsGiveBackEveryDigit) {
    DuctDetailsValues values = resistanceValues(kSI);
    values.ductLength = 1234.5678;
    values.ductDiameter = 0.1 + 0.2 + 0.9;
    values.frictionFactor = 0.00345;
    values.diameterPresets = {"0.6", "0.8", "1.1", "1.3"};
    ResistancePage page(values);
    page.open();
    EXPECT_EQ(page.lengthText(), "1234.57");
    EXPECT_EQ(page.frictionFactorText(), "0.0034") << "the box rounds 0.00345 down";
    EXPECT_EQ(page.diameterPresets()[0], "0.7") << "the lists show the unit system's defaults";
    ASSERT_EQ(page.leave(), std::nullopt);
    DuctDetailsValues taken = values;
    page.storeInto(taken);
    EXPECT_EQ(taken.ductLength, values.ductLength);
    EXPECT_EQ(taken.ductDiameter, values.ductDiameter);
    EXPECT_EQ(taken.frictionFactor, values.frictionFactor);
    EXPECT_EQ(taken.diameterPresets, values.diameterPresets) << "shown defaults are no edit";
}

struct LeaveCase {
    const char* why;
    int unitSystem;
    const char* length;
    const char* diameter;
    const char* frictionFactor;
    std::optional<PageFault> fault;
};

class ResistancePageLeaving : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(ResistancePageLeaving, ChecksInOrder) {
    const LeaveCase& c = GetParam();
    ResistancePage page(resistanceValues(c.unitSystem));
    page.open();
    page.editLength(c.length);
    page.editDiameter(c.diameter);
    page.editFrictionFactor(c.frictionFactor);
    EXPECT_EQ(page.leave(), c.fault) << c.why;
}

const PageFault kLengthSI{"Length must be between 1 and 100,000 meters", kLength};
const PageFault kLengthImperial{"Length must be between 3.28 and 328,083 feet", kLength};
const PageFault kLengthNotANumber{"Enter a number for Length (m).", kLength};
const PageFault kDiameterSI{"Diameter must be between 0.1 and 5.0 meters", kDiameter};
const PageFault kDiameterImperial{"Diameter must be between 3.9 and 196.8 inches", kDiameter};
const PageFault kFrictionSI{"Atkinson Friction Factor must be between 0.00001 and 1.0 Ns²/m^4",
                            kFrictionFactor};
const PageFault kFrictionImperial{
    "Atkinson Friction Factor must be between 0.0539 and 5390 lbf min²/ft^4", kFrictionFactor};

INSTANTIATE_TEST_SUITE_P(
    Cases, ResistancePageLeaving,
    ::testing::Values(
        LeaveCase{"SI lower bounds are accepted", kSI, "1", "0.1", "0.00001", std::nullopt},
        LeaveCase{"SI upper bounds are accepted", kSI, "100000", "5", "1", std::nullopt},
        LeaveCase{"SI length just below 1", kSI, "0.99", "0.76", "0.0035", kLengthSI},
        LeaveCase{"SI length just above 100,000", kSI, "100000.01", "0.76", "0.0035", kLengthSI},
        LeaveCase{"an empty length is no number", kSI, "", "0.76", "0.0035", kLengthNotANumber},
        LeaveCase{"a thousands separator is refused, never read as 1", kSI, "1,500", "0.76",
                  "0.0035", kLengthNotANumber},
        LeaveCase{"SI diameter above 5", kSI, "1000", "5.01", "0.0035", kDiameterSI},
        LeaveCase{"letters are no number", kSI, "1000", "abc", "0.0035",
                  PageFault{"Enter a number for Duct Diameter (m).", kDiameter}},
        LeaveCase{"SI friction factor below its range", kSI, "1000", "0.76", "0.000009",
                  kFrictionSI},
        LeaveCase{"length is checked before diameter and friction factor", kSI, "0", "0", "0",
                  kLengthSI},
        LeaveCase{"Imperial lower bounds are accepted", kImperial, "3.28", "3.9", "0.0539",
                  std::nullopt},
        LeaveCase{"Imperial upper bounds are accepted", kImperial, "328083", "196.8", "5390",
                  std::nullopt},
        LeaveCase{"Imperial length below 3.28", kImperial, "3.27", "30", "10", kLengthImperial},
        LeaveCase{"Imperial diameter above 196.8", kImperial, "1000", "196.9", "10",
                  kDiameterImperial},
        LeaveCase{"Imperial diameter just below 3.9", kImperial, "1000", "3.89", "10",
                  kDiameterImperial},
        LeaveCase{"an SI friction factor in an Imperial model", kImperial, "1000", "30", "0.0035",
                  kFrictionImperial},
        LeaveCase{"a length with a unit after it is no number", kSI, "1000 m", "0.76", "0.0035",
                  kLengthNotANumber},
        LeaveCase{"a diameter with a unit passes the range but is no number", kSI, "1000", "0.76m",
                  "0.0035", PageFault{"Enter a number for Duct Diameter (m).", kDiameter}},
        LeaveCase{"a friction factor with letters: the box named with its Imperial unit", kImperial,
                  "1000", "30", "12x",
                  PageFault{"Enter a number for Atkinson Friction Factor (lbf min²/ft^4) x "
                            "10^-10.",
                            kFrictionFactor}}));

TEST(ResistancePage, LeavingTakesTheSelectionsAndNumbers) {
    ResistancePage page(resistanceValues(kSI));
    page.open();
    page.selectDuctType(1);
    page.editDiameter(" 0.85 ");
    page.editLength("1500");
    ASSERT_EQ(page.leave(), std::nullopt);
    DuctDetailsValues v = resistanceValues(kSI);
    v.diameterPresets = {"0.6", "0.8", "1.1", "1.3"};
    page.storeInto(v);
    EXPECT_EQ(v.frictionFactorPresetIndex, 1);
    EXPECT_EQ(v.diameterPresetIndex, 1) << "the selection the page opened with";
    EXPECT_DOUBLE_EQ(v.frictionFactor, 0.003);
    EXPECT_DOUBLE_EQ(v.ductDiameter, 0.85);
    EXPECT_DOUBLE_EQ(v.ductLength, 1500);
    EXPECT_EQ(v.diameterPresets, (PresetTexts{"0.6", "0.8", "1.1", "1.3"}))
        << "the defaults the lists show are no edit of the model's presets";
}

} // namespace
} // namespace flowmar
