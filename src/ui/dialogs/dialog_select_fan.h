// CDialogSelectFan: "Select Fan to Add to Project", the fans of a fan database file in the 100-row
// "Fan List" and the number of the fan to import, 1 to 100.
#pragma once

#include "core/fans/select_fan.h"

#include <QDialog>

class QLineEdit;

namespace flowmar {

class GridControl;
class UiPort;

class CDialogSelectFan : public QDialog {
    Q_OBJECT
public:
    CDialogSelectFan(const SelectFanValues& values, UiPort& port, QWidget* parent = nullptr);
    const SelectFanValues& values() const { return m_values; }

    GridControl& grid() const { return *m_grid; }
    QLineEdit* numberEdit() const { return m_number; }

    void accept() override;

private:
    SelectFanValues m_values;
    UiPort& m_port;
    GridControl* m_grid;
    QLineEdit* m_number;
};

} // namespace flowmar
