#include "core/fans/add_fan_dialog.h"

#include "core/fans/curve_editor.h"
#include "core/fans/normalise_fan_curve.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/ui_port.h"

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

void editFanCurve(AddFanValues& values, UiPort& port) {
    FanCurve& curve = values.curve;
    for (;;) {
        CurveEditorValues editor = openCurveEditor(curve, values.unitSystem);
        if (!port.runCurveEditor(editor)) {
            return;
        }
        curve.manufacturer = editor.manufacturer;
        curve.model = editor.model;
        curve.setting = editor.setting;
        curve.curveDensity = editor.curveDensity;
        copyRowsToCurve(editor, curve);
        const std::string_view fault =
            NormaliseFanCurve(curve.points, curve.pointCount, values.unitSystem);
        if (fault.empty()) {
            return;
        }
        port.showMessage(fault, MessageIcon::Warning);
    }
}

} // namespace flowmar
