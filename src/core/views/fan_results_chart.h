// The operating-characteristics chart of one fan that ran on its curve, as the printed Fan Results
// report draws it under the fan's lines (0.1 mm, y up): the fan's pressure curve and input-power
// points brought to the duct's air density, on fixed axis scales chosen from the curve, with the
// operating point marked on both. The data and the scales are fan_chart_data.h's.
#pragma once

#include "core/views/drawing.h"
#include "core/views/fan_chart_data.h"

namespace flowmar {

class CFlowmarDoc;

// Where a value lands on an axis: the origin plus value / factor, truncated to a whole unit.
double chartPosition(double origin, double value, double factor);

// Draws the chart of fan i (1..fanCount) with its top reference at (left, Y): the axes from
// Y − 50 to Y − 800 between x = left + 200 and left + 1000, their labels and titles, and the
// legends to the right, in the report font.
void drawFanResultsChart(Drawing& drawing, const CFlowmarDoc& doc, int fan, Point reference);

// The chart alone on a drawing of its own (0.1 mm, its top reference at 0), for the command line.
Drawing fanResultsChart(const CFlowmarDoc& doc, int fan);

} // namespace flowmar
