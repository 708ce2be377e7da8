// The Zones page of the Duct Details sheet: up to ten zones, each with its own diameter, friction
// factor and leakage resistance, in the units the model shows, and the two zone switches. On the
// sheet's OK it refuses a row it could not keep (Execute checks the rest), then sorts the zones by
// their end and moves empty rows to the bottom. Its grid shows rows 1 to 9; row 10 is held here
// and sorted with them.
#pragma once

#include "core/input/duct_details_values.h"
#include "core/input/page_fault.h"

#include <array>
#include <optional>
#include <string_view>

namespace flowmar {

namespace zones_page {
inline constexpr std::string_view kTab = "Zones";
inline constexpr int kGrid = 1128;
inline constexpr int kApplyZones = 1129;
inline constexpr int kAutoTransitionLosses = 1130;
inline constexpr int kClearForm = 1133;
inline constexpr std::string_view kApplyZonesCaption = "Apply Zones?";
inline constexpr std::string_view kAutoTransitionCaption =
    "Automatically compute transition losses?";
inline constexpr std::string_view kClearFormCaption = "Clear Form";
// The rows the grid shows; the last zone row is held by the page alone.
inline constexpr int kShownRows = 9;
inline constexpr int kColumns = 5; // start, end, diameter, friction factor, leakage resistance
} // namespace zones_page

// Rows 0 to 10: row z holds zone z; row 0 holds no zone but takes part in the sort, so that a
// row with a negative end sorts into it and is not handed back.
using ZoneRows = std::array<ZoneRowValues, 11>;

// A row is empty when its start and its end are both 0, whatever else it holds.
bool isEmptyZoneRow(const ZoneRowValues& row);

// Column 1..5 of the grid: start, end, diameter, friction factor, leakage resistance.
double zoneCell(const ZoneRowValues& row, int column);
void setZoneCell(ZoneRowValues& row, int column, double value);

// The first of rows 1 to 9 that the sort would lose or that Execute would stumble on without
// saying which row: a negative end, an end not beyond its start, values in a row with neither
// start nor end. Its fault names the row and selects its end (its start for a row without
// extent) in the grid.
std::optional<PageFault> zoneRowFault(const ZoneRows& rows);

// Clear Form: rows 1 to 9 become 0; row 10 stays.
void clearZoneForm(ZoneRows& rows);

// The OK step: rows 0 to 10 sorted by end, ascending (a selection sort in which a later row
// displaces the candidate only with a strictly smaller end), then, unless no row or every row of
// 1 to 10 is empty, the rows after the e empty ones move up to rows 1.. and the vacated bottom
// rows become 0.
void sortZoneRows(ZoneRows& rows);

class ZonesPage {
public:
    explicit ZonesPage(const DuctDetailsValues& values);

    void open() { m_open = true; }
    bool isOpen() const { return m_open; }

    // Row 0 starts empty; rows 1 to 10 are the sheet's zones. The Qt page reads its grid into
    // rows 1 to 9 before the OK step.
    ZoneRows& rows() { return m_rows; }
    const ZoneRows& rows() const { return m_rows; }
    void clearForm() { clearZoneForm(m_rows); }

    bool applyZones() const { return m_applyZones != 0; }
    void setApplyZones(bool on) { m_applyZones = on ? 1 : 0; }
    bool autoTransitionLosses() const { return m_autoTransitionLosses != 0; }
    void setAutoTransitionLosses(bool on) { m_autoTransitionLosses = on ? 1 : 0; }

    // What reading the grid refused (a cell that is no number), kept for the sheet's OK.
    void setEntryFault(std::optional<PageFault> fault) { m_entryFault = std::move(fault); }

    // The sheet's OK, when the page has been opened: the entry fault, then zoneRowFault; with
    // neither, sortZoneRows.
    std::optional<PageFault> accept();

    // Rows 1 to 10 and the two switches into the sheet's values.
    void storeInto(DuctDetailsValues& values) const;

private:
    bool m_open = false;
    ZoneRows m_rows{};
    std::optional<PageFault> m_entryFault;
    int m_applyZones;
    int m_autoTransitionLosses;
};

} // namespace flowmar
