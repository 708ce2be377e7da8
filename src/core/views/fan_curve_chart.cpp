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

// Quantity label positions: four sets, so that each row's labels centre under their ticks.
constexpr std::array<double, 5> kPosA{65, 115, 165, 215, 260};
constexpr std::array<double, 5> kPosB{70, 120, 170, 220, 265};
constexpr std::array<double, 5> kPosC{70, 120, 170, 220, 260};
constexpr std::array<double, 5> kPosD{70, 115, 165, 215, 265};

constexpr std::array<QuantityScaleRow, 12> kQuantityRowsSI{{
    {4, {"0.0", "1.0", "2.0", "3.0", "4.0"}, 0.02, kPosA},
    {8, {"0.0", "2.0", "4.0", "6.0", "8.0"}, 0.04, kPosB},
    {16, {"0", "4", "8", "12", "16"}, 0.08, kPosB},
    {20, {"0", "5", "10", "15", "20"}, 0.1, kPosC},
    {32, {"0", "8", "16", "24", "32"}, 0.16, kPosA},
    {40, {"0", "10", "20", "30", "40"}, 0.2, kPosA},
    {60, {"0", "15", "30", "45", "60"}, 0.3, kPosA},
    {80, {"0", "20", "40", "60", "80"}, 0.4, kPosA},
    {100, {"0", "25", "50", "75", "100"}, 0.5, kPosA},
    {160, {"0", "40", "80", "120", "160"}, 0.8, kPosA},
    {200, {"0", "50", "100", "150", "200"}, 1.0, kPosA},
    {kInfinity, {"0", "200", "400", "600", "800"}, 4.0, kPosA},
}};

constexpr std::array<QuantityScaleRow, 12> kQuantityRowsImperial{{
    {8, {"0.0", "2.0", "4.0", "6.0", "8.0"}, 0.04, kPosA},
    {16, {"0", "4", "8", "12", "16"}, 0.08, kPosB},
    {32, {"0", "8", "16", "24", "32"}, 0.16, kPosB},
    {40, {"0", "10", "20", "30", "40"}, 0.2, kPosC},
    {64, {"0", "16", "32", "48", "64"}, 0.32, kPosA},
    {80, {"0", "20", "40", "60", "80"}, 0.4, kPosA},
    {120, {"0", "30", "60", "90", "120"}, 0.6, kPosD},
    {160, {"0", "40", "80", "120", "160"}, 0.8, kPosA},
    {200, {"0", "50", "100", "150", "200"}, 1.0, kPosA},
    {320, {"0", "80", "160", "240", "320"}, 1.6, kPosA},
    {400, {"0", "100", "200", "300", "400"}, 2.0, kPosA},
    {kInfinity, {"0", "400", "800", "1200", "1600"}, 8.0, kPosA},
}};

constexpr std::array<ValueScaleRow, 10> kPressureRowsSI{{
    {100, {"0.0", "0.02", "0.04", "0.06", "0.08", "0.1"}, 0.4},
    {250, {"0.0", "0.05", "0.1", "0.15", "0.2", "0.25"}, 1.0},
    {500, {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5"}, 2.0},
    {750, {"0.0", "0.15", "0.3", "0.45", "0.6", "0.75"}, 3.0},
    {1000, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}, 4.0},
    {2000, {"0.0", "0.4", "0.8", "1.2", "1.6", "2.0"}, 8.0},
    {3000, {"0", "0.6", "1.2", "1.8", "2.4", "3.0"}, 12.0},
    {5000, {"0", "1", "2", "3", "4", "5"}, 20.0},
    {10000, {"0", "2", "4", "6", "8", "10"}, 40.0},
    {kInfinity, {"0", "5", "10", "15", "20", "25"}, 100.0},
}};

constexpr std::array<ValueScaleRow, 10> kPressureRowsImperial{{
    {400, {"0.0", "0.08", "0.16", "0.24", "0.32", "0.4"}, 1.6},
    {1000, {"0.0", "0.20", "0.4", "0.6", "0.8", "1.0"}, 4.0},
    {2000, {"0.0", "0.4", "0.8", "1.2", "1.6", "2.0"}, 8.0},
    {3000, {"0.0", "0.6", "1.2", "1.8", "2.4", "3.0"}, 12.0},
    {4000, {"0.0", "0.8", "1.6", "2.4", "3.2", "4.0"}, 16.0},
    {8000, {"0.0", "1.6", "3.2", "4.8", "6.4", "8.0"}, 32.0},
    {12000, {"0.0", "2.4", "4.8", "7.2", "9.6", "12.0"}, 48.0},
    {20000, {"0", "4", "8", "12", "16", "20"}, 80.0},
    {40000, {"0", "8", "16", "24", "32", "40"}, 160.0},
    {kInfinity, {"0", "20", "40", "60", "80", "100"}, 400.0},
}};

constexpr std::array<ValueScaleRow, 13> kPowerRows{{
    {0.5, {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5"}, 0.002},
    {1, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}, 0.004},
    {3, {"0.0", "0.6", "1.2", "1.8", "2.4", "3.0"}, 0.012},
    {5, {"0", "1", "2", "3", "4", "5"}, 0.02},
    {10, {"0", "2", "4", "6", "8", "10"}, 0.04},
    {15, {"0", "3", "6", "9", "12", "15"}, 0.06},
    {25, {"0", "5", "10", "15", "20", "25"}, 0.1},
    {50, {"0", "10", "20", "30", "40", "50"}, 0.2},
    {100, {"0", "20", "40", "60", "80", "100"}, 0.4},
    {250, {"0", "50", "100", "150", "200", "250"}, 1.0},
    {500, {"0", "100", "200", "300", "400", "500"}, 2.0},
    {1000, {"0", "200", "400", "600", "800", "1000"}, 4.0},
    {kInfinity, {"0", "500", "1000", "1500", "2000", "2500"}, 10.0},
}};

template <typename Rows>
const typename Rows::value_type& rowFor(const Rows& rows, double value) {
    for (const auto& row : rows) {
        if (value <= row.upTo) {
            return row;
        }
    }
    return rows.back();
}

// The six heights of the value axes' ticks and labels, from the bottom.
constexpr std::array<double, 6> kTickY{300, 250, 200, 150, 100, 50};
constexpr std::array<double, 6> kLabelY{292, 242, 192, 142, 92, 42};

// Imperial input power: thousandths of an inch of water gauge × kcfm per percent of efficiency,
// in hp.
constexpr double kHorsepowerFactor = 0.01575757575757576;

bool finite(double v) {
    return std::isfinite(v);
}

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

} // namespace

const QuantityScaleRow& quantityScaleRow(double lastCurveQuantity, bool imperial) {
    return imperial ? rowFor(kQuantityRowsImperial, lastCurveQuantity)
                    : rowFor(kQuantityRowsSI, lastCurveQuantity);
}

const ValueScaleRow& pressureScaleRow(double firstCurvePressure, bool imperial) {
    return imperial ? rowFor(kPressureRowsImperial, firstCurvePressure)
                    : rowFor(kPressureRowsSI, firstCurvePressure);
}

const ValueScaleRow& powerScaleRow(double largestPower) {
    return rowFor(kPowerRows, largestPower);
}

int selectedCurveFan(const CFlowmarDoc& doc) {
    if (doc.fanCount <= 0 || doc.results.boosterPressure != 0.0) {
        return 0;
    }
    const int count = std::min(doc.fanCount, kMaxFans);
    return std::clamp(doc.curveViewFan + 1, 1, count);
}

double fanOperatingQuantity(const CFlowmarDoc& doc, int fanNumber) {
    if (fanNumber < 1 || fanNumber > kMaxFans) {
        return 0;
    }
    const long index = static_cast<long>(doc.segmentCount) +
                       doc.results.fanSegment[static_cast<std::size_t>(fanNumber)];
    if (index < 0 || index >= kBranchFlowSize) {
        return 0;
    }
    return doc.results.branchFlow[static_cast<std::size_t>(index)];
}

std::optional<FanCurveChartData> fanCurveChartData(const CFlowmarDoc& doc, int fanNumber) {
    if (doc.fanCount <= 0 || doc.results.boosterPressure != 0.0 || fanNumber < 1 ||
        fanNumber > std::min(doc.fanCount, kMaxFans)) {
        return std::nullopt;
    }
    const auto f = static_cast<std::size_t>(fanNumber);
    const double operatingPressure = doc.results.fanPressure[f];
    const double curveDensity = doc.fanCurveDensity[f];
    if (operatingPressure == 0.0 || !(curveDensity > 0) || !finite(curveDensity)) {
        return std::nullopt;
    }
    const bool imperial = isImperial(doc.unitSystem);
    const double ratio = doc.airDensity / curveDensity;
    FanCurveChartData data;
    data.pointCount = std::clamp(doc.fanCurvePointCount[f], 0, kMaxCurvePoints);
    for (int k = 1; k <= data.pointCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        const double pressure = doc.fanCurvePressure[m][f];
        const double quantity = doc.fanCurveQuantity[m][f];
        const double efficiency = doc.fanCurveEfficiency[m][f];
        if (efficiency != 0.0) {
            data.hasPowerData = true;
        }
        if (imperial) {
            data.pressure[m] = pressure * imperial::kInWgPerKilopascal * ratio;
            data.quantity[m] = quantity * imperial::kKcfmPerCubicMetrePerSecond;
            // From the shown pressure before the density correction, in thousandths in.w.g.
            const double shownPressure = pressure * imperial::kInWgPerKilopascal;
            data.power[m] = efficiency == 0.0 ? 0.0
                                              : shownPressure * data.quantity[m] *
                                                    kHorsepowerFactor / efficiency * ratio;
        } else {
            data.pressure[m] = pressure * ratio;
            data.quantity[m] = quantity;
            data.power[m] =
                efficiency == 0.0 ? 0.0 : pressure * quantity / (efficiency * 10) * ratio;
        }
    }
    // The operating point comes from the solution at the duct's density: no correction.
    const double q = fanOperatingQuantity(doc, fanNumber);
    const double efficiency = doc.results.fanEfficiency[f];
    if (imperial) {
        data.operatingQuantity = q * imperial::kKcfmPerCubicMetrePerSecond;
        data.operatingPressure = operatingPressure * imperial::kInWgPerKilopascal;
        data.operatingPower = efficiency == 0.0 ? 0.0
                                                : data.operatingPressure * data.operatingQuantity *
                                                      kHorsepowerFactor / efficiency;
    } else {
        data.operatingQuantity = q;
        data.operatingPressure = operatingPressure;
        data.operatingPower = efficiency == 0.0 ? 0.0 : operatingPressure * q / (efficiency * 10);
    }
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
