// "Select Units": chooses between Imperial (0) and SI (1) for a new model, a fan database or a
// unit conversion. OK only; the value stays as it was opened until a button is clicked.
#pragma once

#include <QDialog>

class QRadioButton;

namespace flowmar {

class SelectUnitsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectUnitsDialog(int unitSystem, QWidget* parent = nullptr);
    int unitSystem() const { return m_unitSystem; }

    QRadioButton* imperialButton() const { return m_imperial; }
    QRadioButton* siButton() const { return m_si; }

private:
    int m_unitSystem;
    QRadioButton* m_imperial;
    QRadioButton* m_si;
};

} // namespace flowmar
