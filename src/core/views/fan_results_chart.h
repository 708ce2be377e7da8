// The operating-characteristics chart of one fan that ran on its curve, as the printed Fan Results
// report draws it under the fan's lines (0.1 mm, y up): the fan's pressure curve and input-power
// points brought to the duct's air density, on fixed axis scales chosen from the curve, with the
// operating point marked on both.
#pragma once

#include "core/views/drawing.h"

#include <array>
#include <span>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

// One row of a fixed scale table: the largest value it takes, the axis labels from the origin
// up, and the value per 0.1 mm of the axis.
struct ChartScale {
    double upTo = 0; // the last row takes every larger value
    std::span<const std::string_view> labels;
    double factor = 0;
};

// The scales of the three axes (quantities in m³/s or kcfm; pressures in Pa or thousandths of an
// inch of water; input powers in kW or hp, one table for both systems).
std::span<const ChartScale> quantityScales(int unitSystem);
std::span<const ChartScale> pressureScales(int unitSystem);
std::span<const ChartScale> inputPowerScales();

// The first row whose bound the value does not exceed; the last row above every bound.
const ChartScale& chooseScale(std::span<const ChartScale> scales, double value);

// Where a value lands on an axis: the origin plus value / factor, truncated to a whole unit.
double chartPosition(double origin, double value, double factor);

// What the chart of fan i plots, in the units of the model's unit system.
struct FanChartData {
    struct Point {
        double quantity = 0;
        double pressure = 0;
        double inputPower = 0;
    };
    std::array<Point, 16> curve{}; // points 0..count-1: the curve at the duct's density
    int count = 0;
    Point operating; // not brought to the duct's density: it already runs at it
};
// A curve without a curve density is drawn as entered (a ratio of 1).
FanChartData fanChartData(const CFlowmarDoc& doc, int fan);

// Draws the chart of fan i (1..fanCount) with its top reference at (left, Y): the axes from
// Y − 50 to Y − 800 between x = left + 200 and left + 1000, their labels and titles, and the
// legends to the right, in the report font.
void drawFanResultsChart(Drawing& drawing, const CFlowmarDoc& doc, int fan, Point reference);

// The chart alone on a drawing of its own (0.1 mm, its top reference at 0), for the command line.
Drawing fanResultsChart(const CFlowmarDoc& doc, int fan);

} // namespace flowmar
