// The fan-curve chart: one fan's pressure curve and input-power points, corrected from the density
// the curve was measured at to the duct's air density, with the operating point of the last
// fan-mode solution. Drawn as a Drawing in screen pixels with y down (96 to the inch), at a fixed
// size whatever the window: the axes' corner is at (75, 300), the axes 200 wide and 250 high.
#pragma once

#include "core/model/units.h"
#include "core/views/drawing.h"
#include "core/views/fan_chart_data.h"
#include "core/views/text_metrics.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

namespace fan_curve_view {

// The text of the frame's status pane while the view is open.
inline constexpr std::string_view kStatusText = "Fan Curves";

// The curve kinds of the document's curveViewKind, in list order.
inline constexpr int kPressureQuantity = 0;
inline constexpr int kPowerQuantity = 1;
inline constexpr int kPressurePowerQuantity = 2;
inline constexpr std::array<std::string_view, 3> kKindNames{"Pressure-Quantity", "Power-Quantity",
                                                            "Pressure-Power-Quantity"};

inline const std::string kQuantityTitleSI = withUnit("Q", Quantity::AirQuantity, kSI);
inline const std::string kQuantityTitleImperial = withUnit("Q", Quantity::AirQuantity, kImperial);
inline const std::string kPressureTitleSI = withUnit("P", Quantity::BoosterPressure, kSI);
inline const std::string kPressureTitleImperial =
    withUnit("P", Quantity::BoosterPressure, kImperial);
inline const std::string kPowerTitleSI = withUnit("IHP", Quantity::Power, kSI);
inline const std::string kPowerTitleImperial = withUnit("IHP", Quantity::Power, kImperial);
inline constexpr std::string_view kPressureLegend = "Pressure - Curve";
inline constexpr std::string_view kPowerLegend = "Input Fan Power - Data Points";

// The chart's own space: pixels, y down. Everything the chart draws for an ordinary fan lies
// inside; a point beyond an axis maximum is drawn where it falls and widens the extent.
inline constexpr Extent kChartExtent{0, 0, 340, 430};
inline constexpr double kPixelsPerInch = 96;

// The axes' corner and far ends.
inline constexpr double kAxisLeft = 75;
inline constexpr double kAxisRight = 275;
inline constexpr double kAxisBottom = 300;
inline constexpr double kAxisTop = 50;

inline constexpr Pen kAxisPen{PenStyle::Solid, {0, 0, 0}, 0};
inline constexpr Pen kCurvePen{PenStyle::Solid, {0, 0, 255}, 1};
inline constexpr Pen kPowerPen{PenStyle::Solid, {0, 255, 0}, 1};
inline constexpr Pen kOperatingPen{PenStyle::Solid, {255, 0, 0}, 1};

// The view prints on one landscape page.
inline constexpr int kPrintedPageCount = 1;

} // namespace fan_curve_view

// The row of fan_chart_data.h's tables that serves a value, as chooseScale chooses it, except
// that a value that is not a number takes the last row here. Quantities in m³/s or kcfm;
// pressures in Pa or thousandths of an inch of water gauge; powers in kW or hp (one table for
// both).
const QuantityScaleRow& quantityScaleRow(double lastCurveQuantity, bool imperial);
const ValueScaleRow& pressureScaleRow(double firstCurvePressure, bool imperial);
const ValueScaleRow& powerScaleRow(double largestPower);

// What the chart plots for one fan: fanChartData's, numbered from 1 (n points), with the operating
// quantity the fan-curve view reads (fanCurveViewQuantity). Pressures in Pa or thousandths of an
// inch of water gauge, quantities in m³/s or kcfm, powers in kW or hp.
struct FanCurveChartData {
    int pointCount = 0;
    std::array<double, 16> pressure{};
    std::array<double, 16> quantity{};
    std::array<double, 16> power{}; // 0 where the point's efficiency is 0
    bool hasPowerData = false;      // some point has a nonzero efficiency
    double operatingQuantity = 0;
    double operatingPressure = 0;
    double operatingPower = 0; // 0 when the operating efficiency is 0
};

// The fan the views show: the document's curveViewFan + 1 held within 1..fanCount, or 0 when the
// model has no fans or its last solution was for a fixed quantity.
int selectedCurveFan(const CFlowmarDoc& doc);

// The chart data of fan fanNumber, or nothing when the chart stays blank: no such fan, a
// fixed-quantity solution, a fan without an operating point (fanPressure 0), or a curve density
// that is not a positive number (the correction to the duct's density is then undefined).
std::optional<FanCurveChartData> fanCurveChartData(const CFlowmarDoc& doc, int fanNumber);

// The chart of the selected fan and curve kind. A blank chart is a drawing without primitives.
// The extent is kChartExtent, widened to take in whatever lies beyond it (texts measured with
// metrics), so that nothing is clipped.
Drawing fanCurveChart(const CFlowmarDoc& doc, const TextMetrics& metrics = defaultTextMetrics());
// The chart of a given fan (1-based) and kind, whatever the document has selected.
Drawing fanCurveChart(const CFlowmarDoc& doc, int fanNumber, int kind,
                      const TextMetrics& metrics = defaultTextMetrics());

// Every chart text: "Arial" at 8 points.
Font fanCurveChartFont();

// The box around everything the drawing holds, texts measured with metrics, in its logical units;
// nothing when it holds nothing drawable.
std::optional<Extent> drawingBounds(const Drawing& drawing, const TextMetrics& metrics);

} // namespace flowmar
