#include "core/views/fan_curve_page.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/fan_chart_data.h"
#include "core/views/fan_curve_chart.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

namespace flowmar {

namespace {

using namespace fan_curve_view;

constexpr double kBodyX = 100;
// From the top of the printable area to the header, and from the rule to the summary's title.
constexpr double kChartPaneHeadingDrop = 70;
constexpr double kFormPaneHeadingDrop = 100;
constexpr double kChartPaneSummaryDrop = 140;
constexpr double kFormPaneSummaryDrop = 200;
// The space kept between the summary and the chart, 0.1 mm.
constexpr double kChartGap = 100;
// The part of the chart's space that is always kept in proportion, whatever a kind leaves out:
// from the left axis' labels to the right axis' labels, from the titles to the legends.
constexpr Extent kChartFrame{35, 10, 320, 415};

constexpr double kMetresPerFoot = 0.3048;

std::string_view kindName(int kind) {
    return kKindNames[static_cast<std::size_t>(std::clamp(kind, 0, 2))];
}

std::string line(const char* format, double value) {
    return formatDouble(format, value);
}

// The input power at the operating point (at quantity q): kW, or hp in Imperial; nothing without
// an operating point; 0 for an efficiency of 0.
std::string powerLine(const FanOperatingPoint& point, double q, bool imperial) {
    if (!point.onCurve) {
        return "Fan Input Power : NA";
    }
    const double p = point.pressure;
    const double efficiency = point.efficiency;
    if (efficiency == 0.0) {
        return imperial ? "Fan Input Power : 0 (hp)" : "Fan Input Power : 0 (kW)";
    }
    if (imperial) {
        return line("Fan Input Power :  %.2f (hp)",
                    p * q * 100 / (efficiency * 1000) * imperial::kHorsepowerPerKilowatt);
    }
    return line("Fan Input Power :  %.2f (kW)", p * q / (efficiency * 10));
}

// A chart placed on the page: chart point c lands at origin + (c − frame's top-left) × scale,
// y turned upwards.
struct Placement {
    double scale = 0;
    double left = 0; // page x of the frame's left edge
    double top = 0;  // page y of the frame's top edge
    Extent frame;

    Point map(Point c) const {
        return {left + (c.x - frame.left) * scale, top - (c.y - frame.top) * scale};
    }
};

// The largest scale at which the frame fits the region (page units, y up: top > bottom), placed
// at the region's top, centred across it.
Placement fit(const Extent& frame, double left, double top, double right, double bottom) {
    Placement placement;
    placement.frame = frame;
    const double width = right - left;
    const double height = top - bottom;
    if (width <= 0 || height <= 0) {
        return placement;
    }
    placement.scale = std::min(width / frame.width(), height / frame.height());
    placement.left = left + (width - frame.width() * placement.scale) / 2;
    placement.top = top;
    return placement;
}

void addPlaced(Drawing& page, const Drawing& chart, const Placement& at) {
    // Texts and pens grow with the chart, so that it keeps the proportions it has on the screen.
    const double textScale = at.scale * kPixelsPerInch / kTenthMillimetresPerInch;
    const auto pen = [&](Pen p) {
        p.width *= at.scale;
        return p;
    };
    for (const Primitive& primitive : chart.primitives()) {
        std::visit(
            [&](const auto& shape) {
                using T = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<T, Line>) {
                    page.addLine(at.map(shape.from), at.map(shape.to), pen(shape.pen));
                } else if constexpr (std::is_same_v<T, Polyline>) {
                    std::vector<Point> points;
                    points.reserve(shape.points.size());
                    for (const Point& q : shape.points) {
                        points.push_back(at.map(q));
                    }
                    page.addPolyline(std::move(points), pen(shape.pen));
                } else if constexpr (std::is_same_v<T, Rectangle>) {
                    page.addRectangle(at.map(shape.corner1), at.map(shape.corner2), pen(shape.pen),
                                      shape.fill);
                } else if constexpr (std::is_same_v<T, Ellipse>) {
                    page.addEllipse(at.map(shape.corner1), at.map(shape.corner2), pen(shape.pen),
                                    shape.fill);
                } else {
                    Font font = shape.font;
                    font.pointSize *= textScale;
                    page.addText(at.map(shape.topLeft), shape.text, font, shape.color,
                                 shape.background);
                }
            },
            primitive);
    }
}

} // namespace

std::vector<FanCurveSummaryLine> fanCurveSummary(const CFlowmarDoc& doc, FanCurvePane pane) {
    std::vector<FanCurveSummaryLine> lines{{0, std::string(kSummaryTitle)}};
    const int f = selectedCurveFan(doc);
    if (f == 0) {
        return lines;
    }
    const auto i = static_cast<std::size_t>(f);
    const bool imperial = isImperial(doc.unitSystem);
    const bool chart = pane == FanCurvePane::Chart;
    const FanOperatingPoint point = fanOperatingPoint(doc, f);
    const double q = fanCurveViewQuantity(point);
    const double pressure = point.pressure; // the fixed pressure when not on the curve
    const auto add = [&](int offset, std::string text) {
        lines.push_back({offset, std::move(text)});
    };
    add(3, formatInt("Fan Number : %d", f));
    add(5, "Manufacturer : " + doc.fanManufacturer[i]);
    add(7, "Model : " + doc.fanModel[i]);
    add(9, "Setting : " + doc.fanSetting[i]);
    if (imperial) {
        add(11, line("Distance : %.1f (ft)", doc.fanDistance[i] / kMetresPerFoot));
        add(15, line("Curve Density : %.3f (lb/ft³)",
                     doc.fanCurveDensity[i] * imperial::kLbPerFt3PerKgPerM3));
        add(17,
            line("Air Density : %.3f (lb/ft³)", doc.airDensity * imperial::kLbPerFt3PerKgPerM3));
        add(21, line("Fan Quantity : %.2f (kcfm)", q * imperial::kKcfmPerCubicMetrePerSecond));
        add(23, line("Fan Pressure : %.2f (in.w.g.)", pressure * imperial::kInWgPerPascal));
    } else {
        add(11, chart ? line("Distance : %.0f  (m)", doc.fanDistance[i])
                      : line("Distance : %.2f (m)", doc.fanDistance[i]));
        add(15, line("Curve Density : %.3f (kg/m³)", doc.fanCurveDensity[i]));
        add(17, line("Air Density : %.3f (kg/m³)", doc.airDensity));
        add(21, line("Fan Quantity : %.2f (m³/s)", q));
        add(23, chart ? line("Fan Pressure : %.0f (Pa)", pressure)
                      : line("Fan Pressure : %.2f (kPa)", pressure / 1000));
    }
    add(25, line("Fan Efficiency : %.0f ( %% )", doc.results.fanEfficiency[i]));
    add(27, powerLine(point, q, imperial));
    add(29, "Selected Curve : " + std::string(kindName(doc.curveViewKind)));
    return lines;
}

Drawing fanCurvePage(const CFlowmarDoc& doc, FanCurvePane pane, const PageRect& page,
                     const TextMetrics& metrics) {
    Drawing drawing(Extent{page.left, page.top, page.right, page.bottom}, kTenthMillimetresPerInch);
    const Font font = reportFont();
    const double h = reportTextHeight(metrics);
    const bool chartPane = pane == FanCurvePane::Chart;

    const double headingY = page.top - (chartPane ? kChartPaneHeadingDrop : kFormPaneHeadingDrop);
    drawing.addText({page.left, headingY}, std::string(kPageHeading), font);
    const double top = headingY - 2 * h;
    drawing.addLine({page.left, top}, {page.right, top});

    const double y0 = top - (chartPane ? kChartPaneSummaryDrop : kFormPaneSummaryDrop);
    double summaryRight = page.left + kBodyX;
    double summaryBottom = y0;
    for (const FanCurveSummaryLine& l : fanCurveSummary(doc, pane)) {
        const double y = y0 - l.offset * h;
        drawing.addText({page.left + kBodyX, y}, l.text, font);
        summaryRight = std::max(summaryRight, page.left + kBodyX +
                                                  pointsToLogical(metrics.width(l.text, font),
                                                                  kTenthMillimetresPerInch));
        summaryBottom = std::min(summaryBottom, y - h);
    }

    const Drawing chart = fanCurveChart(doc, metrics);
    const std::optional<Extent> bounds = drawingBounds(chart, metrics);
    if (!bounds) {
        return drawing;
    }
    // Chart space has y down: its top is the smaller y.
    const Extent frame{
        std::min(kChartFrame.left, bounds->left), std::min(kChartFrame.top, bounds->top),
        std::max(kChartFrame.right, bounds->right), std::max(kChartFrame.bottom, bounds->bottom)};
    // Beside the summary, or below it when that leaves more room (a page standing upright).
    const Placement beside =
        fit(frame, summaryRight + kChartGap, top - kChartGap, page.right, page.bottom);
    const Placement below =
        fit(frame, page.left + kBodyX, summaryBottom - kChartGap, page.right - kBodyX, page.bottom);
    const Placement& placement = below.scale > beside.scale ? below : beside;
    if (placement.scale > 0 && std::isfinite(placement.scale)) {
        addPlaced(drawing, chart, placement);
    }
    return drawing;
}

} // namespace flowmar
