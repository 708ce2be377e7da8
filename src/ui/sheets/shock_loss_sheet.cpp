#include "ui/sheets/shock_loss_sheet.h"

#include "core/model/string_table.h"
#include "core/ui_port.h"
#include "ui/core_text.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_table_view.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace flowmar {

// ---- CEntryExitPage

CEntryExitPage::CEntryExitPage(ShockLossSheet& sheet, QWidget* parent)
    : QWidget(parent), m_sheet(sheet) {
    auto* layout = new QHBoxLayout(this);
    for (const EntryExitGroup group : {EntryExitGroup::Entrance, EntryExitGroup::Exit}) {
        auto* box = new QGroupBox(coreText(group == EntryExitGroup::Entrance
                                               ? shock_loss_sheet::kEntranceConfiguration
                                               : shock_loss_sheet::kExitConfiguration));
        auto* column = new QVBoxLayout(box);
        // One choice per group, picked with the arrow keys; a group whose index is outside 1..4
        // opens with none checked.
        auto* exclusive = new QButtonGroup(box);
        for (const EntryExitButton& b : entryExitButtons()) {
            if (b.group != group) {
                continue;
            }
            auto* radio = new QRadioButton(coreText(b.caption));
            exclusive->addButton(radio);
            connect(radio, &QRadioButton::clicked, this, [this, id = b.id] {
                m_sheet.clickButton(id);
                showChecks();
            });
            m_buttons[b.id] = radio;
            column->addWidget(radio);
        }
        column->addStretch();
        layout->addWidget(box, 0, Qt::AlignTop);
    }
    showChecks();
}

QRadioButton* CEntryExitPage::button(int id) const {
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

void CEntryExitPage::showChecks() {
    for (const EntryExitButton& b : entryExitButtons()) {
        if (m_sheet.checkedButton(b.group) == b.id) {
            button(b.id)->setChecked(true);
        }
    }
}

// ---- CShockLossGridPage

CShockLossGridPage::CShockLossGridPage(ShockLossSheet& sheet, ShockLossPage page, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_page(page), m_grid(new GridControl),
      m_clearForm(new QPushButton(coreText(shock_loss_sheet::kClearForm))) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_clearForm);
    if (fittingOfPage(page)) {
        m_calculate = new QPushButton(coreText(shock_loss_sheet::kCalculate));
        buttons->addWidget(m_calculate);
        connect(m_calculate, &QPushButton::clicked, this, [this] {
            handEntriesIn();
            if (const std::optional<PageFault> fault = m_sheet.calculate(m_page)) {
                if (m_refused) {
                    m_refused(*fault);
                }
                selectCell(fault->row, fault->column);
                return;
            }
            showGrid();
        });
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    connect(m_clearForm, &QPushButton::clicked, this, [this] {
        handEntriesIn();
        m_sheet.clearForm(m_page);
        showGrid();
    });

    // The page is as large as its grid will be once it opens, the buttons beside the grid's
    // last column; until then the grid is empty.
    if (const auto shape = shockLossPageGrid(sheet.values(), page)) {
        m_grid->setContent(*shape);
        const QSize size = m_grid->sizeHint();
        m_grid->setMinimumSize(size);
        m_grid->setMaximumWidth(size.width());
        m_grid->setContent(GridContent());
    }
}

void CShockLossGridPage::open() {
    if (m_sheet.isOpened(m_page)) {
        return;
    }
    m_sheet.openPage(m_page);
    // A fill is no step a person can undo.
    m_grid->setUndoRecording(false);
    m_grid->setContent(m_sheet.grid(m_page));
    m_grid->setUndoRecording(true);
}

void CShockLossGridPage::handEntriesIn() {
    if (m_sheet.isOpened(m_page)) {
        m_sheet.grid(m_page) = m_grid->content();
    }
}

void CShockLossGridPage::selectCell(int row, int column) {
    GridTableView& view = m_grid->view();
    view.setCurrentIndex(view.model()->index(row - 1, column - 1));
    view.setFocus(Qt::OtherFocusReason);
}

void CShockLossGridPage::showGrid() {
    const QModelIndex current = m_grid->view().currentIndex();
    m_grid->setContent(m_sheet.grid(m_page));
    if (current.isValid()) {
        m_grid->view().setCurrentIndex(
            m_grid->view().model()->index(current.row(), current.column()));
    }
}

// ---- CShockLossSheet

CShockLossSheet::CShockLossSheet(const ShockLossValues& values, QWidget* parent, UiPort* port)
    : QDialog(parent), m_sheet(values), m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)),
      m_entryExit(nullptr), m_port(port) {
    setWindowTitle(coreText(loadString(strings::kShockLossCaption)));
    // Every tab in sight: the sheet is as wide as its six titles.
    m_tabs->setUsesScrollButtons(false);
    for (const ShockLossPageInfo& info : shockLossPages()) {
        QWidget* page = nullptr;
        switch (info.page) {
        case ShockLossPage::EntryExit:
            page = m_entryExit = new CEntryExitPage(m_sheet);
            break;
        case ShockLossPage::SmoothElbow:
            page = m_gridPages[info.page] = new CElbowPage(m_sheet);
            break;
        case ShockLossPage::ElbowMiter:
            page = m_gridPages[info.page] = new CElbowMiterPage(m_sheet);
            break;
        case ShockLossPage::Dampers:
            page = m_gridPages[info.page] = new CDampersPage(m_sheet);
            break;
        case ShockLossPage::Screen:
            page = m_gridPages[info.page] = new CScreenPage(m_sheet);
            break;
        case ShockLossPage::FixedResistance:
            page = m_gridPages[info.page] = new CFixedResistancePage(m_sheet);
            break;
        }
        m_tabs->addTab(page, coreText(info.title));
    }
    for (const auto& [page, gridPage] : m_gridPages) {
        gridPage->setRefusalHandler([this](const PageFault& fault) {
            if (m_port != nullptr) {
                m_port->showMessage(fault.message, MessageIcon::Warning);
            }
        });
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CShockLossSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);

    m_tabs->setCurrentIndex(0);
    activate(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CShockLossSheet::activate);
}

CShockLossGridPage* CShockLossSheet::gridPage(ShockLossPage page) const {
    const auto it = m_gridPages.find(page);
    return it == m_gridPages.end() ? nullptr : it->second;
}

void CShockLossSheet::activate(int index) {
    const auto pages = shockLossPages();
    if (index < 0 || index >= int(pages.size())) {
        return;
    }
    const ShockLossPage page = pages[std::size_t(index)].page;
    if (CShockLossGridPage* gridPage = this->gridPage(page)) {
        gridPage->open();
    } else {
        m_sheet.openPage(page);
    }
}

void CShockLossSheet::accept() {
    for (const auto& [page, gridPage] : m_gridPages) {
        gridPage->handEntriesIn();
    }
    if (const std::optional<ShockLossEntryFault> refused = m_sheet.entryFault()) {
        showFault(refused->page, refused->fault);
        return;
    }
    m_sheet.accept();
    QDialog::accept();
}

void CShockLossSheet::showFault(ShockLossPage page, const PageFault& fault) {
    const auto pages = shockLossPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].page == page) {
            m_tabs->setCurrentIndex(int(i));
        }
    }
    if (m_port != nullptr) {
        m_port->showMessage(fault.message, MessageIcon::Warning);
    }
    if (CShockLossGridPage* grid = gridPage(page)) {
        grid->selectCell(fault.row, fault.column);
    }
}

} // namespace flowmar
