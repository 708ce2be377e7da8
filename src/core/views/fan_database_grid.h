// The grids of the fan windows: the fan database view's list of fans, the Select Fan dialog's list
// of a file's fans, and the curve editor's 15 rows. The Qt windows show these contents and hand
// a person's entries back; what each grid holds and how its cells read back is decided here.
#pragma once

#include "core/fans/curve_editor.h"
#include "core/fans/select_fan.h"
#include "core/views/grid_content.h"

#include <string_view>

namespace flowmar {

class CFanDatabaseDoc;

namespace fan_database_view {
inline constexpr std::string_view kStatusText = "Fan Database";
inline constexpr int kColumnCount = 4;
} // namespace fan_database_view

inline constexpr int kSelectFanRows = 100;

// The fan database view: "No.", manufacturer, model, setting and curve density in the
// database's units, one read-only row per fan. A database whose first fan has no curve density
// shows no rows, however many fans it holds.
GridContent fanDatabaseGrid(const CFanDatabaseDoc& db);

// "Fan List" of the Select Fan dialog: always 100 rows of manufacturer, model and setting, the
// rows after the file's last fan empty. Columns are 85 units wide, or as wide as their longest
// text needs.
GridContent selectFanGrid(const SelectFanValues& values);

// "Fan Curve" of the curve editor: 15 rows of pressure, quantity, efficiency and fan input power
// with the headers and decimals of the editor's unit system; the power column read-only on grey.
GridContent curveEditorGrid(const CurveEditorValues& values);

// OK of the curve editor: pressure, quantity and efficiency of rows 1..15 read from the cells with
// the text-to-number conversion (a blank cell or text that is no number gives 0). The fan input
// power is shown only and stays as it is.
void readCurveEditorGrid(const GridContent& grid, CurveEditorValues& values);

} // namespace flowmar
