// The grids of the fan windows: the fan database view's list of fans, the Select Fan dialog's list
// of a file's fans, and the curve editor's 15 rows. The Qt windows show these contents and hand
// a person's entries back; what each grid holds and how its cells read back is decided here.
#pragma once

#include "core/fans/curve_editor.h"
#include "core/fans/select_fan.h"
#include "core/views/grid_content.h"

#include <optional>
#include <string>
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

// OK of the curve editor: pressure, quantity and efficiency of rows 1..15 read from the cells.
// values holds the rows the grid was filled from: a cell that still holds its row's value keeps
// it with all its digits (a cell keeps 13 significant digits); a changed cell must be blank (0)
// or one whole number in the locale's form (parseWholeNumber). The first cell that is neither is
// named by its row and column header and nothing is read. The fan input power is shown only and
// stays as it is.
struct CurveCellRefusal {
    int row = 0;
    int column = 0;
    std::string message; // "Enter a number for Q (m³/s) in row 3."
};
std::optional<CurveCellRefusal> readCurveEditorGrid(const GridContent& grid,
                                                    CurveEditorValues& values);

// OK of the curve editor with what its boxes and grid hold: the three texts
// (acceptCurveEditorTexts), the density (acceptCurveDensityText), then the grid
// (readCurveEditorGrid). The first refusal is returned with the box or cell to select, and values
// stay as they were; otherwise values take everything.
enum class CurveEditorBox { Manufacturer, Model, Setting, Density, Cell };
struct CurveEditorRefusal {
    CurveEditorBox box;
    int row = 0; // the cell, for CurveEditorBox::Cell
    int column = 0;
    std::string message;
};
std::optional<CurveEditorRefusal> acceptCurveEditor(CurveEditorValues& values,
                                                    const CurveEditorTexts& texts,
                                                    std::string_view densityText,
                                                    const GridContent& grid);

} // namespace flowmar
