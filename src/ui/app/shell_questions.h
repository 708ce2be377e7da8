// The questions the program's frame asks around files: whether to save a modified document,
// where to save it and what to open. The Qt implementation asks with dialogs; tests answer from a
// script.
#pragma once

#include "core/commands/open_documents.h"

#include <QString>

class QWidget;

namespace flowmar {

class ShellQuestions : public DocumentQuestions {
public:
    // The file to open; empty on Cancel.
    virtual QString chooseOpenPath(const QString& filter) = 0;
    // File New's choice of document: a duct model (templates::kSummaryOfInput) or a fan
    // database (templates::kFanDatabase); no value on Cancel. Questions that offer no choice
    // make duct models.
    virtual std::optional<int> chooseNewDocument();
};

class DialogShellQuestions : public ShellQuestions {
public:
    explicit DialogShellQuestions(QWidget* parent) : m_parent(parent) {}
    SaveAnswer askSaveChanges(std::string_view documentTitle) override;
    std::optional<std::filesystem::path> chooseSavePath(std::string_view suggestedName,
                                                        std::string_view filter) override;
    QString chooseOpenPath(const QString& filter) override;
    std::optional<int> chooseNewDocument() override;

private:
    QWidget* m_parent;
};

} // namespace flowmar
