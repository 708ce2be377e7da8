#include "ui/sheets/general_page.h"

#include "ui/core_text.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace flowmar {

using namespace general_page;

CGeneralPage::CGeneralPage(GeneralPage& page, QWidget* parent)
    : SheetPage(parent), m_page(page), m_airDensityLabel(new QLabel),
      m_ductType(new QButtonGroup(this)), m_modes(new QListWidget) {
    auto* layout = new QVBoxLayout(this);
    auto* density = new QFormLayout;
    QLineEdit* densityEdit =
        addEdit(kAirDensity, [this](std::string text) { m_page.editAirDensity(std::move(text)); });
    add(kAirDensityLabel, m_airDensityLabel);
    m_airDensityLabel->setBuddy(densityEdit);
    density->addRow(m_airDensityLabel, densityEdit);
    layout->addLayout(density);

    auto* group = new QGroupBox(coreText(kDuctTypeGroup));
    auto* groupLayout = new QVBoxLayout(group);
    for (const auto& [id, caption] :
         {std::pair{kForcing, kForcingCaption}, std::pair{kExhausting, kExhaustingCaption}}) {
        auto* radio = add(id, new QRadioButton(coreText(caption)));
        m_ductType->addButton(radio, id);
        groupLayout->addWidget(radio);
    }
    connect(m_ductType, &QButtonGroup::idClicked, this,
            [this](int id) { m_page.clickDuctTypeButton(id); });
    layout->addWidget(group);

    auto* modeLabel = new QLabel(coreText(kExecutionModeCaption));
    modeLabel->setBuddy(m_modes);
    layout->addWidget(modeLabel);
    add(kExecutionMode, m_modes);
    for (const std::string_view name : kModeNames) {
        m_modes->addItem(coreText(name));
    }
    m_modes->setSelectionMode(QAbstractItemView::SingleSelection);
    m_modes->setFixedHeight(m_modes->sizeHintForRow(0) * int(kModeNames.size()) +
                            2 * m_modes->frameWidth());
    onListChoice(m_modes, [this](int row) { m_page.selectExecutionMode(row); });
    layout->addWidget(m_modes);

    auto* limit = new QFormLayout;
    QLineEdit* limitEdit = addEdit(
        kIterationLimit, [this](std::string text) { m_page.editIterationLimit(std::move(text)); });
    limit->addRow(coreText(kIterationLimitCaption), limitEdit);
    layout->addLayout(limit);
    layout->addStretch();
}

void CGeneralPage::showState() {
    const bool showing = m_showing;
    m_showing = true;
    m_airDensityLabel->setText(QString::fromStdString(m_page.airDensityLabel()));
    showText(kAirDensity, m_page.airDensityText());
    showText(kIterationLimit, m_page.iterationLimitText());
    const int checked = m_page.checkedDuctTypeButton();
    for (QAbstractButton* button : m_ductType->buttons()) {
        if (m_ductType->id(button) == checked) {
            button->setChecked(true);
        }
    }
    const int mode = m_page.executionModeSelection();
    m_modes->setCurrentRow(mode);
    if (mode < 0) {
        m_modes->clearSelection();
    }
    m_showing = showing;
}

} // namespace flowmar
