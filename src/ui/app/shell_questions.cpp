#include "ui/app/shell_questions.h"

#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "ui/core_text.h"

#include <QFileDialog>
#include <QMessageBox>

namespace flowmar {

SaveAnswer DialogShellQuestions::askSaveChanges(std::string_view documentTitle) {
    const auto answer = QMessageBox::question(
        m_parent, coreText(labels::kProgramName),
        QString::fromStdString(messages::saveChangesQuestion(documentTitle)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes:
        return SaveAnswer::Save;
    case QMessageBox::No:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<std::filesystem::path>
DialogShellQuestions::chooseSavePath(std::string_view suggestedName, std::string_view filter) {
    const QString path = QFileDialog::getSaveFileName(m_parent, coreText(labels::kSaveAsTitle),
                                                      coreText(suggestedName), coreText(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(path.toStdString());
}

QString DialogShellQuestions::chooseOpenPath(const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, coreText(labels::kOpenTitle), QString(), filter);
}

} // namespace flowmar
