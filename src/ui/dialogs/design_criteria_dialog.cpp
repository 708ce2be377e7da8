#include "ui/dialogs/design_criteria_dialog.h"

#include "core/input/design_criteria_form.h"
#include "core/ui_port.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <variant>

namespace flowmar {

DesignCriteriaDialog::DesignCriteriaDialog(const DesignCriteria& criteria, int unitSystem,
                                           UiPort& port, QWidget* parent)
    : QDialog(parent), m_criteria(criteria), m_unitSystem(unitSystem), m_port(port) {
    setWindowTitle(tr("Design Criteria"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("What the design checks ask of every solved duct. A model may set its own criteria; "
           "those set here apply where it does not."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    const DesignCriteriaBoxes boxes = designCriteriaBoxes(criteria, unitSystem);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        auto* edit = new QLineEdit(QString::fromStdString(boxes[k].text));
        edit->setPlaceholderText(QString::fromStdString(boxes[k].hint));
        form->addRow(QString::fromStdString(boxes[k].label), edit);
        m_boxes[k] = edit;
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, sizeHint().height());
}

void DesignCriteriaDialog::accept() {
    DesignCriteriaBoxes boxes = designCriteriaBoxes({}, m_unitSystem);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        boxes[k].text = m_boxes[k]->text().toStdString();
    }
    auto read = readDesignCriteria(boxes, m_unitSystem);
    if (const auto* fault = std::get_if<PageFault>(&read)) {
        m_port.showMessage(fault->message, MessageIcon::Warning);
        QLineEdit* edit = m_boxes.at(static_cast<std::size_t>(fault->control));
        edit->setFocus();
        edit->selectAll();
        return;
    }
    m_criteria = std::get<DesignCriteria>(read);
    QDialog::accept();
}

} // namespace flowmar
