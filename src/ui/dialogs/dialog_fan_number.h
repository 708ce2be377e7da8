// CDialogFanNumber: the "Edit Fan" and "Delete Fan" dialogs, one fan number 1..100.
#pragma once

#include <QDialog>

class QLineEdit;

namespace flowmar {

class UiPort;

class CDialogFanNumber : public QDialog {
    Q_OBJECT
public:
    CDialogFanNumber(const QString& caption, int number, UiPort& port, QWidget* parent = nullptr);
    int number() const { return m_number; }
    QLineEdit* numberEdit() const { return m_edit; }

    void accept() override;

private:
    int m_number;
    UiPort& m_port;
    QLineEdit* m_edit;
};

} // namespace flowmar
