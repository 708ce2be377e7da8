#include "core/views/text_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flowmar {
namespace {

// Metrics whose line is exactly 40 units of 0.1 mm high, so that every position is a whole number.
class FortyUnitLines final : public TextMetrics {
public:
    double ascent(const Font&) const override { return 30 * 72.0 / 254; }
    double height(const Font&) const override { return 40 * 72.0 / 254; }
    double width(std::string_view text, const Font&) const override {
        return static_cast<double>(text.size());
    }
};

TextReport sampleReport() {
    return TextReport{"Heading", "TITLE", {{{100, "first"}}, {}, {{100, "a"}, {300, "b"}}}};
}

TEST(ReportTextHeight, IsTheFontsCellInWholeTenthsOfAMillimetre) {
    EXPECT_EQ(reportTextHeight(FortyUnitLines()), 40);
    // Arial's cell of 1.117 em at 10 pt is 11.17 pt, 39.4 units.
    EXPECT_EQ(reportTextHeight(defaultTextMetrics()), 39);
    EXPECT_EQ(reportFont(), (Font{10, "Arial", false}));
}

TEST(DrawTextReport, LaysOutHeadingRuleTitleAndRowsEveryTwoLines) {
    const Drawing page =
        drawTextReport(sampleReport(), PageRect{0, 0, 2000, -2800}, FortyUnitLines());
    EXPECT_EQ(page.extent(), (Extent{0, 0, 2000, -2800}));
    EXPECT_EQ(page.unitsPerInch(), 254);

    const std::vector<Line> lines = page.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, (Point{0, -180})) << "top - 100 - 2h";
    EXPECT_EQ(lines[0].to, (Point{2000, -180})) << "across the printable area";

    const std::vector<Text> texts = page.texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, "Heading");
    EXPECT_EQ(texts[0].topLeft, (Point{0, -100}));
    EXPECT_EQ(texts[1].text, "TITLE");
    EXPECT_EQ(texts[1].topLeft, (Point{100, -380})) << "T - 200 with T the rule's y";
    EXPECT_EQ(texts[2].topLeft, (Point{100, -500})) << "the first row 3h below the title";
    // The empty row takes its 2h.
    EXPECT_EQ(texts[3].topLeft, (Point{100, -660}));
    EXPECT_EQ(texts[4].topLeft, (Point{300, -660}));
    for (const Text& t : texts) {
        EXPECT_EQ(t.font, reportFont()) << t.text;
    }
}

TEST(DrawTextReport, PositionsAreRelativeToThePrintableArea) {
    const Drawing page =
        drawTextReport(sampleReport(), PageRect{50, -30, 1950, -2800}, FortyUnitLines());
    const std::vector<Text> texts = page.texts();
    EXPECT_EQ(texts[0].topLeft, (Point{50, -130}));
    EXPECT_EQ(texts[1].topLeft, (Point{150, -410}));
    EXPECT_EQ(texts[4].topLeft, (Point{350, -690}));
    EXPECT_EQ(page.lines()[0].from, (Point{50, -210}));
    EXPECT_EQ(page.lines()[0].to, (Point{1950, -210}));
}

TEST(TextReportLines, ReadsLikeThePage) {
    EXPECT_EQ(textReportLines(sampleReport()),
              (std::vector<std::string>{"Heading", "-------", "", "TITLE", "", "first", "",
                                        "a         b"}));
    EXPECT_EQ(textReportLines(TextReport{"Heading", "TITLE", {}}),
              (std::vector<std::string>{"Heading", "-------", "", "TITLE"}))
        << "no empty line after a title with nothing below";
}

TEST(TextReportLines, ColumnsKeepTheirCharacterPositions) {
    const TextReport report{
        "Héading",
        "T",
        {{{100, "(m²)"}, {300, "(m)"}, {800, "(Ns²/m^8)"}},
         {{100, "0.64"}, {300, "2.83"}, {500, "1234567890123456"}, {800, "x"}}}};
    const std::vector<std::string> lines = textReportLines(report);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "-------") << "one dash per character, not per byte";
    EXPECT_EQ(lines[5], "(m²)      (m)                      (Ns²/m^8)")
        << "a column starts at (x - 100) / 20 characters";
    EXPECT_EQ(lines[6], "0.64      2.83      1234567890123456 x")
        << "a cell wider than its column is still followed by a blank";
}

} // namespace
} // namespace flowmar
