#include "core/views/form_id.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/views/summary_conditions.h"

#include <algorithm>
#include <string>

namespace flowmar {

using namespace input_form;

namespace {

constexpr int kZoneBoxRows = 5; // the form always shows the first five zones of the table
constexpr int kNotGivenLeakage = -1;
constexpr double kImperialLeakageShown = 2500; // P.U. per 100 ft shown for the marker

void setLabel(FormFill& fill, int id, std::string_view caption, std::string_view unit) {
    std::string text(caption);
    text += unit;
    fill.setText(id, std::move(text));
}

void rebuildLabels(const CFlowmarDoc& doc, FormFill& fill) {
    using namespace strings;
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    const std::string_view length = unitLabel(kLength, units);
    const std::string_view diameter = diameterLabel(units);
    const std::string_view frictionFactor = unitLabel(kFrictionFactor, units);
    const std::string_view lengthUnit = imperial ? "ft" : "m";
    setLabel(fill, kLengthLabel, loadString(kLengthCaption), length);
    setLabel(fill, kDiameterLabel, loadString(kDiameterCaption), diameter);
    setLabel(fill, kZoneStartLabel, loadString(kZoneStartCaption), length);
    setLabel(fill, kZoneEndLabel, loadString(kZoneEndCaption), length);
    setLabel(fill, kZoneDiameterLabel, loadString(kZoneDiameterCaption), diameter);
    fill.setText(kAirDensityLabel, std::string(unitLabel(kAirDensity, units)));
    setLabel(fill, kZoneFrictionFactorLabel, kZoneFrictionFactorCaption, frictionFactor);
    setLabel(fill, kFrictionFactorLabel, loadString(kFrictionFactorCaption), frictionFactor);
    setLabel(fill, kLeakageResistanceLabel, withText(loadString(kLeakagePer100Caption), lengthUnit),
             practicalResistanceLabel(units));
    setLabel(fill, kZoneLeakageLabel, loadString(kZoneLeakagePer100Caption), lengthUnit);
}

// The leakage resistance per 100 m or per 100 ft; in Imperial the marker of a value not yet given
// shows as the default the Leakage page offers.
std::string leakageText(const CFlowmarDoc& doc) {
    if (!isImperial(doc.unitSystem)) {
        return formatDouble("%.0f", doc.leakageResistance100);
    }
    const double shown =
        doc.leakageResistance100 == kNotGivenLeakage
            ? kImperialLeakageShown
            : toShown(Quantity::LeakagePer100, doc.leakageResistance100, doc.unitSystem);
    return formatDouble("%.2f", shown);
}

void fillPhysicalData(const CFlowmarDoc& doc, FormFill& fill) {
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    fill.setText(kFrictionFactorBox,
                 formatDouble(imperial ? "%6.1f" : "%0.4f",
                              toShown(Quantity::FrictionFactor, doc.frictionFactorUsed, units)));
    fill.setText(kLeakageResistanceBox, leakageText(doc));
    fill.setShown(kTimesTenToMinusNineLabel, false);
    for (const int label : kTimesTenToMinusTenLabels) {
        fill.setShown(label, imperial);
    }
    fill.setText(kAirDensityBox, formatDouble(imperial ? "%.3f" : "%.1f",
                                              toShown(Quantity::Density, doc.airDensity, units)));
    fill.setText(kLengthBox,
                 formatDouble("%.1f", toShown(Quantity::Length, doc.ductLength, units)));
    fill.setText(kDiameterBox,
                 formatDouble("%.1f", toShown(Quantity::Diameter, doc.ductDiameter, units)));
}

void fillFans(const CFlowmarDoc& doc, FormFill& fill) {
    fill.setText(kConfigurationBox, doc.ductType == kForcing ? kForceText : kExhaustText);
    if (doc.results.boosterPressure != 0) {
        for (const int box : {kFanCountBox, kFixedPressureFanCountBox, kCurveFanCountBox}) {
            fill.setText(box, kNotApplicableText);
        }
        return;
    }
    fill.setText(kFanCountBox, countText(doc.fanCount));
    fill.setText(kFixedPressureFanCountBox, countText(doc.results.fixedPressureFanCount));
    fill.setText(kCurveFanCountBox, countText(curveFanCount(doc)));
}

void fillZones(const CFlowmarDoc& doc, FormFill& fill) {
    fill.setText(kZonesActiveBox, kNoText);
    const bool show = showsZones(doc);
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    for (int row = 0; row < kZoneBoxRows; ++row) {
        const auto z = static_cast<std::size_t>(row + 1);
        const auto r = static_cast<std::size_t>(row);
        if (!show) {
            for (const auto* boxes : {&kZoneStartBoxes, &kZoneEndBoxes, &kZoneDiameterBoxes,
                                      &kZoneFrictionFactorBoxes, &kZoneLeakageBoxes}) {
                fill.setText((*boxes)[r], "");
            }
            continue;
        }
        fill.setText(kZoneStartBoxes[r],
                     formatDouble("%.2f", toShown(Quantity::Length, doc.zoneStart[z], units)));
        fill.setText(kZoneEndBoxes[r],
                     formatDouble("%.2f", toShown(Quantity::Length, doc.zoneEnd[z], units)));
        fill.setText(kZoneDiameterBoxes[r],
                     formatDouble("%.2f", toShown(Quantity::Diameter, doc.zoneDiameter[z], units)));
        fill.setText(
            kZoneFrictionFactorBoxes[r],
            formatDouble(imperial ? "%.1f" : "%.4f",
                         toShown(Quantity::FrictionFactor, doc.zoneFrictionFactor[z], units)));
        fill.setText(
            kZoneLeakageBoxes[r],
            formatDouble(imperial ? "%.2f" : "%.0f",
                         toShown(Quantity::LeakagePer100, doc.zoneLeakageResistance100[z], units)));
    }
    if (doc.zonesOff == 0) {
        fill.setText(kZonesActiveBox, kYesText);
    }
}

void exchangeMember(const FormIdState& state, FormFill& fill) {
    fill.setText(kLeakagePathCountBox, formatInt("%d", state.shownLeakagePathCount));
}

} // namespace

FormFill formIdUpdate(const CFlowmarDoc& doc, FormIdState& state) {
    FormFill fill;
    rebuildLabels(doc, fill);
    fillPhysicalData(doc, fill);
    if (hasResults(doc)) {
        state.shownLeakagePathCount = doc.leakagePathCount;
        fillFans(doc, fill);
        exchangeMember(state, fill);
        fillZones(doc, fill);
        exchangeMember(state, fill);
    }
    return fill;
}

FormFill formIdInitialUpdate(const CFlowmarDoc& doc, FormIdState& state) {
    FormFill fill;
    exchangeMember(state, fill);
    FormFill update = formIdUpdate(doc, state);
    fill.texts.insert(fill.texts.end(), update.texts.begin(), update.texts.end());
    fill.visibility = std::move(update.visibility);
    if (!hasResults(doc)) {
        for (const int box : {kFanCountBox, kFixedPressureFanCountBox, kCurveFanCountBox}) {
            fill.setText(box, "0");
        }
    }
    if (doc.zonesOff == 1) {
        fill.setText(kZonesActiveBox, kNoText);
    }
    return fill;
}

FormLayout formIdLayout() {
    using Label = FormLayout::Label;
    // Zones 1 to 5 each have their own "x 10^-10" after the first, which is the default's.
    std::array<int, FormLayout::kZoneRows> zoneTimesTen{};
    std::copy(kTimesTenToMinusTenLabels.begin() + 1, kTimesTenToMinusTenLabels.end(),
              zoneTimesTen.begin());

    FormLayout layout;
    layout.statusText = kStatusText;
    layout.addGroup(labels::kPhysicalData, 0, 0)
        .addRow(kDiameterLabel, kDiameterBox)
        .addRow(kLengthLabel, kLengthBox)
        .addRow({Label{0, loadString(strings::kAirDensityCaption)}, Label{kAirDensityLabel, {}}},
                kAirDensityBox)
        .addRow(labels::kDuctFanConfiguration, kConfigurationBox);
    layout.addGroup(labels::kFanData, 0, 1)
        .addRow(labels::kNumberOfFans, kFanCountBox)
        .addRow(labels::kNumberOfFixedPressureFans, kFixedPressureFanCountBox)
        .addRow(labels::kNumberOfCurveFans, kCurveFanCountBox);
    layout.addGroup(labels::kDefaultResistanceData, 1, 0, 2)
        .addRow(kFrictionFactorLabel, kFrictionFactorBox,
                Label{kTimesTenToMinusTenLabels[0], labels::kTimesTenToMinusTen})
        .addRow(labels::kNumberOfLeakagePaths, kLeakagePathCountBox)
        .addRow(kLeakageResistanceLabel, kLeakageResistanceBox,
                Label{kTimesTenToMinusNineLabel, labels::kTimesTenToMinusNine});
    layout.addGroup(labels::kZones, 2, 0, 2)
        .makeZoneTable(kZonesActiveBox, FormLayout::TabOrder::AlongRows)
        .addColumn(kZoneStartLabel, kZoneStartBoxes)
        .addColumn(kZoneEndLabel, kZoneEndBoxes)
        .addColumn(kZoneDiameterLabel, kZoneDiameterBoxes)
        .addColumn(kZoneFrictionFactorLabel, kZoneFrictionFactorBoxes, labels::kTimesTenToMinusTen,
                   zoneTimesTen)
        .addColumn(kZoneLeakageLabel, kZoneLeakageBoxes);
    return layout;
}

} // namespace flowmar
