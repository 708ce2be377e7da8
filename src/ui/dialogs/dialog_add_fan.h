// CDialogAddFan: "Add/Edit Fan", one fan of a duct model in the model's units. Distance, fixed
// pressure and "Use Fixed Pressure?" are typed here; the curve and its texts change only through
// "Edit Fan Curve" and "Import Fan Curve", which the core runs through the same port.
#pragma once

#include "core/fans/add_fan_dialog.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace flowmar {

class UiPort;

class CDialogAddFan : public QDialog {
    Q_OBJECT
public:
    CDialogAddFan(const AddFanValues& values, UiPort& port, QWidget* parent = nullptr);
    const AddFanValues& values() const { return m_values; }

    QLineEdit* distanceEdit() const { return m_distance; }
    QLineEdit* fixedPressureEdit() const { return m_fixedPressure; }
    QCheckBox* useFixedPressureBox() const { return m_useFixed; }
    QPushButton* editCurveButton() const { return m_editCurve; }
    QPushButton* importCurveButton() const { return m_importCurve; }
    QLineEdit* manufacturerEdit() const { return m_manufacturer; }
    QLineEdit* modelEdit() const { return m_model; }
    QLineEdit* settingEdit() const { return m_setting; }
    QLineEdit* densityEdit() const { return m_density; }
    QLineEdit* pointCountEdit() const { return m_pointCount; }

    void accept() override;

private:
    // The read-only fields from the working curve, after either curve button.
    void showCurve();
    AddFanEditTexts typedTexts() const;

    AddFanValues m_values;
    UiPort& m_port;
    QLineEdit* m_distance;
    QLineEdit* m_fixedPressure;
    QCheckBox* m_useFixed;
    QPushButton* m_editCurve;
    QPushButton* m_importCurve;
    QLineEdit* m_manufacturer;
    QLineEdit* m_model;
    QLineEdit* m_setting;
    QLineEdit* m_density;
    QLineEdit* m_pointCount;
};

} // namespace flowmar
