#include "core/input/general_page.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/page_fault_print.h"

#include <gtest/gtest.h>

#include <climits>

namespace flowmar {
namespace {

using namespace general_page;

DuctDetailsValues generalValues(int unitSystem) {
    DuctDetailsValues v;
    v.unitSystem = unitSystem;
    v.airDensity = isImperial(unitSystem) ? 0.0749 : 1.2;
    v.ductType = 2;
    v.executionMode = 2;
    v.iterationLimit = 500;
    return v;
}

TEST(GeneralPage, OpensWithTheValuesInTheUnitSystemsFormats) {
    GeneralPage si(generalValues(kSI));
    si.open();
    EXPECT_EQ(si.airDensityLabel(), "Air Density (kg/m³)");
    EXPECT_EQ(si.airDensityText(), "1.20");
    EXPECT_EQ(si.iterationLimitText(), "500");
    EXPECT_EQ(si.executionModeSelection(), 2);
    EXPECT_EQ(si.checkedDuctTypeButton(), kExhausting);

    DuctDetailsValues odd = generalValues(kImperial);
    odd.ductType = 0;
    odd.executionMode = 5;
    GeneralPage imperial(odd);
    imperial.open();
    EXPECT_EQ(imperial.airDensityLabel(), "Air Density (lb/ft³)");
    EXPECT_EQ(imperial.airDensityText(), "0.075");
    EXPECT_EQ(imperial.checkedDuctTypeButton(), 0) << "no button for a duct type other than 1, 2";
    EXPECT_EQ(imperial.executionModeSelection(), -1) << "a mode that is no entry selects none";
}

struct LeaveCase {
    const char* why;
    int unitSystem;
    const char* airDensity;
    const char* iterationLimit;
    std::optional<PageFault> fault;
};

class GeneralPageLeaving : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(GeneralPageLeaving, ChecksInOrder) {
    const LeaveCase& c = GetParam();
    GeneralPage page(generalValues(c.unitSystem));
    page.open();
    page.editAirDensity(c.airDensity);
    page.editIterationLimit(c.iterationLimit);
    EXPECT_EQ(page.leave(), c.fault) << c.why;
}

const PageFault kMustBeEntered{"Value must be entered.", kAirDensity};
const PageFault kDensitySI{"Value must be between 0.5 and 2.0", kAirDensity};
const PageFault kDensityImperial{"Value must be between 0.0312 and 0.1249", kAirDensity};
const PageFault kDensityNotANumber{"Enter a number for Air Density (kg/m³).", kAirDensity};
const PageFault kLimit{"Value must be between 100 and 100,000", kIterationLimit};
const PageFault kLimitNotWhole{"Enter a whole number for Iteration Limit.", kIterationLimit};

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralPageLeaving,
    ::testing::Values(
        LeaveCase{"an empty density box is told apart from a zero", kSI, "", "500", kMustBeEntered},
        LeaveCase{"letters are no number", kSI, "abc", "500", kDensityNotANumber},
        LeaveCase{"a comma is no decimal point under a point locale", kSI, "1,15", "500",
                  kDensityNotANumber},
        LeaveCase{"SI density bounds are inclusive (low)", kSI, "0.5", "500", std::nullopt},
        LeaveCase{"SI density bounds are inclusive (high)", kSI, "2.0", "500", std::nullopt},
        LeaveCase{"just above the SI range", kSI, "2.01", "500", kDensitySI},
        LeaveCase{"the Imperial range is checked with its unrounded bounds", kImperial, "0.031215",
                  "500", std::nullopt},
        LeaveCase{"below the unrounded Imperial bound although the message says 0.0312", kImperial,
                  "0.03121", "500", kDensityImperial},
        LeaveCase{"Imperial upper bound", kImperial, "0.12486", "500", std::nullopt},
        LeaveCase{"an SI density in an Imperial model", kImperial, "1.2", "500", kDensityImperial},
        LeaveCase{"a density with more digits than the box shows is taken whole", kSI,
                  "0.500000000000"
                  "9",
                  "500", std::nullopt},
        LeaveCase{"a density with a unit after it is no number", kSI, "1.2 kg", "500",
                  kDensityNotANumber},
        LeaveCase{"iteration limit bounds are inclusive (low)", kSI, "1.2", "100", std::nullopt},
        LeaveCase{"iteration limit bounds are inclusive (high)", kSI, "1.2", "100000",
                  std::nullopt},
        LeaveCase{"one below the iteration range", kSI, "1.2", "99", kLimit},
        LeaveCase{"one above the iteration range", kSI, "1.2", "100001", kLimit},
        LeaveCase{"a minus sign makes the unsigned read 0", kSI, "1.2", "-500", kLimit},
        LeaveCase{"an empty iteration limit reads as 0", kSI, "1.2", "", kLimit},
        LeaveCase{"digits beyond int do not wrap into the range", kSI, "1.2", "4294967796", kLimit},
        LeaveCase{"a limit with letters after it passes the range, not the whole-number rule", kSI,
                  "1.2", "500x", kLimitNotWhole},
        LeaveCase{"the density is checked before the limit", kSI, "", "0", kMustBeEntered}));

TEST(GeneralPage, LeavingTakesTheModeAndLimitAndOnlyThen) {
    GeneralPage page(generalValues(kSI));
    page.open();
    page.selectExecutionMode(0);
    page.clickDuctTypeButton(kForcing);
    page.editAirDensity("1.1");
    page.editIterationLimit("99");
    ASSERT_TRUE(page.leave());
    DuctDetailsValues refused = generalValues(kSI);
    page.storeInto(refused);
    EXPECT_EQ(refused.executionMode, 2) << "a refused page takes no selection";
    EXPECT_EQ(refused.iterationLimit, 500);
    EXPECT_EQ(refused.ductType, 1) << "the radio button sets the duct type when clicked";
    EXPECT_DOUBLE_EQ(refused.airDensity, generalValues(kSI).airDensity)
        << "a refused page takes no density either";

    page.editIterationLimit(" 2500 ");
    ASSERT_EQ(page.leave(), std::nullopt);
    DuctDetailsValues taken;
    page.storeInto(taken);
    EXPECT_EQ(taken.executionMode, 0);
    EXPECT_EQ(taken.iterationLimit, 2500);
}

TEST(GeneralPage, ReadsTheIterationLimitAsAnUnsignedInteger) {
    EXPECT_EQ(readUnsignedInteger("  123abc"), 123);
    EXPECT_EQ(readUnsignedInteger("+5"), 0);
    EXPECT_EQ(readUnsignedInteger("99999999999999999999"), INT_MAX);
}

} // namespace
} // namespace flowmar
