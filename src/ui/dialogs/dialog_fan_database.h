// CDialogFanDatabase: the curve editor "Fan Database - Details". The three texts with their length
// limits, the curve density in the editor's units and the "Fan Curve" grid of 15 points, whose
// fan input power is computed when the editor opens and never while a person types. The duct
// model's Add/Edit Fan dialog and the fan database both open it through the port.
#pragma once

#include "core/fans/curve_editor.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace flowmar {

class GridControl;
class UiPort;

class CDialogFanDatabase : public QDialog {
    Q_OBJECT
public:
    CDialogFanDatabase(const CurveEditorValues& values, UiPort& port, QWidget* parent = nullptr);
    const CurveEditorValues& values() const { return m_values; }

    QLineEdit* manufacturerEdit() const { return m_manufacturer; }
    QLineEdit* modelEdit() const { return m_model; }
    QLineEdit* settingEdit() const { return m_setting; }
    QLineEdit* densityEdit() const { return m_density; }
    QLabel* densityLabel() const { return m_densityLabel; }
    GridControl& grid() const { return *m_grid; }
    QPushButton* clearButton() const { return m_clear; }

    void accept() override;

private:
    CurveEditorValues m_values;
    UiPort& m_port;
    QLineEdit* m_manufacturer;
    QLineEdit* m_model;
    QLineEdit* m_setting;
    QLabel* m_densityLabel;
    QLineEdit* m_density;
    GridControl* m_grid;
    QPushButton* m_clear;
};

} // namespace flowmar
