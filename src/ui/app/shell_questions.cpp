#include "ui/app/shell_questions.h"

#include "core/model/messages.h"

#include <QFileDialog>
#include <QMessageBox>

namespace flowmar {

SaveAnswer DialogShellQuestions::askSaveChanges(const QString& documentTitle) {
    const auto answer = QMessageBox::question(
        m_parent, QStringLiteral("Flowmar"),
        QString::fromStdString(messages::saveChangesQuestion(documentTitle.toStdString())),
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

QString DialogShellQuestions::chooseSavePath(const QString& suggestedName, const QString& filter) {
    return QFileDialog::getSaveFileName(m_parent, QObject::tr("Save As"), suggestedName, filter);
}

QString DialogShellQuestions::chooseOpenPath(const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, QObject::tr("Open"), QString(), filter);
}

} // namespace flowmar
