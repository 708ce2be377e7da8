#include "core/views/grid_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace flowmar {
namespace {

constexpr Rgb kGrey = GridStyle::readOnlyGrey();

// The curve editor's grid as its dialog fills it: 15 points, pressure with 3 decimals, quantity
// and efficiency with 1, a read-only grey fan-input-power column, and a drop-down column in place
// of nothing the editor has, so that both kinds of cell sit side by side.
class CurveEditorContent : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setRowCount(15);
        grid.setColumnCount(5);
        grid.applyStyle(1, 1, 15, 4, GridStyle().setAlignment(GridAlignment::Right).setDecimals(1));
        grid.applyStyle(1, 1, 15, 1, GridStyle().setDecimals(3));
        grid.applyStyle(1, 5, 15, 5, GridStyle().setDropDownList("45\n90\n135\n180"));
        const char* headers[] = {"Point", "P (Pa)", "Q (m³/s)", "Eff (%)", "FIP (kW)", "Angle"};
        for (int column = 0; column <= 5; ++column) {
            grid.setHeaderText(column, headers[column]);
        }
        grid.setColumnWidths(1, 5, 57);
        for (int row = 1; row <= 15; ++row) {
            grid.setValue(row, 1, 1000.0 - 50 * row);
            grid.setValue(row, 2, 10.0 + row);
            grid.setValue(row, 3, 70.0);
            grid.setValue(row, 4, 0.0);
        }
        grid.setReadOnlyLock(false);
        grid.applyStyle(1, 4, 15, 4, GridStyle().setReadOnly().setInterior(kGrey));
        grid.setReadOnlyLock(true);
    }

    GridContent grid;
};

struct NumberCase {
    const char* why;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.why; }
    int decimals;
    double value;
    const char* shown;
    const char* stored;
    double readBack;
};

class NumberFormat : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormat, ShowsFixedDecimalsAndKeepsTheFullValue) {
    const NumberCase& c = GetParam();
    GridContent grid(1, 1);
    grid.applyStyle(1, 1, 1, 1, GridStyle().setDecimals(c.decimals));
    ASSERT_TRUE(grid.setValue(1, 1, c.value));
    EXPECT_EQ(grid.shownText(1, 1), c.shown);
    EXPECT_EQ(grid.valueText(1, 1), c.stored);
    EXPECT_TRUE(grid.cell(1, 1).value.isNumber);
    EXPECT_EQ(grid.number(1, 1), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    GridContent, NumberFormat,
    ::testing::Values(
        NumberCase{"a tenth shown with 3 decimals reads back as the tenth", 3, 0.1, "0.100", "0.1",
                   0.1},
        NumberCase{"the shown rounding does not reach the stored text", 2, 2.0 / 3, "0.67",
                   "0.6666666666667", 2.0 / 3},
        NumberCase{"the shown value is rounded once, from the exact value", 2, 0.37499999999999994,
                   "0.37", "0.375", 0.37499999999999994},
        NumberCase{"0 decimals round to a whole number", 0, 1499.6, "1500", "1499.6", 1499.6},
        NumberCase{"5 decimals pad a whole number", 5, 7, "7.00000", "7", 7},
        NumberCase{"a negative value keeps its sign", 1, -2.26, "-2.3", "-2.26", -2.26},
        NumberCase{"13 significant digits are written, every digit is kept", 1, 1234567.891234567,
                   "1234567.9", "1234567.891235", 1234567.891234567},
        NumberCase{"more decimals than a format shows are cut to 15", 20, 0.5, "0.500000000000000",
                   "0.5", 0.5},
        NumberCase{"fewer than none are none", -3, 2.5, "2", "2.5", 2.5}));

TEST(GridContent, ANumberWithoutANumberFormatShowsItsStoredText) {
    GridContent grid(1, 2);
    grid.setValue(1, 1, 2.0 / 3);
    EXPECT_EQ(grid.shownText(1, 1), "0.6666666666667");
    // The format given later reaches the number already there.
    grid.applyStyle(1, 1, 1, 1, GridStyle().setDecimals(1));
    EXPECT_EQ(grid.shownText(1, 1), "0.7");
    // A text in a number cell is shown as it is, even when it starts with a number.
    grid.applyStyle(1, 2, 1, 2, GridStyle().setDecimals(1).setValue("12 m"));
    EXPECT_EQ(grid.shownText(1, 2), "12 m");
    EXPECT_EQ(grid.number(1, 2), 12);
}

TEST(GridContent, ANumberThatIsNotFiniteIsWrittenAsNoNumberAndReadsZero) {
    for (const double notFinite :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(notFinite);
        GridContent grid(1, 1);
        grid.applyStyle(1, 1, 1, 1, GridStyle().setDecimals(2));
        grid.setValue(1, 1, notFinite);
        EXPECT_EQ(grid.shownText(1, 1), "-");
        EXPECT_FALSE(grid.cell(1, 1).value.isNumber);
        EXPECT_EQ(grid.number(1, 1), 0);
    }
}

TEST(GridContent, ABlankCellReadsAsZero) {
    GridContent grid(2, 2);
    EXPECT_EQ(grid.valueText(2, 2), "");
    EXPECT_EQ(grid.number(2, 2), 0);
    // A cell emptied by the program reads as 0 as well.
    grid.setValue(1, 1, 12.5);
    grid.setValue(1, 1, "");
    EXPECT_EQ(grid.number(1, 1), 0);
    // Outside the grid there is nothing to read.
    EXPECT_EQ(grid.valueText(3, 1), "");
    EXPECT_EQ(grid.number(0, 9), 0);
    EXPECT_EQ(grid.shownText(-1, 1), "");
}

struct TypedCase {
    const char* why;
    friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.why; }
    const char* typed;
    const char* stored;
    const char* shown;
    bool isNumber;
};

class TypedEntry : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedEntry, ANumberTypedInANumberCellShowsInItsFormat) {
    const TypedCase& c = GetParam();
    GridContent grid(1, 1);
    grid.applyStyle(1, 1, 1, 1, GridStyle().setDecimals(3));
    ASSERT_TRUE(grid.enterText(1, 1, c.typed));
    EXPECT_EQ(grid.valueText(1, 1), c.stored);
    EXPECT_EQ(grid.shownText(1, 1), c.shown);
    EXPECT_EQ(grid.cell(1, 1).value.isNumber, c.isNumber);
}

INSTANTIATE_TEST_SUITE_P(
    GridContent, TypedEntry,
    ::testing::Values(
        TypedCase{"a typed tenth", "0.1", "0.1", "0.100", true},
        TypedCase{"blanks around a number", " 2.5 ", "2.5", "2.500", true},
        TypedCase{"a tab and a newline are blanks too", "\t2.5\n", "2.5", "2.500", true},
        TypedCase{"an exponent", "1e3", "1000", "1000.000", true},
        TypedCase{"a signed exponent", "-25E-1", "-2.5", "-2.500", true},
        TypedCase{"no leading digit", ".5", "0.5", "0.500", true},
        TypedCase{"no digit after the point", "5.", "5", "5.000", true},
        TypedCase{"text after a number stays as typed (and reads as 12)", "12 m", "12 m", "12 m",
                  false},
        TypedCase{"an exponent without digits is no number", "2e", "2e", "2e", false},
        TypedCase{"a word stays as typed (and reads as 0)", "none", "none", "none", false},
        TypedCase{"a lone point is no number", ".", ".", ".", false},
        TypedCase{"a lone sign is no number", "-", "-", "-", false},
        TypedCase{"nothing empties the cell", "", "", "", false}));

TEST(GridContent, ANumberTypedInACellWithoutANumberFormatStaysText) {
    GridContent grid(1, 1);
    ASSERT_TRUE(grid.enterText(1, 1, " 0.1"));
    EXPECT_EQ(grid.valueText(1, 1), " 0.1");
    EXPECT_FALSE(grid.cell(1, 1).value.isNumber);
    EXPECT_EQ(grid.number(1, 1), 0.1);
}

TEST(GridContent, AStyleReachesEveryCellOfItsRangeAndNoOther) {
    GridContent grid(6, 5);
    const GridStyle style = GridStyle()
                                .setAlignment(GridAlignment::Right)
                                .setDecimals(2)
                                .setReadOnly()
                                .setInterior(kGrey)
                                .setDropDownList("a\nb")
                                .setValue(1.5);
    ASSERT_TRUE(grid.applyStyle(2, 2, 4, 3, style));
    for (int row = 0; row <= 6; ++row) {
        for (int column = 0; column <= 5; ++column) {
            SCOPED_TRACE(testing::Message() << "cell (" << row << ", " << column << ")");
            const bool inside = row >= 2 && row <= 4 && column >= 2 && column <= 3;
            const GridCell& cell = grid.cell(row, column);
            EXPECT_EQ(cell.alignment.has_value(), inside);
            EXPECT_EQ(cell.decimals.has_value(), inside);
            EXPECT_EQ(cell.readOnly, inside);
            EXPECT_EQ(cell.interior.has_value(), inside);
            EXPECT_EQ(cell.kind == GridCellKind::DropDownList, inside);
            EXPECT_EQ(cell.value.text, inside ? "1.5" : "");
            EXPECT_EQ(grid.shownText(row, column),
                      inside ? "1.50" : (column == 0 && row > 0 ? std::to_string(row) : ""));
        }
    }
}

TEST(GridContent, AStyleChangesOnlyTheAttributesSetOnIt) {
    GridContent grid(1, 1);
    grid.applyStyle(1, 1, 1, 1,
                    GridStyle()
                        .setAlignment(GridAlignment::Centre)
                        .setDecimals(1)
                        .setInterior(kGrey)
                        .setDropDownList("1\n2")
                        .setValue(2.0));
    grid.applyStyle(1, 1, 1, 1, GridStyle().setAlignment(GridAlignment::Left));
    const GridCell& cell = grid.cell(1, 1);
    EXPECT_EQ(cell.alignment, GridAlignment::Left);
    EXPECT_EQ(cell.decimals, 1);
    EXPECT_EQ(cell.interior, kGrey);
    EXPECT_EQ(cell.choices, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(cell.value, GridValue::fromNumber(2));
    // A plain-cell style drops the choices with the drop-down kind.
    grid.applyStyle(1, 1, 1, 1, GridStyle().setPlainCell());
    EXPECT_EQ(cell.kind, GridCellKind::Plain);
    EXPECT_TRUE(cell.choices.empty());
    EXPECT_TRUE(grid.enterText(1, 1, "7"));
}

struct RangeCase {
    const char* why;
    friend void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.why; }
    int top, left, bottom, right;
    bool taken;
    std::vector<std::pair<int, int>> written; // the cells of the 2 x 2 grid that got the value
};

class StyleRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(StyleRange, StylesTheCellsInTheGridAndSaysWhetherAllWere) {
    const RangeCase& c = GetParam();
    GridContent grid(2, 2);
    EXPECT_EQ(grid.applyStyle(c.top, c.left, c.bottom, c.right, GridStyle().setValue("x")),
              c.taken);
    for (int row = 0; row <= 2; ++row) {
        for (int column = 0; column <= 2; ++column) {
            const bool written = std::find(c.written.begin(), c.written.end(),
                                           std::pair{row, column}) != c.written.end();
            EXPECT_EQ(grid.valueText(row, column), written ? "x" : "")
                << "cell (" << row << ", " << column << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    GridContent, StyleRange,
    ::testing::Values(
        RangeCase{"the whole grid, headers included",
                  0,
                  0,
                  2,
                  2,
                  true,
                  {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}},
        RangeCase{
            "a range running past the corner styles what lies inside", 2, 2, 5, 5, false, {{2, 2}}},
        RangeCase{"a range starting above the header row", -1, 1, 1, 1, false, {{0, 1}, {1, 1}}},
        RangeCase{"a range wholly below the grid styles nothing", 3, 1, 3, 1, false, {}},
        RangeCase{"a range wholly right of the grid styles nothing", 1, 3, 2, 4, false, {}},
        RangeCase{"an upside-down range styles nothing", 2, 1, 1, 1, false, {}}));

TEST_F(CurveEditorContent, TheProgramWritesAReadOnlyCellOnlyWithTheLockOff) {
    EXPECT_FALSE(grid.setValue(5, 4, 3.5));
    EXPECT_EQ(grid.valueText(5, 4), "0");
    // With the lock on, the cell keeps its whole style too, read-only part included.
    EXPECT_FALSE(grid.applyStyle(5, 4, 5, 4, GridStyle().setReadOnly(false)));
    EXPECT_TRUE(grid.cell(5, 4).readOnly);
    // A range over both kinds styles the cells that take it and says that some refused.
    EXPECT_FALSE(grid.applyStyle(5, 3, 5, 4, GridStyle().setValue(1.0)));
    EXPECT_EQ(grid.valueText(5, 3), "1");
    EXPECT_EQ(grid.valueText(5, 4), "0");

    grid.setReadOnlyLock(false);
    EXPECT_TRUE(grid.setValue(5, 4, 3.5));
    grid.setReadOnlyLock(true);
    EXPECT_EQ(grid.valueText(5, 4), "3.5");
    EXPECT_EQ(grid.shownText(5, 4), "3.5");
    // A person still cannot type there while the lock is off.
    grid.setReadOnlyLock(false);
    EXPECT_FALSE(grid.enterText(5, 4, "1"));
    EXPECT_EQ(grid.valueText(5, 4), "3.5");
}

TEST_F(CurveEditorContent, ADropDownCellTakesOnlyOneOfItsChoices) {
    EXPECT_EQ(grid.cell(1, 5).choices, (std::vector<std::string>{"45", "90", "135", "180"}));
    EXPECT_FALSE(grid.enterText(1, 5, "60"));
    EXPECT_EQ(grid.valueText(1, 5), "");
    EXPECT_FALSE(grid.enterText(1, 5, "90 ")); // the match is exact
    EXPECT_TRUE(grid.enterText(1, 5, "90"));
    EXPECT_EQ(grid.valueText(1, 5), "90");
    // A choice that looks like a number stays the choice's text.
    EXPECT_FALSE(grid.cell(1, 5).value.isNumber);
    EXPECT_FALSE(grid.enterText(1, 5, "9"));
    EXPECT_EQ(grid.valueText(1, 5), "90");
    // Emptying the cell is no choice and always allowed.
    EXPECT_TRUE(grid.enterText(1, 5, ""));
    EXPECT_EQ(grid.valueText(1, 5), "");
}

TEST_F(CurveEditorContent, TheProgramKeepsAChoiceTextThatIsNotInTheList) {
    // A text read from a file is shown and handed back as it is, not lost on the way.
    EXPECT_TRUE(grid.setValue(4, 5, "60"));
    EXPECT_EQ(grid.valueText(4, 5), "60");
    EXPECT_EQ(grid.shownText(4, 5), "60");
}

struct ChoicesCase {
    const char* why;
    friend void PrintTo(const ChoicesCase& c, std::ostream* os) { *os << c.why; }
    const char* text;
    std::vector<std::string> choices;
};

class DropDownChoices : public ::testing::TestWithParam<ChoicesCase> {};

TEST_P(DropDownChoices, AreTheLinesOfOneText) {
    EXPECT_EQ(GridStyle().setDropDownList(GetParam().text).choices(), GetParam().choices);
}

INSTANTIATE_TEST_SUITE_P(
    GridContent, DropDownChoices,
    ::testing::Values(
        ChoicesCase{"the shock-loss angles, in the order given",
                    "45\n90\n135\n180",
                    {"45", "90", "135", "180"}},
        ChoicesCase{"carriage returns of a list typed on Windows",
                    "0.5\r\n0.75\r\n1.0",
                    {"0.5", "0.75", "1.0"}},
        ChoicesCase{"empty lines and a last newline give no choice", "\na\n\nb\n", {"a", "b"}},
        ChoicesCase{"blanks inside a choice are its own", " a b \nc", {" a b ", "c"}},
        ChoicesCase{"no text, no choice", "", {}}));

TEST_F(CurveEditorContent, HeaderTextsAndRowNumbers) {
    EXPECT_EQ(grid.shownText(0, 0), "Point");
    EXPECT_EQ(grid.shownText(0, 2), "Q (m³/s)");
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(grid.shownText(row, 0), std::to_string(row));
        EXPECT_EQ(grid.valueText(row, 0), "");
    }
    // A text the program writes in the header column replaces that row's number only, even
    // an empty text.
    grid.setValue(3, 0, "Max");
    grid.setValue(4, 0, "");
    EXPECT_EQ(grid.shownText(3, 0), "Max");
    EXPECT_EQ(grid.shownText(4, 0), "");
    EXPECT_EQ(grid.shownText(5, 0), "5");
    // Header cells take no person's entry.
    EXPECT_FALSE(grid.enterText(0, 1, "x"));
    EXPECT_FALSE(grid.enterText(2, 0, "x"));
    EXPECT_EQ(grid.shownText(0, 1), "P (Pa)");
    EXPECT_EQ(grid.shownText(2, 0), "2");
}

TEST_F(CurveEditorContent, ChangingTheShapeKeepsCellsStylesAndWidths) {
    grid.enterText(2, 2, "5");
    grid.setRowCount(20);
    EXPECT_EQ(grid.rowCount(), 20);
    EXPECT_EQ(grid.valueText(2, 2), "5");
    EXPECT_EQ(grid.shownText(15, 1), "250.000");
    EXPECT_EQ(grid.valueText(20, 1), "");
    EXPECT_FALSE(grid.cell(20, 1).decimals.has_value());
    EXPECT_EQ(grid.shownText(20, 0), "20");
    grid.setColumnCount(2);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.valueText(1, 3), "");
    EXPECT_EQ(grid.cell(1, 2).decimals, 1);
    EXPECT_EQ(grid.columnWidth(2), 57);
    // A column that comes back is a new one: no values, no style, the default width.
    grid.setColumnCount(3);
    EXPECT_EQ(grid.valueText(1, 3), "");
    EXPECT_FALSE(grid.cell(1, 3).readOnly);
    EXPECT_EQ(grid.columnWidth(3), GridContent::kDefaultColumnWidth);
    grid.setRowCount(-4);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.shownText(0, 1), "P (Pa)");
}

TEST(GridContent, ColumnWidthsInGridUnits) {
    GridContent grid(3, 4);
    EXPECT_EQ(grid.columnWidth(1), GridContent::kDefaultColumnWidth);
    // The header column is as wide as its texts until the program sets it.
    EXPECT_EQ(grid.columnWidth(0), std::nullopt);
    grid.setColumnWidth(0, 20);
    EXPECT_EQ(grid.columnWidth(0), 20);
    grid.setColumnWidths(2, 9, 150);
    EXPECT_EQ(grid.columnWidth(1), GridContent::kDefaultColumnWidth);
    EXPECT_EQ(grid.columnWidth(2), 150);
    EXPECT_EQ(grid.columnWidth(4), 150);
    EXPECT_EQ(grid.columnWidth(5), std::nullopt);
    grid.setColumnWidth(3, -5);
    EXPECT_EQ(grid.columnWidth(3), 0);
    grid.setColumnWidth(7, 40);
    EXPECT_EQ(grid.columnCount(), 4);
}

TEST_F(CurveEditorContent, EveryValueThatChangesIsReportedAndCanBePutBack) {
    std::vector<GridValueChange> changes;
    // Row 2 holds 900 (shown 900.000), 12, 70 and 0 (read-only); the style writes 70 over all.
    EXPECT_FALSE(grid.applyStyle(2, 1, 2, 4, GridStyle().setValue(70.0), &changes));
    ASSERT_EQ(changes.size(), 2u) << "column 3 held 70 already; column 4 refused";
    EXPECT_EQ(changes[0].column, 1);
    EXPECT_EQ(changes[0].before.text, "900");
    EXPECT_EQ(changes[0].after.text, "70");
    EXPECT_EQ(changes[1].column, 2);
    EXPECT_EQ(changes[1].before.text, "12");
    for (const GridValueChange& change : changes) {
        grid.restoreValue(change.row, change.column, change.before, change.beforeWritten);
    }
    EXPECT_EQ(grid.shownText(2, 1), "900.000");
    EXPECT_EQ(grid.valueText(2, 2), "12");

    // A person's paste reports the cells that took a new text only.
    changes.clear();
    EXPECT_EQ(grid.enterTexts({{1, 3, "70"}, {1, 4, "1"}, {1, 5, "135"}, {16, 1, "2"}}, &changes),
              2);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].column, 5);
    EXPECT_EQ(changes[0].before, GridValue{});
    EXPECT_EQ(changes[0].after, GridValue::fromText("135"));
}

TEST(GridContent, PuttingBackAHeaderColumnTextShowsTheRowNumberAgain) {
    GridContent grid(2, 1);
    std::vector<GridValueChange> changes;
    // Writing "" where the row number shows is a change, though the stored text stays "".
    grid.setValue(1, 0, "", &changes);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_FALSE(changes[0].beforeWritten);
    EXPECT_EQ(grid.shownText(1, 0), "");
    grid.restoreValue(1, 0, changes[0].before, changes[0].beforeWritten);
    EXPECT_EQ(grid.shownText(1, 0), "1");
    // Outside the grid nothing is put back.
    grid.restoreValue(3, 1, GridValue::fromText("x"), true);
    EXPECT_EQ(grid.valueText(3, 1), "");
}

} // namespace
} // namespace flowmar
