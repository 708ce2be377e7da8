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

// The density box is a NumberBox: its text as shown keeps the stored density, a typed text is
// taken whole or refused.
TEST(CurveEditor, DensityKeptUntouchedOrTakenWhole) {
    struct Case {
        const char* why;
        int units;
        double stored;
        const char* text;
        const char* message; // empty: taken
        double density;      // after OK
    };
    const Case cases[] = {
        // Read back from its one-decimal text, 1.225 became 1.2.
        {"untouched, SI", kSI, 1.225, "1.2", "", 1.225},
        {"untouched, Imperial", kImperial, 0.07491, "0.075", "", 0.07491},
        {"a number", kSI, 9, "1.2", "", 1.2},
        // The box shows one decimal; the typed second one is kept.
        {"more digits than shown", kSI, 1.225, "1.15", "", 1.15},
        {"blanks around it", kImperial, 9, " 0.075 ", "", 0.075},
        // Cut at the first letter, this would store 1.2 and hide the slip.
        {"a unit typed after it", kSI, 9, "1.2kg", "Enter a number for Fan Curve Density (kg/m³).",
         9},
        {"empty, Imperial", kImperial, 9, "", "Enter a number for Fan Curve Density (lb/ft³).", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CurveEditorValues v;
        v.unitSystem = c.units;
        v.curveDensity = c.stored;
        const std::optional<std::string> refusal = acceptCurveDensityText(v, c.text);
        EXPECT_EQ(refusal.value_or(""), c.message);
        EXPECT_EQ(v.curveDensity, c.density);
    }
}

// The edits show the whole stored text, which a file may hold longer than a person may type: it
// is kept while unchanged, and only a changed text over its limit is refused.
TEST(CurveEditor, TextsKeptUntouchedAndTypedOnesWithinTheirLimits) {
    const std::string longSetting = "110 kW two-stage"; // 16 characters, limit 10
    struct Case {
        const char* why;
        CurveEditorTexts typed;
        const char* message; // empty: all three taken
    };
    const Case cases[] = {
        {"all untouched, the setting over its limit", {"Quarry Fans", "QF-900", longSetting}, ""},
        {"typed at their limits", {std::string(30, 'M'), std::string(20, 'm'), "0123456789"}, ""},
        // Characters, not bytes: "ü" is two bytes.
        {"ten characters of eleven bytes", {"Quarry Fans", "QF-900", "Stufe 2 ü!"}, ""},
        {"an 11-character setting typed",
         {"Quarry Fans", "QF-900", "01234567890"},
         "Enter no more than 10 characters for Fan Blade/Impellor Setting."},
        {"the long setting shortened, still over",
         {"Quarry Fans", "QF-900", "110 kW two-stag"},
         "Enter no more than 10 characters for Fan Blade/Impellor Setting."},
        {"a manufacturer of 31 named first",
         {std::string(31, 'M'), std::string(21, 'm'), "01234567890"},
         "Enter no more than 30 characters for Fan Manufacturer."},
        {"a model of 21",
         {"Quarry Fans", std::string(21, 'm'), longSetting},
         "Enter no more than 20 characters for Fan Model."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CurveEditorValues v;
        v.manufacturer = "Quarry Fans";
        v.model = "QF-900";
        v.setting = longSetting;
        const CurveEditorValues before = v;
        const auto refusal = acceptCurveEditorTexts(v, c.typed);
        EXPECT_EQ(refusal ? refusal->message : "", c.message);
        if (refusal) {
            EXPECT_EQ(v.manufacturer, before.manufacturer);
            EXPECT_EQ(v.setting, before.setting);
        } else {
            EXPECT_EQ(v.manufacturer, c.typed.manufacturer);
            EXPECT_EQ(v.model, c.typed.model);
            EXPECT_EQ(v.setting, c.typed.setting);
        }
    }
}

} // namespace
} // namespace flowmar
