#include "ui/dialogs/dialog_add_fan.h"

#include "core/commands/fan_curve_dialogs.h"
#include "core/commands/fan_curve_import.h"
#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "ui/core_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace flowmar {

namespace {

QLineEdit* readOnlyEdit() {
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

// A row of the form: the label, the edit, and the unit label when there is one.
void addRow(QGridLayout* grid, std::string_view label, QWidget* field,
            const std::string& unit = {}) {
    const int row = grid->rowCount();
    auto* caption = new QLabel(coreText(label));
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (!unit.empty()) {
        grid->addWidget(new QLabel(QString::fromStdString(unit)), row, 2);
    }
}

} // namespace

CDialogAddFan::CDialogAddFan(const AddFanValues& values, UiPort& port, QWidget* parent)
    : QDialog(parent), m_values(values), m_port(port), m_distance(new QLineEdit),
      m_fixedPressure(new QLineEdit),
      m_useFixed(new QCheckBox(coreText(labels::kUseFixedPressure))),
      m_editCurve(new QPushButton(coreText(labels::kEditFanCurve))),
      m_importCurve(new QPushButton(coreText(labels::kImportFanCurve))),
      m_manufacturer(readOnlyEdit()), m_model(readOnlyEdit()), m_setting(readOnlyEdit()),
      m_density(readOnlyEdit()), m_pointCount(readOnlyEdit()) {
    setWindowTitle(coreText(labels::kAddEditFanTitle));
    const AddFanEditTexts texts = addFanEditTexts(m_values);
    m_distance->setText(QString::fromStdString(texts.distance));
    m_fixedPressure->setText(QString::fromStdString(texts.fixedPressure));
    m_useFixed->setChecked(m_values.useFixedPressure == 1);
    for (QLineEdit* edit : {m_distance, m_fixedPressure}) {
        edit->setAlignment(Qt::AlignRight);
    }

    auto* placing = new QGridLayout;
    addRow(placing, labels::kDistanceAlongDuct, m_distance, texts.distanceUnit);
    addRow(placing, labels::kFixedFanPressure, m_fixedPressure, texts.fixedPressureUnit);
    placing->addWidget(m_useFixed, placing->rowCount(), 1);

    auto* curveBox = new QGroupBox(coreText(labels::kFanCurveGrid));
    auto* curve = new QGridLayout(curveBox);
    addRow(curve, labels::kFanManufacturer, m_manufacturer);
    addRow(curve, labels::kFanModel, m_model);
    addRow(curve, labels::kFanSetting, m_setting);
    addRow(curve, labels::kFanCurveDensity, m_density, texts.curveDensityUnit);
    addRow(curve, labels::kNumberOfSpecifiedPoints, m_pointCount);
    auto* curveButtons = new QHBoxLayout;
    curveButtons->addWidget(m_editCurve);
    curveButtons->addWidget(m_importCurve);
    curveButtons->addStretch();
    curve->addLayout(curveButtons, curve->rowCount(), 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in an edit means OK, not the curve buttons.
    for (QPushButton* button : {m_editCurve, m_importCurve}) {
        button->setAutoDefault(false);
    }
    connect(m_editCurve, &QPushButton::clicked, this, [this] {
        editFanCurve(m_values, m_port);
        showCurve();
    });
    connect(m_importCurve, &QPushButton::clicked, this, [this] {
        importFanCurve(m_values, m_port);
        showCurve();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(placing);
    layout->addWidget(curveBox);
    layout->addWidget(buttons);
    showCurve();
}

void CDialogAddFan::showCurve() {
    const AddFanEditTexts texts = addFanEditTexts(m_values);
    m_manufacturer->setText(QString::fromStdString(m_values.curve.manufacturer));
    m_model->setText(QString::fromStdString(m_values.curve.model));
    m_setting->setText(QString::fromStdString(m_values.curve.setting));
    m_density->setText(QString::fromStdString(texts.curveDensity));
    m_pointCount->setText(QString::fromStdString(texts.pointCount));
}

AddFanEditTexts CDialogAddFan::typedTexts() const {
    AddFanEditTexts texts = addFanEditTexts(m_values);
    texts.distance = m_distance->text().toStdString();
    texts.fixedPressure = m_fixedPressure->text().toStdString();
    return texts;
}

void CDialogAddFan::accept() {
    const std::optional<AddFanRefusal> refusal = acceptAddFanEditTexts(m_values, typedTexts());
    if (refusal) {
        m_port.showMessage(refusal->message, MessageIcon::Warning);
        QLineEdit* edit = refusal->field == AddFanField::Distance ? m_distance : m_fixedPressure;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    m_values.useFixedPressure = m_useFixed->isChecked() ? 1 : 0;
    QDialog::accept();
}

} // namespace flowmar
