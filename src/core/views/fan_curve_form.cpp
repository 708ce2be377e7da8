#include "core/views/fan_curve_form.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/views/fan_chart_data.h"
#include "core/views/fan_curve_chart.h"

#include <algorithm>

namespace flowmar {

namespace {

using namespace fan_curve_form;
using Kind = FanCurveFormControl::Kind;

constexpr double kMetresPerFoot = 0.3048;

} // namespace

const std::vector<FanCurveFormControl>& fanCurveFormControls() {
    static const std::vector<FanCurveFormControl> controls{
        {kFanList, Kind::List, {64, 13, 103, 25}, "Select Fan", 16, 18, 0, {}},
        {kManufacturer, Kind::Box, {76, 48, 107, 14}, "Manufacturer", 22, 50, 0, {}},
        {kModel, Kind::Box, {76, 64, 107, 14}, "Model", 22, 67, 0, {}},
        {kSetting, Kind::Box, {76, 80, 107, 14}, "Setting", 22, 83, 0, {}},
        {kDistance, Kind::Box, {76, 96, 55, 14}, "Distance", 22, 99, kDistanceUnit, {}},
        {kCurveDensity,
         Kind::Box,
         {80, 128, 73, 14},
         "Curve Density",
         15,
         131,
         kCurveDensityUnit,
         {}},
        {kAirDensity, Kind::Box, {80, 144, 73, 14}, "Air Density", 15, 147, kAirDensityUnit, {}},
        {kQuantity, Kind::Box, {80, 177, 73, 14}, "Fan Quantity", 15, 180, kQuantityUnit, {}},
        {kPressure, Kind::Box, {80, 193, 73, 14}, "Fan Pressure", 15, 196, kPressureUnit, {}},
        {kEfficiency, Kind::Box, {80, 209, 73, 14}, "Fan Efficiency", 15, 212, 0, "(%)"},
        {kInputPower, Kind::Box, {80, 225, 73, 14}, "Fan Input Power", 15, 228, kPowerUnit, {}},
        {kKindList, Kind::List, {66, 250, 103, 19}, "Select Curve", 15, 255, 0, {}},
    };
    return controls;
}

const std::array<DialogRect, 3>& fanCurveFormGroups() {
    static const std::array<DialogRect, 3> groups{{
        {7, 38, 189, 77},
        {7, 119, 189, 45},
        {7, 167, 189, 78},
    }};
    return groups;
}

FanCurveFormContent fanCurveFormContent(const CFlowmarDoc& doc) {
    FanCurveFormContent content;
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    content.texts[kDistanceUnit] = unitLabel(strings::kLength, units);
    content.texts[kCurveDensityUnit] = unitLabel(strings::kAirDensity, units);
    content.texts[kAirDensityUnit] = unitLabel(strings::kAirDensity, units);
    content.texts[kQuantityUnit] = unitLabel(strings::kAirQuantity, units);
    content.texts[kPressureUnit] = unitLabel(strings::kBoosterPressureSI, units);
    content.texts[kPowerUnit] = unitLabel(strings::kPower, units);
    content.kindSelection = std::clamp(doc.curveViewKind, 0, 2);

    const int f = selectedCurveFan(doc);
    if (f == 0) {
        // No fans, or fixed-quantity results: an empty list and empty boxes, never a stale fan.
        return content;
    }
    const int count = std::min(doc.fanCount, kMaxFans);
    for (int i = 1; i <= count; ++i) {
        content.fans.push_back(formatInt("Fan Number %i", i));
    }
    content.fanSelection = f - 1;

    const auto i = static_cast<std::size_t>(f);
    const FanOperatingPoint point = fanOperatingPoint(doc, f);
    const bool operating = point.onCurve;
    const double efficiency = point.efficiency;
    const double q = fanCurveViewQuantity(point);
    const double shownPressure = point.pressure; // the fixed pressure when not on the curve
    const double density = imperial ? imperial::kLbPerFt3PerKgPerM3 : 1.0;
    auto& t = content.texts;
    t[kManufacturer] = doc.fanManufacturer[i];
    t[kModel] = doc.fanModel[i];
    t[kSetting] = doc.fanSetting[i];
    t[kDistance] =
        formatDouble("%.1f", imperial ? doc.fanDistance[i] / kMetresPerFoot : doc.fanDistance[i]);
    t[kCurveDensity] = operating ? formatDouble("%.3f", doc.fanCurveDensity[i] * density)
                                 : std::string(kNotAvailable);
    t[kAirDensity] = formatDouble("%.3f", doc.airDensity * density);
    t[kQuantity] = formatDouble("%.2f", imperial ? q * imperial::kKcfmPerCubicMetrePerSecond : q);
    t[kPressure] = formatDouble("%.2f", imperial ? shownPressure * imperial::kInWgPerPascal
                                                 : shownPressure / 1000);
    t[kEfficiency] = operating ? formatDouble("%.0f", efficiency) : std::string(kNotAvailable);
    if (!operating) {
        t[kInputPower] = std::string(kNotAvailable);
    } else if (efficiency == 0.0) {
        t[kInputPower] = "0";
    } else {
        const double kilowatts = q * point.pressure * 100 / (efficiency * 1000);
        t[kInputPower] = formatDouble(
            "%.2f", imperial ? kilowatts * imperial::kHorsepowerPerKilowatt : kilowatts);
    }
    return content;
}

} // namespace flowmar
