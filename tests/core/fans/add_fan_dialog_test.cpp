#include "core/fans/add_fan_dialog.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace flowmar {
namespace {

// The edits round to the decimals they show; OK with the texts as shown keeps every stored digit.
TEST(AddFanDialog, EditsShowFixedDecimalsAndUntouchedBoxesKeepTheStoredDigits) {
    AddFanValues v;
    v.unitSystem = kSI;
    v.distance = 123.456;
    v.fixedPressure = 1500.004;
    v.curve.curveDensity = 1.18;
    v.curve.pointCount = 4;
    AddFanEditTexts texts = addFanEditTexts(v);
    EXPECT_EQ(texts.distance, "123.46");
    EXPECT_EQ(texts.fixedPressure, "1500.00");
    EXPECT_EQ(texts.curveDensity, "1.2");
    EXPECT_EQ(texts.pointCount, "4");
    EXPECT_EQ(texts.distanceUnit, "(m)");
    EXPECT_EQ(texts.fixedPressureUnit, "(Pa)");
    // The curve's boxes are read-only: whatever they hold is never read back.
    texts.curveDensity = "7";
    texts.pointCount = "9";
    EXPECT_FALSE(acceptAddFanEditTexts(v, texts));
    EXPECT_EQ(v.distance, 123.456);
    EXPECT_EQ(v.fixedPressure, 1500.004);
    EXPECT_EQ(v.curve.curveDensity, 1.18);
    EXPECT_EQ(v.curve.pointCount, 4);

    v.unitSystem = kImperial;
    v.curve.curveDensity = 0.07491;
    texts = addFanEditTexts(v);
    EXPECT_EQ(texts.curveDensity, "0.075");
    EXPECT_EQ(texts.fixedPressureUnit, "(in.w.g.)");
    EXPECT_EQ(texts.curveDensityUnit, "(lb/ft³)");
    EXPECT_FALSE(acceptAddFanEditTexts(v, texts));
    EXPECT_EQ(v.curve.curveDensity, 0.07491);
}

// OK takes the two typed numbers only when each box holds one whole number, taken with all its
// digits, and the fixed pressure is not below zero; the first box that fails is named, in the
// model's units, and the values stay untouched.
TEST(AddFanDialog, OkNeedsOneWholeNumberInEachTypedBox) {
    struct Case {
        const char* why;
        int units;
        const char* distance;
        const char* fixedPressure;
        std::optional<AddFanField> refused;
        const char* message;
        double distanceTaken = 120.5;
        double fixedPressureTaken = 800;
    };
    const Case cases[] = {
        {"both numbers", kSI, " 120.5 ", "800", std::nullopt, ""},
        // The edit shows two decimals; what is typed is never rounded to them.
        {"more digits than shown", kSI, "120.456789", "800.125", std::nullopt, "", 120.456789,
         800.125},
        {"no fixed pressure at all", kImperial, "120.5", "0", std::nullopt, "", 120.5, 0},
        // Read as far as it goes, "abc" was a fan at the duct start and "12.5 Pa" 12.5 Pa.
        {"a word for the distance", kSI, "abc", "800", AddFanField::Distance,
         "Enter a number for Distance Along Duct (m)."},
        {"a unit typed after the pressure", kSI, "40", "12.5 Pa", AddFanField::FixedPressure,
         "Enter a number for Fixed Fan Pressure (Pa)."},
        // Under a point locale "1,500" was read as 1.
        {"a thousands separator", kSI, "40", "1,500", AddFanField::FixedPressure,
         "Enter a number for Fixed Fan Pressure (Pa)."},
        {"a pressure below zero", kSI, "40", "-1", AddFanField::FixedPressure,
         "Enter 0 or more for Fixed Fan Pressure (Pa)."},
        {"a pressure below zero in Imperial", kImperial, "40", "-0.5", AddFanField::FixedPressure,
         "Enter 0 or more for Fixed Fan Pressure (in.w.g.)."},
        // The run-time conversion would take "12m" as 12 and place the fan silently.
        {"a unit typed after the distance", kSI, "12m", "800", AddFanField::Distance,
         "Enter a number for Distance Along Duct (m)."},
        {"an empty pressure in Imperial", kImperial, "40", "", AddFanField::FixedPressure,
         "Enter a number for Fixed Fan Pressure (in.w.g.)."},
        {"the distance is named first", kSI, "x", "y", AddFanField::Distance,
         "Enter a number for Distance Along Duct (m)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        AddFanValues v;
        v.unitSystem = c.units;
        v.distance = 7;
        v.fixedPressure = 9;
        AddFanEditTexts texts = addFanEditTexts(v);
        texts.distance = c.distance;
        texts.fixedPressure = c.fixedPressure;
        const std::optional<AddFanRefusal> refusal = acceptAddFanEditTexts(v, texts);
        ASSERT_EQ(refusal.has_value(), c.refused.has_value());
        if (refusal) {
            EXPECT_EQ(refusal->field, *c.refused);
            EXPECT_EQ(refusal->message, c.message);
            EXPECT_EQ(v.distance, 7);
            EXPECT_EQ(v.fixedPressure, 9);
        } else {
            EXPECT_EQ(v.distance, c.distanceTaken);
            EXPECT_EQ(v.fixedPressure, c.fixedPressureTaken);
        }
    }
}

} // namespace
} // namespace flowmar
