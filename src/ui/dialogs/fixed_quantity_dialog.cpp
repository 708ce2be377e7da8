#include "ui/dialogs/fixed_quantity_dialog.h"

#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "ui/core_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace flowmar {

FixedQuantityDialog::FixedQuantityDialog(const FixedQuantityValues& values, UiPort& port,
                                         QWidget* parent)
    : QDialog(parent), m_values(values), m_port(port),
      m_apply(new QCheckBox(coreText(labels::kApplyFixedQuantity))), m_quantity(new QLineEdit),
      m_location(new QComboBox) {
    setWindowTitle(coreText(labels::kFixedQuantityTool));
    auto* layout = new QVBoxLayout(this);
    for (const std::string_view use :
         {labels::kFixedFaceQuantityUse, labels::kFixedFanQuantityUse}) {
        auto* label = new QLabel(coreText(use));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(m_apply);
    auto* form = new QFormLayout;
    auto* quantityRow = new QHBoxLayout;
    quantityRow->addWidget(m_quantity);
    quantityRow->addWidget(
        new QLabel(coreText(unitLabel(strings::kAirQuantity, values.unitSystem))));
    form->addRow(coreText(labels::kFixedQuantity), quantityRow);
    form->addRow(coreText(labels::kFixedQuantityLocation), m_location);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_apply->setChecked(values.applied != 0);
    m_quantityBox = fixedQuantityBox(values.fixedQuantity);
    m_quantity->setText(QString::fromStdString(m_quantityBox.text()));
    m_location->addItems({coreText(labels::kFace), coreText(labels::kFanSource)});
    m_location->setCurrentIndex(values.location == 1 ? 1 : 0);
    resize(460, sizeHint().height());
}

void FixedQuantityDialog::accept() {
    m_quantityBox.type(m_quantity->text().toStdString());
    const std::variant<double, std::string> read =
        readFixedQuantity(m_quantityBox, m_values.unitSystem);
    if (const auto* message = std::get_if<std::string>(&read)) {
        m_port.showMessage(*message, MessageIcon::Warning);
        m_quantity->setFocus();
        m_quantity->selectAll();
        return;
    }
    const double quantity = std::get<double>(read);
    m_values.applied = m_apply->isChecked() ? 1 : 0;
    m_values.fixedQuantity = quantity;
    m_values.location = m_location->currentIndex();
    QDialog::accept();
}

} // namespace flowmar
