#include "core/views/drawing.h"

#include <utility>

namespace flowmar {

namespace {

template <typename T>
std::vector<T> primitivesOf(const std::vector<Primitive>& primitives) {
    std::vector<T> found;
    for (const Primitive& p : primitives) {
        if (const T* item = std::get_if<T>(&p)) {
            found.push_back(*item);
        }
    }
    return found;
}

} // namespace

Drawing::Drawing(Extent extent, double unitsPerInch)
    : m_extent(extent), m_unitsPerInch(unitsPerInch) {}

void Drawing::addLine(Point from, Point to, const Pen& pen) {
    m_primitives.emplace_back(Line{from, to, pen});
}

void Drawing::addPolyline(std::vector<Point> points, const Pen& pen) {
    m_primitives.emplace_back(Polyline{std::move(points), pen});
}

void Drawing::addRectangle(Point corner1, Point corner2, const Pen& pen, std::optional<Rgb> fill) {
    m_primitives.emplace_back(Rectangle{corner1, corner2, pen, fill});
}

void Drawing::addEllipse(Point corner1, Point corner2, const Pen& pen, std::optional<Rgb> fill) {
    m_primitives.emplace_back(Ellipse{corner1, corner2, pen, fill});
}

void Drawing::addText(Point topLeft, std::string text, const Font& font, Rgb color,
                      std::optional<Rgb> background) {
    m_primitives.emplace_back(Text{topLeft, std::move(text), font, color, background});
}

std::vector<Text> Drawing::texts() const {
    return primitivesOf<Text>(m_primitives);
}

std::vector<Line> Drawing::lines() const {
    return primitivesOf<Line>(m_primitives);
}

} // namespace flowmar
