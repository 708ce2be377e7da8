#include "ui/views/design_checks_view.h"

#include "core/analysis/design_check_rows.h"
#include "core/model/design_check_texts.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "ui/app/program_settings.h"
#include "ui/core_text.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace flowmar {

namespace {

using namespace design_check_rows;

// The list's column of a grid column.
int listColumn(int gridColumn) {
    return gridColumn - 1;
}

} // namespace

CDesignChecksView::CDesignChecksView(CFlowmarDoc& document, QWidget* parent)
    : DuctView(document, parent), m_list(new QTreeWidget), m_details(new QLabel) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_details);
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_details->setMargin(6);
    m_details->setFrameShape(QFrame::StyledPanel);
    m_list->setColumnCount(kColumns);
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(listColumn(kTitle), QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(listColumn(kText), QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(listColumn(kPlace), QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item, int) { activate(item); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_details->setText(item == nullptr ? QString() : item->text(listColumn(kText)));
    });
    followDocument();
}

int CDesignChecksView::templateId() const {
    return templates::kDesignChecks;
}

QString CDesignChecksView::statusCaption() const {
    return coreText(design_check_texts::kViewCaption);
}

int CDesignChecksView::viewOf(const DesignFinding& finding) {
    switch (finding.code) {
    case FindingCode::OffCurveLow:
    case FindingCode::OffCurveHigh:
    case FindingCode::LowEfficiency:
        return templates::kFanResults;
    case FindingCode::BoosterPressure:
    case FindingCode::FaceBelowRequired:
        return templates::kSummaryOfResults;
    default:
        break;
    }
    return templates::kGraph;
}

void CDesignChecksView::refill() {
    const CFlowmarDoc& doc = document();
    m_findings = designChecks(doc, program_settings::criteriaFor(doc.designCriteria));
    const GridContent rows = designCheckRows(m_findings, doc.lastRun, doc.unitSystem);
    QStringList headings;
    for (int column = 1; column <= rows.columnCount(); ++column) {
        headings << QString::fromStdString(rows.shownText(0, column));
    }
    m_list->setHeaderLabels(headings);
    m_list->clear();
    const QStyle* style = QApplication::style();
    // Row k of the content is finding k - 1; a row with no finding (the empty state) has no icon
    // and opens nothing.
    for (int row = 1; row <= rows.rowCount(); ++row) {
        const int k = row - 1;
        const bool isFinding = k < static_cast<int>(m_findings.size());
        auto* item = new QTreeWidgetItem(m_list);
        if (isFinding) {
            item->setIcon(
                listColumn(kTitle),
                style->standardIcon(m_findings[std::size_t(k)].severity == FindingSeverity::Warning
                                        ? QStyle::SP_MessageBoxWarning
                                        : QStyle::SP_MessageBoxInformation));
        }
        for (int column = 1; column <= rows.columnCount(); ++column) {
            const GridCell& cell = rows.cell(row, column);
            item->setText(listColumn(column), QString::fromStdString(cell.shownText()));
            if (!cell.toolTip.empty()) {
                item->setToolTip(listColumn(column), QString::fromStdString(cell.toolTip));
            }
        }
        item->setData(listColumn(kTitle), Qt::UserRole, isFinding ? k : -1);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
}

void CDesignChecksView::activate(QTreeWidgetItem* item) {
    const int k = item == nullptr ? -1 : item->data(listColumn(kTitle), Qt::UserRole).toInt();
    if (k < 0 || k >= static_cast<int>(m_findings.size())) {
        return;
    }
    emit viewRequested(viewOf(m_findings[static_cast<std::size_t>(k)]));
}

} // namespace flowmar
