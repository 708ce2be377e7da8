// What both fan charts plot, read once: a fan's operating point as the last solution left it, its
// curve brought to the duct's air density with the input power of each point, and the fixed
// scales the charts choose their axes from. The fan-curve view draws them in screen pixels (its
// chart, form and printed page), the Fan Results report in 0.1 mm; the study reads the operating
// point too.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

// ---- The operating point

// One fan's operating point, in SI.
struct FanOperatingPoint {
    bool onCurve = false; // the solution put it on its curve (a non-zero fanPressure)
    double pressure = 0;  // Pa: fanPressure on the curve, else the fixed pressure
    // m³/s: the flow of branch segmentCount + fanSegment, the duct segment the fan stands in. A
    // fan in no segment (fanSegment 0) reads branch segmentCount, the outflow at the face, as the
    // original program did; a branch outside the flow table (a model never solved) gives NaN.
    double quantity = 0;
    bool hasBranch = false; // that branch lies in the flow table: quantity is a number
    bool inSegment = false; // the fan stands in one of the segments 1..n the solution derived
    double efficiency = 0;  // % at the operating point; curve fans only
    double airPower = 0;    // kW: pressure × quantity / 1000
    double inputPower = 0;  // kW: air power × 100 / efficiency; 0 without an efficiency
    bool offCurve = false;  // the flow lay beyond the curve's points
};

// Fan i (1..100) as the last solution left it.
FanOperatingPoint fanOperatingPoint(const CFlowmarDoc& doc, int fan);

// The operating quantity the fan-curve view shows (its chart, form and page): a fan whose branch
// lies outside the flow table shows 0 there, where the Fan Results show no number.
double fanCurveViewQuantity(const FanOperatingPoint& point);

// ---- The curve and the operating point in shown units

// What a fan chart plots for fan i, in the units of the model's unit system: quantities in m³/s
// or kcfm, pressures in Pa or thousandths of an inch of water gauge, input powers in kW or hp.
struct FanChartData {
    struct Point {
        double quantity = 0;
        double pressure = 0;
        double inputPower = 0; // 0 at an efficiency of 0
    };
    std::array<Point, 16> curve{}; // points 0..count-1: the curve at the duct's density
    int count = 0;
    Point operating; // not brought to the duct's density: it already runs at it
};

// The chart data of fan i (1..100; nothing for another number) with its operating point at
// fanOperatingPoint(doc, i). The curve's pressures and input powers are brought from the density
// the curve was measured at to the duct's air density; a curve without a curve density (not above
// 0) is taken as entered (a ratio of 1).
FanChartData fanChartData(const CFlowmarDoc& doc, int fan);
// The same with the operating point at operating (in SI), for a view that reads it its own way.
FanChartData fanChartData(const CFlowmarDoc& doc, int fan, const FanOperatingPoint& operating);

// ---- The axis scales

// One row of a fan chart's scale table: the largest value it serves (inclusive), its labels from
// the axis' start, the value per unit of each chart's axis, and for the quantity axis of the
// fan-curve view its labels' x positions.
template <std::size_t N>
struct ScaleRow {
    double upTo; // the last row takes every larger value
    std::array<std::string_view, N> labels;
    double perPixel; // the fan-curve view's chart: value per pixel
    double factor;   // the Fan Results chart: value per 0.1 mm (five decimals, not thirds)
    std::array<double, N> positions{};
};

using QuantityScaleRow = ScaleRow<5>;
using ValueScaleRow = ScaleRow<6>;

// The tables of the three axes: quantities in m³/s or kcfm; pressures in Pa or thousandths of an
// inch of water gauge; input powers in kW or hp (one table for both systems).
std::span<const QuantityScaleRow> quantityScales(int unitSystem);
std::span<const ValueScaleRow> pressureScales(int unitSystem);
std::span<const ValueScaleRow> inputPowerScales();

// The row that serves a value: the first whose bound the value does not exceed, the last for a
// value above every bound. A value that is not a number takes the first row.
template <std::size_t N>
const ScaleRow<N>& chooseScale(std::span<const ScaleRow<N>> rows, double value) {
    for (std::size_t k = 0; k + 1 < rows.size(); ++k) {
        if (!(value > rows[k].upTo)) {
            return rows[k];
        }
    }
    return rows.back();
}

} // namespace flowmar
