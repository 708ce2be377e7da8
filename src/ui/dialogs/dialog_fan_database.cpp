#include "ui/dialogs/dialog_fan_database.h"

#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "core/views/fan_database_grid.h"
#include "ui/core_text.h"
#include "ui/grid/grid_control.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace flowmar {

namespace {

// No length limit on the edit: it shows the whole stored text, which a file may hold longer than
// a person may type; OK refuses a changed text over its limit.
QLineEdit* textEdit(const std::string& text) {
    return new QLineEdit(QString::fromStdString(text));
}

void selectEdit(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

} // namespace

CDialogFanDatabase::CDialogFanDatabase(const CurveEditorValues& values, UiPort& port,
                                       QWidget* parent)
    : QDialog(parent), m_values(values), m_port(port),
      m_manufacturer(textEdit(values.manufacturer)), m_model(textEdit(values.model)),
      m_setting(textEdit(values.setting)),
      m_densityLabel(new QLabel(coreText(curveDensityLabel(values.unitSystem)))),
      m_density(new QLineEdit(
          QString::fromStdString(curveDensityText(values.curveDensity, values.unitSystem)))),
      m_grid(new GridControl), m_clear(new QPushButton(coreText(labels::kClear))) {
    setWindowTitle(coreText(labels::kCurveEditorTitle));
    m_density->setAlignment(Qt::AlignRight);
    m_densityLabel->setBuddy(m_density);

    auto* form = new QFormLayout;
    form->addRow(coreText(labels::kFanManufacturer), m_manufacturer);
    form->addRow(coreText(labels::kFanModel), m_model);
    form->addRow(coreText(labels::kFanBladeSetting), m_setting);
    form->addRow(m_densityLabel, m_density);

    m_grid->setUndoRecording(false);
    m_grid->setContent(curveEditorGrid(m_values));
    m_grid->setUndoRecording(true);
    auto* curveBox = new QGroupBox(coreText(labels::kFanCurveGrid));
    auto* curve = new QVBoxLayout(curveBox);
    curve->addWidget(m_grid);

    m_clear->setAutoDefault(false);
    connect(m_clear, &QPushButton::clicked, this, [this] {
        clearCurveEditor(m_values);
        m_grid->setContent(curveEditorGrid(m_values));
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(m_clear, QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(curveBox, 1);
    layout->addWidget(buttons);
}

void CDialogFanDatabase::accept() {
    const CurveEditorTexts texts{m_manufacturer->text().toStdString(),
                                 m_model->text().toStdString(), m_setting->text().toStdString()};
    const auto refusal =
        acceptCurveEditor(m_values, texts, m_density->text().toStdString(), m_grid->content());
    if (!refusal) {
        QDialog::accept();
        return;
    }
    m_port.showMessage(refusal->message, MessageIcon::Warning);
    switch (refusal->box) {
    case CurveEditorBox::Manufacturer:
        selectEdit(m_manufacturer);
        break;
    case CurveEditorBox::Model:
        selectEdit(m_model);
        break;
    case CurveEditorBox::Setting:
        selectEdit(m_setting);
        break;
    case CurveEditorBox::Density:
        selectEdit(m_density);
        break;
    case CurveEditorBox::Cell:
        m_grid->selectCell(refusal->row, refusal->column);
        break;
    }
}

} // namespace flowmar
