// CDiameterPreset, "Preset Diameter Dialog": the four preset diameters of the Resistance page,
// edited as texts. It checks nothing.
#pragma once

#include "core/input/preset_dialogs.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace flowmar {

class CDiameterPreset : public QDialog {
    Q_OBJECT
public:
    explicit CDiameterPreset(const PresetTexts& diameters, QWidget* parent = nullptr);

    // The four texts as they stand.
    PresetTexts presets() const;
    QLineEdit* edit(int position) const { return m_edits[std::size_t(position)]; }

private:
    std::array<QLineEdit*, 4> m_edits{};
};

} // namespace flowmar
