#include "ui/dialogs/fixed_quantity_dialog.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/ui_port.h"

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
      m_apply(new QCheckBox(tr("Apply? (all fans will be ignored)"))), m_quantity(new QLineEdit),
      m_location(new QComboBox) {
    setWindowTitle(tr("Fixed Quantity Tool"));
    auto* layout = new QVBoxLayout(this);
    for (const char* use :
         {"1) Fan pressure and quantity for an input fixed face quantity (assumes that the fan is "
          "remote from the face)",
          "2) Face quantity and fan pressure for an input fixed fan quantity"}) {
        auto* label = new QLabel(QString::fromUtf8(use));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(m_apply);
    auto* form = new QFormLayout;
    auto* quantityRow = new QHBoxLayout;
    quantityRow->addWidget(m_quantity);
    quantityRow->addWidget(
        new QLabel(QString::fromUtf8(unitLabel(strings::kAirQuantity, values.unitSystem).data())));
    form->addRow(tr("Fixed Quantity"), quantityRow);
    form->addRow(tr("Fixed Quantity Location"), m_location);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_apply->setChecked(values.applied != 0);
    m_quantity->setText(QString::fromStdString(formatDouble("%g", values.fixedQuantity)));
    m_location->addItems({tr("Face"), tr("Fan/Source")});
    m_location->setCurrentIndex(values.location == 1 ? 1 : 0);
    resize(460, sizeHint().height());
}

void FixedQuantityDialog::accept() {
    const double quantity = parseNumber(m_quantity->text().toStdString());
    if (!fixedQuantityInRange(quantity)) {
        m_port.showMessage(messages::kFixedQuantityOutOfRange);
        m_quantity->setFocus();
        m_quantity->selectAll();
        return;
    }
    m_values.applied = m_apply->isChecked() ? 1 : 0;
    m_values.fixedQuantity = quantity;
    m_values.location = m_location->currentIndex();
    QDialog::accept();
}

} // namespace flowmar
