#include "core/fans/add_fan_dialog.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace flowmar {
namespace {

TEST(AddFanDialog, EditsShowFixedDecimalsAndHandBackTheRoundedValues) {
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
    takeAddFanEditTexts(v, texts);
    EXPECT_EQ(v.distance, 123.46);
    EXPECT_EQ(v.fixedPressure, 1500);
    EXPECT_EQ(v.curve.curveDensity, 1.2);

    v.unitSystem = kImperial;
    v.curve.curveDensity = 0.07491;
    texts = addFanEditTexts(v);
    EXPECT_EQ(texts.curveDensity, "0.075");
    EXPECT_EQ(texts.fixedPressureUnit, "(in.w.g.)");
    EXPECT_EQ(texts.curveDensityUnit, "(lb/ft³)");
}

TEST(AddFanDialog, TextThatIsNoNumberGivesZero) {
    AddFanValues v;
    AddFanEditTexts texts = addFanEditTexts(v);
    texts.distance = "abc";
    texts.fixedPressure = "12.5 Pa";
    texts.pointCount = "99999999999999";
    takeAddFanEditTexts(v, texts);
    EXPECT_EQ(v.distance, 0);
    EXPECT_EQ(v.fixedPressure, 12.5);
    EXPECT_EQ(v.curve.pointCount, 2147483647);
}

// OK takes the two typed numbers only when each box holds one whole number; the first box that
// does not is named, in the model's units, and the values stay untouched.
TEST(AddFanDialog, OkNeedsOneWholeNumberInEachTypedBox) {
    struct Case {
        const char* why;
        int units;
        const char* distance;
        const char* fixedPressure;
        std::optional<AddFanField> refused;
        const char* message;
    };
    const Case cases[] = {
        {"both numbers", kSI, " 120.5 ", "800", std::nullopt, ""},
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
            EXPECT_EQ(v.distance, 120.5);
            EXPECT_EQ(v.fixedPressure, 800);
        }
    }
}

} // namespace
} // namespace flowmar
