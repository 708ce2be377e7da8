#include "ui/views/form_view.h"

#include "core/model/string_table.h"
#include "ui/core_text.h"
#include "ui/views/page_printing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace flowmar {

namespace {

// The grid columns a zone column takes: its boxes, and its texts after them when it has any.
int gridColumnsOf(const FormLayout::ZoneColumn& column) {
    return column.afterText.empty() ? 1 : 2;
}

} // namespace

FormView::FormView(CFlowmarDoc& document, const FormLayout& layout, PrintedPage page,
                   QWidget* parent)
    : DuctView(document, parent), m_statusText(layout.statusText), m_page(page) {
    setScrollingForm(*this, buildForm(layout));
}

QString FormView::statusCaption() const {
    return coreText(m_statusText);
}

void FormView::print(QPrinter& printer) {
    printOnePage(printer, QPageLayout::Portrait,
                 [this](const PageRect& page, const TextMetrics& metrics) {
                     return m_page(document(), page, metrics);
                 });
}

void FormView::refill() {
    m_controls.apply(fill(!m_shown));
    m_shown = true;
}

QWidget* FormView::buildForm(const FormLayout& layout) {
    auto* form = new QWidget;
    auto* grid = new QGridLayout(form);
    int rows = 0;
    int columns = 0;
    for (const FormLayout::Group& group : layout.groups) {
        grid->addWidget(group.zones ? buildZones(group) : buildRows(group), group.row, group.column,
                        1, group.columnSpan);
        rows = std::max(rows, group.row + 1);
        columns = std::max(columns, group.column + group.columnSpan);
    }
    // Spare room goes below and right of the groups, so they keep their natural size.
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch(columns, 1);
    return form;
}

QLabel* FormView::addLabel(const FormLayout::Label& label) {
    return m_controls.addStaticLabel(coreText(label.text), label.id);
}

QWidget* FormView::buildCaption(const std::vector<FormLayout::Label>& caption) {
    if (caption.size() == 1) {
        return addLabel(caption.front());
    }
    // Several labels read as one caption: side by side with no gap.
    auto* joined = new QWidget;
    auto* layout = new QHBoxLayout(joined);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const FormLayout::Label& part : caption) {
        layout->addWidget(addLabel(part));
    }
    layout->addStretch();
    return joined;
}

QWidget* FormView::buildRows(const FormLayout::Group& group) {
    FormGroup box(coreText(group.title));
    for (const FormLayout::Row& row : group.rows) {
        box.addRow(buildCaption(row.caption), m_controls.addBox(row.box),
                   row.after ? addLabel(*row.after) : nullptr);
    }
    return box.box();
}

QWidget* FormView::buildZones(const FormLayout::Group& group) {
    const FormLayout::ZoneTable& zones = *group.zones;
    FormGroup box(coreText(group.title));
    QGridLayout* grid = box.grid();
    grid->setColumnStretch(FormGroup::kSpareColumn, 0);
    // A head spans its column's texts after the boxes too, so it stays above its boxes.
    int columns = 0;
    std::vector<int> firstColumns;
    for (const FormLayout::ZoneColumn& column : zones.columns) {
        firstColumns.push_back(columns);
        grid->addWidget(m_controls.addLabel(column.head), 0, columns, 1, gridColumnsOf(column),
                        Qt::AlignLeft | Qt::AlignBottom);
        columns += gridColumnsOf(column);
    }
    const auto addBox = [&](std::size_t column, std::size_t zone) {
        const FormLayout::ZoneColumn& c = zones.columns[column];
        const int row = static_cast<int>(zone) + 1;
        grid->addWidget(m_controls.addBox(c.boxes[zone]), row, firstColumns[column]);
        if (!c.afterText.empty()) {
            grid->addWidget(addLabel({c.afterIds[zone], c.afterText}), row,
                            firstColumns[column] + 1);
        }
    };
    // The order the boxes are added in is the order Tab visits them.
    if (zones.tabOrder == FormLayout::TabOrder::DownColumns) {
        for (std::size_t column = 0; column < zones.columns.size(); ++column) {
            for (std::size_t zone = 0; zone < FormLayout::kZoneRows; ++zone) {
                addBox(column, zone);
            }
        }
    } else {
        for (std::size_t zone = 0; zone < FormLayout::kZoneRows; ++zone) {
            for (std::size_t column = 0; column < zones.columns.size(); ++column) {
                addBox(column, zone);
            }
        }
    }
    auto* active = new QHBoxLayout;
    active->addWidget(m_controls.addStaticLabel(coreText(labels::kZonesActive)));
    active->addWidget(m_controls.addBox(zones.activeBox));
    active->addStretch();
    grid->addLayout(active, static_cast<int>(FormLayout::kZoneRows) + 1, 0, 1, columns);
    grid->setColumnStretch(columns, 1);
    return box.box();
}

} // namespace flowmar
