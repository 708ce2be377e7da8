#include "core/input/leakage_page.h"
#include "core/model/units.h"
#include "support/page_fault_print.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

using namespace leakage_page;

LeakagePage openedPage(int unitSystem, double resistance) {
    DuctDetailsValues v;
    v.unitSystem = unitSystem;
    v.leakageResistance100 = resistance;
    LeakagePage page(v);
    page.open();
    return page;
}

const PageLabel* label(const std::array<PageLabel, 8>& labels, int id) {
    for (const PageLabel& l : labels) {
        if (l.id == id) {
            return &l;
        }
    }
    return nullptr;
}

TEST(LeakagePage, LabelsFollowTheUnitSystem) {
    const auto si = openedPage(kSI, 5000).labels();
    EXPECT_TRUE(label(si, kLeftEndSI)->shown);
    EXPECT_TRUE(label(si, kRightEndSI)->shown);
    EXPECT_EQ(label(si, kRightEndSI)->text, "150,000");
    EXPECT_FALSE(label(si, kLeftEndImperial)->shown);
    EXPECT_FALSE(label(si, kRightEndImperial)->shown);
    EXPECT_FALSE(label(si, kPowerOfTen)->shown);
    EXPECT_EQ(label(si, kUnit)->text, "(Ns²/m^8 per 100m)");
    EXPECT_EQ(label(si, kRigidRange)->text, "Typical range of rigid duct = 1000 - 150,000");
    EXPECT_EQ(label(si, kFabricRange)->text, "Typical range of fabric duct = 100 - 50,000");

    const auto imperial = openedPage(kImperial, 2500).labels();
    EXPECT_FALSE(label(imperial, kLeftEndSI)->shown);
    EXPECT_FALSE(label(imperial, kRightEndSI)->shown);
    EXPECT_TRUE(label(imperial, kLeftEndImperial)->shown);
    EXPECT_EQ(label(imperial, kRightEndImperial)->text, "1,450,000");
    EXPECT_TRUE(label(imperial, kRightEndImperial)->shown);
    EXPECT_FALSE(label(imperial, kPowerOfTen)->shown);
    EXPECT_EQ(label(imperial, kUnit)->text, "(P.U. per 100 ft)");
    EXPECT_EQ(label(imperial, kRigidRange)->text, "Typical range of rigid duct = 9500 - 1,450,000");
    EXPECT_EQ(label(imperial, kFabricRange)->text, "Typical range of fabric duct = 950 - 480,000");
}

TEST(LeakagePage, SliderStandsWhereTheValueLies) {
    struct Case {
        const char* why;
        int unitSystem;
        double value;
        int position;
        const char* text;
    };
    const Case cases[] = {
        {"SI: the position is the value, truncated", kSI, 5000.9, 5000, "5000.9"},
        {"SI: a value below the slider stops at its left end", kSI, 50, 100, "50"},
        {"Imperial: a new model's 2500", kImperial, 2500, 1, "2500"},
        {"Imperial: the right end", kImperial, 1450000, 1000, "1450000"},
        {"Imperial: below 950 stops at the left end", kImperial, 0, 0, "0"},
        {"Imperial: half-way", kImperial, 725475, 500, "725475"},
    };
    for (const Case& c : cases) {
        const LeakagePage page = openedPage(c.unitSystem, c.value);
        EXPECT_EQ(page.sliderPosition(), c.position) << c.why;
        EXPECT_EQ(page.resistanceText(), c.text) << c.why;
    }
    EXPECT_EQ(openedPage(kSI, 1).sliderRange().minimum, 100);
    EXPECT_EQ(openedPage(kSI, 1).sliderRange().maximum, 150000);
    EXPECT_EQ(openedPage(kImperial, 1).sliderRange().minimum, 0);
    EXPECT_EQ(openedPage(kImperial, 1).sliderRange().maximum, 1000);
}

TEST(LeakagePage, MovingTheSliderWritesTheBoxAndTypingDoesNotMoveIt) {
    struct Case {
        const char* why;
        int unitSystem;
        int position;
        const char* text;
    };
    const Case cases[] = {
        {"SI right end", kSI, 150000, "150000"},
        {"SI left end", kSI, 100, "100"},
        {"SI, a signed integer text", kSI, 12345, "12345"},
        {"Imperial left end is 950.0", kImperial, 0, "950.0"},
        {"Imperial right end is 1450000.0", kImperial, 1000, "1450000.0"},
        {"Imperial mid positions scale, not step from 950 to 1,450,000", kImperial, 500,
         "725475.0"},
        {"Imperial two steps", kImperial, 2, "3848.1"},
    };
    for (const Case& c : cases) {
        LeakagePage page = openedPage(c.unitSystem, 2500);
        page.moveSlider(c.position);
        EXPECT_EQ(page.resistanceText(), c.text) << c.why;
        EXPECT_EQ(page.sliderPosition(), c.position) << c.why;
    }
    LeakagePage page = openedPage(kSI, 2500);
    page.editResistance("90000");
    EXPECT_EQ(page.sliderPosition(), 2500);
}

struct LeaveCase {
    const char* why;
    int unitSystem;
    const char* text;
    std::optional<PageFault> fault;
};

class LeakagePageLeaving : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(LeakagePageLeaving, ChecksTheRange) {
    const LeaveCase& c = GetParam();
    LeakagePage page = openedPage(c.unitSystem, 2500);
    page.editResistance(c.text);
    EXPECT_EQ(page.leave(), c.fault) << c.why;
}

const PageFault kSIRange{"Value must be between 100 and 150000.", kResistance};
const PageFault kSINotANumber{"Enter a number for Resistance (Ns²/m^8 per 100m).", kResistance};
const PageFault kImperialRange{"Value must be between 950.00 and 1450000.", kResistance};

INSTANTIATE_TEST_SUITE_P(
    Cases, LeakagePageLeaving,
    ::testing::Values(LeaveCase{"SI lower bound accepted", kSI, "100", std::nullopt},
                      LeaveCase{"SI upper bound accepted", kSI, "150000", std::nullopt},
                      LeaveCase{"SI one below", kSI, "99", kSIRange},
                      LeaveCase{"SI one above", kSI, "150001", kSIRange},
                      LeaveCase{"empty is no number", kSI, "", kSINotANumber},
                      LeaveCase{"letters are no number", kSI, "lots", kSINotANumber},
                      LeaveCase{"a thousands separator is refused", kSI, "12,000", kSINotANumber},
                      LeaveCase{"Imperial lower bound accepted", kImperial, "950", std::nullopt},
                      LeaveCase{"Imperial upper bound as the slider writes it", kImperial,
                                "1450000.0", std::nullopt},
                      LeaveCase{"Imperial 949: the lower bound shows with two decimals", kImperial,
                                "949", kImperialRange},
                      LeaveCase{"Imperial one above", kImperial, "1450001", kImperialRange},
                      LeaveCase{"in range by its leading number but not one number", kSI, "5000 Ns",
                                PageFault{"Enter a number for Resistance (Ns²/m^8 per 100m).",
                                          kResistance}}));

TEST(LeakagePage, LeavingTakesTheValue) {
    LeakagePage page = openedPage(kImperial, 2500);
    page.editResistance("3000.5");
    ASSERT_EQ(page.leave(), std::nullopt);
    DuctDetailsValues v;
    page.storeInto(v);
    EXPECT_DOUBLE_EQ(v.leakageResistance100, 3000.5);
}

} // namespace
} // namespace flowmar
