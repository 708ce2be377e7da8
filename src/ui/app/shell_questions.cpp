#include "ui/app/shell_questions.h"

#include "core/model/messages.h"
#include "core/model/shell_texts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace flowmar {

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

SaveAnswer DialogShellQuestions::askSaveChanges(std::string_view documentTitle) {
    const auto answer = QMessageBox::question(
        m_parent, fromUtf8(shell_texts::kProgramName),
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
    const QString path = QFileDialog::getSaveFileName(m_parent, fromUtf8(shell_texts::kSaveAsTitle),
                                                      fromUtf8(suggestedName), fromUtf8(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(path.toStdString());
}

QString DialogShellQuestions::chooseOpenPath(const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, fromUtf8(shell_texts::kOpenTitle), QString(),
                                        filter);
}

} // namespace flowmar
