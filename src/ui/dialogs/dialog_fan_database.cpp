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

QLineEdit* textEdit(const std::string& text, int maxLength) {
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

CDialogFanDatabase::CDialogFanDatabase(const CurveEditorValues& values, UiPort& port,
                                       QWidget* parent)
    : QDialog(parent), m_values(values), m_port(port),
      m_manufacturer(textEdit(values.manufacturer, kManufacturerMaxLength)),
      m_model(textEdit(values.model, kModelMaxLength)),
      m_setting(textEdit(values.setting, kSettingMaxLength)),
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
    if (const auto refusal = acceptCurveDensityText(m_values, m_density->text().toStdString())) {
        m_port.showMessage(*refusal, MessageIcon::Warning);
        m_density->setFocus();
        m_density->selectAll();
        return;
    }
    readCurveEditorGrid(m_grid->content(), m_values);
    m_values.manufacturer = m_manufacturer->text().toStdString();
    m_values.model = m_model->text().toStdString();
    m_values.setting = m_setting->text().toStdString();
    QDialog::accept();
}

} // namespace flowmar
