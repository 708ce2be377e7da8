#include "ui/views/form_results_view.h"

#include "core/model/flowmar_doc.h"
#include "core/views/summary_results_report.h"
#include "ui/views/page_printing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace flowmar {

using namespace results_form;

namespace {

// The form's own texts, which no fill changes.
const char* const kGeneralDataTitle = "General Data";
const char* const kResistanceDataTitle = "Resistance Data";
const char* const kFanOrFixedQuantityTitle = "Fan or Fixed Quantity Data";
const char* const kZonesTitle = "Zones";
const char* const kMeshCountText = "Number of Meshes";
const char* const kIterationCountText = "Number of Iterations";
const char* const kShockFactorText = "Total Shock Loss Factor (C)";
const char* const kMethodText = "Fan or Fixed Quantity?";
const char* const kZonesActiveText = "Zones Active?";

constexpr int kShockFactorLabel = 1223;

} // namespace

CFormResults::CFormResults(CFlowmarDoc& document, QWidget* parent) : DuctView(document, parent) {
    setScrollingForm(*this, buildForm());
    followDocument();
}

QString CFormResults::statusCaption() const {
    return QString::fromUtf8(kStatusText.data(), static_cast<qsizetype>(kStatusText.size()));
}

void CFormResults::print(QPrinter& printer) {
    printOnePage(printer, QPageLayout::Portrait,
                 [this](const PageRect& page, const TextMetrics& metrics) {
                     return summaryResultsPage(document(), page, metrics);
                 });
}

void CFormResults::refill() {
    m_controls.apply(m_shown ? formResultsUpdate(document(), m_state)
                             : formResultsInitialUpdate(document(), m_state));
    m_shown = true;
}

QWidget* CFormResults::buildForm() {
    auto* form = new QWidget;
    auto* grid = new QGridLayout(form);
    grid->addWidget(buildGeneralData(), 0, 0);
    grid->addWidget(buildResistanceData(), 0, 1);
    grid->addWidget(buildFanOrFixedQuantityData(), 1, 0);
    grid->addWidget(buildZones(), 1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
    return form;
}

QWidget* CFormResults::buildGeneralData() {
    FormGroup group(tr(kGeneralDataTitle));
    group.addRow(m_controls.addLabel(kAreaLabel), m_controls.addBox(kAreaBox));
    group.addRow(m_controls.addLabel(kPerimeterLabel), m_controls.addBox(kPerimeterBox));
    group.addRow(m_controls.addStaticLabel(tr(kMeshCountText)), m_controls.addBox(kMeshCountBox));
    group.addRow(m_controls.addStaticLabel(tr(kIterationCountText)),
                 m_controls.addBox(kIterationCountBox));
    group.addRow(m_controls.addLabel(kSegmentLengthLabel), m_controls.addBox(kSegmentLengthBox));
    return group.box();
}

QWidget* CFormResults::buildResistanceData() {
    FormGroup group(tr(kResistanceDataTitle));
    group.addRow(m_controls.addLabel(kTotalResistanceLabel),
                 m_controls.addBox(kTotalResistanceBox));
    group.addRow(m_controls.addLabel(kLeakPathResistanceLabel),
                 m_controls.addBox(kLeakPathResistanceBox));
    group.addRow(m_controls.addLabel(kSegmentResistanceLabel),
                 m_controls.addBox(kSegmentResistanceBox));
    group.addRow(m_controls.addStaticLabel(tr(kShockFactorText), kShockFactorLabel),
                 m_controls.addBox(kShockFactorBox));
    return group.box();
}

QWidget* CFormResults::buildFanOrFixedQuantityData() {
    FormGroup group(tr(kFanOrFixedQuantityTitle));
    group.addRow(m_controls.addLabel(kFaceQuantityLabel), m_controls.addBox(kFaceQuantityBox));
    group.addRow(m_controls.addLabel(kFurthestQuantityLabel),
                 m_controls.addBox(kFurthestQuantityBox));
    group.addRow(m_controls.addStaticLabel(tr(kMethodText)), m_controls.addBox(kMethodBox));
    group.addRow(m_controls.addLabel(kBoosterPressureLabel),
                 m_controls.addBox(kBoosterPressureBox));
    return group.box();
}

QWidget* CFormResults::buildZones() {
    FormGroup group(tr(kZonesTitle));
    QGridLayout* grid = group.grid();
    grid->setColumnStretch(FormGroup::kSpareColumn, 0);
    const int heads[] = {kZoneAreaLabel, kZonePerimeterLabel, kZoneSegmentResistanceLabel,
                         kZoneLeakResistanceLabel};
    const std::array<int, 5>* columns[] = {&kZoneAreaBoxes, &kZonePerimeterBoxes,
                                           &kZoneSegmentResistanceBoxes, &kZoneLeakResistanceBoxes};
    for (int column = 0; column < 4; ++column) {
        grid->addWidget(m_controls.addLabel(heads[column]), 0, column,
                        Qt::AlignLeft | Qt::AlignBottom);
        for (std::size_t zone = 0; zone < columns[column]->size(); ++zone) {
            grid->addWidget(m_controls.addBox((*columns[column])[zone]), static_cast<int>(zone) + 1,
                            column);
        }
    }
    auto* active = new QHBoxLayout;
    active->addWidget(m_controls.addStaticLabel(tr(kZonesActiveText)));
    active->addWidget(m_controls.addBox(kZonesActiveBox));
    active->addStretch();
    grid->addLayout(active, 6, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return group.box();
}

} // namespace flowmar
