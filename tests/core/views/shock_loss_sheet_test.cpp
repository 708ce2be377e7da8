#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/shock_loss_sheet.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

constexpr Rgb kGrey = GridStyle::readOnlyGrey();

// What the Shock Losses command hands a sheet for a 1000 m duct in the given units.
ShockLossValues valuesOf1000mDuct(int unitSystem) {
    CFlowmarDoc doc;
    doc.unitSystem = unitSystem;
    doc.ductLength = 1000;
    return shockLossesFromDocument(doc);
}

struct ColumnExpectation {
    std::string header;
    std::optional<int> width;
    std::optional<int> decimals;
    bool readOnlyGrey;
    std::vector<std::string> choices;
};

struct LayoutCase {
    const char* why;
    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.why; }
    ShockLossPage page;
    int unitSystem;
    std::vector<ColumnExpectation> columns;
};

class ShockLossGridLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ShockLossGridLayout, OpensWithItsColumnsStylesAndWidths) {
    const LayoutCase& c = GetParam();
    const auto grid = shockLossPageGrid(valuesOf1000mDuct(c.unitSystem), c.page);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rowCount(), 20);
    ASSERT_EQ(grid->columnCount(), int(c.columns.size()));
    EXPECT_EQ(grid->columnWidth(0), 20);
    EXPECT_TRUE(grid->readOnlyLock()) << "locked again after the read-only column is made";
    for (int column = 1; column <= grid->columnCount(); ++column) {
        const ColumnExpectation& e = c.columns[std::size_t(column - 1)];
        SCOPED_TRACE(e.header);
        EXPECT_EQ(grid->shownText(0, column), e.header);
        if (e.width) {
            EXPECT_EQ(grid->columnWidth(column), *e.width);
        } else {
            EXPECT_EQ(grid->columnWidth(column), GridContent::kDefaultColumnWidth);
        }
        for (const int row : {1, 20}) {
            const GridCell& cell = grid->cell(row, column);
            EXPECT_EQ(cell.alignment, GridAlignment::Right);
            EXPECT_EQ(cell.decimals, e.decimals);
            EXPECT_EQ(cell.readOnly, e.readOnlyGrey);
            EXPECT_EQ(cell.interior, e.readOnlyGrey ? std::optional(kGrey) : std::nullopt);
            EXPECT_EQ(cell.choices, e.choices);
            EXPECT_EQ(cell.kind,
                      e.choices.empty() ? GridCellKind::Plain : GridCellKind::DropDownList);
        }
    }
}

const std::vector<std::string> kRatios{"0.5", "0.75", "1.0", "1.5", "2.0", "2.5"};
const std::vector<std::string> kAngles{"45", "90", "135", "180"};

INSTANTIATE_TEST_SUITE_P(
    Pages, ShockLossGridLayout,
    ::testing::Values(LayoutCase{"smooth elbow: C keeps the default width",
                                 ShockLossPage::SmoothElbow,
                                 kSI,
                                 {{"Distance (m)", 75, 1, false, {}},
                                  {"r/D", 55, std::nullopt, false, kRatios},
                                  {"Angle", 50, std::nullopt, false, kAngles},
                                  {"C", std::nullopt, 2, true, {}}}},
                      LayoutCase{"mitred elbow in Imperial: only the distance header changes",
                                 ShockLossPage::ElbowMiter,
                                 kImperial,
                                 {{"Distance (ft)", 75, 1, false, {}},
                                  {"Angle of Bend", 85, std::nullopt, false, {"45", "60", "90"}},
                                  {"Shock Loss (C)", 90, 2, true, {}}}},
                      LayoutCase{"dampers",
                                 ShockLossPage::Dampers,
                                 kSI,
                                 {{"Distance (m)", 70, 1, false, {}},
                                  {"Degree Closed",
                                   90,
                                   std::nullopt,
                                   false,
                                   {"Wide Open", "10", "20", "30", "40", "50", "60"}},
                                  {"Shock Loss (C)", 90, 2, true, {}}}},
                      LayoutCase{"screen: the factor column is a grey text",
                                 ShockLossPage::Screen,
                                 kSI,
                                 {{"Distance (m)", 100, 1, false, {}},
                                  {"Shock Loss (C)", 100, std::nullopt, true, {}}}},
                      LayoutCase{"fixed resistance in SI",
                                 ShockLossPage::FixedResistance,
                                 kSI,
                                 {{"Distance (m)", 100, 1, false, {}},
                                  {"Resistance (Ns²/m^8)", 140, 5, false, {}}}},
                      LayoutCase{"fixed resistance in Imperial: a wider resistance column",
                                 ShockLossPage::FixedResistance,
                                 kImperial,
                                 {{"Distance (ft)", 100, 1, false, {}},
                                  {"Resistance (P.U.)", 150, 5, false, {}}}}));

TEST(ShockLossPageGrid, TheEntryAndExitPageHasNone) {
    EXPECT_FALSE(shockLossPageGrid(valuesOf1000mDuct(kSI), ShockLossPage::EntryExit));
}

TEST(ShockLossPageGrid, ShowsTheRowsHandedIn) {
    ShockLossValues values = valuesOf1000mDuct(kSI);
    values.rows[1].damperDistance = 12.34;
    values.rows[1].damperText = "60";
    values.rows[1].damperFactor = 113.0;
    values.rows[20].fixedResistanceValue = 1.234567;
    values.rows[5].screenDistance = 250;
    const auto dampers = shockLossPageGrid(values, ShockLossPage::Dampers);
    EXPECT_EQ(dampers->shownText(1, 1), "12.3");
    EXPECT_EQ(dampers->valueText(1, 1), "12.34") << "the full value stays behind the format";
    EXPECT_EQ(dampers->shownText(1, 2), "60");
    EXPECT_EQ(dampers->shownText(1, 3), "113.00");
    EXPECT_EQ(dampers->shownText(2, 3), "0.00");
    EXPECT_EQ(dampers->shownText(2, 2), "") << "an empty choice stays empty";
    const auto fixed = shockLossPageGrid(values, ShockLossPage::FixedResistance);
    EXPECT_EQ(fixed->shownText(20, 2), "1.23457");
    const auto screens = shockLossPageGrid(values, ShockLossPage::Screen);
    EXPECT_EQ(screens->shownText(5, 1), "250.0");
    for (int row = 1; row <= 20; ++row) {
        EXPECT_EQ(screens->shownText(row, 2), "0.97") << "also in rows without a screen";
    }
}

// A sheet opened on a 1000 m duct, with the page opened as a person's click on its tab does.
class ShockLossOpenedPage : public ::testing::Test {
protected:
    ShockLossSheet sheetWithOpened(ShockLossPage page) {
        ShockLossSheet sheet(values);
        sheet.openPage(ShockLossPage::EntryExit);
        sheet.openPage(page);
        return sheet;
    }
    ShockLossValues values = valuesOf1000mDuct(kSI);
};

TEST_F(ShockLossOpenedPage, APersonCanNeitherTypeIntoCNorPickAnUnlistedChoice) {
    ShockLossSheet sheet = sheetWithOpened(ShockLossPage::SmoothElbow);
    GridContent& grid = sheet.grid(ShockLossPage::SmoothElbow);
    EXPECT_FALSE(grid.enterText(1, 4, "5"));
    EXPECT_FALSE(grid.enterText(1, 3, "60")) << "60 is a mitre's angle, not a smooth elbow's";
    EXPECT_TRUE(grid.enterText(1, 3, "90"));
    EXPECT_TRUE(grid.enterText(1, 3, "")) << "a choice can be emptied again";
}

TEST_F(ShockLossOpenedPage, CalculateLooksUpCAndLeavesDistancesUnlimited) {
    ShockLossSheet sheet = sheetWithOpened(ShockLossPage::SmoothElbow);
    GridContent& grid = sheet.grid(ShockLossPage::SmoothElbow);
    grid.enterText(1, 1, "1500");
    grid.enterText(1, 2, "1.5");
    grid.enterText(1, 3, "90");
    grid.enterText(2, 1, "200");
    grid.enterText(2, 3, "45"); // no r/D: C stays 0
    sheet.calculate(ShockLossPage::SmoothElbow);
    EXPECT_EQ(grid.shownText(1, 4), "0.15");
    EXPECT_EQ(grid.shownText(2, 4), "0.00");
    EXPECT_EQ(grid.shownText(1, 1), "1500.0") << "Calculate limits nothing";
    EXPECT_TRUE(grid.cell(1, 4).readOnly) << "C stays read-only after being written";

    const ShockLossValues& accepted = sheet.accept();
    EXPECT_EQ(accepted.rows[1].smoothElbowDistance, 1000) << "OK limits to the duct";
    EXPECT_EQ(accepted.rows[1].smoothElbowFactor, 0.15);
    EXPECT_EQ(accepted.rows[2].smoothElbowDistance, 200);
    EXPECT_EQ(accepted.rows[2].smoothElbowText2, "45");
    EXPECT_EQ(grid.shownText(1, 1), "1500.0") << "OK does not rewrite the grid";
}

// Calculate on each fitting page: the choices a person picks in row 9 give the table's C there.
struct CalculateCase {
    const char* why;
    friend void PrintTo(const CalculateCase& c, std::ostream* os) { *os << c.why; }
    ShockLossPage page;
    std::vector<std::string> choices; // columns 2, 3, ...
    const char* shownC;
    int cColumn;
};

class ShockLossCalculate : public ::testing::TestWithParam<CalculateCase> {};

TEST_P(ShockLossCalculate, FillsCFromTheTableOfThePage) {
    const CalculateCase& c = GetParam();
    ShockLossSheet sheet(valuesOf1000mDuct(kSI));
    sheet.openPage(c.page);
    GridContent& grid = sheet.grid(c.page);
    ASSERT_TRUE(grid.enterText(9, 1, "90.5"));
    for (std::size_t i = 0; i < c.choices.size(); ++i) {
        ASSERT_TRUE(grid.enterText(9, int(i) + 2, c.choices[i])) << c.choices[i];
    }
    sheet.calculate(c.page);
    EXPECT_EQ(grid.shownText(9, c.cColumn), c.shownC);
    EXPECT_EQ(grid.shownText(8, c.cColumn), "0.00") << "rows without a choice keep C";
}

INSTANTIATE_TEST_SUITE_P(
    FittingPages, ShockLossCalculate,
    ::testing::Values(
        CalculateCase{"smooth elbow: r/D in column 2, angle in 3",
                      ShockLossPage::SmoothElbow,
                      {"0.75", "180"},
                      "0.46",
                      4},
        CalculateCase{"smooth elbow without an angle keeps C",
                      ShockLossPage::SmoothElbow,
                      {"0.75"},
                      "0.00",
                      4},
        CalculateCase{"mitred elbow of 60 degrees", ShockLossPage::ElbowMiter, {"60"}, "0.55", 3},
        CalculateCase{"damper 40 degrees closed", ShockLossPage::Dampers, {"40"}, "11.00", 3},
        CalculateCase{
            "damper 60 shows two decimals", ShockLossPage::Dampers, {"60"}, "113.00", 3}));

TEST_F(ShockLossOpenedPage, OkRecalculatesCWithoutCalculate) {
    values.rows[3].damperFactor = 4.4;
    values.rows[3].damperText = "30";
    values.rows[3].damperDistance = 300;
    ShockLossSheet sheet = sheetWithOpened(ShockLossPage::Dampers);
    GridContent& grid = sheet.grid(ShockLossPage::Dampers);
    grid.enterText(3, 2, "Wide Open");
    grid.enterText(4, 1, "400");
    grid.enterText(4, 2, "60");
    const ShockLossValues& accepted = sheet.accept();
    EXPECT_EQ(accepted.rows[3].damperFactor, 0.19) << "a changed choice gets its new C";
    EXPECT_EQ(accepted.rows[3].damperText, "Wide Open");
    EXPECT_EQ(accepted.rows[4].damperFactor, 113.0);
    EXPECT_EQ(accepted.rows[4].damperDistance, 400);
}

// Grid cells take a typed number whole; an emptied cell reads as 0 (Execute later treats a
// distance of 0 as an empty row), and any other text is refused on OK, naming the cell.
struct EntryCase {
    const char* why;
    friend void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.why; }
    const char* typed;
    std::optional<double> read; // none: refused
};

class ShockLossCellEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ShockLossCellEntry, TakesTheWholeNumberOrNamesTheCell) {
    const EntryCase& c = GetParam();
    ShockLossValues values = valuesOf1000mDuct(kSI);
    values.rows[6].fixedResistanceDistance = 123;
    values.rows[6].fixedResistanceValue = 9;
    ShockLossSheet sheet(values);
    sheet.openPage(ShockLossPage::FixedResistance);
    GridContent& grid = sheet.grid(ShockLossPage::FixedResistance);
    ASSERT_TRUE(grid.enterText(6, 1, c.typed));
    ASSERT_TRUE(grid.enterText(6, 2, c.typed));
    const std::optional<ShockLossEntryFault> refused = sheet.entryFault();
    if (!c.read) {
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->page, ShockLossPage::FixedResistance);
        EXPECT_EQ(refused->fault.message, "Enter a number for Distance (m) in row 6.");
        EXPECT_EQ(refused->fault.row, 6);
        EXPECT_EQ(refused->fault.column, 1);
        return;
    }
    ASSERT_FALSE(refused) << refused->fault.message;
    const ShockLossValues& accepted = sheet.accept();
    EXPECT_EQ(accepted.rows[6].fixedResistanceDistance, *c.read);
    EXPECT_EQ(accepted.rows[6].fixedResistanceValue, *c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ShockLossCellEntry,
    ::testing::Values(
        EntryCase{"an emptied cell reads as 0", "", 0},
        EntryCase{"letters are refused", "abc", std::nullopt},
        EntryCase{"a number with a unit after it is refused", "55m", std::nullopt},
        EntryCase{"a thousands separator is refused, never read as 2", "2,500", std::nullopt},
        EntryCase{"a resistance typed with more decimals than shown", "1.234567", 1.234567},
        EntryCase{"an exponent is part of the number", "2.5e1", 25},
        EntryCase{"blanks before the number are skipped", "  7", 7}));

TEST(ShockLossSheet, APageNeverOpenedPassesItsRowsBackUnchanged) {
    ShockLossValues values = valuesOf1000mDuct(kSI);
    values.rows[2].mitredElbowDistance = 1500; // beyond the duct
    values.rows[2].mitredElbowText = "90";
    values.rows[2].mitredElbowFactor = 0.5; // not the table's 1.2
    values.rows[9].screenDistance = 2000;
    ShockLossSheet sheet(values);
    sheet.openPage(ShockLossPage::EntryExit);
    sheet.openPage(ShockLossPage::Dampers);
    const ShockLossValues& accepted = sheet.accept();
    EXPECT_FALSE(sheet.isOpened(ShockLossPage::ElbowMiter));
    EXPECT_EQ(accepted.rows[2].mitredElbowDistance, 1500);
    EXPECT_EQ(accepted.rows[2].mitredElbowFactor, 0.5);
    EXPECT_EQ(accepted.rows[9].screenDistance, 2000);
}

TEST(ShockLossSheet, ScreenDistancesBeyondTheDuctAreStoredAsItsLengthInFeet) {
    ShockLossValues values = valuesOf1000mDuct(kImperial);
    values.rows[1].screenDistance = 4000;
    values.rows[2].screenDistance = 1000;
    ShockLossSheet sheet(values);
    sheet.openPage(ShockLossPage::Screen);
    const ShockLossValues& accepted = sheet.accept();
    EXPECT_DOUBLE_EQ(accepted.rows[1].screenDistance, 1000 / 0.3048);
    EXPECT_EQ(accepted.rows[2].screenDistance, 1000);
}

TEST(ShockLossSheet, ReopeningAPageKeepsWhatWasTyped) {
    ShockLossSheet sheet(valuesOf1000mDuct(kSI));
    sheet.openPage(ShockLossPage::Screen);
    sheet.grid(ShockLossPage::Screen).enterText(1, 1, "75");
    sheet.openPage(ShockLossPage::Screen);
    EXPECT_EQ(sheet.grid(ShockLossPage::Screen).shownText(1, 1), "75.0");
}

TEST(ShockLossSheet, ClearFormEmptiesThePageAndItsGrid) {
    ShockLossValues values = valuesOf1000mDuct(kSI);
    values.rows[4].smoothElbowDistance = 40;
    values.rows[4].smoothElbowText1 = "1.0";
    values.rows[4].smoothElbowText2 = "90";
    values.rows[4].smoothElbowFactor = 0.22;
    values.rows[4].screenDistance = 44;
    ShockLossSheet sheet(values);
    sheet.openPage(ShockLossPage::SmoothElbow);
    sheet.openPage(ShockLossPage::Screen);
    sheet.clearForm(ShockLossPage::SmoothElbow);
    const GridContent& grid = sheet.grid(ShockLossPage::SmoothElbow);
    EXPECT_EQ(grid.shownText(4, 1), "0.0");
    EXPECT_EQ(grid.shownText(4, 2), "");
    EXPECT_EQ(grid.shownText(4, 3), "");
    EXPECT_EQ(grid.shownText(4, 4), "0.00");
    sheet.clearForm(ShockLossPage::Screen);
    EXPECT_EQ(sheet.grid(ShockLossPage::Screen).shownText(4, 1), "0.0");
    EXPECT_EQ(sheet.grid(ShockLossPage::Screen).shownText(4, 2), "0.97");
    const ShockLossValues& accepted = sheet.accept();
    EXPECT_EQ(accepted.rows[4].smoothElbowDistance, 0);
    EXPECT_EQ(accepted.rows[4].smoothElbowText1, "");
    EXPECT_EQ(accepted.rows[4].smoothElbowFactor, 0);
    EXPECT_EQ(accepted.rows[4].screenDistance, 0);
}

TEST(ShockLossSheet, EntryAndExitFactorsChangeOnlyByAClick) {
    ShockLossValues values = valuesOf1000mDuct(kSI);
    values.entryTypeIndex = 1;
    values.entryShockFactor = 0.7; // not the table's 1.0 for "Sharp"
    values.exitTypeIndex = 3;
    values.exitShockFactor = 0.6;
    ShockLossSheet sheet(values);
    sheet.openPage(ShockLossPage::EntryExit);
    EXPECT_EQ(sheet.checkedButton(EntryExitGroup::Entrance), shock_loss_sheet::kEntrySharp);
    EXPECT_EQ(sheet.checkedButton(EntryExitGroup::Exit), shock_loss_sheet::kExitDiffuser);
    EXPECT_EQ(sheet.accept().entryShockFactor, 0.7);
    EXPECT_EQ(sheet.values().exitShockFactor, 0.6);
    sheet.clickButton(shock_loss_sheet::kEntryFormedBell);
    EXPECT_EQ(sheet.accept().entryShockFactor, 0.1);
    EXPECT_EQ(sheet.values().entryTypeIndex, 3);
    sheet.clickButton(shock_loss_sheet::kEntryNotIncluded);
    EXPECT_EQ(sheet.values().entryShockFactor, 0);
    EXPECT_EQ(sheet.values().exitShockFactor, 0.6);
}

} // namespace
} // namespace flowmar
