// The Study dialog's table of steps as a grid content, in the model's units. Which columns it
// has, their headings, units and decimals, and every cell's text are chosen here; the dialog only
// shows the content.
#pragma once

#include "core/analysis/study.h"
#include "core/views/grid_content.h"

namespace flowmar {

class CFlowmarDoc;

namespace study_table {
// Decimals of the quantity columns.
inline constexpr int kQuantityDecimals = 2;
inline constexpr int kBoosterDecimals = 3;
} // namespace study_table

// The columns, left to right: the varied input with its unit ("Duct Length (m)") and, for a grid,
// the second input; "Status"; "Face (m³/s)" and "Fan End (m³/s)" ("kcfm" in Imperial units) with
// 2 decimals; for a fixed-quantity model "Booster (kPa)" ("in.w.g.") with 3. A row per step: the
// inputs as "%g" gives them (six significant digits), the status name and the quantities; a step
// that stopped shows its inputs and status only, the status with the step's last message as its
// tool tip. A required face quantity adds no column: the crossing is told under the table. Every
// data cell is right-aligned and read-only.
GridContent studyTableGrid(const CFlowmarDoc& doc, const StudyRequest& request,
                           const StudyResult& result);

} // namespace flowmar
