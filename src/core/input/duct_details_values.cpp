#include "core/input/duct_details_values.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

namespace flowmar {

namespace {
// Shown in place of the "not yet given" marker of a new Imperial model.
constexpr double kImperialLeakageDefault = 2500;
} // namespace

DuctDetailsValues ductDetailsFromDocument(CFlowmarDoc& doc) {
    const int units = doc.unitSystem;
    DuctDetailsValues v;
    v.unitSystem = units;
    v.diameterPresetIndex = doc.diameterPresetIndex;
    v.frictionFactorPresetIndex = doc.frictionFactorPresetIndex;
    v.ductDiameter = toShown(Quantity::Diameter, doc.ductDiameter, units);
    v.ductLength = toShown(Quantity::Length, doc.ductLength, units);
    v.frictionFactor = toShown(Quantity::FrictionFactor, doc.frictionFactor, units);
    v.diameterPresets = doc.diameterPresets;
    v.ductTypeNames = doc.ductTypeNames;
    v.frictionFactorPresets = doc.frictionFactorPresets;
    v.airDensity = toShown(Quantity::Density, doc.airDensity, units);
    v.ductType = doc.ductType;
    v.executionMode = doc.executionMode;
    v.iterationLimit = doc.iterationLimit;
    for (int z = 1; z <= kMaxZones; ++z) {
        ZoneRowValues& row = v.zones[z];
        row.start = toShown(Quantity::Length, doc.zoneStart[z], units);
        row.end = toShown(Quantity::Length, doc.zoneEnd[z], units);
        row.diameter = toShown(Quantity::Diameter, doc.zoneDiameter[z], units);
        row.frictionFactor = toShown(Quantity::FrictionFactor, doc.zoneFrictionFactor[z], units);
        row.leakageResistance100 =
            toShown(Quantity::LeakagePer100, doc.zoneLeakageResistance100[z], units);
    }
    // The boxes are ticked when the switches are off (0); any other value counts as on.
    v.applyZones = doc.zonesOff == 0 ? 1 : 0;
    v.autoTransitionLosses = doc.autoTransitionOff == 0 ? 1 : 0;
    doc.zonesAppliedShown = v.applyZones;
    doc.autoTransitionShown = v.autoTransitionLosses;
    if (isImperial(units) && doc.leakageResistance100 == -1) {
        v.leakageResistance100 = kImperialLeakageDefault;
    } else {
        v.leakageResistance100 = toShown(Quantity::LeakagePer100, doc.leakageResistance100, units);
    }
    return v;
}

void applyDuctDetails(CFlowmarDoc& doc, const DuctDetailsValues& v) {
    const int units = doc.unitSystem;
    doc.diameterPresetIndex = v.diameterPresetIndex;
    doc.frictionFactorPresetIndex = v.frictionFactorPresetIndex;
    doc.ductDiameter = fromShown(Quantity::Diameter, v.ductDiameter, units);
    doc.ductLength = fromShown(Quantity::Length, v.ductLength, units);
    doc.frictionFactor = fromShown(Quantity::FrictionFactor, v.frictionFactor, units);
    doc.frictionFactorUsed = doc.frictionFactor;
    doc.diameterPresets = v.diameterPresets;
    doc.ductTypeNames = v.ductTypeNames;
    doc.frictionFactorPresets = v.frictionFactorPresets;
    doc.airDensity = fromShown(Quantity::Density, v.airDensity, units);
    doc.ductType = v.ductType;
    doc.executionMode = v.executionMode;
    doc.iterationLimit = v.iterationLimit;
    for (int z = 1; z <= kMaxZones; ++z) {
        const ZoneRowValues& row = v.zones[z];
        doc.zoneStart[z] = fromShown(Quantity::Length, row.start, units);
        doc.zoneEnd[z] = fromShown(Quantity::Length, row.end, units);
        doc.zoneDiameter[z] = fromShown(Quantity::Diameter, row.diameter, units);
        doc.zoneFrictionFactor[z] = fromShown(Quantity::FrictionFactor, row.frictionFactor, units);
        doc.zoneLeakageResistance100[z] =
            fromShown(Quantity::LeakagePer100, row.leakageResistance100, units);
    }
    doc.zonesAppliedShown = v.applyZones;
    doc.autoTransitionShown = v.autoTransitionLosses;
    doc.zonesOff = v.applyZones ? 0 : 1;
    doc.autoTransitionOff = v.autoTransitionLosses ? 0 : 1;
    doc.leakageResistance100 = leakagePer100FromShown(v.leakageResistance100, units);
}

} // namespace flowmar
