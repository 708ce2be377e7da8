#include "core/views/form_results.h"

#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/views/summary_conditions.h"

namespace flowmar {

using namespace results_form;

namespace {

constexpr int kZoneBoxRows = 5; // the form always shows the first five zones of the table

void setLabel(FormFill& fill, int id, int captionId, std::string_view unit) {
    std::string text(loadString(captionId));
    text += unit;
    fill.setText(id, std::move(text));
}

void rebuildLabels(const CFlowmarDoc& doc, FormFill& fill) {
    using namespace strings;
    const int units = doc.unitSystem;
    const std::string_view area = unitLabel(kArea, units);
    const std::string_view length = unitLabel(kLength, units);
    const std::string_view resistance = practicalResistanceLabel(units);
    const std::string_view quantity = unitLabel(kAirQuantity, units);
    setLabel(fill, kAreaLabel, kAreaCaption, area);
    setLabel(fill, kZoneAreaLabel, kAreaCaption, area);
    setLabel(fill, kSegmentLengthLabel, kSegmentLengthCaption, length);
    setLabel(fill, kPerimeterLabel, kPerimeterCaption, length);
    setLabel(fill, kZonePerimeterLabel, kZonePerimeterCaption, length);
    setLabel(fill, kTotalResistanceLabel, kTotalResistanceCaption, resistance);
    setLabel(fill, kLeakPathResistanceLabel, kLeakPathResistanceCaption, resistance);
    setLabel(fill, kSegmentResistanceLabel, kSegmentResistanceCaption, resistance);
    setLabel(fill, kZoneSegmentResistanceLabel, kZoneSegmentResistanceCaption, resistance);
    setLabel(fill, kZoneLeakResistanceLabel, kZoneLeakResistanceCaption, resistance);
    setLabel(fill, kFaceQuantityLabel, kFaceQuantityCaption, quantity);
    setLabel(fill, kFurthestQuantityLabel, kFurthestQuantityCaption, quantity);
    setLabel(fill, kBoosterPressureLabel, kBoosterPressureCaption, boosterPressureLabel(units));
}

void fillValues(const CFlowmarDoc& doc, FormFill& fill) {
    const int units = doc.unitSystem;
    const auto shown = [units](Quantity q, double si) { return toShown(q, si, units); };
    fill.setText(kShockFactorBox, formatDouble("%.3f", doc.totalShockFactor));
    fill.setText(kAreaBox, formatDouble("%.2f", shown(Quantity::Area, doc.ductArea)));
    fill.setText(kPerimeterBox, formatDouble("%.2f", shown(Quantity::Length, doc.ductPerimeter)));
    fill.setText(kTotalResistanceBox,
                 formatDouble("%.3f", shown(Quantity::Resistance, doc.totalDuctResistance)));
    fill.setText(kLeakPathResistanceBox,
                 formatDouble(isImperial(units) ? "%.3f" : "%.0f",
                              shown(Quantity::Resistance, doc.leakagePathResistance)));
    fill.setText(kSegmentResistanceBox,
                 formatDouble("%.4f", shown(Quantity::Resistance, doc.segmentResistance)));
    fill.setText(kFaceQuantityBox,
                 formatDouble("%.2f", shown(Quantity::AirQuantity, faceSegmentFlow(doc))));
    fill.setText(kFurthestQuantityBox,
                 formatDouble("%.2f", shown(Quantity::AirQuantity, furthestSegmentFlow(doc))));
    fill.setText(kSegmentLengthBox,
                 formatDouble("%.2f", shown(Quantity::Length, doc.segmentLength)));

    const double booster = doc.results.boosterPressure;
    if (booster == 0) {
        fill.setText(kBoosterPressureBox, kNotApplicableText);
        // "%.i" leaves the box blank for a solution that needed no iteration.
        fill.setText(kIterationCountBox, formatInt("%.i", doc.results.iterationCount));
    } else {
        fill.setText(kBoosterPressureBox,
                     formatDouble("%.3f", shown(Quantity::BoosterPressure, booster)));
        fill.setText(kIterationCountBox, kNotApplicableText);
    }
}

void fillZones(const CFlowmarDoc& doc, FormFill& fill) {
    fill.setText(kZonesActiveBox, kNoText);
    const bool show = showsZones(doc);
    const int units = doc.unitSystem;
    for (int row = 0; row < kZoneBoxRows; ++row) {
        const auto z = static_cast<std::size_t>(row + 1);
        const auto r = static_cast<std::size_t>(row);
        if (!show) {
            for (const auto* boxes : {&kZoneAreaBoxes, &kZonePerimeterBoxes,
                                      &kZoneSegmentResistanceBoxes, &kZoneLeakResistanceBoxes}) {
                fill.setText((*boxes)[r], "");
            }
            continue;
        }
        fill.setText(kZoneAreaBoxes[r],
                     formatDouble("%.2f", toShown(Quantity::Area, doc.zoneArea[z], units)));
        fill.setText(kZonePerimeterBoxes[r],
                     formatDouble("%.2f", toShown(Quantity::Length, doc.zonePerimeter[z], units)));
        fill.setText(kZoneSegmentResistanceBoxes[r],
                     formatDouble("%.4f", toShown(Quantity::Resistance,
                                                  doc.zoneResistancePerSegment[z], units)));
        fill.setText(kZoneLeakResistanceBoxes[r],
                     formatDouble("%.0f", toShown(Quantity::Resistance,
                                                  doc.zoneLeakagePathResistance[z], units)));
    }
    if (doc.zonesOff == 0) {
        fill.setText(kZonesActiveBox, kYesText);
    }
}

void exchangeMembers(const FormResultsState& state, FormFill& fill) {
    fill.setText(kMeshCountBox, formatInt("%d", state.shownSegmentCount));
    fill.setText(kMethodBox, state.shownMethodText);
}

} // namespace

FormFill formResultsUpdate(const CFlowmarDoc& doc, FormResultsState& state) {
    FormFill fill;
    rebuildLabels(doc, fill);
    if (hasResults(doc)) {
        state.shownSegmentCount = doc.segmentCount;
        state.shownMethodText = doc.methodText;
        fillValues(doc, fill);
        fillZones(doc, fill);
    }
    exchangeMembers(state, fill);
    return fill;
}

FormFill formResultsInitialUpdate(const CFlowmarDoc& doc, FormResultsState& state) {
    FormFill fill = formResultsUpdate(doc, state);
    if (!hasResults(doc)) {
        for (const int box : {kShockFactorBox, kAreaBox, kPerimeterBox, kTotalResistanceBox,
                              kLeakPathResistanceBox, kSegmentResistanceBox, kFaceQuantityBox,
                              kFurthestQuantityBox, kBoosterPressureBox, kSegmentLengthBox}) {
            fill.setText(box, "0");
        }
    }
    if (doc.zonesOff == 1) {
        fill.setText(kZonesActiveBox, kNoText);
    }
    return fill;
}

FormLayout formResultsLayout() {
    FormLayout layout;
    layout.statusText = kStatusText;
    layout.addGroup(labels::kGeneralData, 0, 0)
        .addRow(kAreaLabel, kAreaBox)
        .addRow(kPerimeterLabel, kPerimeterBox)
        .addRow(labels::kNumberOfMeshes, kMeshCountBox)
        .addRow(labels::kNumberOfIterations, kIterationCountBox)
        .addRow(kSegmentLengthLabel, kSegmentLengthBox);
    layout.addGroup(labels::kResistanceData, 0, 1)
        .addRow(kTotalResistanceLabel, kTotalResistanceBox)
        .addRow(kLeakPathResistanceLabel, kLeakPathResistanceBox)
        .addRow(kSegmentResistanceLabel, kSegmentResistanceBox)
        .addRow(FormLayout::Label{kShockFactorLabel, labels::kTotalShockLossFactor},
                kShockFactorBox);
    layout.addGroup(labels::kFanOrFixedQuantityData, 1, 0)
        .addRow(kFaceQuantityLabel, kFaceQuantityBox)
        .addRow(kFurthestQuantityLabel, kFurthestQuantityBox)
        .addRow(labels::kFanOrFixedQuantity, kMethodBox)
        .addRow(kBoosterPressureLabel, kBoosterPressureBox);
    layout.addGroup(labels::kZones, 1, 1)
        .makeZoneTable(kZonesActiveBox, FormLayout::TabOrder::DownColumns)
        .addColumn(kZoneAreaLabel, kZoneAreaBoxes)
        .addColumn(kZonePerimeterLabel, kZonePerimeterBoxes)
        .addColumn(kZoneSegmentResistanceLabel, kZoneSegmentResistanceBoxes)
        .addColumn(kZoneLeakResistanceLabel, kZoneLeakResistanceBoxes);
    return layout;
}

} // namespace flowmar
