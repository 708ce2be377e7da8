#include "core/views/fan_curve_chart.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <variant>

namespace flowmar {

namespace {

using namespace fan_curve_view;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The six heights of the value axes' ticks and labels, from the bottom.
constexpr std::array<double, 6> kTickY{300, 250, 200, 150, 100, 50};
constexpr std::array<double, 6> kLabelY{292, 242, 192, 142, 92, 42};

class ChartPainter {
public:
    ChartPainter(const FanCurveChartData& data, int kind, bool imperial, Drawing& drawing)
        : m_data(data), m_drawing(drawing), m_imperial(imperial), m_font(fanCurveChartFont()),
          m_pressureShown(kind == kPressureQuantity || kind == kPressurePowerQuantity),
          m_powerShown(kind == kPowerQuantity || kind == kPressurePowerQuantity) {}

    void draw() {
        const int n = m_data.pointCount;
        // Quantity axis, its title and labels.
        line(kAxisLeft, kAxisBottom, kAxisRight, kAxisBottom, kAxisPen);
        for (int i = 0; i <= 4; ++i) {
            const double x = kAxisLeft + 50 * i;
            line(x, kAxisBottom, x, kAxisBottom + 5, kAxisPen);
        }
        text(150, 340, m_imperial ? kQuantityTitleImperial : kQuantityTitleSI);
        const QuantityScaleRow& qRow = quantityScaleRow(m_data.quantity[idx(n)], m_imperial);
        for (std::size_t i = 0; i < 5; ++i) {
            text(qRow.positions[i], 315, qRow.labels[i]);
        }
        m_perQuantity = qRow.perPixel;

        if (m_pressureShown) {
            line(kAxisLeft, kAxisBottom, kAxisLeft, kAxisTop, kAxisPen);
            for (const double y : kTickY) {
                line(kAxisLeft, y, kAxisLeft - 5, y, kAxisPen);
            }
            text(40, 15, m_imperial ? kPressureTitleImperial : kPressureTitleSI);
            const ValueScaleRow& pRow = pressureScaleRow(m_data.pressure[1], m_imperial);
            for (std::size_t i = 0; i < 6; ++i) {
                text(45, kLabelY[i], pRow.labels[i]);
            }
            m_perPressure = pRow.perPixel;
        }

        double largestPower = m_data.operatingPower;
        for (int k = 1; k <= n; ++k) {
            largestPower = std::max(largestPower, m_data.power[idx(k)]);
        }
        if (m_powerShown) {
            line(kAxisRight, kAxisBottom, kAxisRight, kAxisTop, kAxisPen);
            for (const double y : kTickY) {
                line(kAxisRight, y, kAxisRight + 5, y, kAxisPen);
            }
            text(260, 15, m_imperial ? kPowerTitleImperial : kPowerTitleSI);
            const ValueScaleRow& wRow = powerScaleRow(largestPower);
            for (std::size_t i = 0; i < 6; ++i) {
                text(285, kLabelY[i], wRow.labels[i]);
            }
            m_perPower = wRow.perPixel;
        }

        if (m_pressureShown) {
            for (int k = 1; k < n; ++k) {
                const Point a = pressurePoint(k);
                const Point b = pressurePoint(k + 1);
                // A segment whose far end falls below the quantity axis is left out; its circles
                // still mark both points.
                if (b.y <= kAxisBottom) {
                    m_drawing.addLine(a, b, kCurvePen);
                }
                circle(a, 2, kCurvePen);
                circle(b, 2, kCurvePen);
            }
            line(70, 389, 85, 389, kCurvePen);
        }

        const bool powerData = m_data.hasPowerData;
        if (m_powerShown && powerData && m_data.power[1] > 0) {
            for (int k = 1; k <= n; ++k) {
                circle({xOf(m_data.quantity[idx(k)]), yOfPower(m_data.power[idx(k)])}, 4,
                       kPowerPen);
            }
            circle({75, 408}, 4, kPowerPen);
        }

        const double xOp = xOf(m_data.operatingQuantity);
        if (m_pressureShown) {
            const double yOp = yOfPressure(m_data.operatingPressure);
            circle({xOp, yOp}, 3, kOperatingPen);
            line(xOp, yOp, xOp, kAxisBottom, kOperatingPen);
            line(xOp, yOp, kAxisLeft, yOp, kOperatingPen);
        }
        if (m_powerShown && powerData) {
            const double yOp = yOfPower(m_data.operatingPower);
            circle({xOp, yOp}, 3, kOperatingPen);
            line(xOp, yOp, xOp, kAxisBottom, kOperatingPen);
            line(xOp, yOp, kAxisRight, yOp, kOperatingPen);
        }

        if (m_pressureShown) {
            text(100, 380, kPressureLegend);
        }
        if (m_powerShown && powerData) {
            text(100, 400, kPowerLegend);
        }
    }

private:
    static std::size_t idx(int k) { return static_cast<std::size_t>(std::clamp(k, 0, 15)); }

    double xOf(double q) const { return std::trunc(q / m_perQuantity) + kAxisLeft; }
    double yOfPressure(double p) const { return kAxisBottom - std::trunc(p / m_perPressure); }
    double yOfPower(double w) const { return kAxisBottom - std::trunc(w / m_perPower); }
    Point pressurePoint(int k) const {
        return {xOf(m_data.quantity[idx(k)]), yOfPressure(m_data.pressure[idx(k)])};
    }

    void line(double x1, double y1, double x2, double y2, const Pen& pen) {
        m_drawing.addLine({x1, y1}, {x2, y2}, pen);
    }
    void circle(Point centre, double radius, const Pen& pen) {
        m_drawing.addEllipse({centre.x - radius, centre.y - radius},
                             {centre.x + radius, centre.y + radius}, pen);
    }
    void text(double x, double y, std::string_view s) {
        m_drawing.addText({x, y}, std::string(s), m_font);
    }

    const FanCurveChartData& m_data;
    Drawing& m_drawing;
    const bool m_imperial;
    const Font m_font;
    const bool m_pressureShown;
    const bool m_powerShown;
    double m_perQuantity = 1;
    double m_perPressure = 1;
    double m_perPower = 1;
};

void extend(Extent& box, Point p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        return;
    }
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
}

// The screen chart has always read a value that is not a number on its widest row.
double widestIfNaN(double value) {
    return std::isnan(value) ? kInfinity : value;
}

} // namespace

const QuantityScaleRow& quantityScaleRow(double lastCurveQuantity, bool imperial) {
    return chooseScale(quantityScales(imperial ? kImperial : kSI), widestIfNaN(lastCurveQuantity));
}

const ValueScaleRow& pressureScaleRow(double firstCurvePressure, bool imperial) {
    return chooseScale(pressureScales(imperial ? kImperial : kSI), widestIfNaN(firstCurvePressure));
}

const ValueScaleRow& powerScaleRow(double largestPower) {
    return chooseScale(inputPowerScales(), widestIfNaN(largestPower));
}

int selectedCurveFan(const CFlowmarDoc& doc) {
    if (doc.fanCount <= 0 || doc.results.boosterPressure != 0.0) {
        return 0;
    }
    const int count = std::min(doc.fanCount, kMaxFans);
    return std::clamp(doc.curveViewFan + 1, 1, count);
}

std::optional<FanCurveChartData> fanCurveChartData(const CFlowmarDoc& doc, int fanNumber) {
    if (doc.fanCount <= 0 || doc.results.boosterPressure != 0.0 || fanNumber < 1 ||
        fanNumber > std::min(doc.fanCount, kMaxFans)) {
        return std::nullopt;
    }
    const auto f = static_cast<std::size_t>(fanNumber);
    const double curveDensity = doc.fanCurveDensity[f];
    FanOperatingPoint operating = fanOperatingPoint(doc, fanNumber);
    if (!operating.onCurve || !(curveDensity > 0) || !std::isfinite(curveDensity)) {
        return std::nullopt;
    }
    // The operating point comes from the solution at the duct's density: no correction. Its
    // quantity is the one the fan-curve view reads.
    operating.quantity = fanCurveViewQuantity(operating);
    const FanChartData chart = fanChartData(doc, fanNumber, operating);
    FanCurveChartData data;
    data.pointCount = chart.count;
    for (int k = 1; k <= data.pointCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        const FanChartData::Point& point = chart.curve[m - 1];
        const double efficiency = doc.fanCurveEfficiency[m][f];
        if (efficiency != 0.0) {
            data.hasPowerData = true;
        }
        data.pressure[m] = point.pressure;
        data.quantity[m] = point.quantity;
        data.power[m] = efficiency == 0.0 ? 0.0 : point.inputPower;
    }
    data.operatingQuantity = chart.operating.quantity;
    data.operatingPressure = chart.operating.pressure;
    data.operatingPower = chart.operating.inputPower;
    return data;
}

Font fanCurveChartFont() {
    return Font{8, "Arial", false};
}

Drawing fanCurveChart(const CFlowmarDoc& doc, const TextMetrics& metrics) {
    return fanCurveChart(doc, selectedCurveFan(doc), doc.curveViewKind, metrics);
}

Drawing fanCurveChart(const CFlowmarDoc& doc, int fanNumber, int kind, const TextMetrics& metrics) {
    const std::optional<FanCurveChartData> data = fanCurveChartData(doc, fanNumber);
    if (!data) {
        return Drawing(kChartExtent, kPixelsPerInch);
    }
    Drawing chart(kChartExtent, kPixelsPerInch);
    ChartPainter(*data, kind, isImperial(doc.unitSystem), chart).draw();
    const std::optional<Extent> bounds = drawingBounds(chart, metrics);
    if (!bounds) {
        return chart;
    }
    // Widened, never shrunk: the chart keeps its place and size in the window.
    Extent extent = kChartExtent;
    extent.left = std::min(extent.left, std::floor(bounds->left) - 2);
    extent.top = std::min(extent.top, std::floor(bounds->top) - 2);
    extent.right = std::max(extent.right, std::ceil(bounds->right) + 2);
    extent.bottom = std::max(extent.bottom, std::ceil(bounds->bottom) + 2);
    if (extent == kChartExtent) {
        return chart;
    }
    Drawing widened(extent, kPixelsPerInch);
    for (const Primitive& p : chart.primitives()) {
        std::visit(
            [&](const auto& shape) {
                using T = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<T, Line>) {
                    widened.addLine(shape.from, shape.to, shape.pen);
                } else if constexpr (std::is_same_v<T, Polyline>) {
                    widened.addPolyline(shape.points, shape.pen);
                } else if constexpr (std::is_same_v<T, Rectangle>) {
                    widened.addRectangle(shape.corner1, shape.corner2, shape.pen, shape.fill);
                } else if constexpr (std::is_same_v<T, Ellipse>) {
                    widened.addEllipse(shape.corner1, shape.corner2, shape.pen, shape.fill);
                } else {
                    widened.addText(shape.topLeft, shape.text, shape.font, shape.color,
                                    shape.background);
                }
            },
            p);
    }
    return widened;
}

std::optional<Extent> drawingBounds(const Drawing& drawing, const TextMetrics& metrics) {
    Extent box{kInfinity, kInfinity, -kInfinity, -kInfinity};
    const double unitsPerInch =
        drawing.unitsPerInch() > 0 ? drawing.unitsPerInch() : fan_curve_view::kPixelsPerInch;
    const double down = drawing.extent().yUp() ? -1 : 1;
    for (const Primitive& p : drawing.primitives()) {
        std::visit(
            [&](const auto& shape) {
                using T = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<T, Line>) {
                    extend(box, shape.from);
                    extend(box, shape.to);
                } else if constexpr (std::is_same_v<T, Polyline>) {
                    for (const Point& q : shape.points) {
                        extend(box, q);
                    }
                } else if constexpr (std::is_same_v<T, Rectangle> || std::is_same_v<T, Ellipse>) {
                    extend(box, shape.corner1);
                    extend(box, shape.corner2);
                } else {
                    const double width =
                        pointsToLogical(metrics.width(shape.text, shape.font), unitsPerInch);
                    const double height = pointsToLogical(metrics.height(shape.font), unitsPerInch);
                    extend(box, shape.topLeft);
                    extend(box, {shape.topLeft.x + width, shape.topLeft.y + down * height});
                }
            },
            p);
    }
    if (!std::isfinite(box.left)) {
        return std::nullopt;
    }
    // In a space with y up the box's top is its larger y.
    if (drawing.extent().yUp()) {
        std::swap(box.top, box.bottom);
    }
    return box;
}

} // namespace flowmar
