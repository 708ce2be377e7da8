// CDialogPresetKFactor, "Preset k Factor Dialog": the four duct types of the Resistance page, each
// a description and a friction factor, edited as texts row by row. It checks nothing.
#pragma once

#include "core/input/preset_dialogs.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace flowmar {

class CDialogPresetKFactor : public QDialog {
    Q_OBJECT
public:
    CDialogPresetKFactor(const PresetTexts& names, const PresetTexts& values,
                         QWidget* parent = nullptr);

    PresetTexts names() const;
    PresetTexts values() const;
    QLineEdit* nameEdit(int row) const { return m_names[std::size_t(row)]; }
    QLineEdit* valueEdit(int row) const { return m_values[std::size_t(row)]; }

private:
    std::array<QLineEdit*, 4> m_names{};
    std::array<QLineEdit*, 4> m_values{};
};

} // namespace flowmar
