#include "core/fans/add_fan_dialog.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace flowmar
