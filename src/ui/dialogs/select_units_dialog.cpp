#include "ui/dialogs/select_units_dialog.h"

#include "core/model/string_table.h"
#include "core/model/units.h"
#include "ui/core_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace flowmar {

SelectUnitsDialog::SelectUnitsDialog(int unitSystem, QWidget* parent)
    : QDialog(parent), m_unitSystem(unitSystem),
      m_imperial(new QRadioButton(coreText(labels::kImperialChoice))),
      m_si(new QRadioButton(coreText(labels::kSIChoice))) {
    setWindowTitle(coreText(labels::kSelectUnits));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(coreText(labels::kSelectUnitsPrompt)));
    layout->addWidget(m_imperial);
    layout->addWidget(m_si);
    // Neither button is checked for a value that is neither unit system.
    m_imperial->setAutoExclusive(false);
    m_si->setAutoExclusive(false);
    m_imperial->setChecked(unitSystem == kImperial);
    m_si->setChecked(unitSystem == kSI);
    m_imperial->setAutoExclusive(true);
    m_si->setAutoExclusive(true);
    connect(m_imperial, &QRadioButton::clicked, this, [this] { m_unitSystem = kImperial; });
    connect(m_si, &QRadioButton::clicked, this, [this] { m_unitSystem = kSI; });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace flowmar
