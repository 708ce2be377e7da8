// GridContent: what a grid holds and shows - its size, header texts, column widths and cells, each
// cell a text or a number with its format, alignment, read-only flag, interior and drop-down
// choices. Owners fill a grid here by the rules of their window; the Qt grid control only shows a
// content and hands a person's entries back to it, so the filling rules are tested without a
// display. Row 0 is the header row and column 0 the header column; data cells start at (1, 1).
#pragma once

#include "core/views/drawing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

enum class GridAlignment { Left, Centre, Right };

enum class GridCellKind {
    Plain,       // an edit cell
    DropDownList // takes only one of its choices (or nothing) from a person
};

// A cell's value: a text, or a number kept as its "%.13g" text so that no digit is lost while the
// cell shows it in its number format.
struct GridValue {
    std::string text;
    bool isNumber = false;
    // A number's exact value: its text holds 13 digits, and a shown value rounded from the text
    // could round twice (4.0249999999999995 to "4.025" to "4.03").
    double number = 0;

    static GridValue fromText(std::string text);
    // A value that is not finite becomes the no-number text, which reads back as 0.
    static GridValue fromNumber(double number);

    friend bool operator==(const GridValue&, const GridValue&) = default;
};

// The attributes a program applies to a rectangular range of cells. A style carries only the
// attributes that were set on it, so a caller can change the alignment of a column without
// touching its values, or write one value without its format.
class GridStyle {
public:
    // The interior of read-only computed columns.
    static constexpr Rgb readOnlyGrey() { return {192, 192, 192}; }
    // The most decimals a fixed-decimal format shows; more are cut to this.
    static constexpr int kMaxDecimals = 15;

    GridStyle& setAlignment(GridAlignment alignment);
    // Fixed-decimal number format: numbers show with this many decimals (0 to kMaxDecimals).
    GridStyle& setDecimals(int decimals);
    GridStyle& setReadOnly(bool readOnly = true);
    GridStyle& setInterior(Rgb colour);
    GridStyle& setPlainCell();
    // A drop-down list cell; the choices are one text separated by newlines ("45\n90\n135").
    // Carriage returns at the end of a choice and empty choices are dropped.
    GridStyle& setDropDownList(std::string_view choices);
    GridStyle& setValue(std::string text);
    GridStyle& setValue(double number);
    // The text shown while the pointer rests on the cell; empty: none.
    GridStyle& setToolTip(std::string text);

    const std::optional<GridAlignment>& alignment() const { return m_alignment; }
    const std::optional<int>& decimals() const { return m_decimals; }
    const std::optional<bool>& readOnly() const { return m_readOnly; }
    const std::optional<Rgb>& interior() const { return m_interior; }
    const std::optional<GridCellKind>& kind() const { return m_kind; }
    const std::vector<std::string>& choices() const { return m_choices; }
    const std::optional<GridValue>& value() const { return m_value; }
    const std::optional<std::string>& toolTip() const { return m_toolTip; }

private:
    std::optional<GridAlignment> m_alignment;
    std::optional<int> m_decimals;
    std::optional<bool> m_readOnly;
    std::optional<Rgb> m_interior;
    std::optional<GridCellKind> m_kind;
    std::vector<std::string> m_choices;
    std::optional<GridValue> m_value;
    std::optional<std::string> m_toolTip;
};

// Everything one cell holds. Header cells (row 0 or column 0) use the value and the alignment only.
struct GridCell {
    GridValue value;
    bool written = false; // a header-column cell shows its row number until the program writes it
    std::optional<GridAlignment> alignment;
    std::optional<int> decimals;
    bool readOnly = false;
    std::optional<Rgb> interior; // none: the grid's own background
    GridCellKind kind = GridCellKind::Plain;
    std::vector<std::string> choices;
    std::string toolTip; // empty: none

    // The text a person sees: a number in the cell's number format, anything else as stored.
    std::string shownText() const;
    // Whether a person may put this text in the cell: any text in a plain cell; in a drop-down
    // list cell one of the choices, exactly, or nothing.
    bool accepts(std::string_view text) const;
    // The value a person's text becomes: in a cell with a number format a text that is wholly a
    // number (blanks aside, in the locale's form) becomes that number, so that it shows in the
    // format; any other text stays as typed.
    GridValue entered(std::string_view text) const;
    // Every attribute the style sets except its value, which the content writes on its own path.
    void applyFormat(const GridStyle& style);
};

// One cell's value before and after a write, so that an undo history kept outside the content
// can put the old value back (GridContent::restoreValue).
struct GridValueChange {
    int row = 0;
    int column = 0;
    GridValue before;
    bool beforeWritten = false;
    GridValue after;
};

// A person's entry into a data cell.
struct GridEntry {
    int row = 0;
    int column = 0;
    std::string text;
};

class GridContent {
public:
    // Grid units of a data column whose width the program leaves alone.
    static constexpr int kDefaultColumnWidth = 64;

    GridContent() = default;
    GridContent(int rows, int columns);

    // Data rows and columns, headers not counted; a negative count is 0. Cells that stay keep
    // their values, styles and widths; new columns get the default width.
    int rowCount() const { return int(m_cells.size()) - 1; }
    int columnCount() const { return int(m_cells.front().size()) - 1; }
    void setRowCount(int rows);
    void setColumnCount(int columns);

    // Whether (row, column) is a cell of the grid, headers included.
    bool contains(int row, int column) const;
    // The cell; a default cell outside the grid.
    const GridCell& cell(int row, int column) const;

    // While the read-only lock is on (at first) the program cannot change read-only cells; a
    // person never can.
    bool readOnlyLock() const { return m_readOnlyLock; }
    void setReadOnlyLock(bool on) { m_readOnlyLock = on; }

    // The program's write: the style reaches every cell of rows top..bottom and columns
    // left..right that lies in the grid (headers included when the range reaches row or column
    // 0). With the lock on, a read-only cell refuses the whole style. False when any cell of the
    // range refused it or lay outside the grid. Each value that changed is added to changes.
    bool applyStyle(int top, int left, int bottom, int right, const GridStyle& style,
                    std::vector<GridValueChange>* changes = nullptr);
    // A one-cell range with a style that carries only the value.
    bool setValue(int row, int column, std::string text,
                  std::vector<GridValueChange>* changes = nullptr);
    bool setValue(int row, int column, double number,
                  std::vector<GridValueChange>* changes = nullptr);
    // The text of header cell (0, column); column 0 is the corner above the row numbers.
    bool setHeaderText(int column, std::string text,
                       std::vector<GridValueChange>* changes = nullptr);

    // A person's entry in a data cell, typed or pasted: refused (false) for a header cell, a
    // cell outside the grid, a read-only cell (whatever the lock) and, in a drop-down list cell,
    // a text that is not one of its choices.
    bool enterText(int row, int column, std::string_view text,
                   std::vector<GridValueChange>* changes = nullptr);
    // Several entries at once (a paste, a Delete); returns how many cells took their text.
    int enterTexts(const std::vector<GridEntry>& entries,
                   std::vector<GridValueChange>* changes = nullptr);

    // Stores a value without checks: for undo and redo only. Nothing outside the grid.
    void restoreValue(int row, int column, const GridValue& value, bool written);

    // The cell's value as text: a number as its "%.13g" text, not as shown; empty for a blank
    // cell or a cell outside the grid.
    const std::string& valueText(int row, int column) const { return cell(row, column).value.text; }
    // A number cell's exact value; any other cell's valueText converted as every typed number is
    // (parseNumber): a blank cell gives 0.
    double number(int row, int column) const;
    // A number cell as a window takes it back: `filledFrom`, every digit, while the cell still
    // holds the value it was filled with (the grid keeps 13 digits); 0 for a blank cell; a typed
    // text must be one whole number in the locale's form, none otherwise.
    std::optional<double> enteredNumber(int row, int column, double filledFrom) const;
    // The text the cell shows: numbers in the cell's number format; the header column shows the
    // row number until the program writes its own text there.
    std::string shownText(int row, int column) const;

    // Widths in grid units (column 0 is the header column); a negative width is 0. A column
    // outside the grid is ignored.
    void setColumnWidth(int column, int width);
    void setColumnWidths(int firstColumn, int lastColumn, int width);
    // None outside the grid, and for the header column until the program sets it (it is then as
    // wide as its texts need).
    std::optional<int> columnWidth(int column) const;

private:
    GridCell& at(int row, int column) { return m_cells[std::size_t(row)][std::size_t(column)]; }
    const GridCell& at(int row, int column) const {
        return m_cells[std::size_t(row)][std::size_t(column)];
    }
    struct Write {
        int row;
        int column;
        GridValue value;
    };
    void writeValues(const std::vector<Write>& writes, std::vector<GridValueChange>* changes);

    std::vector<std::vector<GridCell>> m_cells{std::vector<GridCell>(1)};
    std::vector<std::optional<int>> m_widths{std::nullopt};
    bool m_readOnlyLock = true;
};

} // namespace flowmar
