#include "core/model/design_check_texts.h"

namespace flowmar::design_check_texts {

namespace {

std::string fanName(int fan) {
    return "Fan " + std::to_string(fan);
}

std::string range(std::string_view from, std::string_view to) {
    return "from " + std::string(from) + " to " + std::string(to);
}

} // namespace

std::string suctionAtFan(int fan, std::string_view from, std::string_view to,
                         std::string_view extreme, std::string_view extremeAt) {
    return fanName(fan) + " draws on a duct below atmospheric pressure " + range(from, to) +
           ", down to " + std::string(extreme) + " at " + std::string(extremeAt) +
           ": a flexible duct collapses there and every leak draws air in ahead of the fan.";
}

std::string pressureAtFan(int fan, std::string_view from, std::string_view to,
                          std::string_view extreme, std::string_view extremeAt) {
    return fanName(fan) + " discharges into a duct above atmospheric pressure " + range(from, to) +
           ", up to " + std::string(extreme) + " at " + std::string(extremeAt) +
           ": contaminated air leaks out of the duct there.";
}

std::string suctionRange(std::string_view from, std::string_view to, std::string_view extreme,
                         std::string_view extremeAt) {
    return "The static pressure is below atmospheric " + range(from, to) + ", down to " +
           std::string(extreme) + " at " + std::string(extremeAt) + ".";
}

std::string pressureRange(std::string_view from, std::string_view to, std::string_view extreme,
                          std::string_view extremeAt) {
    return "The static pressure is above atmospheric " + range(from, to) + ", up to " +
           std::string(extreme) + " at " + std::string(extremeAt) + ".";
}

std::string offCurveLow(int fan, std::string_view quantity, std::string_view firstPoint) {
    return fanName(fan) + " runs at " + std::string(quantity) +
           ", left of its first curve point at " + std::string(firstPoint) +
           ": on the stall side of the curve, where its pressure is not known.";
}

std::string offCurveHigh(int fan, std::string_view quantity, std::string_view lastPoint) {
    return fanName(fan) + " runs at " + std::string(quantity) +
           ", beyond its last curve point at " + std::string(lastPoint) +
           ": its pressure and efficiency there are estimates from an extended curve.";
}

std::string lowEfficiency(int fan, std::string_view efficiency, std::string_view best,
                          std::string_view fraction) {
    return fanName(fan) + " runs at " + std::string(efficiency) + " efficiency, under " +
           std::string(fraction) + " of the best on its curve (" + std::string(best) + ").";
}

std::string leakage(std::string_view share, std::string_view lost, std::string_view fanEnd,
                    std::string_view per100) {
    return "Leakage between the fan end and the face takes " + std::string(share) +
           " of the fan-end quantity: " + std::string(lost) + " of " + std::string(fanEnd) + ", " +
           std::string(per100) + ".";
}

std::string faceBelowRequired(std::string_view face, std::string_view required) {
    return "The face receives " + std::string(face) + ", less than the required " +
           std::string(required) + ".";
}

std::string velocityOutside(std::string_view mean, std::string_view range) {
    return "The mean velocity in the duct, " + std::string(mean) + ", lies outside the set range " +
           std::string(range) + ".";
}

std::string boosterPressure(std::string_view needed, std::string_view highest, int fan) {
    return "The fixed quantity needs a booster pressure of " + std::string(needed) +
           ", more than the highest shut-off pressure among the model's fan curves (" +
           std::string(highest) + ", fan " + std::to_string(fan) +
           "): no fan of the model could deliver it alone.";
}

std::string fanPlace(int fan) {
    return fanName(fan);
}

std::string stretchPlace(std::string_view from, std::string_view to, bool imperial) {
    return std::string(from) + " – " + std::string(to) + (imperial ? " ft" : " m");
}

} // namespace flowmar::design_check_texts
