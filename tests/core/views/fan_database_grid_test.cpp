#include "core/fans/fan_database_doc.h"
#include "core/model/units.h"
#include "core/views/fan_database_grid.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace flowmar {
namespace {

CFanDatabaseDoc threeFans(int unitSystem, double firstDensity) {
    CFanDatabaseDoc db;
    db.unitSystem = unitSystem;
    db.fanCount = 3;
    for (int i = 1; i <= 3; ++i) {
        db.fans[i].manufacturer = "Maker " + std::to_string(i);
        db.fans[i].model = "M" + std::to_string(i);
        db.fans[i].setting = "S" + std::to_string(i);
        db.fans[i].curveDensity = 1.2;
    }
    db.fans[1].curveDensity = firstDensity;
    db.fans[4].manufacturer = "beyond the count";
    return db;
}

TEST(FanDatabaseGrid, OneReadOnlyRowPerFanWithTheDensityInTheDatabaseUnits) {
    struct Case {
        const char* why;
        int units;
        double firstDensity;
        int rows;
        std::string density; // fan 2's density as shown
    };
    const Case cases[] = {
        {"SI: kg/m³ to one decimal", kSI, 1.2, 3, "1.2"},
        // 1.2 kg/m³ is 0.0749 lb/ft³: three decimals, converted, not the stored SI value.
        {"Imperial: lb/ft³ to three decimals", kImperial, 1.2, 3, "0.075"},
        // The first fan decides: no density there, no list, though three fans exist.
        {"first fan without a density", kSI, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const GridContent grid = fanDatabaseGrid(threeFans(c.units, c.firstDensity));
        EXPECT_EQ(grid.rowCount(), c.rows);
        EXPECT_EQ(grid.columnCount(), 4);
        EXPECT_EQ(grid.shownText(0, 1), "Fan Manufacturer");
        EXPECT_EQ(grid.shownText(0, 4), "Fan Curve Density");
        EXPECT_EQ(grid.columnWidth(3), 110);
        if (c.rows == 0) {
            continue;
        }
        EXPECT_EQ(grid.shownText(2, 1), "Maker 2");
        EXPECT_EQ(grid.shownText(3, 3), "S3");
        EXPECT_EQ(grid.shownText(2, 4), c.density);
        EXPECT_TRUE(grid.cell(1, 1).readOnly);
        EXPECT_TRUE(grid.cell(3, 4).readOnly);
    }
}

TEST(SelectFanGrid, AlwaysHundredRowsWithEmptyRowsAfterTheLastFan) {
    SelectFanValues values;
    for (int i = 1; i <= 5; ++i) {
        values.manufacturer[i] = "Maker " + std::to_string(i);
        values.model[i] = "M" + std::to_string(i);
        values.setting[i] = "S" + std::to_string(i);
    }
    const GridContent grid = selectFanGrid(values);
    EXPECT_EQ(grid.rowCount(), 100);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.shownText(0, 2), "Model");
    EXPECT_EQ(grid.shownText(5, 1), "Maker 5");
    EXPECT_EQ(grid.shownText(5, 3), "S5");
    EXPECT_EQ(grid.shownText(6, 1), "") << "after the file's last fan";
    EXPECT_EQ(grid.shownText(100, 2), "");
    EXPECT_EQ(grid.shownText(100, 0), "100") << "the row numbers reach 100";
    EXPECT_EQ(grid.columnWidth(2), 85) << "short names keep the usual width";
    values.setting[3] = "110 kW two-stage"; // longer than the editor takes, as files may hold
    EXPECT_GT(selectFanGrid(values).columnWidth(3), 16 * 6) << "no name is cut";
    EXPECT_EQ(grid.cell(1, 1).alignment, GridAlignment::Left);
    EXPECT_EQ(grid.cell(1, 3).alignment, GridAlignment::Right);
}

TEST(CurveEditorGrid, ShowsTheRowsInTheEditorsFormatsAndReadsBackTheTypedOnes) {
    struct Case {
        const char* why;
        int units;
        const char* pressureHeader;
        std::string quantity; // row 1's quantity as shown
        const char* powerHeader;
    };
    const Case cases[] = {
        {"SI: one decimal of m³/s", kSI, "P (Pa)", "12.3", "FIP (kW)"},
        {"Imperial: two decimals of kcfm", kImperial, "P (in.w.g.)", "12.35", "FIP (hp)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CurveEditorValues values;
        values.unitSystem = c.units;
        values.rows[1] = {1500.25, 12.346, 70, 0};
        values.rows[1].fanInputPower = fanInputPower(values.rows[1], c.units);
        GridContent grid = curveEditorGrid(values);
        EXPECT_EQ(grid.rowCount(), 15);
        EXPECT_EQ(grid.shownText(0, 1), c.pressureHeader);
        EXPECT_EQ(grid.shownText(0, 4), c.powerHeader);
        EXPECT_EQ(grid.shownText(1, 1), "1500.250");
        EXPECT_EQ(grid.shownText(1, 2), c.quantity);
        // Cells keep 13 significant digits.
        EXPECT_NEAR(grid.number(1, 4), values.rows[1].fanInputPower,
                    values.rows[1].fanInputPower * 1e-12)
            << "computed on opening";
        EXPECT_TRUE(grid.cell(1, 4).readOnly);
        EXPECT_EQ(grid.cell(15, 4).interior, GridStyle::readOnlyGrey());
        EXPECT_FALSE(grid.cell(15, 3).readOnly);
        EXPECT_FALSE(grid.enterText(2, 4, "9")) << "a person cannot type a power";

        // What a person types replaces the rows, with all its digits; a blank cell reads as 0,
        // and the power is not recomputed while typing nor read back.
        ASSERT_TRUE(grid.enterText(2, 1, "800.12345"));
        ASSERT_TRUE(grid.enterText(2, 2, " 9.5 "));
        ASSERT_TRUE(grid.enterText(1, 3, ""));
        CurveEditorValues read = values;
        EXPECT_FALSE(readCurveEditorGrid(grid, read));
        EXPECT_EQ(read.rows[2].pressure, 800.12345);
        EXPECT_EQ(read.rows[2].quantity, 9.5);
        EXPECT_EQ(read.rows[1].efficiency, 0);
        EXPECT_EQ(read.rows[1].pressure, 1500.25) << "the stored value, not the shown one";
        EXPECT_EQ(read.rows[1].quantity, 12.346) << "the stored value, not the shown one";
        EXPECT_EQ(read.rows[1].fanInputPower, values.rows[1].fanInputPower);
    }
}

// An untouched cell keeps its row's value with every digit, beyond the 13 a cell's text holds.
TEST(CurveEditorGrid, UntouchedCellsKeepEveryDigit) {
    CurveEditorValues values;
    values.unitSystem = kImperial;
    values.rows[1] = {10.036750000000001, 42.970692000000005, 71.23456789012345, 0};
    values.rows[2] = {1.0 / 3.0, 2.0 / 3.0, 0, 0};
    const GridContent grid = curveEditorGrid(values);
    CurveEditorValues read = values;
    EXPECT_FALSE(readCurveEditorGrid(grid, read));
    for (int m = 1; m <= 2; ++m) {
        EXPECT_EQ(read.rows[m].pressure, values.rows[m].pressure);
        EXPECT_EQ(read.rows[m].quantity, values.rows[m].quantity);
        EXPECT_EQ(read.rows[m].efficiency, values.rows[m].efficiency);
    }
}

// A typed cell must be one whole number in the locale's form; the first that is not is named by
// its row and column and nothing is read.
TEST(CurveEditorGrid, TypedCellThatIsNoWholeNumberIsRefusedByRowAndColumn) {
    struct Case {
        const char* why;
        int units;
        int row;
        int column;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        // Read as far as it went, "2,500" Pa was 2 Pa and the curve was accepted.
        {"a thousands separator", kSI, 3, 1, "2,500", "Enter a number for P (Pa) in row 3."},
        {"a word", kImperial, 7, 2, "fast", "Enter a number for Q (kcfm) in row 7."},
        {"a unit after the number", kSI, 15, 3, "70%", "Enter a number for Eff (%) in row 15."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CurveEditorValues values;
        values.unitSystem = c.units;
        values.rows[1] = {1500, 12, 70, 0};
        GridContent grid = curveEditorGrid(values);
        ASSERT_TRUE(grid.enterText(1, 1, "1600"));
        ASSERT_TRUE(grid.enterText(c.row, c.column, c.text));
        CurveEditorValues read = values;
        const std::optional<CurveCellRefusal> refusal = readCurveEditorGrid(grid, read);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->row, c.row);
        EXPECT_EQ(refusal->column, c.column);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(read.rows[1].pressure, 1500) << "nothing is read";
    }
}

// The editor's OK checks the texts, then the density, then the grid, and takes all or nothing.
TEST(CurveEditorGrid, OkNamesTheFirstRefusedBoxOrCell) {
    CurveEditorValues values;
    values.unitSystem = kSI;
    values.setting = "110 kW two-stage";
    values.curveDensity = 1.225;
    values.rows[1] = {1500, 12, 70, 0};
    const CurveEditorTexts untouched{"", "", values.setting};
    GridContent grid = curveEditorGrid(values);
    ASSERT_TRUE(grid.enterText(2, 2, "2,500"));

    CurveEditorValues read = values;
    auto refusal = acceptCurveEditor(read, {"", "", "01234567890"}, "x", grid);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->box, CurveEditorBox::Setting);
    refusal = acceptCurveEditor(read, untouched, "x", grid);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->box, CurveEditorBox::Density);
    refusal = acceptCurveEditor(read, untouched, "1.2", grid);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->box, CurveEditorBox::Cell);
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->column, 2);
    EXPECT_EQ(read.rows, values.rows);
    EXPECT_EQ(read.setting, values.setting);

    ASSERT_TRUE(grid.enterText(2, 2, "2500"));
    ASSERT_TRUE(grid.enterText(2, 1, "900"));
    EXPECT_FALSE(acceptCurveEditor(read, untouched, "1.15", grid));
    EXPECT_EQ(read.curveDensity, 1.15);
    EXPECT_EQ(read.rows[2].quantity, 2500);
    EXPECT_EQ(read.setting, "110 kW two-stage");
}

} // namespace
} // namespace flowmar
