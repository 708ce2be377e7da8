// The questions the program's frame asks around files: whether to save a modified document,
// where to save it, what to open and which kind of document to create. The Qt implementation
// asks with dialogs; tests answer from a script.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace flowmar {

enum class SaveAnswer { Save, Discard, Cancel };

class ShellQuestions {
public:
    virtual ~ShellQuestions() = default;
    virtual SaveAnswer askSaveChanges(const QString& documentTitle) = 0;
    // The file to save a document to; empty on Cancel.
    virtual QString chooseSavePath(const QString& suggestedName, const QString& filter) = 0;
    // The file to open; empty on Cancel.
    virtual QString chooseOpenPath(const QString& filter) = 0;
};

class DialogShellQuestions : public ShellQuestions {
public:
    explicit DialogShellQuestions(QWidget* parent) : m_parent(parent) {}
    SaveAnswer askSaveChanges(const QString& documentTitle) override;
    QString chooseSavePath(const QString& suggestedName, const QString& filter) override;
    QString chooseOpenPath(const QString& filter) override;

private:
    QWidget* m_parent;
};

} // namespace flowmar
