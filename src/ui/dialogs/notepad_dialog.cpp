#include "ui/dialogs/notepad_dialog.h"

#include "core/commands/document_commands.h"
#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "ui/core_text.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace flowmar {

NotepadDialog::NotepadDialog(const QString& text, UiPort& port, QWidget* parent)
    : QDialog(parent), m_editor(new QPlainTextEdit(text)), m_port(port) {
    setWindowTitle(coreText(labels::kNotepadTitle));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap); // scrolls horizontally
    m_editor->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 360);
}

QString NotepadDialog::text() const {
    return m_editor->toPlainText();
}

void NotepadDialog::accept() {
    if (!notepadTextFits(text().toStdString())) {
        m_port.showMessage(messages::kNotepadTooLong);
        m_editor->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace flowmar
