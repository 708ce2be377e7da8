// The Duct Details sheet: its four pages in tab order (Resistance, Leakage, Zones, General),
// which page is in front, and the rule that a page runs its leaving checks whenever a person
// chooses another tab or presses OK, staying in front when one fails. Each page opens the first
// time it comes to the front; the sheet starts with the values' page in front (Resistance unless
// Execute names the page that holds what it refused).
#pragma once

#include "core/input/duct_details_values.h"
#include "core/input/general_page.h"
#include "core/input/leakage_page.h"
#include "core/input/page_fault.h"
#include "core/input/resistance_page.h"
#include "core/input/zones_page.h"

#include <array>
#include <optional>
#include <string_view>

namespace flowmar {

namespace duct_details {
// The pages in tab order.
enum Page : int { kResistancePage = 0, kLeakagePage = 1, kZonesPage = 2, kGeneralPage = 3 };
inline constexpr int kPageCount = 4;
inline constexpr std::array<std::string_view, kPageCount> kTabs{
    resistance_page::kTab, leakage_page::kTab, zones_page::kTab, general_page::kTab};
} // namespace duct_details

class DuctDetailsSheet {
public:
    explicit DuctDetailsSheet(const DuctDetailsValues& values);

    // "Duct Details".
    static std::string_view caption();

    int currentPage() const { return m_current; }
    // A person chooses a tab: the page in front runs its leaving checks; on a fault it stays in
    // front and the fault is returned. Otherwise the chosen page comes to the front, opening the
    // first time. Choosing the page already in front changes nothing.
    std::optional<PageFault> showPage(int page);
    // OK: the page in front runs its leaving checks; on a fault the sheet stays open. Otherwise
    // the Zones page, when it was opened, checks and sorts its rows; on its fault it comes to the
    // front.
    std::optional<PageFault> accept();
    // What OK hands back: the values the sheet opened with, as every page has them now. A page
    // never opened hands back what it was given.
    DuctDetailsValues values() const;

    GeneralPage& general() { return m_general; }
    ResistancePage& resistance() { return m_resistance; }
    LeakagePage& leakage() { return m_leakage; }
    ZonesPage& zones() { return m_zones; }
    const GeneralPage& general() const { return m_general; }
    const ResistancePage& resistance() const { return m_resistance; }
    const LeakagePage& leakage() const { return m_leakage; }
    const ZonesPage& zones() const { return m_zones; }

private:
    std::optional<PageFault> leaveCurrent();
    void openPage(int page);

    DuctDetailsValues m_values;
    ResistancePage m_resistance;
    LeakagePage m_leakage;
    ZonesPage m_zones;
    GeneralPage m_general;
    int m_current = duct_details::kResistancePage;
};

} // namespace flowmar
