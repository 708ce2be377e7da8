#include "core/fans/fan_database_doc.h"
#include "core/model/units.h"
#include "core/views/fan_database_grid.h"

#include <gtest/gtest.h>

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

        // What a person types replaces the rows; a word and a blank cell read as 0, and the
        // power is not recomputed while typing nor read back.
        ASSERT_TRUE(grid.enterText(2, 1, "800"));
        ASSERT_TRUE(grid.enterText(2, 2, "fast"));
        ASSERT_TRUE(grid.enterText(1, 3, ""));
        CurveEditorValues read = values;
        readCurveEditorGrid(grid, read);
        EXPECT_EQ(read.rows[2].pressure, 800);
        EXPECT_EQ(read.rows[2].quantity, 0);
        EXPECT_EQ(read.rows[1].efficiency, 0);
        EXPECT_EQ(read.rows[1].pressure, 1500.25) << "the stored value, not the shown one";
        EXPECT_EQ(read.rows[1].fanInputPower, values.rows[1].fanInputPower);
    }
}

} // namespace
} // namespace flowmar
