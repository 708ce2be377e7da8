// "Flowmar Notepad": the model's free text, at most 1000 characters; a longer text is refused
// with a message and the dialog stays open.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace flowmar {

class UiPort;

class NotepadDialog : public QDialog {
    Q_OBJECT
public:
    NotepadDialog(const QString& text, UiPort& port, QWidget* parent = nullptr);
    QString text() const;
    QPlainTextEdit* editor() const { return m_editor; }

    void accept() override;

private:
    QPlainTextEdit* m_editor;
    UiPort& m_port;
};

} // namespace flowmar
