// The values the Shock Losses sheet edits, in the units the model shows, and their hand-over from
// and back to the duct model.
#pragma once

#include <array>
#include <string>

namespace flowmar {

class CFlowmarDoc;

struct ShockLossRowValues {
    double smoothElbowDistance = 0; // m or ft, as are the other four distances
    double smoothElbowFactor = 0;
    std::string smoothElbowText1; // ratio r/D
    std::string smoothElbowText2; // angle
    double mitredElbowDistance = 0;
    double mitredElbowFactor = 0;
    std::string mitredElbowText;
    double damperDistance = 0;
    double damperFactor = 0;
    std::string damperText;
    double screenDistance = 0;
    double fixedResistanceDistance = 0;
    double fixedResistanceValue = 0; // Ns²/m⁸ or P.U.
};

struct ShockLossValues {
    int unitSystem = 1;    // read only
    double ductLength = 0; // shown units, read only
    double entryShockFactor = 0;
    double exitShockFactor = 0;
    int entryTypeIndex = 4;
    int exitTypeIndex = 4;
    std::array<ShockLossRowValues, 21> rows{}; // rows 1..20
};

ShockLossValues shockLossesFromDocument(const CFlowmarDoc& doc);

// Takes the sheet's values back after OK (distances × 0.3048, fixed resistance ÷ 0.8942 in
// Imperial); a value that came back as it was in `before` (the values handed out) keeps every
// digit it had.
void applyShockLosses(CFlowmarDoc& doc, const ShockLossValues& before,
                      const ShockLossValues& values);

} // namespace flowmar
