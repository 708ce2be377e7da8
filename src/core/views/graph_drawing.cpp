#include "core/views/graph_drawing.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/nice_axis_step.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace flowmar {

namespace {

using namespace graph_view;

// The plot area: 700 units wide in 10 divisions, 348 units high in 6, its bottom axis at −400.
constexpr double kPlotLeft = 50;
constexpr double kPlotRight = 750;
constexpr double kPlotBottom = -400;
constexpr double kPlotTop = -50;
constexpr double kPlotWidth = 700;
constexpr double kDivisionWidth = 70;
constexpr double kDivisionHeight = 58;

// The schematic: the duct's walls and centre line.
constexpr double kUpperWall = -467;
constexpr double kLowerWall = -534;
constexpr double kCentreLine = -500;

// A value beyond this (in shown units) cannot come from a solution of a real duct; it is left out
// like a value that is not a number, so that no axis label grows to hundreds of digits.
constexpr double kLargestPlotted = 1e9;
// The band behind a flagged stretch: light enough for every curve to stay readable over it.
constexpr Rgb kShade{255, 228, 200};
// Marks are drawn where their distance falls, even beyond the duct; far beyond, they are held
// here so that a painter never meets an absurd coordinate.
constexpr double kFarAway = 1e6;

using SeriesValues = std::array<double, kMaxSegments + 1>; // 1-based, element 0 for node 0

bool plottable(double value) {
    return std::isfinite(value) && std::abs(value) <= kLargestPlotted;
}

// trunc, with −0 made +0 so that a base of "−0" never reaches a label.
double truncated(double value) {
    return std::trunc(value) + 0.0;
}

std::string labelText(const char* format, double value) {
    return formatDouble(format, value + 0.0);
}

// One value axis: six divisions of `step` from `base` upwards, a value v at
// trunc(−400 + (v − base) × 58 / step).
struct ValueAxis {
    double step = 1;
    double base = 0;

    double y(double value) const {
        return truncated(kPlotBottom + (value - base) * kDivisionHeight / step);
    }
};

// The axis of the values: a step for their span × 1.333333 and a base three steps below their
// middle. The span starts from 0 and 100000 as the view always did, so it includes 0 and never
// ends above 100000; with no plottable value at all it is 0 to 0.
ValueAxis valueAxis(const SeriesValues& a, const SeriesValues& b, int n, bool useB,
                    bool wholeMiddle) {
    double high = 0;
    double low = 100000;
    bool any = false;
    const auto take = [&](double v) {
        if (plottable(v)) {
            high = std::max(high, v);
            low = std::min(low, v);
            any = true;
        }
    };
    for (int i = 1; i <= n; ++i) {
        take(a[static_cast<std::size_t>(i)]);
        if (useB) {
            take(b[static_cast<std::size_t>(i)]);
        }
    }
    if (!any) {
        high = 0;
        low = 0;
    }
    ValueAxis axis;
    axis.step = valueAxisStep(high - low);
    double middle = (low + high) * 0.5;
    if (wholeMiddle) {
        middle = std::trunc(middle);
    }
    axis.base = truncated(middle - 3 * axis.step);
    return axis;
}

class GraphPainter {
public:
    GraphPainter(const CFlowmarDoc& doc, const GraphOptions& options, Drawing& drawing,
                 std::span<const ShadedRange> shaded = {})
        : m_doc(doc), m_options(options), m_drawing(drawing), m_shaded(shaded), m_font(graphFont()),
          m_imperial(isImperial(doc.unitSystem)),
          m_length(toShown(Quantity::Length, doc.ductLength, doc.unitSystem)),
          m_segments(doc.segmentCount) {}

    bool hasResults() const {
        return m_doc.ductArea != 0 && std::isfinite(m_doc.ductArea) && m_length > 0 &&
               std::isfinite(m_length) && m_segments >= 1 && m_segments <= kMaxSegments;
    }

    void draw() {
        m_drawing.addRectangle({10, -20}, {790, -580}, kBlackPen, kWhite);
        drawShading();
        drawAxesAndGrid();
        drawDistanceAxis();
        if (m_options.showSchematic == 1) {
            drawSchematic();
        }
        computeSeries();
        drawFlow();
        drawPressures();
    }

private:
    void text(double x, double y, std::string_view s) {
        m_drawing.addText({x, y}, std::string(s), m_font, kBlack, kWhite);
    }
    void line(double x1, double y1, double x2, double y2, const Pen& pen = kBlackPen) {
        m_drawing.addLine({x1, y1}, {x2, y2}, pen);
    }
    void path(std::vector<Point> points) { m_drawing.addPolyline(std::move(points), kBlackPen); }

    void drawAxesAndGrid() {
        line(kPlotLeft, kPlotBottom, kPlotLeft, kPlotTop);
        line(kPlotRight, kPlotBottom, kPlotRight, kPlotTop);
        line(kPlotLeft, kPlotBottom, kPlotRight, kPlotBottom);
        for (int k = 1; k <= 9; ++k) {
            const double x = kPlotLeft + kDivisionWidth * k;
            line(x, kPlotBottom, x, kPlotTop, kGridPen);
        }
        for (int k = 1; k <= 6; ++k) {
            const double y = kPlotBottom + kDivisionHeight * k;
            line(kPlotLeft, y, kPlotRight, y, kGridPen);
        }
    }

    // Light bands under everything else, clipped to the plot.
    void drawShading() {
        if (m_shaded.empty()) {
            return;
        }
        m_perUnit = kPlotWidth / (10 * distanceAxisStep(m_length));
        for (const ShadedRange& range : m_shaded) {
            const std::optional<double> from = xOf(range.from);
            const std::optional<double> to = xOf(range.to);
            if (!from || !to) {
                continue;
            }
            const double left = std::clamp(std::min(*from, *to), kPlotLeft, kPlotRight);
            const double right = std::clamp(std::max(*from, *to), kPlotLeft, kPlotRight);
            if (right > left) {
                m_drawing.addRectangle({left, kPlotTop}, {right, kPlotBottom},
                                       {PenStyle::Solid, kShade, 0}, kShade);
            }
        }
    }

    void drawDistanceAxis() {
        text(370, -430, m_imperial ? kDistanceTitleImperial : kDistanceTitleSI);
        const double step = distanceAxisStep(m_length);
        for (int k = 0; k <= 10; ++k) {
            text(38 + kDivisionWidth * k, -409, labelText("%.0f", k * step));
        }
        m_perUnit = kPlotWidth / (10 * step);
        m_ductEnd = kPlotLeft + std::trunc(m_length * m_perUnit);
    }

    // Where a distance along the duct (m) is drawn; nothing for a distance that is not a number.
    std::optional<double> xOf(double metres) const {
        const double shown = toShown(Quantity::Length, metres, m_doc.unitSystem);
        const double x = kPlotLeft + std::trunc(shown * m_perUnit);
        if (std::isnan(x)) {
            return std::nullopt;
        }
        return std::clamp(x, -kFarAway, kFarAway);
    }

    void drawSchematic() {
        line(kPlotLeft, kUpperWall, m_ductEnd, kUpperWall);
        line(kPlotLeft, kLowerWall, m_ductEnd, kLowerWall);
        if (m_options.showFans == 1 && m_doc.results.boosterPressure == 0.0) {
            drawFans();
        }
        if (m_options.showShockLosses == 1) {
            drawShockLosses();
        }
        if (m_options.showAirflowDirection == 1) {
            drawArrows();
        }
        drawFittings();
    }

    void drawFans() {
        const int count = std::min(m_doc.fanCount, kMaxFans);
        for (int i = 1; i <= count; ++i) {
            const std::optional<double> centre =
                xOf(m_doc.fanDistance[static_cast<std::size_t>(i)]);
            if (!centre) {
                continue;
            }
            const double c = *centre;
            path({{c - 6, -494}, {c - 6, -506}, {c - 12, -509}, {c - 12, -491}, {c - 6, -494}});
            path({{c - 6, -506}, {c + 6, -506}, {c + 6, -494}, {c - 6, -494}});
            path({{c + 6, -506}, {c + 12, -509}, {c + 12, -491}, {c + 6, -494}});
            text(c, -509, formatInt("%.i", i));
        }
    }

    // A mark below the centre line (elbows, dampers) or above it (screens, fixed resistances,
    // transitions), with its letters beside it.
    void markBelow(double metres, std::string_view letters, double textOffset) {
        if (const std::optional<double> x = xOf(metres)) {
            line(*x, kCentreLine, *x, kLowerWall);
            text(*x + textOffset, -540, letters);
        }
    }
    void markAbove(double metres, std::string_view letters) {
        if (const std::optional<double> x = xOf(metres)) {
            line(*x, kCentreLine, *x, kUpperWall);
            text(*x + 6, -473, letters);
        }
    }

    void drawShockLosses() {
        const CFlowmarDoc& d = m_doc;
        for (std::size_t r = 1; r <= kShockLossRows; ++r) {
            if (d.smoothElbowDistance[r] > 0 && d.smoothElbowFactor[r] > 0) {
                markBelow(d.smoothElbowDistance[r], kSmoothElbowMark, -5);
            }
            if (d.mitredElbowDistance[r] > 0 && d.mitredElbowFactor[r] > 0) {
                markBelow(d.mitredElbowDistance[r], kMitredElbowMark, -5);
            }
            if (d.damperDistance[r] > 0 && d.damperFactor[r] > 0) {
                markBelow(d.damperDistance[r], kDamperMark, 0);
            }
            if (d.screenDistance[r] > 0) {
                markAbove(d.screenDistance[r], kScreenMark);
            }
            if (d.fixedResistanceDistance[r] > 0 && d.fixedResistanceValue[r] > 0) {
                markAbove(d.fixedResistanceDistance[r], kFixedResistanceMark);
            }
        }
        if (d.zonesOff == 0 && d.autoTransitionOff == 0 && d.zoneCount >= 2) {
            const int count = std::min(d.zoneCount, kMaxZones);
            for (int k = 2; k <= count; ++k) {
                markAbove(d.zoneStart[static_cast<std::size_t>(k)], kTransitionMark);
            }
        }
    }

    // Three arrows at a sixth, a half and five sixths of the far end's x. On a duct too short to
    // reach x = 300 (only on the short-duct scale) that would put arrows before the duct's start,
    // so there the three are spread over the duct itself.
    void drawArrows() {
        const bool within = std::trunc(m_ductEnd / 6) >= kPlotLeft;
        for (int m = 0; m <= 2; ++m) {
            const double a =
                within ? std::trunc(m_ductEnd * (2 * m + 1) / 6)
                       : kPlotLeft + std::trunc((m_ductEnd - kPlotLeft) * (2 * m + 1) / 6);
            if (m_doc.ductType == kForcing) {
                path({{a, -500},
                      {a + 18, -500},
                      {a + 18, -494},
                      {a + 24, -500},
                      {a + 18, -506},
                      {a + 18, -500}});
            } else {
                path({{a + 18, -500}, {a, -500}, {a, -494}, {a - 6, -500}, {a, -506}, {a, -500}});
            }
        }
    }

    // The entry is at the start of a forcing duct and at the far end otherwise; the exit at the
    // start of an exhausting duct and at the far end otherwise. Fittings open outwards: to the
    // left at the start, to the right at the far end.
    void drawFittings() {
        const bool entryAtStart = m_doc.ductType == kForcing;
        const bool exitAtStart = m_doc.ductType == kExhausting;
        const double x0 = entryAtStart ? kPlotLeft : m_ductEnd;
        const double x1 = exitAtStart ? kPlotLeft : m_ductEnd;
        const double out0 = entryAtStart ? -1 : 1;
        const double out1 = exitAtStart ? -1 : 1;
        const double entry = m_doc.entryShockFactor;
        const double exit = m_doc.exitShockFactor;
        if (entry == 0.5) { // flanged
            line(x0, kLowerWall, x0, -546);
            line(x0, kUpperWall, x0, -455);
        } else if (entry == 0.1) { // formed bell
            const double x = x0 + out0 * 12;
            path({{x0, kLowerWall}, {x, -540}, {x, -546}});
            path({{x0, kUpperWall}, {x, -461}, {x, -455}});
        }
        if (exit == 0.88) { // flanged
            line(x1, kLowerWall, x1, -546);
            line(x1, kUpperWall, x1, -455);
        } else if (exit == 0.51) { // diffuser
            const double x = x1 + out1 * 18;
            line(x1, kLowerWall, x, -546);
            line(x1, kUpperWall, x, -455);
        }
    }

    void computeSeries() {
        const DuctResults& r = m_doc.results;
        const std::size_t n = static_cast<std::size_t>(m_segments);
        const bool zones = m_doc.zonesOff == 0;
        const bool quantity = m_options.flowPlotKind == 1;
        for (std::size_t i = 1; i <= n; ++i) {
            if (quantity) {
                m_flow[i] = toShown(Quantity::AirQuantity, r.branchFlow[n + i], m_doc.unitSystem);
            } else {
                const double v = zones ? r.zoneSegmentVelocity[i] : r.segmentVelocity[i];
                m_flow[i] = m_imperial ? v * imperial::kFeetPerMinutePerMetrePerSecond : v;
            }
            const double velocityPressure =
                zones ? r.zoneSegmentVelocityPressure[i] : r.segmentVelocityPressure[i];
            m_total[i] = kiloPascals(r.totalPressure[i]);
            m_static[i] = kiloPascals(r.totalPressure[i] - velocityPressure);
        }
        m_total[0] = m_static[0] = m_total[n] = m_static[n] = 0;
        // The nodes' x: the segment width accumulated from the plot's left edge, then truncated.
        const double width = m_length / m_segments * m_perUnit;
        double x = kPlotLeft;
        m_nodeX[0] = kPlotLeft;
        for (std::size_t j = 1; j <= n; ++j) {
            x += width;
            m_nodeX[j] = std::trunc(x);
        }
    }

    // kPa, or in.w.g. in Imperial.
    double kiloPascals(double pascals) const {
        return m_imperial ? pascals * imperial::kInWgPerKilopascal / 1000 : pascals / 1000;
    }

    // A curve through (x, value) points, broken around every value that cannot be plotted.
    void curve(const std::vector<std::pair<double, double>>& points, const ValueAxis& axis,
               const Pen& pen) {
        std::vector<Point> run;
        const auto flush = [&] {
            if (run.size() >= 2) {
                m_drawing.addPolyline(run, pen);
            }
            run.clear();
        };
        for (const auto& [x, value] : points) {
            if (!plottable(value)) {
                flush();
                continue;
            }
            run.push_back({x, axis.y(value)});
        }
        flush();
    }

    void drawFlow() {
        const int n = m_segments;
        const ValueAxis axis = valueAxis(m_flow, m_flow, n, false, m_imperial);
        for (int k = 0; k <= 6; ++k) {
            text(756, -388 + kDivisionHeight * k, labelText("%.0f", axis.step * k + axis.base));
        }
        const bool quantity = m_options.flowPlotKind == 1;
        const std::string_view title =
            quantity ? (m_imperial ? kQuantityTitleImperial : kQuantityTitleSI)
                     : (m_imperial ? kVelocityTitleImperial : kVelocityTitleSI);
        text(696, -32, title);
        text(600, -32, kFlowLegend);
        // The first segment is flat; each later one slopes from the previous segment's value.
        std::vector<std::pair<double, double>> points;
        points.reserve(static_cast<std::size_t>(n) + 1);
        points.emplace_back(kPlotLeft, m_flow[1]);
        for (std::size_t j = 1; j <= static_cast<std::size_t>(n); ++j) {
            points.emplace_back(m_nodeX[j], m_flow[j]);
        }
        curve(points, axis, kFlowPen);
        line(583, -38, 550, -38, kFlowPen);
    }

    void drawPressures() {
        const int n = m_segments;
        const ValueAxis axis = valueAxis(m_total, m_static, n, true, false);
        const bool total = m_options.plotTotalPressure == 1;
        const bool statik = m_options.plotStaticPressure == 1;
        if (!total && !statik) {
            return;
        }
        for (int k = 0; k <= 6; ++k) {
            text(16, -388 + kDivisionHeight * k, labelText("%.2f", axis.step * k + axis.base));
        }
        text(50, -32, m_imperial ? kPressureTitleImperial : kPressureTitleSI);
        text(200, -32, kTotalPressureLegend);
        text(400, -32, kStaticPressureLegend);
        if (m_options.plotZeroPressure == 1) {
            const double y0 = axis.y(0);
            line(kPlotLeft, y0, kPlotRight, y0, kZeroPressurePen);
        }
        const auto nodes = [&](const SeriesValues& values) {
            std::vector<std::pair<double, double>> points;
            points.reserve(static_cast<std::size_t>(n) + 1);
            for (std::size_t j = 0; j <= static_cast<std::size_t>(n); ++j) {
                points.emplace_back(m_nodeX[j], values[j]);
            }
            return points;
        };
        if (total) {
            curve(nodes(m_total), axis, kTotalPressurePen);
            line(183, -38, 150, -38, kTotalPressurePen);
        }
        if (statik) {
            curve(nodes(m_static), axis, kStaticPressurePen);
            line(383, -38, 350, -38, kStaticPressurePen);
        }
    }

    const CFlowmarDoc& m_doc;
    const GraphOptions& m_options;
    Drawing& m_drawing;
    std::span<const ShadedRange> m_shaded;
    const Font m_font;
    const bool m_imperial;
    const double m_length; // m or ft
    const int m_segments;
    double m_perUnit = 1; // logical units per m or ft
    double m_ductEnd = kPlotLeft;
    SeriesValues m_flow{};
    SeriesValues m_total{};
    SeriesValues m_static{};
    SeriesValues m_nodeX{};
};

} // namespace

Font graphFont() {
    return Font{8, "Arial", false};
}

Drawing graphDrawing(const CFlowmarDoc& doc) {
    return graphDrawing(doc, graphOptionsOf(doc));
}

Drawing graphDrawing(const CFlowmarDoc& doc, const GraphOptions& options) {
    return graphDrawing(doc, options, {});
}

Drawing graphDrawing(const CFlowmarDoc& doc, const GraphOptions& options,
                     std::span<const ShadedRange> shaded) {
    Drawing drawing(kExtent);
    GraphPainter painter(doc, options, drawing, shaded);
    if (painter.hasResults()) {
        painter.draw();
    }
    return drawing;
}

ChartMapping graphMapping(const DeviceRect& rect) {
    return ChartMapping{{0, -600},
                        {800, -600},
                        {static_cast<double>(rect.left), static_cast<double>(rect.bottom)},
                        {static_cast<double>(rect.width()), static_cast<double>(rect.height())}};
}

} // namespace flowmar
