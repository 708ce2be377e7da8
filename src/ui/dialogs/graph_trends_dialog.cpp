#include "ui/dialogs/graph_trends_dialog.h"

#include "ui/core_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace flowmar {

CGraphDlg::CGraphDlg(const GraphOptions& options, QWidget* parent)
    : QDialog(parent), m_state(options) {
    setWindowTitle(coreText(graph_trends::kCaption));
    auto* layout = new QHBoxLayout;
    QVBoxLayout* groupLayout = nullptr;
    auto* buttons = new QDialogButtonBox;
    for (const DialogControl& c : graphTrendsControls()) {
        switch (c.kind) {
        case DialogControlKind::GroupBox:
            if (!c.caption.empty()) {
                auto* group = new QGroupBox(coreText(c.caption));
                groupLayout = new QVBoxLayout(group);
                layout->addWidget(group);
            } else if (groupLayout != nullptr) {
                groupLayout->addSpacing(6);
            }
            break;
        case DialogControlKind::CheckBox: {
            auto* box = new QCheckBox(coreText(c.caption));
            box->setChecked(m_state.isTicked(c.id));
            connect(box, &QCheckBox::toggled, this,
                    [this, id = c.id](bool ticked) { m_state.setTicked(id, ticked); });
            m_controls[c.id] = box;
            if (groupLayout != nullptr) {
                groupLayout->addWidget(box);
            }
            break;
        }
        case DialogControlKind::RadioButton: {
            auto* radio = new QRadioButton(coreText(c.caption));
            radio->setAutoExclusive(false); // neither is selected for an unknown plot kind
            radio->setChecked(m_state.selectedRadioButton() == c.id);
            connect(radio, &QRadioButton::clicked, this, [this, id = c.id] {
                m_state.clickRadioButton(id);
                for (const int radioId :
                     {graph_trends::kPlotQuantity, graph_trends::kPlotVelocity}) {
                    if (QAbstractButton* other = control(radioId)) {
                        other->setChecked(m_state.selectedRadioButton() == radioId);
                    }
                }
            });
            m_controls[c.id] = radio;
            if (groupLayout != nullptr) {
                groupLayout->addWidget(radio);
            }
            break;
        }
        case DialogControlKind::PushButton:
            if (c.id == graph_trends::kOk) {
                buttons->addButton(QDialogButtonBox::Ok);
            } else if (c.id == graph_trends::kCancel) {
                buttons->addButton(QDialogButtonBox::Cancel);
            }
            break;
        }
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(layout);
    outer->addWidget(buttons);
}

QAbstractButton* CGraphDlg::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

} // namespace flowmar
