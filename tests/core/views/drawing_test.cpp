#include "core/views/drawing.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

TEST(Extent, DirectionAndSizeOfBothKindsOfSpace) {
    const Extent page{0, 0, 2100, -2970}; // 0.1 mm, y up from the bottom of the sheet to 0
    EXPECT_TRUE(page.yUp());
    EXPECT_EQ(page.width(), 2100);
    EXPECT_EQ(page.height(), 2970);
    const Extent screen{0, 0, 800, 600}; // y down
    EXPECT_FALSE(screen.yUp());
    EXPECT_EQ(screen.height(), 600);
}

TEST(Drawing, KeepsThePrimitivesInDrawingOrder) {
    Drawing drawing(Extent{0, 600, 800, 0});
    drawing.addText({10, 590}, "first", Font{});
    drawing.addLine({0, 0}, {800, 0}, Pen{PenStyle::Dotted, Rgb{0, 0, 255}, 2});
    drawing.addRectangle({10, 20}, {790, 580}, Pen{}, kWhite);
    drawing.addText({10, 550}, "second", Font{8, "Arial", true});

    ASSERT_EQ(drawing.primitives().size(), 4u);
    EXPECT_TRUE(std::holds_alternative<Rectangle>(drawing.primitives()[2]));
    const std::vector<Text> texts = drawing.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "first");
    EXPECT_EQ(texts[1].text, "second");
    EXPECT_TRUE(texts[1].font.bold);
    const std::vector<Line> lines = drawing.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.style, PenStyle::Dotted);
    EXPECT_EQ(lines[0].to, (Point{800, 0}));
}

} // namespace
} // namespace flowmar
