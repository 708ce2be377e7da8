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
    CurveEditorValues editor = openCurveEditor(values.curve, values.unitSystem);
    for (;;) {
        if (!port.runCurveEditor(editor)) {
            return;
        }
        // The working curve takes the typed one only once it passes: a failed curve comes back
        // to the editor as typed, and Cancel then leaves the working curve as it was.
        FanCurve typed = values.curve;
        typed.manufacturer = editor.manufacturer;
        typed.model = editor.model;
        typed.setting = editor.setting;
        typed.curveDensity = editor.curveDensity;
        copyRowsToCurve(editor, typed);
        const std::string_view fault =
            NormaliseFanCurve(typed.points, typed.pointCount, values.unitSystem);
        if (fault.empty()) {
            keepPointsWhenMeasuredUnchanged(typed, values.curve);
            values.curve = typed;
            return;
        }
        port.showMessage(fault, MessageIcon::Warning);
        reopenCurveEditor(editor);
    }
}

} // namespace flowmar
