#include "ui/sheets/duct_prop_sheet.h"

#include "core/ui_port.h"
#include "ui/core_text.h"
#include "ui/sheets/general_page.h"
#include "ui/sheets/leakage_page.h"
#include "ui/sheets/property_page_zones.h"
#include "ui/sheets/resistance_page.h"

#include <QDialogButtonBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace flowmar {

using namespace duct_details;

CDuctPropSheet::CDuctPropSheet(const DuctDetailsValues& values, UiPort& port, QWidget* parent)
    : QDialog(parent), m_sheet(values), m_port(port), m_tabs(new QTabWidget),
      m_resistance(new CResistancePage(m_sheet.resistance())),
      m_leakage(new CLeakagePage(m_sheet.leakage())),
      m_zones(new CPropertyPageZones(m_sheet.zones(), values.unitSystem)),
      m_general(new CGeneralPage(m_sheet.general())), m_pages{m_resistance, m_leakage, m_zones,
                                                              m_general} {
    setWindowTitle(coreText(DuctDetailsSheet::caption()));
    for (int i = 0; i < kPageCount; ++i) {
        m_tabs->addTab(m_pages[std::size_t(i)], coreText(kTabs[std::size_t(i)]));
    }
    m_tabs->setCurrentIndex(m_sheet.currentPage());
    m_pages[std::size_t(m_sheet.currentPage())]->opened();
    m_shown[std::size_t(m_sheet.currentPage())] = true;
    connect(m_tabs, &QTabWidget::currentChanged, this, &CDuctPropSheet::tabChosen);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

QWidget* CDuctPropSheet::control(int id) const {
    for (SheetPage* page : m_pages) {
        if (QWidget* widget = page->control(id)) {
            return widget;
        }
    }
    return nullptr;
}

void CDuctPropSheet::tabChosen(int index) {
    if (const std::optional<PageFault> fault = m_sheet.showPage(index)) {
        // The tab widget has already switched: put the page that refused back in front.
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_sheet.currentPage());
        showFault(*fault);
        return;
    }
    const std::size_t shown = std::size_t(m_sheet.currentPage());
    if (!m_shown[shown]) {
        m_shown[shown] = true;
        m_pages[shown]->opened();
    }
}

void CDuctPropSheet::accept() {
    if (m_sheet.zones().isOpen()) {
        m_zones->readGrid();
    }
    if (const std::optional<PageFault> fault = m_sheet.accept()) {
        showFault(*fault);
        return;
    }
    QDialog::accept();
}

void CDuctPropSheet::showFault(const PageFault& fault) {
    // The page holding the fault in front (OK may have moved it there).
    const std::size_t page = std::size_t(m_sheet.currentPage());
    if (m_tabs->currentIndex() != int(page)) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(int(page));
        if (!m_shown[page]) {
            m_shown[page] = true;
            m_pages[page]->opened();
        }
    }
    m_port.showMessage(fault.message, MessageIcon::Warning);
    m_pages[page]->focusFault(fault);
}

} // namespace flowmar
