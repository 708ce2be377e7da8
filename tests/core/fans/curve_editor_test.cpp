#include "core/fans/curve_editor.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace flowmar {
namespace {

TEST(CurveEditor, OpensWithTheFirstPointCountRowsAndTheirFanInputPower) {
    FanCurve curve;
    curve.manufacturer = "Quarry Fans";
    curve.curveDensity = 1.2;
    curve.pointCount = 2;
    curve.points[1] = {2000, 10, 80};
    curve.points[2] = {1000, 20, 0};
    curve.points[3] = {0, 30, 50}; // the free-delivery point is not shown
    const CurveEditorValues v = openCurveEditor(curve, kSI);
    EXPECT_EQ(v.manufacturer, "Quarry Fans");
    EXPECT_EQ(v.curveDensity, 1.2);
    EXPECT_DOUBLE_EQ(v.rows[1].fanInputPower, 25.0) << "2000 Pa × 10 m³/s / 0.8 = 25 kW";
    EXPECT_EQ(v.rows[2].fanInputPower, 0) << "no efficiency given";
    EXPECT_EQ(v.rows[3].quantity, 0);
}

TEST(CurveEditor, FanInputPowerInHorsepower) {
    // 10 in.w.g. × 10 kcfm at 50 %: 100 × 52/3300 / 50 × 1000 = 31.52 hp.
    EXPECT_NEAR(fanInputPower({10, 10, 50, 0}, kImperial), 31.5151515, 1e-6);
    EXPECT_EQ(fanInputPower({10, 10, 100.5, 0}, kImperial), 0);
    EXPECT_EQ(fanInputPower({0, 10, 50, 0}, kSI), 0);
}

TEST(CurveEditor, ClearEmptiesEveryRowAndColumn) {
    FanCurve curve;
    curve.pointCount = 1;
    curve.points[1] = {2000, 10, 80};
    CurveEditorValues v = openCurveEditor(curve, kSI);
    v.rows[15].efficiency = 4;
    clearCurveEditor(v);
    for (const CurveEditorRow& row : v.rows) {
        EXPECT_EQ(row.pressure + row.quantity + row.efficiency + row.fanInputPower, 0);
    }
}

TEST(CurveEditor, ColumnsAndLabelsFollowTheUnitSystem) {
    const auto si = curveEditorColumns(kSI);
    const auto imperial = curveEditorColumns(kImperial);
    EXPECT_EQ(si[1].header, "P (Pa)");
    EXPECT_EQ(imperial[1].header, "P (in.w.g.)");
    EXPECT_EQ(si[2].header, "Q (m³/s)");
    EXPECT_EQ(si[2].decimals, 1);
    EXPECT_EQ(imperial[2].decimals, 2);
    EXPECT_EQ(imperial[4].header, "FIP (hp)");
    EXPECT_TRUE(si[4].readOnly);
    EXPECT_EQ(curveDensityLabel(kSI), "Fan Curve Density (kg/m³)");
    EXPECT_EQ(curveDensityLabel(kImperial), "Fan Curve Density (lb/ft³)");
    EXPECT_EQ(curveDensityText(1.2, kSI), "1.2");
    EXPECT_EQ(curveDensityText(0.0749, kImperial), "0.075");
}

TEST(CurveEditor, DensityMustBeOneWholeNumber) {
    struct Case {
        const char* why;
        int units;
        const char* text;
        const char* message; // empty: taken
        double density;      // after OK
    };
    const Case cases[] = {
        {"a number", kSI, "1.2", "", 1.2},
        {"blanks around it", kImperial, " 0.075 ", "", 0.075},
        // Cut at the first letter, this would store 1.2 and hide the slip.
        {"a unit typed after it", kSI, "1.2kg", "Enter a number for Fan Curve Density (kg/m³).", 9},
        {"empty, Imperial", kImperial, "", "Enter a number for Fan Curve Density (lb/ft³).", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CurveEditorValues v;
        v.unitSystem = c.units;
        v.curveDensity = 9;
        const std::optional<std::string> refusal = acceptCurveDensityText(v, c.text);
        EXPECT_EQ(refusal.value_or(""), c.message);
        EXPECT_EQ(v.curveDensity, c.density);
    }
}

} // namespace
} // namespace flowmar
