#include "core/input/shock_loss_pages.h"
#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace flowmar {
namespace {

using namespace shock_loss_sheet;

TEST(ShockLossPages, SixPagesInTabOrderWithEntryAndExitFirst) {
    const auto pages = shockLossPages();
    ASSERT_EQ(pages.size(), 6u);
    const char* titles[] = {"Entry and Exit", "Smooth Elbow", "Elbow Miter",
                            "Dampers",        "Screen",       "Fixed Resistance"};
    const int dialogs[] = {136, 137, 138, 139, 140, 154};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].title, titles[i]);
        EXPECT_EQ(pages[i].dialogId, dialogs[i]);
        EXPECT_EQ(&shockLossPageInfo(pages[i].page), &pages[i]) << titles[i];
    }
    EXPECT_EQ(shockLossPageInfo(ShockLossPage::SmoothElbow).calculateId, 1123);
    EXPECT_EQ(shockLossPageInfo(ShockLossPage::Dampers).clearFormId, 1116);
    EXPECT_EQ(shockLossPageInfo(ShockLossPage::Screen).calculateId, 0) << "no Calculate";
    EXPECT_EQ(shockLossPageInfo(ShockLossPage::EntryExit).gridId, 0) << "no grid";
    EXPECT_EQ(shockLossPageInfo(ShockLossPage::FixedResistance).gridId, 1090);
}

TEST(ShockLossPages, HeadersFollowTheUnitSystem) {
    EXPECT_EQ(distanceHeader(kSI), "Distance (m)");
    EXPECT_EQ(distanceHeader(kImperial), "Distance (ft)");
    EXPECT_EQ(resistanceHeader(kSI), "Resistance (Ns²/m^8)");
    EXPECT_EQ(resistanceHeader(kImperial), "Resistance (P.U.)");
}

TEST(ShockLossPages, ChoiceListsAreOneTextInListOrder) {
    EXPECT_EQ(choiceListText(smoothElbowRatios()), "0.5\n0.75\n1.0\n1.5\n2.0\n2.5");
    EXPECT_EQ(choiceListText(smoothElbowAngles()), "45\n90\n135\n180");
    EXPECT_EQ(choiceListText(mitredElbowAngles()), "45\n60\n90");
    EXPECT_EQ(choiceListText(damperSettings()), "Wide Open\n10\n20\n30\n40\n50\n60");
}

// Every choice a person can pick must give a C; otherwise Calculate silently keeps a stale one.
TEST(ShockLossPages, EveryListedChoiceHasACoefficient) {
    for (const std::string_view angle : smoothElbowAngles()) {
        for (const std::string_view ratio : smoothElbowRatios()) {
            EXPECT_TRUE(smoothElbowCoefficient(ratio, angle)) << angle << " " << ratio;
        }
    }
    for (const std::string_view angle : mitredElbowAngles()) {
        EXPECT_TRUE(mitredElbowCoefficient(angle)) << angle;
    }
    for (const std::string_view setting : damperSettings()) {
        EXPECT_TRUE(damperCoefficient(setting)) << setting;
    }
}

struct CoefficientCase {
    const char* why;
    friend void PrintTo(const CoefficientCase& c, std::ostream* os) { *os << c.why; }
    FittingKind kind;
    const char* choice1;
    const char* choice2;
    std::optional<double> factor;
};

std::optional<double> coefficient(const CoefficientCase& c) {
    switch (c.kind) {
    case FittingKind::SmoothElbow:
        return smoothElbowCoefficient(c.choice1, c.choice2);
    case FittingKind::MitredElbow:
        return mitredElbowCoefficient(c.choice1);
    case FittingKind::Damper:
        return damperCoefficient(c.choice1);
    }
    return std::nullopt;
}

class FittingCoefficient : public ::testing::TestWithParam<CoefficientCase> {};

TEST_P(FittingCoefficient, ComesFromTheTableOnAnExactMatchOnly) {
    const CoefficientCase& c = GetParam();
    EXPECT_EQ(coefficient(c), c.factor);
}

constexpr auto kSmooth = FittingKind::SmoothElbow;
constexpr auto kMitred = FittingKind::MitredElbow;
constexpr auto kDamper = FittingKind::Damper;

INSTANTIATE_TEST_SUITE_P(
    Tables, FittingCoefficient,
    ::testing::Values(
        CoefficientCase{"smooth elbow 90 degrees, r/D 1.5", kSmooth, "1.5", "90", 0.15},
        CoefficientCase{"first corner of the elbow table", kSmooth, "0.5", "45", 0.43},
        CoefficientCase{"last corner of the elbow table", kSmooth, "2.5", "180", 0.16},
        CoefficientCase{"angle and ratio not swapped: 135 row, 0.75 column", kSmooth, "0.75", "135",
                        0.4},
        CoefficientCase{"angle and ratio not swapped: 180 row, 1.0 column", kSmooth, "1.0", "180",
                        0.31},
        CoefficientCase{"a known angle without r/D matches nothing", kSmooth, "", "45",
                        std::nullopt},
        CoefficientCase{"a known r/D without angle matches nothing", kSmooth, "1.5", "",
                        std::nullopt},
        CoefficientCase{"\"1\" is not the listed \"1.0\"", kSmooth, "1", "90", std::nullopt},
        CoefficientCase{"a blank around the key is no match", kSmooth, "1.5", " 90", std::nullopt},
        CoefficientCase{"mitred elbow 45", kMitred, "45", "", 0.34},
        CoefficientCase{"mitred elbow 60", kMitred, "60", "", 0.55},
        CoefficientCase{"mitred elbow 90", kMitred, "90", "", 1.2},
        CoefficientCase{"135 is a smooth elbow angle, not a mitre's", kMitred, "135", "",
                        std::nullopt},
        CoefficientCase{"damper wide open", kDamper, "Wide Open", "", 0.19},
        CoefficientCase{"damper 10 degrees closed", kDamper, "10", "", 0.67},
        CoefficientCase{"damper 30", kDamper, "30", "", 4.4},
        CoefficientCase{"damper 60: the largest factor", kDamper, "60", "", 113.0},
        CoefficientCase{"the match is case-sensitive", kDamper, "wide open", "", std::nullopt},
        CoefficientCase{"an empty damper cell", kDamper, "", "", std::nullopt}));

ShockLossValues valuesWithLength(double ductLength) {
    ShockLossValues values;
    values.ductLength = ductLength;
    return values;
}

TEST(LookUpFactors, SetsCWhereTheChoicesAreFoundAndKeepsItElsewhere) {
    ShockLossValues values;
    values.rows[1].smoothElbowText1 = "1.5";
    values.rows[1].smoothElbowText2 = "90";
    values.rows[2].smoothElbowText2 = "45"; // no r/D: a new row keeps C 0
    values.rows[3].smoothElbowText1 = "2.0";
    values.rows[3].smoothElbowFactor = 0.77; // no angle: an entered C stays
    values.rows[4].damperText = "60";
    lookUpFactors(values, FittingKind::SmoothElbow);
    EXPECT_EQ(values.rows[1].smoothElbowFactor, 0.15);
    EXPECT_EQ(values.rows[2].smoothElbowFactor, 0);
    EXPECT_EQ(values.rows[3].smoothElbowFactor, 0.77);
    EXPECT_EQ(values.rows[4].damperFactor, 0) << "a smooth-elbow look-up leaves the dampers";
    lookUpFactors(values, FittingKind::Damper);
    EXPECT_EQ(values.rows[4].damperFactor, 113.0);
}

TEST(ClearPage, EmptiesOnlyThatPagesColumns) {
    ShockLossValues values;
    for (int r = 1; r <= kShockLossRows; ++r) {
        auto& row = values.rows[std::size_t(r)];
        row = {r * 1.0, 0.2, "1.0", "90",    r * 2.0, 1.2, "90",
               r * 3.0, 4.4, "30",  r * 4.0, r * 5.0, 7.5};
    }
    const ShockLossValues before = values;
    clearPage(values, ShockLossPage::Dampers);
    clearPage(values, ShockLossPage::FixedResistance);
    clearPage(values, ShockLossPage::EntryExit);
    for (int r = 1; r <= kShockLossRows; ++r) {
        const auto& row = values.rows[std::size_t(r)];
        const auto& old = before.rows[std::size_t(r)];
        EXPECT_EQ(row.damperDistance, 0);
        EXPECT_EQ(row.damperFactor, 0);
        EXPECT_EQ(row.damperText, "");
        EXPECT_EQ(row.fixedResistanceDistance, 0);
        EXPECT_EQ(row.fixedResistanceValue, 0);
        EXPECT_EQ(row.smoothElbowDistance, old.smoothElbowDistance);
        EXPECT_EQ(row.smoothElbowText2, old.smoothElbowText2);
        EXPECT_EQ(row.mitredElbowFactor, old.mitredElbowFactor);
        EXPECT_EQ(row.screenDistance, old.screenDistance);
    }
}

// The OK step's limit to the duct length, in shown units: equal passes, beyond is cut, below 0
// is left for Execute to refuse with its message.
struct LimitCase {
    const char* why;
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.why; }
    int unitSystem;
    double ductLengthSI;
    double entered; // shown units
    double expected;
};

class ShockLossOkLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ShockLossOkLimit, LimitsEveryPagesDistanceToTheDuct) {
    const LimitCase& c = GetParam();
    CFlowmarDoc doc;
    doc.unitSystem = c.unitSystem;
    doc.ductLength = c.ductLengthSI;
    const ShockLossValues opened = shockLossesFromDocument(doc);
    for (const ShockLossPage page :
         {ShockLossPage::SmoothElbow, ShockLossPage::ElbowMiter, ShockLossPage::Dampers,
          ShockLossPage::Screen, ShockLossPage::FixedResistance}) {
        ShockLossValues values = opened;
        auto& row = values.rows[7];
        row.smoothElbowDistance = row.mitredElbowDistance = row.damperDistance =
            row.screenDistance = row.fixedResistanceDistance = c.entered;
        pageOkStep(values, page);
        const double limited[] = {row.smoothElbowDistance, row.mitredElbowDistance,
                                  row.damperDistance, row.screenDistance,
                                  row.fixedResistanceDistance};
        for (int p = 0; p < 5; ++p) {
            const bool thisPage = p + 1 == static_cast<int>(page);
            EXPECT_EQ(limited[p], thisPage ? c.expected : c.entered)
                << shockLossPageInfo(page).title << ", column of page " << p + 1;
        }
    }
}

const double kFeetIn1000m = 1000 / 0.3048;

INSTANTIATE_TEST_SUITE_P(
    BothUnitSystems, ShockLossOkLimit,
    ::testing::Values(
        LimitCase{"SI: a distance equal to the length stays", kSI, 1000, 1000, 1000},
        LimitCase{"SI: just beyond the duct is cut", kSI, 1000, 1000.05, 1000},
        LimitCase{"SI: 1500 on a 1000 m duct becomes 1000", kSI, 1000, 1500, 1000},
        LimitCase{"SI: 0 marks an empty row and stays", kSI, 1000, 0, 0},
        LimitCase{"SI: a negative distance is not cut", kSI, 1000, -5, -5},
        LimitCase{"Imperial: the length in feet stays", kImperial, 1000, kFeetIn1000m,
                  kFeetIn1000m},
        LimitCase{"Imperial: a figure above the length in metres is inside the duct", kImperial,
                  1000, 1001, 1001},
        LimitCase{"Imperial: beyond the duct in feet is cut", kImperial, 1000, 3281, kFeetIn1000m},
        LimitCase{"Imperial: a negative distance is not cut", kImperial, 1000, -1, -1}));

TEST(PageOkStep, RunsTheLookUpOnTheFittingPagesOnly) {
    ShockLossValues values = valuesWithLength(100);
    values.rows[2].mitredElbowDistance = 10;
    values.rows[2].mitredElbowText = "60";
    values.rows[2].damperDistance = 20;
    values.rows[2].damperText = "Wide Open";
    pageOkStep(values, ShockLossPage::Screen);
    EXPECT_EQ(values.rows[2].mitredElbowFactor, 0);
    EXPECT_EQ(values.rows[2].damperFactor, 0);
    pageOkStep(values, ShockLossPage::ElbowMiter);
    EXPECT_EQ(values.rows[2].mitredElbowFactor, 0.55);
    EXPECT_EQ(values.rows[2].damperFactor, 0);
}

TEST(ScreenFactor, TheShownTextReadsAsTheFactorTheAssemblyAdds) {
    EXPECT_EQ(parseNumber(kScreenShockFactorText), kScreenShockFactor);
}

struct ButtonCase {
    int id;
    EntryExitGroup group;
    const char* caption;
    int typeIndex;
    double factor;
};

TEST(EntryExitButtons, EachClickSetsItsGroupsIndexAndFactorOnly) {
    const ButtonCase cases[] = {
        {kEntrySharp, EntryExitGroup::Entrance, "Sharp", 1, 1.0},
        {kEntryFlanged, EntryExitGroup::Entrance, "Flanged", 2, 0.5},
        {kEntryFormedBell, EntryExitGroup::Entrance, "Formed Bell", 3, 0.1},
        {kEntryNotIncluded, EntryExitGroup::Entrance, "Do Not Include", 4, 0},
        {kExitAbrupt, EntryExitGroup::Exit, "Abrupt", 1, 1.0},
        {kExitFlanged, EntryExitGroup::Exit, "Flanged", 2, 0.88},
        {kExitDiffuser, EntryExitGroup::Exit, "Diffuser", 3, 0.51},
        {kExitNotIncluded, EntryExitGroup::Exit, "Do Not Include", 4, 0},
    };
    ASSERT_EQ(entryExitButtons().size(), std::size(cases));
    std::set<int> ids;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const ButtonCase& c = cases[i];
        EXPECT_EQ(entryExitButtons()[i].id, c.id) << "tab order";
        EXPECT_EQ(entryExitButtons()[i].caption, c.caption);
        ids.insert(c.id);

        ShockLossValues values;
        values.entryTypeIndex = values.exitTypeIndex = 0;
        values.entryShockFactor = values.exitShockFactor = 9;
        clickEntryExitButton(values, c.id);
        const bool entrance = c.group == EntryExitGroup::Entrance;
        EXPECT_EQ(entrance ? values.entryTypeIndex : values.exitTypeIndex, c.typeIndex) << c.id;
        EXPECT_EQ(entrance ? values.entryShockFactor : values.exitShockFactor, c.factor) << c.id;
        EXPECT_EQ(entrance ? values.exitTypeIndex : values.entryTypeIndex, 0) << "other group";
        EXPECT_EQ(entrance ? values.exitShockFactor : values.entryShockFactor, 9) << "other group";
        EXPECT_EQ(checkedEntryExitButton(values, c.group), c.id);
    }
    EXPECT_EQ(ids.size(), std::size(cases));

    ShockLossValues values;
    const ShockLossValues before = values;
    clickEntryExitButton(values, 1045); // the smooth elbow's grid, no radio button
    EXPECT_EQ(values.entryTypeIndex, before.entryTypeIndex);
    EXPECT_EQ(values.exitShockFactor, before.exitShockFactor);
}

TEST(EntryExitButtons, AnIndexOutsideOneToFourChecksNoButtonOfItsGroup) {
    ShockLossValues values;
    values.entryTypeIndex = 0;
    values.exitTypeIndex = 5;
    EXPECT_EQ(checkedEntryExitButton(values, EntryExitGroup::Entrance), std::nullopt);
    EXPECT_EQ(checkedEntryExitButton(values, EntryExitGroup::Exit), std::nullopt);
    values.entryTypeIndex = 4;
    values.exitTypeIndex = 1;
    EXPECT_EQ(checkedEntryExitButton(values, EntryExitGroup::Entrance), kEntryNotIncluded);
    EXPECT_EQ(checkedEntryExitButton(values, EntryExitGroup::Exit), kExitAbrupt);
}

} // namespace
} // namespace flowmar
