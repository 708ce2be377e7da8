#include "core/fans/add_fan_dialog.h"

#include "core/fans/curve_editor.h"
#include "core/model/messages.h"
#include "core/model/number_box.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"

namespace flowmar {

AddFanEditTexts addFanEditTexts(const AddFanValues& v) {
    AddFanEditTexts t;
    t.distance = formatDouble("%.2f", v.distance);
    t.fixedPressure = formatDouble("%.2f", v.fixedPressure);
    t.curveDensity = curveDensityText(v.curve.curveDensity, v.unitSystem);
    t.pointCount = formatInt("%d", v.curve.pointCount);
    t.distanceUnit = unitLabel(strings::kLength, v.unitSystem);
    t.fixedPressureUnit = fanPressureLabel(v.unitSystem);
    t.curveDensityUnit = unitLabel(strings::kAirDensity, v.unitSystem);
    return t;
}

std::optional<AddFanRefusal> acceptAddFanEditTexts(AddFanValues& values,
                                                   const AddFanEditTexts& texts) {
    const AddFanEditTexts filled = addFanEditTexts(values);
    NumberBox distance(values.distance, filled.distance);
    distance.type(texts.distance);
    NumberBox fixedPressure(values.fixedPressure, filled.fixedPressure);
    fixedPressure.type(texts.fixedPressure);
    const auto field = [&](std::string_view label, const std::string& unit) {
        return std::string(label) + " " + unit;
    };
    const std::optional<double> newDistance = distance.value();
    if (!newDistance) {
        return AddFanRefusal{
            AddFanField::Distance,
            messages::numberNeeded(field(labels::kDistanceAlongDuct, filled.distanceUnit))};
    }
    const std::optional<double> newFixedPressure = fixedPressure.value();
    const std::string fixedPressureField =
        field(labels::kFixedFanPressure, filled.fixedPressureUnit);
    if (!newFixedPressure) {
        return AddFanRefusal{AddFanField::FixedPressure,
                             messages::numberNeeded(fixedPressureField)};
    }
    // A fixed-pressure fan adds pressure to the duct; a negative one is a slip, not a fan.
    if (*newFixedPressure < 0) {
        return AddFanRefusal{AddFanField::FixedPressure,
                             messages::noLessThanZero(fixedPressureField)};
    }
    values.distance = *newDistance;
    values.fixedPressure = *newFixedPressure;
    return std::nullopt;
}

} // namespace flowmar
