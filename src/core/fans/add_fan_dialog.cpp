#include "core/fans/add_fan_dialog.h"

#include "core/fans/curve_editor.h"
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

void takeAddFanEditTexts(AddFanValues& v, const AddFanEditTexts& t) {
    v.distance = parseNumber(t.distance);
    v.fixedPressure = parseNumber(t.fixedPressure);
    v.curve.curveDensity = parseNumber(t.curveDensity);
    v.curve.pointCount = parseInteger(t.pointCount);
}

} // namespace flowmar
