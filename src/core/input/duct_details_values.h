// The values the Duct Details sheet edits, in the units the model shows, and their hand-over from
// and back to the duct model (SI inside).
#pragma once

#include <array>
#include <string>

namespace flowmar {

class CFlowmarDoc;

struct ZoneRowValues {
    double start = 0;                // m or ft
    double end = 0;                  // m or ft
    double diameter = 0;             // m or in
    double frictionFactor = 0;       // Ns²/m⁴ or 10⁻¹⁰ lbf·min²/ft⁴
    double leakageResistance100 = 0; // Ns²/m⁸ per 100 m or P.U. per 100 ft
};

struct DuctDetailsValues {
    int unitSystem = 1;  // read only: chooses labels, ranges and formats
    int pageInFront = 0; // read only: the page, in tab order, the sheet opens at

    // Resistance page
    double ductLength = 0;
    double ductDiameter = 0;
    double frictionFactor = 0;
    int diameterPresetIndex = -1;
    int frictionFactorPresetIndex = -1;
    std::array<std::string, 4> diameterPresets;
    std::array<std::string, 4> ductTypeNames;
    std::array<std::string, 4> frictionFactorPresets;

    // Leakage page
    double leakageResistance100 = 0;

    // Zones page, rows 1..10
    std::array<ZoneRowValues, 11> zones{};
    int applyZones = 0;
    int autoTransitionLosses = 0;

    // General page
    double airDensity = 0;
    int ductType = 1;
    int executionMode = 1;
    int iterationLimit = 0;
};

// The values handed to the sheet. Records the two zone check boxes as last shown in the model.
// An Imperial model still holding the "not yet given" leakage marker shows 2500.
DuctDetailsValues ductDetailsFromDocument(CFlowmarDoc& doc);

// Takes the sheet's values back after OK, converting to SI what the sheet changed from `before`
// (the values it was handed); a value that came back as it went out keeps every digit it had.
// A changed leakage resistance is truncated to an integer (an Imperial entry after dividing by
// 9.625), and so is the shown default of an Imperial model's "not yet given" marker.
void applyDuctDetails(CFlowmarDoc& doc, const DuctDetailsValues& before,
                      const DuctDetailsValues& values);

} // namespace flowmar
