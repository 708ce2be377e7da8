#include "ui/sheets/sheet_page.h"

#include <QLineEdit>
#include <QListWidget>

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

void SheetPage::onListChoice(QListWidget* list, std::function<void(int)> chosen) {
    const auto choose = [this, chosen](int row) {
        if (!m_showing && row >= 0) {
            chosen(row);
        }
    };
    // The focus entering a list makes an entry current without selecting it: only a selection is
    // the person's choice.
    connect(list, &QListWidget::itemSelectionChanged, this, [list, choose] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (!selected.isEmpty()) {
            choose(list->row(selected.front()));
        }
    });
    connect(list, &QListWidget::itemClicked, this,
            [list, choose](QListWidgetItem* item) { choose(list->row(item)); });
    connect(list, &QListWidget::itemActivated, this,
            [list, choose](QListWidgetItem* item) { choose(list->row(item)); });
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
