// CGeneralPage, the "General" tab of the Duct Details sheet: air density, duct type, mode of
// execution and iteration limit, over the core's GeneralPage.
#pragma once

#include "core/input/general_page.h"
#include "ui/sheets/sheet_page.h"

class QButtonGroup;
class QLabel;
class QListWidget;

namespace flowmar {

class CGeneralPage : public SheetPage {
    Q_OBJECT
public:
    CGeneralPage(GeneralPage& page, QWidget* parent = nullptr);
    void showState() override;

private:
    GeneralPage& m_page;
    QLabel* m_airDensityLabel;
    QButtonGroup* m_ductType;
    QListWidget* m_modes;
};

} // namespace flowmar
