// "Fixed Quantity Tool": whether one prescribed quantity replaces the fans, the quantity in the
// units shown, and where it holds (face or fan end). The quantity must lie in 1e-7..800.
#pragma once

#include "core/input/fixed_quantity_values.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace flowmar {

class UiPort;

class FixedQuantityDialog : public QDialog {
    Q_OBJECT
public:
    FixedQuantityDialog(const FixedQuantityValues& values, UiPort& port, QWidget* parent = nullptr);
    const FixedQuantityValues& values() const { return m_values; }

    QCheckBox* applyBox() const { return m_apply; }
    QLineEdit* quantityEdit() const { return m_quantity; }
    QComboBox* locationList() const { return m_location; }

    void accept() override;

private:
    FixedQuantityValues m_values;
    UiPort& m_port;
    QCheckBox* m_apply;
    QLineEdit* m_quantity;
    NumberBox m_quantityBox; // what the quantity box was filled from
    QComboBox* m_location;
};

} // namespace flowmar
