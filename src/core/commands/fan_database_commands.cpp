#include "core/commands/fan_database_commands.h"

#include "core/commands/document_commands.h"
#include "core/commands/fan_curve_dialogs.h"
#include "core/fans/curve_editor.h"
#include "core/fans/fan_curve_units.h"
#include "core/fans/fan_database_doc.h"
#include "core/fans/normalise_fan_curve.h"
#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/ui_port.h"

#include <algorithm>

namespace flowmar {

namespace {

int storedFanCount(const CFanDatabaseDoc& db) {
    return std::clamp(db.fanCount, 0, kMaxDatabaseFans);
}

// Stores what the editor hands back into the fan, in SI; a value that came back as the editor was
// given it keeps the fan's value with all its digits.
void storeEditorValues(FanCurve& fan, const CurveEditorValues& editor, int unitSystem) {
    FanCurve shown = curveToShown(fan, unitSystem);
    shown.manufacturer = editor.manufacturer;
    shown.model = editor.model;
    shown.setting = editor.setting;
    shown.curveDensity = editor.curveDensity;
    copyRowsToCurve(editor, shown);
    fan = storedCurveFromShown(fan, shown, unitSystem);
}

} // namespace

void initialiseNewDatabase(CFanDatabaseDoc& db, UiPort& port) {
    chooseUnitSystem(db.unitSystem, port);
}

void runDatabaseAddFanCommand(CFanDatabaseDoc& db, UiPort& port) {
    if (db.editInProgress != 0 && (db.lastEditedFan < 1 || db.lastEditedFan > storedFanCount(db))) {
        db.editInProgress = 0; // a flag left by a damaged file
    }
    db.fanCount = storedFanCount(db);
    db.setModifiedFlag();
    const bool adding = db.editInProgress == 0;
    const int target = adding ? db.fanCount + 1 : db.lastEditedFan;
    if (target > kMaxDatabaseFans) {
        port.showMessage(messages::kTooManyDatabaseFans, MessageIcon::Warning);
        return;
    }
    FanCurve& fan = db.fans[target];
    const int units = curveEditorUnitSystem(nullptr, db.unitSystem, port);
    CurveEditorValues editor = openCurveEditor(curveToShown(fan, units), units);
    // The fan takes the typed curve only once it passes: until then a refused curve comes back
    // to the editor as typed, and Cancel leaves the database as it was before the command.
    while (port.runCurveEditor(editor)) {
        FanCurve typed = fan;
        storeEditorValues(typed, editor, units);
        const std::string_view fault = NormaliseFanCurve(typed.points, typed.pointCount, kSI);
        if (fault.empty()) {
            keepPointsWhenMeasuredUnchanged(typed, fan);
            fan = typed;
            if (adding) {
                db.fanCount = target;
            }
            break;
        }
        port.showMessage(fault, MessageIcon::Warning);
        reopenCurveEditor(editor);
    }
    db.editInProgress = 0;
    db.updateAllViews();
}

void runDatabaseEditFanCommand(CFanDatabaseDoc& db, UiPort& port) {
    db.setModifiedFlag();
    db.editInProgress = 0;
    db.lastEditedFan = 0;
    int number = db.lastEditedFan;
    if (!port.runFanNumber(FanNumberDialog::EditFan, number)) {
        return;
    }
    db.lastEditedFan = number;
    if (db.fanCount == 0) {
        return;
    }
    if (number < 1 || number > storedFanCount(db)) {
        port.showMessage(messages::kFanNumberDoesNotExist, MessageIcon::Warning);
        return;
    }
    db.editInProgress = 1;
    runDatabaseAddFanCommand(db, port);
}

void runDatabaseDeleteFanCommand(CFanDatabaseDoc& db, UiPort& port) {
    db.setModifiedFlag();
    int number = 0;
    const int count = storedFanCount(db);
    if (!port.runFanNumber(FanNumberDialog::DeleteFan, number)) {
        db.updateAllViews();
        return;
    }
    if (number < 1 || number > count) {
        port.showMessage(messages::noSuchFan(number, count), MessageIcon::Warning);
    } else {
        for (int place = number; place < kMaxDatabaseFans && place <= count; ++place) {
            db.fans[place] = db.fans[place + 1];
        }
        if (count == kMaxDatabaseFans) {
            db.fans[kMaxDatabaseFans] = FanCurve{};
        }
        db.fanCount = count - 1;
    }
    db.updateAllViews();
}

void runDatabaseUnitConversionCommand(CFanDatabaseDoc& db, UiPort& port) {
    if (!chooseUnitSystem(db.unitSystem, port)) {
        return;
    }
    db.updateAllViews();
    port.showMessage(loadString(strings::kUnitsChangedDatabase));
}

} // namespace flowmar
