#include "ui/views/design_checks_view.h"

#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "ui/app/program_settings.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace flowmar {

namespace {

enum Column { kTitle, kText, kWhere, kColumnCount };

QString whereText(const DesignFinding& finding, int unitSystem) {
    QStringList parts;
    if (finding.fan) {
        parts << QStringLiteral("Fan %1").arg(*finding.fan);
    }
    if (finding.from && finding.to) {
        const bool imp = isImperial(unitSystem);
        const auto shown = [&](double metres) {
            return QString::fromStdString(
                formatDouble("%.0f", toShown(Quantity::Length, metres, unitSystem)));
        };
        parts << shown(*finding.from) + QStringLiteral(" – ") + shown(*finding.to) +
                     (imp ? QStringLiteral(" ft") : QStringLiteral(" m"));
    }
    return parts.join(QStringLiteral(", "));
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
    m_list->setColumnCount(kColumnCount);
    m_list->setHeaderLabels({tr("Finding"), tr("Explanation"), tr("Where")});
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(kTitle, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(kText, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(kWhere, QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item, int) { activate(item); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_details->setText(item == nullptr ? QString() : item->text(kText));
    });
    followDocument();
}

int CDesignChecksView::templateId() const {
    return templates::kDesignChecks;
}

QString CDesignChecksView::statusCaption() const {
    return tr("Design Checks of the Last Execute");
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
    m_list->clear();
    const QStyle* style = QApplication::style();
    for (std::size_t k = 0; k < m_findings.size(); ++k) {
        const DesignFinding& f = m_findings[k];
        auto* item = new QTreeWidgetItem(m_list);
        item->setIcon(kTitle, style->standardIcon(f.severity == FindingSeverity::Warning
                                                      ? QStyle::SP_MessageBoxWarning
                                                      : QStyle::SP_MessageBoxInformation));
        item->setText(kTitle, QString::fromStdString(f.title));
        item->setText(kText, QString::fromStdString(f.text));
        item->setToolTip(kText, QString::fromStdString(f.text));
        item->setText(kWhere, whereText(f, doc.unitSystem));
        item->setData(kTitle, Qt::UserRole, static_cast<int>(k));
    }
    if (m_findings.empty()) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(kTitle, doc.lastRun == SolutionStatus::Stopped ? tr("No results")
                                                                     : tr("Nothing to report"));
        item->setText(kText, doc.lastRun == SolutionStatus::Stopped
                                 ? tr("The last Execute stopped before a solution: there is "
                                      "nothing to check.")
                                 : tr("The design checks find nothing to flag in this duct."));
        item->setData(kTitle, Qt::UserRole, -1);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
}

void CDesignChecksView::activate(QTreeWidgetItem* item) {
    const int k = item == nullptr ? -1 : item->data(kTitle, Qt::UserRole).toInt();
    if (k < 0 || k >= static_cast<int>(m_findings.size())) {
        return;
    }
    emit viewRequested(viewOf(m_findings[static_cast<std::size_t>(k)]));
}

} // namespace flowmar
