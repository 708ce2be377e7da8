// The Graph View: the quantity or velocity and the total and static pressure along a duct, from
// the last solution in the model's unit system, with a schematic of the duct below (walls, fans,
// shock losses, zone transitions, airflow arrows, entry and exit). Drawn as a Drawing in an
// 800 x 600 logical space with y up (0 at the top edge, −600 at the bottom), stretched onto the
// window or the printed page independently in x and y.
#pragma once

#include "core/input/graph_options.h"
#include "core/model/units.h"
#include "core/views/chart_mapping.h"
#include "core/views/drawing.h"

#include <span>
#include <string>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

namespace graph_view {

// The text of the child frame's status pane while the view is open.
inline constexpr std::string_view kStatusText = "Graphical Analysis of Data";

inline const std::string kDistanceTitleSI = withUnit("Distance", Quantity::Length, kSI);
inline const std::string kDistanceTitleImperial = withUnit("Distance", Quantity::Length, kImperial);
inline const std::string kQuantityTitleSI = withUnit("Q", Quantity::AirQuantity, kSI);
inline const std::string kQuantityTitleImperial = withUnit("Q", Quantity::AirQuantity, kImperial);
// Velocities have no quantity of their own in units.h: only this title names their unit.
inline constexpr std::string_view kVelocityTitleSI = "Vel (m/s)";
inline constexpr std::string_view kVelocityTitleImperial = "Vel (ft/min)";
inline const std::string kPressureTitleSI = withUnit("P", Quantity::BoosterPressure, kSI);
inline const std::string kPressureTitleImperial =
    withUnit("P", Quantity::BoosterPressure, kImperial);
inline constexpr std::string_view kTotalPressureLegend = "Total Pressure";
inline constexpr std::string_view kStaticPressureLegend = "Static Pressure";
inline constexpr std::string_view kFlowLegend = "Flow Trend";

// The letters that mark shock losses and zone transitions in the schematic.
inline constexpr std::string_view kSmoothElbowMark = "SE";
inline constexpr std::string_view kMitredElbowMark = "ME";
inline constexpr std::string_view kDamperMark = "D";
inline constexpr std::string_view kScreenMark = "S";
inline constexpr std::string_view kFixedResistanceMark = "FR";
inline constexpr std::string_view kTransitionMark = "TS";

// Logical (0, 0) is the top-left corner, (800, −600) the bottom-right.
inline constexpr Extent kExtent{0, 0, 800, -600};

// Every pen is one logical unit wide.
inline constexpr Pen kBlackPen{PenStyle::Solid, {0, 0, 0}, 1}; // frame, axes, schematic
inline constexpr Pen kGridPen{PenStyle::Solid, {192, 192, 192}, 1};
inline constexpr Pen kFlowPen{PenStyle::Dotted, {255, 0, 0}, 1};
inline constexpr Pen kZeroPressurePen{PenStyle::Dotted, {0, 0, 255}, 1};
inline constexpr Pen kTotalPressurePen{PenStyle::Solid, {0, 0, 255}, 1};
inline constexpr Pen kStaticPressurePen{PenStyle::Solid, {0, 255, 0}, 1};

// The view prints on one landscape page.
inline constexpr int kPrintedPageCount = 1;

} // namespace graph_view

// Every text of the graph: "Arial" at 8 points on the output device, black on opaque white.
Font graphFont();

// The picture with the model's own graph options. A model without results (a duct area of 0, or
// one that is not a number, no segments, or a duct length that is not a positive number) gives a
// drawing without primitives: the view stays blank. A result value that is not finite, or beyond
// 10⁹ in shown units, is left out: the curves break around it and the axes ignore it.
Drawing graphDrawing(const CFlowmarDoc& doc);

// The picture with other options (the command line's flags; the document is not changed).
Drawing graphDrawing(const CFlowmarDoc& doc, const GraphOptions& options);

// A stretch of the duct (m) shaded behind the plot: the ranges a design check flags.
struct ShadedRange {
    double from = 0;
    double to = 0;
};
Drawing graphDrawing(const CFlowmarDoc& doc, const GraphOptions& options,
                     std::span<const ShadedRange> shaded);

// The mapping of the logical space onto a drawing rectangle: window origin (0, −600) and extent
// (800, −600), viewport origin (left, bottom) and extent (width, height), so that logical
// (0, −600) is the rectangle's bottom-left corner and (800, 0) its top-right corner. On the screen
// the rectangle is the client area; printed it is chartPrintRect of the page.
ChartMapping graphMapping(const DeviceRect& rect);

} // namespace flowmar
