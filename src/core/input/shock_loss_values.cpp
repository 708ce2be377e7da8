#include "core/input/shock_loss_values.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

namespace flowmar {

ShockLossValues shockLossesFromDocument(const CFlowmarDoc& doc) {
    const int units = doc.unitSystem;
    ShockLossValues v;
    v.unitSystem = units;
    v.ductLength = toShown(Quantity::Length, doc.ductLength, units);
    v.entryShockFactor = doc.entryShockFactor;
    v.exitShockFactor = doc.exitShockFactor;
    v.entryTypeIndex = doc.entryTypeIndex;
    v.exitTypeIndex = doc.exitTypeIndex;
    for (int r = 1; r <= kShockLossRows; ++r) {
        ShockLossRowValues& row = v.rows[r];
        row.smoothElbowDistance = toShown(Quantity::Length, doc.smoothElbowDistance[r], units);
        row.smoothElbowFactor = doc.smoothElbowFactor[r];
        row.smoothElbowText1 = doc.smoothElbowText1[r];
        row.smoothElbowText2 = doc.smoothElbowText2[r];
        row.mitredElbowDistance = toShown(Quantity::Length, doc.mitredElbowDistance[r], units);
        row.mitredElbowFactor = doc.mitredElbowFactor[r];
        row.mitredElbowText = doc.mitredElbowText[r];
        row.damperDistance = toShown(Quantity::Length, doc.damperDistance[r], units);
        row.damperFactor = doc.damperFactor[r];
        row.damperText = doc.damperText[r];
        row.screenDistance = toShown(Quantity::Length, doc.screenDistance[r], units);
        row.fixedResistanceDistance =
            toShown(Quantity::Length, doc.fixedResistanceDistance[r], units);
        row.fixedResistanceValue =
            toShown(Quantity::Resistance, doc.fixedResistanceValue[r], units);
    }
    return v;
}

void applyShockLosses(CFlowmarDoc& doc, const ShockLossValues& before, const ShockLossValues& v) {
    const int units = doc.unitSystem;
    doc.entryShockFactor = v.entryShockFactor;
    doc.exitShockFactor = v.exitShockFactor;
    doc.entryTypeIndex = v.entryTypeIndex;
    doc.exitTypeIndex = v.exitTypeIndex;
    for (int r = 1; r <= kShockLossRows; ++r) {
        const ShockLossRowValues& was = before.rows[r];
        const ShockLossRowValues& row = v.rows[r];
        const auto store = [units](double& stored, Quantity quantity, double shownBefore,
                                   double shownAfter) {
            stored = storedFromShown(quantity, stored, shownBefore, shownAfter, units);
        };
        store(doc.smoothElbowDistance[r], Quantity::Length, was.smoothElbowDistance,
              row.smoothElbowDistance);
        doc.smoothElbowFactor[r] = row.smoothElbowFactor;
        doc.smoothElbowText1[r] = row.smoothElbowText1;
        doc.smoothElbowText2[r] = row.smoothElbowText2;
        store(doc.mitredElbowDistance[r], Quantity::Length, was.mitredElbowDistance,
              row.mitredElbowDistance);
        doc.mitredElbowFactor[r] = row.mitredElbowFactor;
        doc.mitredElbowText[r] = row.mitredElbowText;
        store(doc.damperDistance[r], Quantity::Length, was.damperDistance, row.damperDistance);
        doc.damperFactor[r] = row.damperFactor;
        doc.damperText[r] = row.damperText;
        store(doc.screenDistance[r], Quantity::Length, was.screenDistance, row.screenDistance);
        store(doc.fixedResistanceDistance[r], Quantity::Length, was.fixedResistanceDistance,
              row.fixedResistanceDistance);
        store(doc.fixedResistanceValue[r], Quantity::Resistance, was.fixedResistanceValue,
              row.fixedResistanceValue);
    }
}

} // namespace flowmar
