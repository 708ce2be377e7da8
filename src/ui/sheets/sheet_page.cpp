#include "ui/sheets/sheet_page.h"

#include <QLineEdit>

namespace flowmar {

QWidget* SheetPage::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

bool SheetPage::focusEdit(int id) {
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    if (edit == nullptr) {
        return false;
    }
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return true;
}

QLineEdit* SheetPage::addEdit(int id, std::function<void(std::string)> typed) {
    auto* edit = add(id, new QLineEdit);
    connect(edit, &QLineEdit::textChanged, this, [this, typed](const QString& text) {
        if (!m_showing) {
            typed(text.toStdString());
        }
    });
    return edit;
}

void SheetPage::showText(int id, const std::string& text) {
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    const QString shown = QString::fromStdString(text);
    if (edit != nullptr && edit->text() != shown) {
        const bool showing = m_showing;
        m_showing = true;
        edit->setText(shown);
        m_showing = showing;
    }
}

} // namespace flowmar
