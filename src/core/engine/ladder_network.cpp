#include "core/engine/ladder_network.h"

#include "core/model/messages.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

std::string_view buildLadderNetwork(const CFlowmarDoc& doc, LadderNetwork& network) {
    const int n = doc.segmentCount;
    network.n = n;
    const bool zonesApplied = doc.zonesOff == 0;
    for (int j = 1; j <= n; ++j) {
        const double friction = zonesApplied ? doc.zoneSegmentResistance[j] : doc.segmentResistance;
        network.series[j] = friction + doc.segmentShockResistance[j];
        network.leakage[j] = j == n ? 0.0
                                    : (zonesApplied ? doc.zoneSegmentLeakageResistance[j]
                                                    : doc.leakagePathResistance);
    }
    for (int j = 1; j <= n; ++j) {
        if (!(std::isfinite(network.series[j]) && network.series[j] >= 0)) {
            return messages::kNegativeSegmentResistance;
        }
        if (j < n && !(std::isfinite(network.leakage[j]) && network.leakage[j] > 0)) {
            return messages::kLeakagePathWithoutResistance;
        }
    }
    return {};
}

bool resultsAreFinite(const DuctResults& r, int segmentCount, int fanCount) {
    const auto finite = [](auto first, auto last) {
        return std::all_of(first, last, [](double x) { return std::isfinite(x); });
    };
    const int n = segmentCount;
    const int fans = fanCount + 1;
    return finite(r.branchFlow.begin() + 1, r.branchFlow.begin() + 2 * n + 1) &&
           finite(r.totalPressure.begin(), r.totalPressure.begin() + n + 1) &&
           finite(r.segmentVelocity.begin(), r.segmentVelocity.begin() + n + 1) &&
           finite(r.segmentVelocityPressure.begin(), r.segmentVelocityPressure.begin() + n + 1) &&
           finite(r.zoneSegmentVelocity.begin(), r.zoneSegmentVelocity.begin() + n + 1) &&
           finite(r.zoneSegmentVelocityPressure.begin(),
                  r.zoneSegmentVelocityPressure.begin() + n + 1) &&
           finite(r.fanPressure.begin(), r.fanPressure.begin() + fans) &&
           finite(r.fanEfficiency.begin(), r.fanEfficiency.begin() + fans) &&
           std::isfinite(r.lastMeshCorrection) && std::isfinite(r.boosterPressure);
}

} // namespace flowmar
