// CDuctPropSheet, "Duct Details": the Resistance, Leakage, Zones and General tabs with OK and
// Cancel, over the core's DuctDetailsSheet. A page that refuses to be left (another tab chosen,
// or OK) stays in front with the message shown through the UI port and the offending box focused
// with its text selected.
#pragma once

#include "core/input/duct_details_sheet.h"

#include <QDialog>

#include <array>

class QTabWidget;

namespace flowmar {

class CGeneralPage;
class CLeakagePage;
class CPropertyPageZones;
class CResistancePage;
class SheetPage;
class UiPort;

class CDuctPropSheet : public QDialog {
    Q_OBJECT
public:
    CDuctPropSheet(const DuctDetailsValues& values, UiPort& port, QWidget* parent = nullptr);

    // What OK hands back.
    DuctDetailsValues values() const { return m_sheet.values(); }

    void accept() override;

    QTabWidget* tabs() const { return m_tabs; }
    SheetPage* page(int index) const { return m_pages[std::size_t(index)]; }
    CResistancePage* resistancePage() const { return m_resistance; }
    CLeakagePage* leakagePage() const { return m_leakage; }
    CPropertyPageZones* zonesPage() const { return m_zones; }
    CGeneralPage* generalPage() const { return m_general; }
    // A control of any page by its id.
    QWidget* control(int id) const;

private:
    void tabChosen(int index);
    void showFault(const PageFault& fault);

    DuctDetailsSheet m_sheet;
    UiPort& m_port;
    QTabWidget* m_tabs;
    CResistancePage* m_resistance;
    CLeakagePage* m_leakage;
    CPropertyPageZones* m_zones;
    CGeneralPage* m_general;
    std::array<SheetPage*, duct_details::kPageCount> m_pages{};
    std::array<bool, duct_details::kPageCount> m_shown{};
};

} // namespace flowmar
