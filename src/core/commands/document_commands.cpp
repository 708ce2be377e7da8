#include "core/commands/document_commands.h"

#include "core/input/duct_details_sheet.h"
#include "core/input/duct_details_values.h"
#include "core/input/fixed_quantity_values.h"
#include "core/input/graph_options.h"
#include "core/input/shock_loss_values.h"
#include "core/model/flowmar_doc.h"
#include "core/model/input_limits.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/model/utf8.h"
#include "core/ui_port.h"

#include <string>
#include <utility>

namespace flowmar {

bool chooseUnitSystem(int& unitSystem, UiPort& port) {
    const int chosen = port.runSelectUnits(unitSystem);
    if (chosen == unitSystem || (chosen != kImperial && chosen != kSI)) {
        return false;
    }
    unitSystem = chosen;
    return true;
}

void initialiseNewDocument(CFlowmarDoc& doc, UiPort& port) {
    if (chooseUnitSystem(doc.unitSystem, port) && doc.unitSystem == kImperial) {
        applyImperialDefaults(doc);
    }
}

void applyImperialDefaults(CFlowmarDoc& doc) {
    doc.unitSystem = kImperial;
    doc.frictionFactor = 0.0018552875695732839; // 10 in units of 10⁻¹⁰ lbf·min²/ft⁴
    doc.leakageResistance100 = -1;              // shown as 2500 until first confirmed
    doc.diameterPresets = {"24", "36", "40", "48"};
    doc.frictionFactorPresets = {"10", "15", "20", "25"};
}

bool runDuctDetailsCommand(CFlowmarDoc& doc, UiPort& port) {
    return runDuctDetailsAtPage(doc, port, duct_details::kResistancePage);
}

bool runDuctDetailsAtPage(CFlowmarDoc& doc, UiPort& port, int pageInFront) {
    doc.setModifiedFlag();
    DuctDetailsValues before = ductDetailsFromDocument(doc);
    before.pageInFront = pageInFront;
    DuctDetailsValues values = before;
    if (!port.runDuctDetails(values)) {
        return false;
    }
    applyDuctDetails(doc, before, values);
    doc.updateAllViews();
    return true;
}

bool runShockLossesCommand(CFlowmarDoc& doc, UiPort& port) {
    doc.setModifiedFlag();
    const ShockLossValues before = shockLossesFromDocument(doc);
    ShockLossValues values = before;
    if (!port.runShockLosses(values)) {
        return false;
    }
    applyShockLosses(doc, before, values);
    return true;
}

bool runFixedQuantityToolCommand(CFlowmarDoc& doc, UiPort& port) {
    doc.setModifiedFlag();
    doc.fixedQuantityApplied = doc.solutionMode != kFanMode ? 1 : 0;
    FixedQuantityValues values;
    values.unitSystem = doc.unitSystem;
    values.applied = doc.fixedQuantityApplied;
    values.fixedQuantity = toShown(Quantity::AirQuantity, doc.fixedQuantity, doc.unitSystem);
    values.location = doc.fixedQuantityLocation < 0 ? kLocationFace : doc.fixedQuantityLocation;
    const double shownBefore = values.fixedQuantity;
    if (!port.runFixedQuantity(values)) {
        return false;
    }
    doc.fixedQuantityApplied = values.applied;
    doc.fixedQuantity = storedFromShown(Quantity::AirQuantity, doc.fixedQuantity, shownBefore,
                                        values.fixedQuantity, doc.unitSystem);
    doc.fixedQuantityLocation = values.location;
    doc.solutionMode = values.applied ? kFixedQuantityMode : kFanMode;
    return true;
}

bool notepadTextFits(std::string_view text) {
    int characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        utf8::next(text, i);
        if (++characters > limits::kNotepadMaxLength) {
            return false;
        }
    }
    return true;
}

bool runNotepadCommand(CFlowmarDoc& doc, UiPort& port) {
    doc.setModifiedFlag();
    std::string text = doc.notepadText;
    if (!port.runNotepad(text)) {
        return false;
    }
    doc.notepadText = std::move(text);
    return true;
}

bool runGraphOptionsCommand(CFlowmarDoc& doc, UiPort& port) {
    doc.setModifiedFlag();
    GraphOptions options = graphOptionsOf(doc);
    if (!port.runGraphOptions(options)) {
        return false;
    }
    applyGraphOptions(doc, options);
    doc.updateAllViews();
    return true;
}

bool runUnitConversionCommand(CFlowmarDoc& doc, UiPort& port) {
    if (!chooseUnitSystem(doc.unitSystem, port)) {
        return false;
    }
    doc.updateAllViews();
    port.showMessage(loadString(strings::kUnitsChangedDuct));
    return true;
}

} // namespace flowmar
