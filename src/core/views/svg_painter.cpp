#include "core/views/svg_painter.h"

#include "core/model/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace flowmar {

namespace {

constexpr double kCssPixelsPerInch = 96.0;
constexpr double kCssPixelsPerPoint = kCssPixelsPerInch / 72.0;
constexpr double kMillimetresPerCssPixel = 25.4 / kCssPixelsPerInch;

// Numbers in SVG are written the same whatever the user's locale, with at most three decimals.
std::string number(double value) {
    char buffer[400]; // the widest double in fixed notation has 309 digits before the point
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    if (ec != std::errc{}) {
        return "0";
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    while (text.ends_with('0')) {
        text.remove_suffix(1);
    }
    if (text.ends_with('.')) {
        text.remove_suffix(1);
    }
    if (text == "-0") {
        return "0";
    }
    return std::string(text);
}

std::string colour(Rgb c) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.red, c.green, c.blue}) {
        s += kHex[v >> 4];
        s += kHex[v & 0xF];
    }
    return s;
}

// Character data and attribute values: markup characters escaped; characters XML forbids
// (control characters, malformed UTF-8) replaced.
std::string escaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = utf8::next(text, i);
        switch (c) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        case U'"':
            out += "&quot;";
            break;
        case U'\'':
            out += "&apos;";
            break;
        default:
            if ((c < 0x20 && c != U'\t') || c == 0xFFFE || c == 0xFFFF) {
                utf8::append(out, utf8::kReplacement);
            } else {
                utf8::append(out, c);
            }
        }
    }
    return out;
}

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The window-to-viewport mapping of the logical space onto the canvas.
class Mapping {
public:
    Mapping(const Extent& extent, double canvasWidth, double canvasHeight)
        : m_extent(extent),
          m_sx(extent.right != extent.left ? canvasWidth / (extent.right - extent.left) : 1.0),
          m_sy(extent.bottom != extent.top ? canvasHeight / (extent.bottom - extent.top) : 1.0) {}

    double x(double logical) const { return (logical - m_extent.left) * m_sx; }
    double y(double logical) const { return (logical - m_extent.top) * m_sy; }
    // A logical length (a pen width) on the canvas; the smaller scale keeps thin lines thin.
    double length(double logical) const {
        return logical * std::min(std::abs(m_sx), std::abs(m_sy));
    }

private:
    Extent m_extent;
    double m_sx;
    double m_sy;
};

class SvgWriter {
public:
    SvgWriter(const Mapping& mapping, const TextMetrics& metrics)
        : m_map(mapping), m_metrics(metrics) {}

    std::string& out() { return m_out; }

    void operator()(const Line& line) {
        if (!finite(line.from) || !finite(line.to)) {
            return;
        }
        m_out += "<line x1=\"" + number(m_map.x(line.from.x)) + "\" y1=\"" +
                 number(m_map.y(line.from.y)) + "\" x2=\"" + number(m_map.x(line.to.x)) +
                 "\" y2=\"" + number(m_map.y(line.to.y)) + "\"" + stroke(line.pen) + "/>\n";
    }

    void operator()(const Polyline& polyline) {
        if (!std::ranges::all_of(polyline.points, finite) || polyline.points.empty()) {
            return;
        }
        m_out += "<polyline points=\"";
        bool first = true;
        for (const Point& p : polyline.points) {
            m_out += first ? "" : " ";
            m_out += number(m_map.x(p.x)) + "," + number(m_map.y(p.y));
            first = false;
        }
        m_out += "\" fill=\"none\"" + stroke(polyline.pen) + "/>\n";
    }

    void operator()(const Rectangle& r) {
        if (!finite(r.corner1) || !finite(r.corner2)) {
            return;
        }
        const Box b = box(r.corner1, r.corner2);
        m_out += "<rect x=\"" + number(b.x) + "\" y=\"" + number(b.y) + "\" width=\"" +
                 number(b.width) + "\" height=\"" + number(b.height) + "\"" + fill(r.fill) +
                 stroke(r.pen) + "/>\n";
    }

    void operator()(const Ellipse& e) {
        if (!finite(e.corner1) || !finite(e.corner2)) {
            return;
        }
        const Box b = box(e.corner1, e.corner2);
        m_out += "<ellipse cx=\"" + number(b.x + b.width / 2) + "\" cy=\"" +
                 number(b.y + b.height / 2) + "\" rx=\"" + number(b.width / 2) + "\" ry=\"" +
                 number(b.height / 2) + "\"" + fill(e.fill) + stroke(e.pen) + "/>\n";
    }

    void operator()(const Text& t) {
        if (!finite(t.topLeft) || !std::isfinite(t.font.pointSize)) {
            return;
        }
        const double left = m_map.x(t.topLeft.x);
        const double top = m_map.y(t.topLeft.y);
        if (t.background) {
            m_out += "<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" +
                     number(m_metrics.width(t.text, t.font) * kCssPixelsPerPoint) + "\" height=\"" +
                     number(m_metrics.height(t.font) * kCssPixelsPerPoint) + "\" fill=\"" +
                     colour(*t.background) + "\"/>\n";
        }
        const double baseline = top + m_metrics.ascent(t.font) * kCssPixelsPerPoint;
        m_out += "<text x=\"" + number(left) + "\" y=\"" + number(baseline) + "\" font-family=\"" +
                 escaped(t.font.face) + "\" font-size=\"" +
                 number(t.font.pointSize * kCssPixelsPerPoint) + "\"" +
                 (t.font.bold ? " font-weight=\"bold\"" : "") + " fill=\"" + colour(t.color) +
                 "\" xml:space=\"preserve\">" + escaped(t.text) + "</text>\n";
    }

private:
    struct Box {
        double x, y, width, height;
    };

    Box box(Point a, Point b) const {
        const double x1 = m_map.x(a.x);
        const double x2 = m_map.x(b.x);
        const double y1 = m_map.y(a.y);
        const double y2 = m_map.y(b.y);
        return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
    }

    std::string stroke(const Pen& pen) const {
        const double width = pen.width > 0 && std::isfinite(pen.width)
                                 ? std::max(m_map.length(pen.width), 1.0)
                                 : 1.0;
        std::string s =
            " stroke=\"" + colour(pen.color) + "\" stroke-width=\"" + number(width) + "\"";
        if (pen.style == PenStyle::Dotted) {
            s += " stroke-dasharray=\"" + number(width) + " " + number(2 * width) + "\"";
        }
        return s;
    }

    static std::string fill(const std::optional<Rgb>& fill) {
        return " fill=\"" + (fill ? colour(*fill) : std::string("none")) + "\"";
    }

    const Mapping& m_map;
    const TextMetrics& m_metrics;
    std::string m_out;
};

} // namespace

std::string renderSvg(const Drawing& drawing, const SvgOptions& options,
                      const TextMetrics& metrics) {
    const Extent& extent = drawing.extent();
    const double perInch = drawing.unitsPerInch();
    const bool physical = perInch > 0 && std::isfinite(perInch);
    const bool sized = options.width > 0 && options.height > 0 && std::isfinite(options.width) &&
                       std::isfinite(options.height);
    double width = options.width;
    double height = options.height;
    if (!sized) {
        const double scale = physical ? kCssPixelsPerInch / perInch : 1.0;
        width = std::abs(extent.width()) * scale;
        height = extent.height() * scale;
    }
    if (!std::isfinite(width) || !std::isfinite(height)) {
        width = 0;
        height = 0;
    }
    const bool inMillimetres = physical && !sized;
    const std::string unit = inMillimetres ? "mm" : "";
    const double sizeFactor = inMillimetres ? kMillimetresPerCssPixel : 1.0;

    const Mapping mapping(extent, width, height);
    SvgWriter writer(mapping, metrics);
    std::string& out = writer.out();
    out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
          number(width * sizeFactor) + unit + "\" height=\"" + number(height * sizeFactor) + unit +
          "\" viewBox=\"0 0 " + number(width) + " " + number(height) + "\">\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + number(width) + "\" height=\"" + number(height) +
           "\" fill=\"#ffffff\"/>\n";
    for (const Primitive& p : drawing.primitives()) {
        std::visit(writer, p);
    }
    out += "</svg>\n";
    return std::move(out);
}

} // namespace flowmar
