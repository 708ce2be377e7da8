#include "ui/dialogs/dialog_select_fan.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "core/views/fan_database_grid.h"
#include "ui/core_text.h"
#include "ui/grid/grid_control.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace flowmar {

CDialogSelectFan::CDialogSelectFan(const SelectFanValues& values, UiPort& port, QWidget* parent)
    : QDialog(parent), m_values(values), m_port(port), m_grid(new GridControl),
      m_number(new QLineEdit(QString::number(values.fanNumber))) {
    setWindowTitle(coreText(labels::kSelectFanTitle));
    m_grid->setUndoRecording(false);
    m_grid->setContent(selectFanGrid(m_values));
    m_grid->setUndoRecording(true);
    auto* listBox = new QGroupBox(coreText(labels::kFanList));
    auto* list = new QVBoxLayout(listBox);
    list->addWidget(m_grid);

    m_number->setAlignment(Qt::AlignRight);
    auto* form = new QFormLayout;
    form->addRow(coreText(labels::kSelectFanNumber), m_number);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listBox, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_number->setFocus();
    m_number->selectAll();
}

void CDialogSelectFan::accept() {
    const std::optional<int> number = parseWholeInteger(m_number->text().toStdString());
    std::string refusal;
    if (!number) {
        refusal = messages::wholeNumberNeeded(labels::kSelectFanNumber);
    } else if (*number < limits::kFirstFanNumber || *number > limits::kLastFanNumber) {
        refusal = std::string(messages::kFanNumberOutOfRange);
    }
    if (!refusal.empty()) {
        m_port.showMessage(refusal, MessageIcon::Warning);
        m_number->setFocus();
        m_number->selectAll();
        return;
    }
    m_values.fanNumber = *number;
    QDialog::accept();
}

} // namespace flowmar
