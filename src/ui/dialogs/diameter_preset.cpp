#include "ui/dialogs/diameter_preset.h"

#include "ui/core_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace flowmar {

CDiameterPreset::CDiameterPreset(const PresetTexts& diameters, QWidget* parent) : QDialog(parent) {
    setWindowTitle(coreText(diameter_preset::kCaption));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(coreText(diameter_preset::kPositionHeading)), 0, 0);
    grid->addWidget(new QLabel(coreText(diameter_preset::kDiameterHeading)), 0, 1);
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        const int row = int(i) + 1;
        m_edits[i] = new QLineEdit(QString::fromStdString(diameters[i]));
        auto* label = new QLabel(coreText(kPresetPositions[i]));
        label->setBuddy(m_edits[i]);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(m_edits[i], row, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, int(m_edits.size()) + 1, 0, 1, 2);
}

PresetTexts CDiameterPreset::presets() const {
    PresetTexts texts;
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        texts[i] = m_edits[i]->text().toStdString();
    }
    return texts;
}

} // namespace flowmar
