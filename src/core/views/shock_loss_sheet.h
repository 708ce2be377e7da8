// ShockLossSheet: the "Shock Loss Details" sheet while it is open - the values it edits, which
// pages have been opened and the grid of each opened page - so that a page's opening fill, its
// Calculate and Clear Form buttons and the sheet's OK are computed and tested here. The Qt sheet
// shows the grids, hands a person's entries in before each step and shows the result.
#pragma once

#include "core/input/page_fault.h"
#include "core/input/shock_loss_pages.h"
#include "core/views/grid_content.h"

#include <array>
#include <optional>

namespace flowmar {

// The grid of a page as it opens: 20 rows, its columns with their headers, widths, number
// formats, drop-down lists and read-only grey column, and the rows of values (shown units). None
// for the entry and exit page, which has no grid.
std::optional<GridContent> shockLossPageGrid(const ShockLossValues& values, ShockLossPage page);

// Writes all 20 rows of the page into its grid as numbers and choice texts (the read-only C
// column included); the grid's read-only lock is as it was afterwards.
void writeShockLossRows(GridContent& grid, const ShockLossValues& values, ShockLossPage page);

// Reads the page's 20 rows from its grid: numbers as GridContent::enteredNumber takes them (a
// cell still holding its value keeps every digit), choices as shown. The screen page reads its
// distances only. The first number cell holding no number stops the reading: its fault names
// the column and row and selects the cell in the page's grid.
std::optional<PageFault> readShockLossRows(const GridContent& grid, ShockLossPage page,
                                           ShockLossValues& values);

// A refused entry of the sheet and the page that holds it.
struct ShockLossEntryFault {
    ShockLossPage page;
    PageFault fault;
};

class ShockLossSheet {
public:
    // The values the Shock Losses command hands in, in shown units.
    explicit ShockLossSheet(const ShockLossValues& values);

    const ShockLossValues& values() const { return m_values; }

    // A page's first activation builds its grid; later activations change nothing, so that what
    // a person typed stays.
    void openPage(ShockLossPage page);
    bool isOpened(ShockLossPage page) const;

    // The grid of an opened page: a person's entries go in here before a step reads it. An empty
    // grid for a page that has none or has not been opened.
    GridContent& grid(ShockLossPage page);
    const GridContent& grid(ShockLossPage page) const;

    // Calculate (fitting pages): reads the grid, looks C up, writes all rows back. A cell that
    // is no number changes nothing and is returned.
    std::optional<PageFault> calculate(ShockLossPage page);
    // Clear Form: empties every row of the page and its grid.
    void clearForm(ShockLossPage page);

    // The entry and exit page's radio buttons.
    std::optional<int> checkedButton(EntryExitGroup group) const;
    void clickButton(int buttonId);

    // Before OK: the first cell of the opened pages, in tab order, that holds no number.
    std::optional<ShockLossEntryFault> entryFault() const;

    // The sheet's OK: each opened page reads its grid and runs its OK step (distances limited to
    // the duct, C looked up again where the person changed a row's choices: a C the file holds
    // for choices left as they were stays); a page never opened passes its values back as they
    // came.
    // The grids are not rewritten. Returns what the document takes back.
    const ShockLossValues& accept();

private:
    static std::size_t index(ShockLossPage page) { return static_cast<std::size_t>(page); }

    // The OK step's look-up undone for the rows of the page whose choices are as given.
    void keepFactorsOfUnchangedChoices(ShockLossPage page, const ShockLossValues& read);

    ShockLossValues m_given; // as the command handed them in
    ShockLossValues m_values;
    std::array<bool, kShockLossPageCount> m_opened{};
    std::array<GridContent, kShockLossPageCount> m_grids{};
};

} // namespace flowmar
