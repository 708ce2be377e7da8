// The two questions around the curve editor: which unit system it works in when no duct model
// says, and the "Edit Fan Curve" button of the Add/Edit Fan dialog, which re-opens the editor
// until the curve passes its checks or the person cancels.
#pragma once

namespace flowmar {

class UiPort;
struct AddFanValues;

// The unit system the editor works in: the duct model's when there is one; otherwise the unit
// flag handed in, and when that is not yet chosen (negative), the Select Units dialog's choice
// (SI unless Imperial is chosen).
int curveEditorUnitSystem(const int* ductUnitSystem, int unitFlag, UiPort& port);

// "Edit Fan Curve": opens the curve editor on the first pointCount points; on OK runs
// NormaliseFanCurve on the texts, density and all 15 rows typed. A curve that passes becomes the
// working curve; after a failure the editor opens again with everything as typed (all 15 rows,
// unsorted), until a curve passes or the person cancels. Cancel leaves the working curve as it
// was before the button was pressed.
void editFanCurve(AddFanValues& values, UiPort& port);

} // namespace flowmar
