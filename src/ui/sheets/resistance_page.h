// CResistancePage, the "Resistance" tab of the Duct Details sheet: length, diameter with its
// presets and friction factor with the duct types, over the core's ResistancePage. Its two Edit
// buttons open the preset dialogs.
#pragma once

#include "core/input/resistance_page.h"
#include "ui/sheets/sheet_page.h"

class QLabel;
class QListWidget;

namespace flowmar {

class CResistancePage : public SheetPage {
    Q_OBJECT
public:
    CResistancePage(ResistancePage& page, QWidget* parent = nullptr);
    void showState() override;

    // The Edit buttons' dialogs, opened modally; on OK the page takes their texts.
    void editDiameterPresets();
    void editFrictionFactorPresets();

private:
    ResistancePage& m_page;
    QListWidget* m_diameters;
    QListWidget* m_ductTypes;
    QLabel* m_lengthUnit;
    QLabel* m_diameterUnit;
    QLabel* m_frictionFactorUnit;
};

} // namespace flowmar
