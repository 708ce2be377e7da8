#include "ui/app/shell_questions.h"

#include "core/files/file_filter.h"
#include "core/model/document_templates.h"
#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "ui/core_text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
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
    QString chosenFilter;
    QString path =
        QFileDialog::getSaveFileName(m_parent, coreText(labels::kSaveAsTitle),
                                     coreText(suggestedName), coreText(filter), &chosenFilter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    // A name typed without an extension takes the one of the filter chosen.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QString::fromStdString(extensionOfFilter(chosenFilter.toStdString()));
    }
    return std::filesystem::path(path.toStdString());
}

QString DialogShellQuestions::chooseOpenPath(const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, coreText(labels::kOpenTitle), QString(), filter);
}

std::optional<int> ShellQuestions::chooseNewDocument() {
    return templates::kSummaryOfInput;
}

std::optional<int> DialogShellQuestions::chooseNewDocument() {
    // The kinds by their templates' file-new names: "Flowmar", "Fan Database".
    const int kinds[] = {templates::kSummaryOfInput, templates::kFanDatabase};
    QStringList names;
    for (const int kind : kinds) {
        names << coreText(
            templateField(findTemplate(kind)->templateString, TemplateField::FileNewName));
    }
    bool chosen = false;
    const QString name =
        QInputDialog::getItem(m_parent, coreText(labels::kNewDocumentTitle),
                              coreText(labels::kNewDocumentPrompt), names, 0, false, &chosen);
    if (!chosen) {
        return std::nullopt;
    }
    return kinds[std::max<qsizetype>(names.indexOf(name), 0)];
}

} // namespace flowmar
