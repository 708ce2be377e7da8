#include "ui/dialogs/dialog_preset_k_factor.h"

#include "ui/core_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace flowmar {

namespace {

PresetTexts textsOf(const std::array<QLineEdit*, 4>& edits) {
    PresetTexts texts;
    for (std::size_t i = 0; i < edits.size(); ++i) {
        texts[i] = edits[i]->text().toStdString();
    }
    return texts;
}

} // namespace

CDialogPresetKFactor::CDialogPresetKFactor(const PresetTexts& names, const PresetTexts& values,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(coreText(preset_k_factor::kCaption));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(coreText(preset_k_factor::kDescriptionHeading)), 0, 0);
    grid->addWidget(new QLabel(coreText(preset_k_factor::kValueHeading)), 0, 1);
    // Created row by row, so that Tab goes from a description to its value, then to the next row.
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const int row = int(i) + 1;
        m_names[i] = new QLineEdit(QString::fromStdString(names[i]));
        m_values[i] = new QLineEdit(QString::fromStdString(values[i]));
        grid->addWidget(m_names[i], row, 0);
        grid->addWidget(m_values[i], row, 1);
    }
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, int(m_names.size()) + 1, 0, 1, 2);
}

PresetTexts CDialogPresetKFactor::names() const {
    return textsOf(m_names);
}

PresetTexts CDialogPresetKFactor::values() const {
    return textsOf(m_values);
}

} // namespace flowmar
