// CPropertyPageZones, the "Zones" tab of the Duct Details sheet: the zone grid (rows 1 to 9), the
// two zone switches and Clear Form, over the core's ZonesPage.
#pragma once

#include "core/input/zones_page.h"
#include "ui/sheets/sheet_page.h"

class QCheckBox;

namespace flowmar {

class GridControl;

class CPropertyPageZones : public SheetPage {
    Q_OBJECT
public:
    CPropertyPageZones(ZonesPage& page, int unitSystem, QWidget* parent = nullptr);
    void opened() override;
    void showState() override;

    // The sheet's OK, before the core checks and sorts: the grid's cells into rows 1 to 9, and
    // what the reading refused into the core page.
    void readGrid();
    // Selects the cell the fault names and gives the grid the focus.
    void focusFault(const PageFault& fault) override;
    GridControl* grid() const { return m_grid; }

private:
    ZonesPage& m_page;
    int m_unitSystem;
    GridControl* m_grid;
    QCheckBox* m_applyZones;
    QCheckBox* m_autoTransition;
};

} // namespace flowmar
