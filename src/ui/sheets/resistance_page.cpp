#include "ui/sheets/resistance_page.h"

#include "ui/core_text.h"
#include "ui/dialogs/dialog_preset_k_factor.h"
#include "ui/dialogs/diameter_preset.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace flowmar {

using namespace resistance_page;

namespace {

QListWidget* presetList(int rows) {
    auto* list = new QListWidget;
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < rows; ++i) {
        list->addItem(QString());
    }
    list->setFixedHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth());
    return list;
}

// Shows the texts as the list's entries and its selection (none for -1).
void showList(QListWidget* list, const PresetTexts& texts, int selection) {
    for (int i = 0; i < int(texts.size()); ++i) {
        list->item(i)->setText(QString::fromStdString(texts[std::size_t(i)]));
    }
    list->setCurrentRow(selection);
    if (selection < 0) {
        list->clearSelection();
    }
}

} // namespace

CResistancePage::CResistancePage(ResistancePage& page, QWidget* parent)
    : SheetPage(parent), m_page(page), m_diameters(presetList(4)), m_ductTypes(presetList(4)),
      m_lengthUnit(new QLabel), m_diameterUnit(new QLabel), m_frictionFactorUnit(new QLabel) {
    auto* layout = new QVBoxLayout(this);

    auto* lengthGroup = new QGroupBox(coreText(kLengthGroup));
    auto* lengthRow = new QHBoxLayout(lengthGroup);
    lengthRow->addWidget(
        addEdit(kLength, [this](std::string text) { m_page.editLength(std::move(text)); }));
    lengthRow->addWidget(add(kLengthUnit, m_lengthUnit));
    lengthRow->addStretch();
    layout->addWidget(lengthGroup);

    auto* diameterGroup = new QGroupBox(coreText(kDiameterGroup));
    auto* diameterGrid = new QGridLayout(diameterGroup);
    diameterGrid->addWidget(add(kDiameterList, m_diameters), 0, 0, 2, 1);
    auto* editDiameters = add(kEditDiameters, new QPushButton(coreText(kEditCaption)));
    editDiameters->setAutoDefault(false);
    diameterGrid->addWidget(editDiameters, 0, 1, Qt::AlignTop);
    auto* diameterRow = new QHBoxLayout;
    diameterRow->addWidget(
        addEdit(kDiameter, [this](std::string text) { m_page.editDiameter(std::move(text)); }));
    diameterRow->addWidget(add(kDiameterUnit, m_diameterUnit));
    diameterGrid->addLayout(diameterRow, 1, 1, Qt::AlignBottom);
    layout->addWidget(diameterGroup);

    auto* frictionGroup = new QGroupBox(coreText(kFrictionFactorGroup));
    auto* frictionGrid = new QGridLayout(frictionGroup);
    frictionGrid->addWidget(add(kDuctTypeList, m_ductTypes), 0, 0, 3, 1);
    frictionGrid->addWidget(add(kFrictionFactorUnit, m_frictionFactorUnit), 0, 1);
    auto* editFrictionFactors = add(kEditFrictionFactors, new QPushButton(coreText(kEditCaption)));
    editFrictionFactors->setAutoDefault(false);
    frictionGrid->addWidget(editFrictionFactors, 1, 1, Qt::AlignLeft);
    frictionGrid->addWidget(
        addEdit(kFrictionFactor,
                [this](std::string text) { m_page.editFrictionFactor(std::move(text)); }),
        2, 1);
    layout->addWidget(frictionGroup);
    layout->addStretch();

    // A click on the entry already selected writes its preset again, over what was typed.
    const auto onChoice = [this](QListWidget* list, const std::function<void(int)>& choose) {
        onListChoice(list, [this, choose](int row) {
            choose(row);
            showState();
        });
    };
    onChoice(m_diameters, [this](int row) { m_page.selectDiameter(row); });
    onChoice(m_ductTypes, [this](int row) { m_page.selectDuctType(row); });
    connect(editDiameters, &QPushButton::clicked, this, &CResistancePage::editDiameterPresets);
    connect(editFrictionFactors, &QPushButton::clicked, this,
            &CResistancePage::editFrictionFactorPresets);
}

void CResistancePage::showState() {
    const bool showing = m_showing;
    m_showing = true;
    m_lengthUnit->setText(coreText(m_page.lengthUnit()));
    m_diameterUnit->setText(coreText(m_page.diameterUnit()));
    m_frictionFactorUnit->setText(QString::fromStdString(m_page.frictionFactorUnit()));
    showList(m_diameters, m_page.diameterPresets(), m_page.diameterSelection());
    showList(m_ductTypes, m_page.ductTypeNames(), m_page.ductTypeSelection());
    showText(kLength, m_page.lengthText());
    showText(kDiameter, m_page.diameterText());
    showText(kFrictionFactor, m_page.frictionFactorText());
    m_showing = showing;
}

void CResistancePage::editDiameterPresets() {
    CDiameterPreset dialog(m_page.diameterPresets(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_page.diameterPresetsEdited(dialog.presets());
        showState();
    }
}

void CResistancePage::editFrictionFactorPresets() {
    CDialogPresetKFactor dialog(m_page.ductTypeNames(), m_page.frictionFactorPresets(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_page.frictionFactorPresetsEdited(dialog.names(), dialog.values());
        showState();
    }
}

} // namespace flowmar
