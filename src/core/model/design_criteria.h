// What an engineer asks of a solved duct beyond the solution itself. Every criterion is either
// set or left open; an open one falls back to the next source (the command line over the model
// over the program's settings) and finally to its default. A requirement the engineer did not set
// is never asserted: the face quantity and the velocity range have no default.
#pragma once

#include <optional>

namespace flowmar {

struct DesignCriteria {
    std::optional<double> requiredFaceQuantity;  // m³/s
    std::optional<double> minEfficiencyFraction; // of the best efficiency on the fan's curve
    std::optional<double> maxLeakageShare;       // of the fan-end quantity
    std::optional<double> velocityMin;           // m/s, mean over the duct
    std::optional<double> velocityMax;           // m/s

    // Below 70 % of its best, a fan is worth a second look; above half of the fan-end quantity
    // lost on the way, the duct rather than the fan decides what reaches the face.
    static constexpr double kDefaultMinEfficiencyFraction = 0.7;
    static constexpr double kDefaultMaxLeakageShare = 0.5;

    double efficiencyFraction() const {
        return minEfficiencyFraction.value_or(kDefaultMinEfficiencyFraction);
    }
    double leakageShare() const { return maxLeakageShare.value_or(kDefaultMaxLeakageShare); }

    bool anySet() const {
        return requiredFaceQuantity || minEfficiencyFraction || maxLeakageShare || velocityMin ||
               velocityMax;
    }

    // Each criterion set here, else the one of the fallback.
    DesignCriteria over(const DesignCriteria& fallback) const {
        DesignCriteria merged = *this;
        auto fill = [](std::optional<double>& mine, const std::optional<double>& theirs) {
            if (!mine) {
                mine = theirs;
            }
        };
        fill(merged.requiredFaceQuantity, fallback.requiredFaceQuantity);
        fill(merged.minEfficiencyFraction, fallback.minEfficiencyFraction);
        fill(merged.maxLeakageShare, fallback.maxLeakageShare);
        fill(merged.velocityMin, fallback.velocityMin);
        fill(merged.velocityMax, fallback.velocityMax);
        return merged;
    }
};

} // namespace flowmar
