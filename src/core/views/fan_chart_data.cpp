#include "core/views/fan_chart_data.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/summary_conditions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace flowmar {

namespace {

constexpr double kAbove = std::numeric_limits<double>::infinity();

// Where the fan-curve view puts the quantity labels: four sets, so that each row's labels centre
// under their ticks.
constexpr std::array<double, 5> kPosA{65, 115, 165, 215, 260};
constexpr std::array<double, 5> kPosB{70, 120, 170, 220, 265};
constexpr std::array<double, 5> kPosC{70, 120, 170, 220, 260};
constexpr std::array<double, 5> kPosD{70, 115, 165, 215, 265};

constexpr std::array<QuantityScaleRow, 12> kQuantitySI{{
    {4, {"0.0", "1.0", "2.0", "3.0", "4.0"}, 0.02, 0.005, kPosA},
    {8, {"0.0", "2.0", "4.0", "6.0", "8.0"}, 0.04, 0.01, kPosB},
    {16, {"0", "4", "8", "12", "16"}, 0.08, 0.02, kPosB},
    {20, {"0", "5", "10", "15", "20"}, 0.1, 0.025, kPosC},
    {32, {"0", "8", "16", "24", "32"}, 0.16, 0.04, kPosA},
    {40, {"0", "10", "20", "30", "40"}, 0.2, 0.05, kPosA},
    {60, {"0", "15", "30", "45", "60"}, 0.3, 0.075, kPosA},
    {80, {"0", "20", "40", "60", "80"}, 0.4, 0.1, kPosA},
    {100, {"0", "25", "50", "75", "100"}, 0.5, 0.125, kPosA},
    {160, {"0", "40", "80", "120", "160"}, 0.8, 0.2, kPosA},
    {200, {"0", "50", "100", "150", "200"}, 1.0, 0.25, kPosA},
    {kAbove, {"0", "200", "400", "600", "800"}, 4.0, 1, kPosA},
}};

constexpr std::array<QuantityScaleRow, 12> kQuantityImperial{{
    {8, {"0.0", "2.0", "4.0", "6.0", "8.0"}, 0.04, 0.01, kPosA},
    {16, {"0", "4", "8", "12", "16"}, 0.08, 0.02, kPosB},
    {32, {"0", "8", "16", "24", "32"}, 0.16, 0.04, kPosB},
    {40, {"0", "10", "20", "30", "40"}, 0.2, 0.05, kPosC},
    {64, {"0", "16", "32", "48", "64"}, 0.32, 0.08, kPosA},
    {80, {"0", "20", "40", "60", "80"}, 0.4, 0.1, kPosA},
    {120, {"0", "30", "60", "90", "120"}, 0.6, 0.15, kPosD},
    {160, {"0", "40", "80", "120", "160"}, 0.8, 0.2, kPosA},
    {200, {"0", "50", "100", "150", "200"}, 1.0, 0.25, kPosA},
    {320, {"0", "80", "160", "240", "320"}, 1.6, 0.4, kPosA},
    {400, {"0", "100", "200", "300", "400"}, 2.0, 0.5, kPosA},
    {kAbove, {"0", "400", "800", "1200", "1600"}, 8.0, 2, kPosA},
}};

constexpr std::array<ValueScaleRow, 10> kPressureSI{{
    {100, {"0.0", "0.02", "0.04", "0.06", "0.08", "0.1"}, 0.4, 0.13333},
    {250, {"0.0", "0.05", "0.1", "0.15", "0.2", "0.25"}, 1.0, 0.33333},
    {500, {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5"}, 2.0, 0.66666},
    {750, {"0.0", "0.15", "0.3", "0.45", "0.6", "0.75"}, 3.0, 1},
    {1000, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}, 4.0, 1.33333},
    {2000, {"0.0", "0.4", "0.8", "1.2", "1.6", "2.0"}, 8.0, 2.66666},
    {3000, {"0", "0.6", "1.2", "1.8", "2.4", "3.0"}, 12.0, 4},
    {5000, {"0", "1", "2", "3", "4", "5"}, 20.0, 6.66666},
    {10000, {"0", "2", "4", "6", "8", "10"}, 40.0, 13.33333},
    {kAbove, {"0", "5", "10", "15", "20", "25"}, 100.0, 33.33333},
}};

constexpr std::array<ValueScaleRow, 10> kPressureImperial{{
    {400, {"0.0", "0.08", "0.16", "0.24", "0.32", "0.4"}, 1.6, 0.53332},
    {1000, {"0.0", "0.20", "0.4", "0.6", "0.8", "1.0"}, 4.0, 1.33333},
    {2000, {"0.0", "0.4", "0.8", "1.2", "1.6", "2.0"}, 8.0, 2.66666},
    {3000, {"0.0", "0.6", "1.2", "1.8", "2.4", "3.0"}, 12.0, 4},
    {4000, {"0.0", "0.8", "1.6", "2.4", "3.2", "4.0"}, 16.0, 5.33333},
    {8000, {"0.0", "1.6", "3.2", "4.8", "6.4", "8.0"}, 32.0, 10.66666},
    {12000, {"0.0", "2.4", "4.8", "7.2", "9.6", "12.0"}, 48.0, 16},
    {20000, {"0", "4", "8", "12", "16", "20"}, 80.0, 26.66666},
    {40000, {"0", "8", "16", "24", "32", "40"}, 160.0, 53.33333},
    {kAbove, {"0", "20", "40", "60", "80", "100"}, 400.0, 133.33333},
}};

constexpr std::array<ValueScaleRow, 13> kInputPower{{
    {0.5, {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5"}, 0.002, 0.00066},
    {1, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}, 0.004, 0.00133},
    {3, {"0.0", "0.6", "1.2", "1.8", "2.4", "3.0"}, 0.012, 0.004},
    {5, {"0", "1", "2", "3", "4", "5"}, 0.02, 0.00666},
    {10, {"0", "2", "4", "6", "8", "10"}, 0.04, 0.01333},
    {15, {"0", "3", "6", "9", "12", "15"}, 0.06, 0.02},
    {25, {"0", "5", "10", "15", "20", "25"}, 0.1, 0.03333},
    {50, {"0", "10", "20", "30", "40", "50"}, 0.2, 0.06666},
    {100, {"0", "20", "40", "60", "80", "100"}, 0.4, 0.13333},
    {250, {"0", "50", "100", "150", "200", "250"}, 1.0, 0.33333},
    {500, {"0", "100", "200", "300", "400", "500"}, 2.0, 0.66666},
    {1000, {"0", "200", "400", "600", "800", "1000"}, 4.0, 1.33333},
    {kAbove, {"0", "500", "1000", "1500", "2000", "2500"}, 10.0, 3.33333},
}};

// The power drawn at an efficiency (%), from a pressure and a quantity in shown units: kW from Pa
// and m³/s, hp from thousandths of an inch of water gauge and kcfm; 0 at an efficiency of 0.
double inputPower(double pressure, double quantity, double efficiency, bool imperialUnits) {
    if (efficiency == 0) {
        return 0;
    }
    return imperialUnits ? pressure * quantity * imperial::kHorsepowerFactor / efficiency
                         : pressure * quantity / (efficiency * 10);
}

} // namespace

FanOperatingPoint fanOperatingPoint(const CFlowmarDoc& doc, int fan) {
    FanOperatingPoint point;
    if (fan < 1 || fan > kMaxFans) {
        return point;
    }
    const auto f = static_cast<std::size_t>(fan);
    const DuctResults& results = doc.results;
    const int segment = results.fanSegment[f];
    const std::int64_t branch = std::int64_t{doc.segmentCount} + segment;
    point.quantity = branchFlowAt(doc, branch);
    point.hasBranch = branch >= 1 && branch < kBranchFlowSize;
    point.inSegment = segment >= 1 && segment <= std::clamp(doc.segmentCount, 0, kMaxSegments);
    point.onCurve = results.fanPressure[f] != 0;
    if (point.onCurve) {
        point.pressure = results.fanPressure[f];
        point.efficiency = results.fanEfficiency[f];
        point.offCurve = results.fanOffCurve[f] == 1;
    } else {
        point.pressure = doc.fanFixedPressure[f];
    }
    point.airPower = point.pressure * point.quantity / 1000;
    if (point.onCurve && point.efficiency != 0) {
        point.inputPower = point.airPower * 100 / point.efficiency;
    }
    return point;
}

double fanCurveViewQuantity(const FanOperatingPoint& point) {
    return point.hasBranch ? point.quantity : 0.0;
}

FanChartData fanChartData(const CFlowmarDoc& doc, int fan) {
    return fanChartData(doc, fan, fanOperatingPoint(doc, fan));
}

FanChartData fanChartData(const CFlowmarDoc& doc, int fan, const FanOperatingPoint& operating) {
    FanChartData data;
    if (fan < 1 || fan > kMaxFans) {
        return data;
    }
    const auto f = static_cast<std::size_t>(fan);
    const bool imp = isImperial(doc.unitSystem);
    // Pa as thousandths of an inch of water gauge, m³/s as kcfm.
    const double pressureFactor = imp ? imperial::kInWgPerKilopascal : 1;
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
    data.operating.pressure = operating.pressure * pressureFactor;
    data.operating.quantity = operating.quantity * quantityFactor;
    data.operating.inputPower =
        inputPower(data.operating.pressure, data.operating.quantity, operating.efficiency, imp);
    return data;
}

std::span<const QuantityScaleRow> quantityScales(int unitSystem) {
    if (isImperial(unitSystem)) {
        return kQuantityImperial;
    }
    return kQuantitySI;
}

std::span<const ValueScaleRow> pressureScales(int unitSystem) {
    if (isImperial(unitSystem)) {
        return kPressureImperial;
    }
    return kPressureSI;
}

std::span<const ValueScaleRow> inputPowerScales() {
    return kInputPower;
}

} // namespace flowmar
