// Drawing: what a chart or a printed page shows, as a list of primitives (lines, polylines,
// rectangles, ellipses, texts) in the view's own logical space. The core computes drawings; a
// painter (Qt on screen and paper, SVG for the command line) only renders them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace flowmar {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

enum class PenStyle { Solid, Dotted };

struct Pen {
    PenStyle style = PenStyle::Solid;
    Rgb color = kBlack;
    double width = 0; // logical units; 0 is the thinnest line the device can draw
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Font {
    double pointSize = 10; // on the output device, whatever the logical space
    std::string face = "Arial";
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The logical space: the logical coordinates at the four edges of the output. y points up when
// top > bottom (printed pages in 0.1 mm, the 800 x 600 graph), down when top < bottom.
struct Extent {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return top > bottom ? top - bottom : bottom - top; }
    bool yUp() const { return top > bottom; }
    friend bool operator==(const Extent&, const Extent&) = default;
};

struct Line {
    Point from;
    Point to;
    Pen pen;
};

struct Polyline {
    std::vector<Point> points;
    Pen pen;
};

// Two opposite corners, in any order; filled when fill is set.
struct Rectangle {
    Point corner1;
    Point corner2;
    Pen pen;
    std::optional<Rgb> fill;
};

// The ellipse inscribed in the rectangle of the two corners.
struct Ellipse {
    Point corner1;
    Point corner2;
    Pen pen;
    std::optional<Rgb> fill;
};

// A single line of UTF-8 text whose cell has its top-left corner at topLeft. With a background
// colour the cell is painted opaque first.
struct Text {
    Point topLeft;
    std::string text;
    Font font;
    Rgb color = kBlack;
    std::optional<Rgb> background;
};

using Primitive = std::variant<Line, Polyline, Rectangle, Ellipse, Text>;

class Drawing {
public:
    // unitsPerInch gives the logical unit a physical size (254 for 0.1 mm); 0 when the space is
    // stretched onto whatever rectangle the painter has.
    explicit Drawing(Extent extent, double unitsPerInch = 0);

    const Extent& extent() const { return m_extent; }
    double unitsPerInch() const { return m_unitsPerInch; }
    const std::vector<Primitive>& primitives() const { return m_primitives; }

    void addLine(Point from, Point to, const Pen& pen = {});
    void addPolyline(std::vector<Point> points, const Pen& pen = {});
    void addRectangle(Point corner1, Point corner2, const Pen& pen = {},
                      std::optional<Rgb> fill = std::nullopt);
    void addEllipse(Point corner1, Point corner2, const Pen& pen = {},
                    std::optional<Rgb> fill = std::nullopt);
    void addText(Point topLeft, std::string text, const Font& font, Rgb color = kBlack,
                 std::optional<Rgb> background = std::nullopt);

    // The texts and lines in drawing order, for callers and tests that look for one kind.
    std::vector<Text> texts() const;
    std::vector<Line> lines() const;

private:
    Extent m_extent;
    double m_unitsPerInch;
    std::vector<Primitive> m_primitives;
};

} // namespace flowmar
