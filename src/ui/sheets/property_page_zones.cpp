#include "ui/sheets/property_page_zones.h"

#include "core/views/zones_grid.h"
#include "ui/core_text.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_table_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace flowmar {

using namespace zones_page;

CPropertyPageZones::CPropertyPageZones(ZonesPage& page, int unitSystem, QWidget* parent)
    : SheetPage(parent), m_page(page), m_unitSystem(unitSystem), m_grid(new GridControl),
      m_applyZones(new QCheckBox(coreText(kApplyZonesCaption))),
      m_autoTransition(new QCheckBox(coreText(kAutoTransitionCaption))) {
    auto* layout = new QVBoxLayout(this);
    // The grid as tall as its nine rows, no empty band below them.
    m_grid->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(add(kGrid, m_grid));
    auto* below = new QHBoxLayout;
    auto* boxes = new QVBoxLayout;
    boxes->addWidget(add(kApplyZones, m_applyZones));
    boxes->addWidget(add(kAutoTransitionLosses, m_autoTransition));
    below->addLayout(boxes);
    below->addStretch();
    auto* clear = add(kClearForm, new QPushButton(coreText(kClearFormCaption)));
    clear->setAutoDefault(false);
    below->addWidget(clear, 0, Qt::AlignTop);
    layout->addLayout(below);
    layout->addStretch();

    connect(m_applyZones, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing) {
            m_page.setApplyZones(on);
        }
    });
    connect(m_autoTransition, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing) {
            m_page.setAutoTransitionLosses(on);
        }
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_page.clearForm();
        for (int i = 1; i <= kShownRows; ++i) {
            for (int j = 1; j <= kColumns; ++j) {
                m_grid->setValue(i, j, 0.0);
            }
        }
    });
}

void CPropertyPageZones::opened() {
    // The grid's first filling is no change a person could undo.
    m_grid->setUndoRecording(false);
    m_grid->setContent(zonesGridContent(m_page.rows(), m_unitSystem));
    m_grid->setUndoRecording(true);
    m_grid->updateGeometry();
    showState();
}

void CPropertyPageZones::showState() {
    const bool showing = m_showing;
    m_showing = true;
    m_applyZones->setChecked(m_page.applyZones());
    m_autoTransition->setChecked(m_page.autoTransitionLosses());
    m_showing = showing;
}

void CPropertyPageZones::readGrid() {
    m_page.setEntryFault(readZonesGrid(m_grid->content(), m_page.rows()));
}

void CPropertyPageZones::focusFault(const PageFault& fault) {
    if (fault.row <= 0 || fault.column <= 0) {
        SheetPage::focusFault(fault);
        return;
    }
    GridTableView& view = m_grid->view();
    view.setCurrentIndex(view.model()->index(fault.row - 1, fault.column - 1));
    view.setFocus(Qt::OtherFocusReason);
}

} // namespace flowmar
