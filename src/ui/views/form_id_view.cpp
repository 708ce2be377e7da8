#include "ui/views/form_id_view.h"

#include "core/model/flowmar_doc.h"
#include "core/views/summary_input_report.h"
#include "ui/views/page_printing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <iterator>

namespace flowmar {

using namespace input_form;

namespace {

// The form's own texts, which no fill changes.
const char* const kPhysicalDataTitle = "Physical Data";
const char* const kFanDataTitle = "Fan Data";
const char* const kDefaultResistanceTitle = "Default Resistance Data";
const char* const kZonesTitle = "Zones";
const char* const kAirDensityText = "Air Density";
const char* const kConfigurationText = "Duct/Fan Configuration";
const char* const kFanCountText = "Number of Fans";
const char* const kFixedPressureFanCountText = "Number of fans tagged as fixed pressure";
const char* const kCurveFanCountText = "Number of fans which have a curve specified";
const char* const kLeakagePathCountText = "Number Leakage Paths";
const char* const kZonesActiveText = "Zones Active?";
const char* const kTimesTenToMinusTenText = "x 10^-10";
const char* const kTimesTenToMinusNineText = "x 10^-9";

} // namespace

CFormID::CFormID(CFlowmarDoc& document, QWidget* parent) : DuctView(document, parent) {
    setScrollingForm(*this, buildForm());
    followDocument();
}

QString CFormID::statusCaption() const {
    return QString::fromUtf8(kStatusText.data(), static_cast<qsizetype>(kStatusText.size()));
}

void CFormID::print(QPrinter& printer) {
    printOnePage(printer, QPageLayout::Portrait,
                 [this](const PageRect& page, const TextMetrics& metrics) {
                     return summaryInputPage(document(), page, metrics);
                 });
}

void CFormID::refill() {
    m_controls.apply(m_shown ? formIdUpdate(document(), m_state)
                             : formIdInitialUpdate(document(), m_state));
    m_shown = true;
}

QWidget* CFormID::buildForm() {
    auto* form = new QWidget;
    auto* grid = new QGridLayout(form);
    grid->addWidget(buildPhysicalData(), 0, 0);
    grid->addWidget(buildFanData(), 0, 1);
    grid->addWidget(buildDefaultResistanceData(), 1, 0, 1, 2);
    grid->addWidget(buildZones(), 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    return form;
}

QWidget* CFormID::buildPhysicalData() {
    FormGroup group(tr(kPhysicalDataTitle));
    group.addRow(m_controls.addLabel(kDiameterLabel), m_controls.addBox(kDiameterBox));
    group.addRow(m_controls.addLabel(kLengthLabel), m_controls.addBox(kLengthBox));
    auto* density = new QWidget;
    auto* densityLayout = new QHBoxLayout(density);
    densityLayout->setContentsMargins(0, 0, 0, 0);
    densityLayout->setSpacing(0);
    densityLayout->addWidget(m_controls.addStaticLabel(tr(kAirDensityText) + QLatin1Char(' ')));
    densityLayout->addWidget(m_controls.addLabel(kAirDensityLabel));
    densityLayout->addStretch();
    group.addRow(density, m_controls.addBox(kAirDensityBox));
    group.addRow(m_controls.addStaticLabel(tr(kConfigurationText)),
                 m_controls.addBox(kConfigurationBox));
    return group.box();
}

QWidget* CFormID::buildFanData() {
    FormGroup group(tr(kFanDataTitle));
    group.addRow(m_controls.addStaticLabel(tr(kFanCountText)), m_controls.addBox(kFanCountBox));
    group.addRow(m_controls.addStaticLabel(tr(kFixedPressureFanCountText)),
                 m_controls.addBox(kFixedPressureFanCountBox));
    group.addRow(m_controls.addStaticLabel(tr(kCurveFanCountText)),
                 m_controls.addBox(kCurveFanCountBox));
    return group.box();
}

QWidget* CFormID::buildDefaultResistanceData() {
    FormGroup group(tr(kDefaultResistanceTitle));
    group.addRow(
        m_controls.addLabel(kFrictionFactorLabel), m_controls.addBox(kFrictionFactorBox),
        m_controls.addStaticLabel(tr(kTimesTenToMinusTenText), kTimesTenToMinusTenLabels[0]));
    group.addRow(m_controls.addStaticLabel(tr(kLeakagePathCountText)),
                 m_controls.addBox(kLeakagePathCountBox));
    group.addRow(
        m_controls.addLabel(kLeakageResistanceLabel), m_controls.addBox(kLeakageResistanceBox),
        m_controls.addStaticLabel(tr(kTimesTenToMinusNineText), kTimesTenToMinusNineLabel));
    return group.box();
}

QWidget* CFormID::buildZones() {
    FormGroup group(tr(kZonesTitle));
    QGridLayout* grid = group.grid();
    grid->setColumnStretch(FormGroup::kSpareColumn, 0);
    // Columns: start, end, diameter, friction factor with its "x 10^-10", leakage per 100; the
    // friction factor's head spans its "x 10^-10" too, so the label stays beside its box.
    const int heads[] = {kZoneStartLabel, kZoneEndLabel, kZoneDiameterLabel,
                         kZoneFrictionFactorLabel, kZoneLeakageLabel};
    const int headColumns[] = {0, 1, 2, 3, 5};
    const int headSpans[] = {1, 1, 1, 2, 1};
    for (std::size_t head = 0; head < std::size(heads); ++head) {
        grid->addWidget(m_controls.addLabel(heads[head]), 0, headColumns[head], 1, headSpans[head],
                        Qt::AlignLeft | Qt::AlignBottom);
    }
    for (std::size_t zone = 0; zone < kZoneStartBoxes.size(); ++zone) {
        const int row = static_cast<int>(zone) + 1;
        grid->addWidget(m_controls.addBox(kZoneStartBoxes[zone]), row, 0);
        grid->addWidget(m_controls.addBox(kZoneEndBoxes[zone]), row, 1);
        grid->addWidget(m_controls.addBox(kZoneDiameterBoxes[zone]), row, 2);
        grid->addWidget(m_controls.addBox(kZoneFrictionFactorBoxes[zone]), row, 3);
        grid->addWidget(m_controls.addStaticLabel(tr(kTimesTenToMinusTenText),
                                                  kTimesTenToMinusTenLabels[zone + 1]),
                        row, 4);
        grid->addWidget(m_controls.addBox(kZoneLeakageBoxes[zone]), row, 5);
    }
    auto* active = new QHBoxLayout;
    active->addWidget(m_controls.addStaticLabel(tr(kZonesActiveText)));
    active->addWidget(m_controls.addBox(kZonesActiveBox));
    active->addStretch();
    grid->addLayout(active, 6, 0, 1, 6);
    grid->setColumnStretch(6, 1);
    return group.box();
}

} // namespace flowmar
