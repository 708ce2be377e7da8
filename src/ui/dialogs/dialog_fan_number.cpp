#include "ui/dialogs/dialog_fan_number.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "ui/core_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace flowmar {

CDialogFanNumber::CDialogFanNumber(const QString& caption, int number, UiPort& port,
                                   QWidget* parent)
    : QDialog(parent), m_number(number), m_port(port), m_edit(new QLineEdit) {
    setWindowTitle(caption);
    auto* form = new QFormLayout(this);
    m_edit->setText(QString::number(number));
    form->addRow(coreText(labels::kInputFanNumber), m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CDialogFanNumber::accept() {
    const std::optional<int> number = parseWholeInteger(m_edit->text().toStdString());
    std::string refusal;
    if (!number) {
        refusal = messages::wholeNumberNeeded(labels::kInputFanNumber);
    } else if (*number < limits::kFirstFanNumber || *number > limits::kLastFanNumber) {
        refusal = std::string(messages::kFanNumberOutOfRange);
    }
    if (!refusal.empty()) {
        m_port.showMessage(refusal, MessageIcon::Warning);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_number = *number;
    QDialog::accept();
}

} // namespace flowmar
