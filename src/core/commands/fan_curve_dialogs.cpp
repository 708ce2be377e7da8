#include "core/commands/fan_curve_dialogs.h"

#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/fans/normalise_fan_curve.h"
#include "core/model/units.h"
#include "core/ui_port.h"

namespace flowmar {

int curveEditorUnitSystem(const int* ductUnitSystem, int unitFlag, UiPort& port) {
    if (ductUnitSystem != nullptr) {
        return *ductUnitSystem;
    }
    if (unitFlag >= 0) {
        return unitFlag;
    }
    return port.runSelectUnits(kSI) == kImperial ? kImperial : kSI;
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
