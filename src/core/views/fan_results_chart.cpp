#include "core/views/fan_results_chart.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_results.h"
#include "core/views/text_report.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace flowmar {

namespace {

constexpr double kAbove = std::numeric_limits<double>::infinity();

// QuantitySI: the labels of each row, from the origin up, then the rows.
constexpr std::array<std::string_view, 5> kQuantitySILabels0{"0.0", "1.0", "2.0", "3.0", "4.0"};
constexpr std::array<std::string_view, 5> kQuantitySILabels1{"0.0", "2.0", "4.0", "6.0", "8.0"};
constexpr std::array<std::string_view, 5> kQuantitySILabels2{"0", "4", "8", "12", "16"};
constexpr std::array<std::string_view, 5> kQuantitySILabels3{"0", "5", "10", "15", "20"};
constexpr std::array<std::string_view, 5> kQuantitySILabels4{"0", "8", "16", "24", "32"};
constexpr std::array<std::string_view, 5> kQuantitySILabels5{"0", "10", "20", "30", "40"};
constexpr std::array<std::string_view, 5> kQuantitySILabels6{"0", "15", "30", "45", "60"};
constexpr std::array<std::string_view, 5> kQuantitySILabels7{"0", "20", "40", "60", "80"};
constexpr std::array<std::string_view, 5> kQuantitySILabels8{"0", "25", "50", "75", "100"};
constexpr std::array<std::string_view, 5> kQuantitySILabels9{"0", "40", "80", "120", "160"};
constexpr std::array<std::string_view, 5> kQuantitySILabels10{"0", "50", "100", "150", "200"};
constexpr std::array<std::string_view, 5> kQuantitySILabels11{"0", "200", "400", "600", "800"};
constexpr std::array kQuantitySI{
    ChartScale{4, kQuantitySILabels0, 0.005},   ChartScale{8, kQuantitySILabels1, 0.01},
    ChartScale{16, kQuantitySILabels2, 0.02},   ChartScale{20, kQuantitySILabels3, 0.025},
    ChartScale{32, kQuantitySILabels4, 0.04},   ChartScale{40, kQuantitySILabels5, 0.05},
    ChartScale{60, kQuantitySILabels6, 0.075},  ChartScale{80, kQuantitySILabels7, 0.1},
    ChartScale{100, kQuantitySILabels8, 0.125}, ChartScale{160, kQuantitySILabels9, 0.2},
    ChartScale{200, kQuantitySILabels10, 0.25}, ChartScale{kAbove, kQuantitySILabels11, 1},
};

// QuantityImperial: the labels of each row, from the origin up, then the rows.
constexpr std::array<std::string_view, 5> kQuantityImperialLabels0{"0.0", "2.0", "4.0", "6.0",
                                                                   "8.0"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels1{"0", "4", "8", "12", "16"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels2{"0", "8", "16", "24", "32"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels3{"0", "10", "20", "30", "40"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels4{"0", "16", "32", "48", "64"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels5{"0", "20", "40", "60", "80"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels6{"0", "30", "60", "90", "120"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels7{"0", "40", "80", "120", "160"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels8{"0", "50", "100", "150", "200"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels9{"0", "80", "160", "240", "320"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels10{"0", "100", "200", "300",
                                                                    "400"};
constexpr std::array<std::string_view, 5> kQuantityImperialLabels11{"0", "400", "800", "1200",
                                                                    "1600"};
constexpr std::array kQuantityImperial{
    ChartScale{8, kQuantityImperialLabels0, 0.01},
    ChartScale{16, kQuantityImperialLabels1, 0.02},
    ChartScale{32, kQuantityImperialLabels2, 0.04},
    ChartScale{40, kQuantityImperialLabels3, 0.05},
    ChartScale{64, kQuantityImperialLabels4, 0.08},
    ChartScale{80, kQuantityImperialLabels5, 0.1},
    ChartScale{120, kQuantityImperialLabels6, 0.15},
    ChartScale{160, kQuantityImperialLabels7, 0.2},
    ChartScale{200, kQuantityImperialLabels8, 0.25},
    ChartScale{320, kQuantityImperialLabels9, 0.4},
    ChartScale{400, kQuantityImperialLabels10, 0.5},
    ChartScale{kAbove, kQuantityImperialLabels11, 2},
};

// PressureSI: the labels of each row, from the origin up, then the rows.
constexpr std::array<std::string_view, 6> kPressureSILabels0{"0.0",  "0.02", "0.04",
                                                             "0.06", "0.08", "0.1"};
constexpr std::array<std::string_view, 6> kPressureSILabels1{"0.0",  "0.05", "0.1",
                                                             "0.15", "0.2",  "0.25"};
constexpr std::array<std::string_view, 6> kPressureSILabels2{"0.0", "0.1", "0.2",
                                                             "0.3", "0.4", "0.5"};
constexpr std::array<std::string_view, 6> kPressureSILabels3{"0.0",  "0.15", "0.3",
                                                             "0.45", "0.6",  "0.75"};
constexpr std::array<std::string_view, 6> kPressureSILabels4{"0.0", "0.2", "0.4",
                                                             "0.6", "0.8", "1.0"};
constexpr std::array<std::string_view, 6> kPressureSILabels5{"0.0", "0.4", "0.8",
                                                             "1.2", "1.6", "2.0"};
constexpr std::array<std::string_view, 6> kPressureSILabels6{"0",   "0.6", "1.2",
                                                             "1.8", "2.4", "3.0"};
constexpr std::array<std::string_view, 6> kPressureSILabels7{"0", "1", "2", "3", "4", "5"};
constexpr std::array<std::string_view, 6> kPressureSILabels8{"0", "2", "4", "6", "8", "10"};
constexpr std::array<std::string_view, 6> kPressureSILabels9{"0", "5", "10", "15", "20", "25"};
constexpr std::array kPressureSI{
    ChartScale{100, kPressureSILabels0, 0.13333},
    ChartScale{250, kPressureSILabels1, 0.33333},
    ChartScale{500, kPressureSILabels2, 0.66666},
    ChartScale{750, kPressureSILabels3, 1},
    ChartScale{1000, kPressureSILabels4, 1.33333},
    ChartScale{2000, kPressureSILabels5, 2.66666},
    ChartScale{3000, kPressureSILabels6, 4},
    ChartScale{5000, kPressureSILabels7, 6.66666},
    ChartScale{10000, kPressureSILabels8, 13.33333},
    ChartScale{kAbove, kPressureSILabels9, 33.33333},
};

// PressureImperial: the labels of each row, from the origin up, then the rows.
constexpr std::array<std::string_view, 6> kPressureImperialLabels0{"0.0",  "0.08", "0.16",
                                                                   "0.24", "0.32", "0.4"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels1{"0.0", "0.20", "0.4",
                                                                   "0.6", "0.8",  "1.0"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels2{"0.0", "0.4", "0.8",
                                                                   "1.2", "1.6", "2.0"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels3{"0.0", "0.6", "1.2",
                                                                   "1.8", "2.4", "3.0"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels4{"0.0", "0.8", "1.6",
                                                                   "2.4", "3.2", "4.0"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels5{"0.0", "1.6", "3.2",
                                                                   "4.8", "6.4", "8.0"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels6{"0.0", "2.4", "4.8",
                                                                   "7.2", "9.6", "12.0"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels7{"0", "4", "8", "12", "16", "20"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels8{"0",  "8",  "16",
                                                                   "24", "32", "40"};
constexpr std::array<std::string_view, 6> kPressureImperialLabels9{"0",  "20", "40",
                                                                   "60", "80", "100"};
constexpr std::array kPressureImperial{
    ChartScale{400, kPressureImperialLabels0, 0.53332},
    ChartScale{1000, kPressureImperialLabels1, 1.33333},
    ChartScale{2000, kPressureImperialLabels2, 2.66666},
    ChartScale{3000, kPressureImperialLabels3, 4},
    ChartScale{4000, kPressureImperialLabels4, 5.33333},
    ChartScale{8000, kPressureImperialLabels5, 10.66666},
    ChartScale{12000, kPressureImperialLabels6, 16},
    ChartScale{20000, kPressureImperialLabels7, 26.66666},
    ChartScale{40000, kPressureImperialLabels8, 53.33333},
    ChartScale{kAbove, kPressureImperialLabels9, 133.33333},
};

// InputPower: the labels of each row, from the origin up, then the rows.
constexpr std::array<std::string_view, 6> kInputPowerLabels0{"0.0", "0.1", "0.2",
                                                             "0.3", "0.4", "0.5"};
constexpr std::array<std::string_view, 6> kInputPowerLabels1{"0.0", "0.2", "0.4",
                                                             "0.6", "0.8", "1.0"};
constexpr std::array<std::string_view, 6> kInputPowerLabels2{"0.0", "0.6", "1.2",
                                                             "1.8", "2.4", "3.0"};
constexpr std::array<std::string_view, 6> kInputPowerLabels3{"0", "1", "2", "3", "4", "5"};
constexpr std::array<std::string_view, 6> kInputPowerLabels4{"0", "2", "4", "6", "8", "10"};
constexpr std::array<std::string_view, 6> kInputPowerLabels5{"0", "3", "6", "9", "12", "15"};
constexpr std::array<std::string_view, 6> kInputPowerLabels6{"0", "5", "10", "15", "20", "25"};
constexpr std::array<std::string_view, 6> kInputPowerLabels7{"0", "10", "20", "30", "40", "50"};
constexpr std::array<std::string_view, 6> kInputPowerLabels8{"0", "20", "40", "60", "80", "100"};
constexpr std::array<std::string_view, 6> kInputPowerLabels9{"0", "50", "100", "150", "200", "250"};
constexpr std::array<std::string_view, 6> kInputPowerLabels10{"0",   "100", "200",
                                                              "300", "400", "500"};
constexpr std::array<std::string_view, 6> kInputPowerLabels11{"0",   "200", "400",
                                                              "600", "800", "1000"};
constexpr std::array<std::string_view, 6> kInputPowerLabels12{"0",    "500",  "1000",
                                                              "1500", "2000", "2500"};
constexpr std::array kInputPower{
    ChartScale{0.5, kInputPowerLabels0, 0.00066},
    ChartScale{1, kInputPowerLabels1, 0.00133},
    ChartScale{3, kInputPowerLabels2, 0.004},
    ChartScale{5, kInputPowerLabels3, 0.00666},
    ChartScale{10, kInputPowerLabels4, 0.01333},
    ChartScale{15, kInputPowerLabels5, 0.02},
    ChartScale{25, kInputPowerLabels6, 0.03333},
    ChartScale{50, kInputPowerLabels7, 0.06666},
    ChartScale{100, kInputPowerLabels8, 0.13333},
    ChartScale{250, kInputPowerLabels9, 0.33333},
    ChartScale{500, kInputPowerLabels10, 0.66666},
    ChartScale{1000, kInputPowerLabels11, 1.33333},
    ChartScale{kAbove, kInputPowerLabels12, 3.33333},
};
// Thousandths of an inch of water per pascal, and hp from (0.001 in.w.g.) × kcfm / %.
constexpr double kMilliInWgPerPascal = imperial::kInWgPerKilopascal;
constexpr double kImperialInputPowerFactor = 0.01575757575757576;

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

// Power drawn from pressure and quantity at an efficiency, in the unit system's units.
double inputPower(double pressure, double quantity, double efficiency, bool imperialUnits) {
    if (efficiency == 0) {
        return 0;
    }
    return imperialUnits ? pressure * quantity * kImperialInputPowerFactor / efficiency
                         : pressure * quantity / (efficiency * 10);
}

} // namespace

std::span<const ChartScale> quantityScales(int unitSystem) {
    if (isImperial(unitSystem)) {
        return kQuantityImperial;
    }
    return kQuantitySI;
}

std::span<const ChartScale> pressureScales(int unitSystem) {
    if (isImperial(unitSystem)) {
        return kPressureImperial;
    }
    return kPressureSI;
}

std::span<const ChartScale> inputPowerScales() {
    return kInputPower;
}

const ChartScale& chooseScale(std::span<const ChartScale> scales, double value) {
    const auto found = std::find_if(scales.begin(), scales.end() - 1,
                                    [value](const ChartScale& s) { return !(value > s.upTo); });
    return *found;
}

double chartPosition(double origin, double value, double factor) {
    const double offset = value / factor;
    if (!std::isfinite(offset)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return origin + std::trunc(offset);
}

FanChartData fanChartData(const CFlowmarDoc& doc, int fan) {
    FanChartData data;
    if (fan < 1 || fan > kMaxFans) {
        return data;
    }
    const auto f = static_cast<std::size_t>(fan);
    const bool imp = isImperial(doc.unitSystem);
    const double pressureFactor = imp ? kMilliInWgPerPascal : 1;
    const double quantityFactor = imp ? imperial::kKcfmPerCubicMetrePerSecond : 1;
    // The curve was measured at its own density; the duct's air is denser or lighter.
    const double density = doc.fanCurveDensity[f];
    const double ratio = density > 0 ? doc.airDensity / density : 1;

    data.count = std::clamp(doc.fanCurvePointCount[f], 0, kMaxCurvePoints);
    for (int m = 1; m <= data.count; ++m) {
        const auto p = static_cast<std::size_t>(m);
        const double pressure = doc.fanCurvePressure[p][f] * pressureFactor;
        const double quantity = doc.fanCurveQuantity[p][f] * quantityFactor;
        FanChartData::Point& point = data.curve[p - 1];
        point.pressure = pressure * ratio;
        point.quantity = quantity;
        point.inputPower =
            inputPower(pressure, quantity, doc.fanCurveEfficiency[p][f], imp) * ratio;
    }
    const FanOperatingPoint operating = fanOperatingPoint(doc, fan);
    data.operating.pressure = operating.pressure * pressureFactor;
    data.operating.quantity = operating.quantity * quantityFactor;
    data.operating.inputPower =
        inputPower(data.operating.pressure, data.operating.quantity, operating.efficiency, imp);
    return data;
}

void drawFanResultsChart(Drawing& drawing, const CFlowmarDoc& doc, int fan, Point reference) {
    const FanChartData data = fanChartData(doc, fan);
    const bool imp = isImperial(doc.unitSystem);
    const Font font = reportFont();
    const double x0 = reference.x;
    const double y = reference.y;
    const double left = x0 + kAxisLeft;
    const double right = x0 + kAxisRight;
    const double bottom = y - kAxisBottomDrop;
    const double top = y - kAxisTopDrop;

    const ChartScale& qScale = chooseScale(
        quantityScales(doc.unitSystem),
        data.count > 0 ? data.curve[static_cast<std::size_t>(data.count - 1)].quantity : 0);
    const ChartScale& pScale =
        chooseScale(pressureScales(doc.unitSystem), data.count > 0 ? data.curve[0].pressure : 0);
    double largestPower = data.operating.inputPower;
    for (int m = 0; m < data.count; ++m) {
        largestPower = std::max(largestPower, data.curve[static_cast<std::size_t>(m)].inputPower);
    }
    const ChartScale& ipScale = chooseScale(inputPowerScales(), largestPower);

    // The quantity axis, its ticks every 200 units and their labels under them.
    drawing.addLine({left, bottom}, {right, bottom});
    for (std::size_t k = 0; k < qScale.labels.size(); ++k) {
        const double x = left + 200 * static_cast<double>(k);
        drawing.addLine({x, bottom}, {x, bottom - kTickLength});
        drawing.addText({x - 20, y - 820}, std::string(qScale.labels[k]), font);
    }
    drawing.addText({x0 + 520, y - 865}, imp ? "Q (kcfm)" : "Q (m³/s)", font);

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
    drawing.addText({x0 + 150, y + 30}, imp ? "P (in.w.g.)" : "P (kPa)", font);
    drawing.addText({x0 + 950, y + 30}, imp ? "IHP (hp)" : "IHP (kW)", font);

    const auto at = [&](const FanChartData::Point& p, double value, const ChartScale& scale) {
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
