#include "core/views/svg_painter.h"
#include "core/views/text_report.h"
#include "support/xml_checker.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using testing::xmlFault;

// Where the n-th element with the given tag starts, or npos.
std::size_t findElement(const std::string& svg, const std::string& tag, int n) {
    std::size_t at = 0;
    for (int found = -1;; ++at) {
        at = svg.find("<" + tag, at);
        if (at == std::string::npos) {
            return at;
        }
        const std::size_t after = at + 1 + tag.size();
        const char next = after < svg.size() ? svg[after] : '\0';
        if ((next == ' ' || next == '>' || next == '/') && ++found == n) {
            return at;
        }
    }
}

// The value of an attribute of the n-th element with the given tag.
std::string attribute(const std::string& svg, const std::string& tag, const std::string& name,
                      int n = 0) {
    const std::size_t at = findElement(svg, tag, n);
    if (at == std::string::npos) {
        return "<no such element>";
    }
    const std::string element = svg.substr(at, svg.find('>', at) - at);
    const std::string key = " " + name + "=\"";
    const std::size_t value = element.find(key);
    if (value == std::string::npos) {
        return "<no such attribute>";
    }
    const std::size_t from = value + key.size();
    return element.substr(from, element.find('"', from) - from);
}

int count(const std::string& svg, const std::string& tag) {
    int n = 0;
    while (findElement(svg, tag, n) != std::string::npos) {
        ++n;
    }
    return n;
}

TEST(XmlChecker, CatchesTheFaultsItLooksFor) {
    EXPECT_EQ(xmlFault("<a><b/></a>"), "");
    EXPECT_NE(xmlFault("<a><b></a>"), "");
    EXPECT_NE(xmlFault("<a>x & y</a>"), "");
    EXPECT_NE(xmlFault("<a t=\"<\"/>"), "");
    EXPECT_NE(xmlFault("<a/><b/>"), "");
    EXPECT_NE(xmlFault("<a>\x01</a>"), "");
}

// The graph's space: 800 x 600 with y up from 0 at the bottom.
class GraphSpace : public ::testing::Test {
protected:
    Drawing drawing{Extent{0, 600, 800, 0}};
};

TEST_F(GraphSpace, FlipsYSoThatTheBottomOfTheSpaceIsTheBottomOfTheCanvas) {
    drawing.addLine({0, 0}, {800, 0});
    drawing.addLine({0, 600}, {200, 150});
    const std::string svg = renderSvg(drawing);
    ASSERT_EQ(xmlFault(svg), "");
    EXPECT_EQ(attribute(svg, "svg", "viewBox"), "0 0 800 600");
    EXPECT_EQ(attribute(svg, "line", "y1", 0), "600") << "y = 0 ends at SVG y = H";
    EXPECT_EQ(attribute(svg, "line", "y2", 0), "600");
    EXPECT_EQ(attribute(svg, "line", "x2", 0), "800");
    EXPECT_EQ(attribute(svg, "line", "y1", 1), "0") << "the top of the space";
    EXPECT_EQ(attribute(svg, "line", "y2", 1), "450");
}

TEST_F(GraphSpace, StretchesTheSpaceOntoACanvasOfAnotherSize) {
    drawing.addLine({400, 300}, {800, 0});
    const std::string svg = renderSvg(drawing, SvgOptions{400, 900});
    EXPECT_EQ(attribute(svg, "svg", "width"), "400");
    EXPECT_EQ(attribute(svg, "line", "x1"), "200");
    EXPECT_EQ(attribute(svg, "line", "y1"), "450");
    EXPECT_EQ(attribute(svg, "line", "y2"), "900");
}

TEST_F(GraphSpace, DrawsPensFillsAndEveryShape) {
    drawing.addLine({0, 0}, {10, 10}, Pen{PenStyle::Dotted, Rgb{0, 0, 255}, 0});
    drawing.addPolyline({{0, 0}, {10, 20}, {30, 40}}, Pen{PenStyle::Solid, Rgb{255, 128, 0}, 3});
    drawing.addRectangle({10, 20}, {790, 580}, Pen{}, kWhite);
    drawing.addEllipse({100, 100}, {300, 200});
    const std::string svg = renderSvg(drawing);
    ASSERT_EQ(xmlFault(svg), "");
    EXPECT_EQ(attribute(svg, "line", "stroke"), "#0000ff");
    EXPECT_NE(attribute(svg, "line", "stroke-dasharray"), "<no such attribute>");
    EXPECT_EQ(attribute(svg, "line", "stroke-width"), "1") << "width 0: the thinnest line";
    EXPECT_EQ(attribute(svg, "polyline", "points"), "0,600 10,580 30,560");
    EXPECT_EQ(attribute(svg, "polyline", "stroke"), "#ff8000");
    EXPECT_EQ(attribute(svg, "polyline", "stroke-width"), "3");
    EXPECT_EQ(attribute(svg, "polyline", "stroke-dasharray"), "<no such attribute>");
    // rect 0 is the white canvas.
    EXPECT_EQ(attribute(svg, "rect", "y", 1), "20") << "the upper corner is the one at y = 580";
    EXPECT_EQ(attribute(svg, "rect", "height", 1), "560");
    EXPECT_EQ(attribute(svg, "rect", "fill", 1), "#ffffff");
    EXPECT_EQ(attribute(svg, "ellipse", "cx"), "200");
    EXPECT_EQ(attribute(svg, "ellipse", "cy"), "450");
    EXPECT_EQ(attribute(svg, "ellipse", "rx"), "100");
    EXPECT_EQ(attribute(svg, "ellipse", "ry"), "50");
    EXPECT_EQ(attribute(svg, "ellipse", "fill"), "none");
}

TEST_F(GraphSpace, PlacesTextByItsTopLeftCornerInItsFont) {
    drawing.addText({100, 600}, "Flow Trend", Font{12, "Arial", true}, Rgb{255, 0, 0});
    const std::string svg = renderSvg(drawing);
    ASSERT_EQ(xmlFault(svg), "");
    EXPECT_EQ(attribute(svg, "text", "x"), "100");
    // 12 pt is 16 CSS pixels; the baseline lies the ascent (0.905 em) below the top.
    EXPECT_EQ(attribute(svg, "text", "y"), "14.48");
    EXPECT_EQ(attribute(svg, "text", "font-size"), "16");
    EXPECT_EQ(attribute(svg, "text", "font-family"), "Arial");
    EXPECT_EQ(attribute(svg, "text", "font-weight"), "bold");
    EXPECT_EQ(attribute(svg, "text", "fill"), "#ff0000");
    EXPECT_NE(svg.find(">Flow Trend</text>"), std::string::npos);
}

TEST_F(GraphSpace, OpaqueTextGetsItsBackgroundFirst) {
    drawing.addText({100, 600}, "0.25", Font{8, "Arial", false}, kBlack, kWhite);
    const std::string svg = renderSvg(drawing);
    ASSERT_EQ(count(svg, "rect"), 2);
    EXPECT_EQ(attribute(svg, "rect", "y", 1), "0");
    EXPECT_LT(svg.find("<rect x=\"100\""), svg.find("<text"));
}

TEST_F(GraphSpace, TextThatWouldBreakTheDocumentIsEscapedOrReplaced) {
    drawing.addText({0, 600}, "R&D <\"Fan\"> 'A'\x01\xff m\xc2\xb3/s", Font{});
    drawing.addText({0, 500}, "x", Font{10, "Arial\" onload=\"evil", false});
    const std::string svg = renderSvg(drawing);
    ASSERT_EQ(xmlFault(svg), "");
    EXPECT_NE(svg.find("R&amp;D &lt;&quot;Fan&quot;&gt; &apos;A&apos;\xef\xbf\xbd\xef\xbf\xbd "
                       "m\xc2\xb3/s"),
              std::string::npos);
    EXPECT_EQ(attribute(svg, "text", "font-family", 1), "Arial&quot; onload=&quot;evil");
}

TEST_F(GraphSpace, LeavesOutWhatHasNoFinitePosition) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    drawing.addLine({0, nan}, {10, 10});
    drawing.addPolyline({{0, 0}, {inf, 5}});
    drawing.addText({nan, 0}, "lost", Font{});
    drawing.addLine({0, 0}, {10, 10});
    const std::string svg = renderSvg(drawing);
    ASSERT_EQ(xmlFault(svg), "");
    EXPECT_EQ(count(svg, "line"), 1);
    EXPECT_EQ(count(svg, "polyline"), 0);
    EXPECT_EQ(count(svg, "text"), 0);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(SvgPage, APrintedPageKeepsItsPhysicalSize) {
    Drawing page(Extent{kA4Portrait.left, kA4Portrait.top, kA4Portrait.right, kA4Portrait.bottom},
                 kTenthMillimetresPerInch);
    page.addLine({0, -2970}, {2100, -2970});
    page.addText({0, -100}, "Heading", Font{10, "Arial", false});
    const std::string svg = renderSvg(page);
    ASSERT_EQ(xmlFault(svg), "");
    EXPECT_EQ(attribute(svg, "svg", "width"), "210mm");
    EXPECT_EQ(attribute(svg, "svg", "height"), "297mm");
    // 297 mm at 96 CSS pixels per inch.
    EXPECT_EQ(attribute(svg, "line", "y1"), "1122.52") << "the bottom edge of the sheet";
    EXPECT_EQ(attribute(svg, "text", "font-size"), "13.333") << "10 pt in CSS pixels";
}

TEST(SvgPage, AYDownSpaceIsNotFlipped) {
    Drawing drawing(Extent{0, 0, 100, 50});
    drawing.addLine({0, 0}, {100, 50});
    const std::string svg = renderSvg(drawing);
    EXPECT_EQ(attribute(svg, "line", "y1"), "0");
    EXPECT_EQ(attribute(svg, "line", "y2"), "50");
}

} // namespace
} // namespace flowmar
