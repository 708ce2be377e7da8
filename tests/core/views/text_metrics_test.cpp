#include "core/views/text_metrics.h"

#include <gtest/gtest.h>

#include <ostream>

namespace flowmar {
namespace {

struct FontRuleCase {
    const char* why;
    friend void PrintTo(const FontRuleCase& c, std::ostream* os) { *os << c.why; }
    int points;
    int pixelsPerInch;
    int expected;
};

class FontDeviceHeightRule : public ::testing::TestWithParam<FontRuleCase> {};

TEST_P(FontDeviceHeightRule, RoundsInIntegerArithmetic) {
    const FontRuleCase& c = GetParam();
    EXPECT_EQ(fontDeviceHeight(c.points, c.pixelsPerInch), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, FontDeviceHeightRule,
    ::testing::Values(FontRuleCase{"72 dpi: a point is a pixel", 10, 72, 10},
                      FontRuleCase{"screen: 96 x 100 / 72 = 133 truncated, (133 + 5) / 10 = 13", 10,
                                   96, 13},
                      FontRuleCase{"graph font on screen: 96 x 80 / 72 = 106, then 11", 8, 96, 11},
                      FontRuleCase{"300 dpi: 416 rounds up to 42", 10, 300, 42},
                      FontRuleCase{"600 dpi: 833 rounds down to 83", 10, 600, 83}));

TEST(ApproximateArialMetrics, CellIsAscentPlusDescentOfArial) {
    const ApproximateArialMetrics metrics;
    const Font font{10, "Arial", false};
    EXPECT_NEAR(metrics.ascent(font), 9.05, 1e-9);
    EXPECT_NEAR(metrics.height(font), 11.17, 1e-9);
    EXPECT_NEAR(metrics.height(Font{20, "Arial", false}), 22.34, 1e-9) << "scales with the size";
}

TEST(ApproximateArialMetrics, WidthAddsTheAdvanceOfEachCharacter) {
    const ApproximateArialMetrics metrics;
    const Font font{10, "Arial", false};
    EXPECT_NEAR(metrics.width("0123456789", font), 55.6, 1e-9) << "digits are 0.556 em";
    EXPECT_NEAR(metrics.width("Il", font), 2.78 + 2.22, 1e-9) << "narrow letters differ";
    EXPECT_NEAR(metrics.width("WM", font), 9.44 + 8.33, 1e-9);
    EXPECT_NEAR(metrics.width("m²", font), 8.33 + 3.33, 1e-9) << "a two-byte sign is one char";
    EXPECT_NEAR(metrics.width("\xff", font), 5.56, 1e-9) << "a stray byte is one character";
    EXPECT_EQ(metrics.width("", font), 0);
    EXPECT_GT(metrics.width("Bold", Font{10, "Arial", true}), metrics.width("Bold", font));
}

TEST(PointsToLogical, SeventyTwoPointsAreOneInch) {
    EXPECT_DOUBLE_EQ(pointsToLogical(72, 254), 254);
    EXPECT_NEAR(pointsToLogical(10, 254), 35.278, 1e-3) << "10 points in 0.1 mm";
}

} // namespace
} // namespace flowmar
