#include "core/views/fan_results_chart.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/text_report.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace flowmar {

namespace {

constexpr double kAxisLeft = 200;
constexpr double kAxisRight = 1000;
constexpr double kAxisBottomDrop = 800; // the quantity axis, below the reference
constexpr double kAxisTopDrop = 50;     // the top of both vertical axes
constexpr double kTickStep = 150;
constexpr double kTickLength = 15;

constexpr Pen kBluePen{PenStyle::Solid, {0, 0, 255}, 1};
constexpr Pen kGreenPen{PenStyle::Solid, {0, 255, 0}, 1};
constexpr Pen kRedPen{PenStyle::Solid, {255, 0, 0}, 1};

void addCircle(Drawing& drawing, Point centre, double radius, const Pen& pen) {
    drawing.addEllipse({centre.x - radius, centre.y - radius},
                       {centre.x + radius, centre.y + radius}, pen);
}

} // namespace

double chartPosition(double origin, double value, double factor) {
    const double offset = value / factor;
    if (!std::isfinite(offset)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return origin + std::trunc(offset);
}

void drawFanResultsChart(Drawing& drawing, const CFlowmarDoc& doc, int fan, Point reference) {
    const FanChartData data = fanChartData(doc, fan);
    const Font font = reportFont();
    const double x0 = reference.x;
    const double y = reference.y;
    const double left = x0 + kAxisLeft;
    const double right = x0 + kAxisRight;
    const double bottom = y - kAxisBottomDrop;
    const double top = y - kAxisTopDrop;

    const QuantityScaleRow& qScale = chooseScale(
        quantityScales(doc.unitSystem),
        data.count > 0 ? data.curve[static_cast<std::size_t>(data.count - 1)].quantity : 0);
    const ValueScaleRow& pScale =
        chooseScale(pressureScales(doc.unitSystem), data.count > 0 ? data.curve[0].pressure : 0);
    double largestPower = data.operating.inputPower;
    for (int m = 0; m < data.count; ++m) {
        largestPower = std::max(largestPower, data.curve[static_cast<std::size_t>(m)].inputPower);
    }
    const ValueScaleRow& ipScale = chooseScale(inputPowerScales(), largestPower);

    // The quantity axis, its ticks every 200 units and their labels under them.
    drawing.addLine({left, bottom}, {right, bottom});
    for (std::size_t k = 0; k < qScale.labels.size(); ++k) {
        const double x = left + 200 * static_cast<double>(k);
        drawing.addLine({x, bottom}, {x, bottom - kTickLength});
        drawing.addText({x - 20, y - 820}, std::string(qScale.labels[k]), font);
    }
    drawing.addText({x0 + 520, y - 865}, withUnit("Q", Quantity::AirQuantity, doc.unitSystem),
                    font);

    // The pressure axis on the left and the input-power axis on the right, ticks every 150 units
    // from the top, labels from the bottom up.
    drawing.addLine({left, top}, {left, bottom});
    drawing.addLine({right, top}, {right, bottom});
    for (int k = 0; k < 6; ++k) {
        const double tick = top - kTickStep * k;
        drawing.addLine({left, tick}, {left - kTickLength, tick});
        drawing.addLine({right, tick}, {right + kTickLength, tick});
    }
    for (std::size_t k = 0; k < pScale.labels.size(); ++k) {
        const double labelY = y - 775 + kTickStep * static_cast<double>(k);
        drawing.addText({x0 + 120, labelY}, std::string(pScale.labels[k]), font);
    }
    for (std::size_t k = 0; k < ipScale.labels.size(); ++k) {
        const double labelY = y - 775 + kTickStep * static_cast<double>(k);
        drawing.addText({x0 + 1030, labelY}, std::string(ipScale.labels[k]), font);
    }
    drawing.addText({x0 + 150, y + 30}, withUnit("P", Quantity::BoosterPressure, doc.unitSystem),
                    font);
    drawing.addText({x0 + 950, y + 30}, withUnit("IHP", Quantity::Power, doc.unitSystem), font);

    const auto at = [&](const FanChartData::Point& p, double value, const ValueScaleRow& scale) {
        return Point{chartPosition(left, p.quantity, qScale.factor),
                     chartPosition(bottom, value, scale.factor)};
    };

    // The pressure curve, point to point, each point ringed.
    for (int m = 0; m + 1 < data.count; ++m) {
        const auto& a = data.curve[static_cast<std::size_t>(m)];
        const auto& b = data.curve[static_cast<std::size_t>(m + 1)];
        const Point from = at(a, a.pressure, pScale);
        const Point to = at(b, b.pressure, pScale);
        drawing.addLine(from, to, kBluePen);
        addCircle(drawing, from, 5, kBluePen);
        addCircle(drawing, to, 5, kBluePen);
    }
    drawing.addLine({x0 + 1200, y - 525}, {x0 + 1325, y - 525}, kBluePen);
    drawing.addText({x0 + 1350, y - 500}, "Pressure - Curve", font);

    // The input power of every curve point.
    for (int m = 0; m < data.count; ++m) {
        const auto& p = data.curve[static_cast<std::size_t>(m)];
        addCircle(drawing, at(p, p.inputPower, ipScale), 10, kGreenPen);
    }
    addCircle(drawing, {x0 + 1275, y - 575}, 10, kGreenPen);
    drawing.addText({x0 + 1350, y - 550}, "Input Fan Power - Data Points", font);

    // The operating point on both curves, with lines to the axes it is read on.
    const Point pressurePoint = at(data.operating, data.operating.pressure, pScale);
    addCircle(drawing, pressurePoint, 8, kRedPen);
    drawing.addLine(pressurePoint, {pressurePoint.x, bottom}, kRedPen);
    drawing.addLine(pressurePoint, {left, pressurePoint.y}, kRedPen);
    const Point powerPoint = at(data.operating, data.operating.inputPower, ipScale);
    addCircle(drawing, powerPoint, 8, kRedPen);
    drawing.addLine(powerPoint, {powerPoint.x, bottom}, kRedPen);
    drawing.addLine(powerPoint, {right, powerPoint.y}, kRedPen);
}

Drawing fanResultsChart(const CFlowmarDoc& doc, int fan) {
    // Room for the titles above the axes, the quantity title below and the legends beside.
    Drawing drawing(Extent{0, 100, 2000, -950}, kTenthMillimetresPerInch);
    drawFanResultsChart(drawing, doc, fan, Point{0, 0});
    return drawing;
}

} // namespace flowmar
