// The duct model's commands that open a sheet or dialog: each hands the sheet the model's values
// in the units shown and takes them back in SI on OK. Execute and the other commands call these.
#pragma once

#include <string_view>

namespace flowmar {

class CFlowmarDoc;
class UiPort;

// The unit choice of new documents and Unit Conversion: the Select Units dialog preset to
// unitSystem; a confirmed choice of the other system (0 Imperial, 1 SI) is stored. Returns true
// when the unit system changed.
bool chooseUnitSystem(int& unitSystem, UiPort& port);

// The new-document step: the Select Units dialog with the current unit system; choosing Imperial
// gives the Imperial defaults (friction factor 10 in Imperial units, the leakage marker -1, the
// Imperial presets).
void initialiseNewDocument(CFlowmarDoc& doc, UiPort& port);

// The defaults of a new Imperial model: unitSystem 0, friction factor 10 in Imperial units, the
// leakage marker -1 (shown as 2500 until confirmed) and the Imperial presets.
void applyImperialDefaults(CFlowmarDoc& doc);

// Duct Details (32771): marks the model modified, runs the sheet with the page in front that
// Execute names (Resistance otherwise), on OK takes back every value the sheet changed and
// updates all views. Returns true on OK.
bool runDuctDetailsCommand(CFlowmarDoc& doc, UiPort& port);
bool runDuctDetailsAtPage(CFlowmarDoc& doc, UiPort& port, int pageInFront);

// Shock Losses (32778): marks the model modified, runs the sheet, on OK takes every value back.
// No view update follows. Returns true on OK.
bool runShockLossesCommand(CFlowmarDoc& doc, UiPort& port);

// Fixed Quantity Tool (32793): marks the model modified, sets fixedQuantityApplied from the
// solution mode, runs the dialog and on OK stores the quantity (SI), its location and the
// solution mode. Returns true on OK.
bool runFixedQuantityToolCommand(CFlowmarDoc& doc, UiPort& port);

// The notepad holds at most limits::kNotepadMaxLength characters (counted as characters, not
// bytes).
bool notepadTextFits(std::string_view text);

// Notepad (168): marks the model modified and stores the dialog's text on OK.
bool runNotepadCommand(CFlowmarDoc& doc, UiPort& port);

// Define (141), the Graph View options: marks the model modified, and on OK stores the eight
// options and updates all views.
bool runGraphOptionsCommand(CFlowmarDoc& doc, UiPort& port);

// Unit Conversion (32804): the Select Units dialog; on a change of unit system updates all views
// and says that the input has been converted. No stored number changes and the model is not
// marked modified. Returns true when the unit system changed.
bool runUnitConversionCommand(CFlowmarDoc& doc, UiPort& port);

} // namespace flowmar
