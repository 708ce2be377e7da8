#include "core/views/chart_mapping.h"

#include <gtest/gtest.h>

#include <ostream>

namespace flowmar {
namespace {

struct PrintRectCase {
    const char* why;
    friend void PrintTo(const PrintRectCase& c, std::ostream* os) { *os << c.why; }
    int dpiX, dpiY, width, height;
    DeviceRect rect;
};

class ChartPrintRect : public ::testing::TestWithParam<PrintRectCase> {};

TEST_P(ChartPrintRect, LeavesAnInchOnEverySide) {
    const PrintRectCase& c = GetParam();
    EXPECT_EQ(chartPrintRect(c.dpiX, c.dpiY, c.width, c.height), c.rect) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartPrintRect,
    ::testing::Values(
        PrintRectCase{"landscape letter at 600 dpi", 600, 600, 6600, 5100, {600, 600, 6000, 4500}},
        PrintRectCase{
            "different resolutions across and down", 300, 600, 3300, 5100, {300, 600, 3000, 4500}},
        PrintRectCase{"too narrow for two inches keeps its width",
                      600,
                      600,
                      1000,
                      5100,
                      {0, 600, 1000, 4500}},
        PrintRectCase{"no printable area is an empty rectangle", 600, 600, -5, 0, {0, 0, 0, 0}}));

TEST(ChartMapping, MapsWindowOntoViewportInEachDirection) {
    const ChartMapping m{{0, 0}, {100, 50}, {10, 20}, {200, -100}};
    EXPECT_EQ(m.scale(), (Point{2, -2}));
    EXPECT_EQ(m.toDevice({0, 0}), (Point{10, 20}));
    EXPECT_EQ(m.toDevice({100, 50}), (Point{210, -80}));
    const ChartMapping empty{{0, 0}, {0, 0}, {5, 5}, {10, 10}};
    EXPECT_EQ(empty.toDevice({3, 4}), (Point{5, 5})) << "no window extent: no stretch, no NaN";
}

} // namespace
} // namespace flowmar
