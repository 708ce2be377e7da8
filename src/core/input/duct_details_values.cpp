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

void applyDuctDetails(CFlowmarDoc& doc, const DuctDetailsValues& before,
                      const DuctDetailsValues& v) {
    const int units = doc.unitSystem;
    const auto store = [units](double& stored, Quantity quantity, double shownBefore,
                               double shownAfter) {
        stored = storedFromShown(quantity, stored, shownBefore, shownAfter, units);
    };
    doc.diameterPresetIndex = v.diameterPresetIndex;
    doc.frictionFactorPresetIndex = v.frictionFactorPresetIndex;
    store(doc.ductDiameter, Quantity::Diameter, before.ductDiameter, v.ductDiameter);
    store(doc.ductLength, Quantity::Length, before.ductLength, v.ductLength);
    store(doc.frictionFactor, Quantity::FrictionFactor, before.frictionFactor, v.frictionFactor);
    doc.frictionFactorUsed = doc.frictionFactor;
    doc.diameterPresets = v.diameterPresets;
    doc.ductTypeNames = v.ductTypeNames;
    doc.frictionFactorPresets = v.frictionFactorPresets;
    store(doc.airDensity, Quantity::Density, before.airDensity, v.airDensity);
    doc.ductType = v.ductType;
    doc.executionMode = v.executionMode;
    doc.iterationLimit = v.iterationLimit;
    for (int z = 1; z <= kMaxZones; ++z) {
        const ZoneRowValues& was = before.zones[z];
        const ZoneRowValues& row = v.zones[z];
        // A zone row the sort moved is another zone's row: it is taken as shown.
        const bool sameZone = was.start == row.start && was.end == row.end;
        const auto storeZone = [&](double& stored, Quantity quantity,
                                   double ZoneRowValues::*field) {
            stored = sameZone ? storedFromShown(quantity, stored, was.*field, row.*field, units)
                              : fromShown(quantity, row.*field, units);
        };
        storeZone(doc.zoneStart[z], Quantity::Length, &ZoneRowValues::start);
        storeZone(doc.zoneEnd[z], Quantity::Length, &ZoneRowValues::end);
        storeZone(doc.zoneDiameter[z], Quantity::Diameter, &ZoneRowValues::diameter);
        storeZone(doc.zoneFrictionFactor[z], Quantity::FrictionFactor,
                  &ZoneRowValues::frictionFactor);
        storeZone(doc.zoneLeakageResistance100[z], Quantity::LeakagePer100,
                  &ZoneRowValues::leakageResistance100);
    }
    doc.zonesAppliedShown = v.applyZones;
    doc.autoTransitionShown = v.autoTransitionLosses;
    doc.zonesOff = v.applyZones ? 0 : 1;
    doc.autoTransitionOff = v.autoTransitionLosses ? 0 : 1;
    // The marker of a new Imperial model is confirmed as the 2500 shown for it.
    const bool marker = isImperial(units) && doc.leakageResistance100 == -1;
    if (marker || v.leakageResistance100 != before.leakageResistance100) {
        doc.leakageResistance100 = leakagePer100FromShown(v.leakageResistance100, units);
    }
}

} // namespace flowmar
