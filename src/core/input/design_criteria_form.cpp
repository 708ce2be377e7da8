#include "core/input/design_criteria_form.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

#include <cmath>
#include <optional>

namespace flowmar {

using namespace design_criteria_form;

namespace {

double velocityShown(double metresPerSecond, int unitSystem) {
    return isImperial(unitSystem) ? metresPerSecond * imperial::kFeetPerMinutePerMetrePerSecond
                                  : metresPerSecond;
}

double velocityFromShown(double shown, int unitSystem) {
    return isImperial(unitSystem) ? shown / imperial::kFeetPerMinutePerMetrePerSecond : shown;
}

std::string shownText(const std::optional<double>& value, double (*toShownValue)(double, int),
                      int unitSystem) {
    return value ? formatDouble("%g", toShownValue(*value, unitSystem)) : std::string();
}

PageFault fault(std::string message, Box box) {
    return {std::move(message), static_cast<int>(box)};
}

std::string outOfRange(std::string_view label, std::string_view range) {
    return "Enter " + std::string(range) + " for " + std::string(label) + ", or leave it empty.";
}

} // namespace

DesignCriteriaBoxes designCriteriaBoxes(const DesignCriteria& criteria, int unitSystem) {
    const bool imp = isImperial(unitSystem);
    const std::string quantityUnit(unitSymbol(Quantity::AirQuantity, unitSystem));
    const std::string velocityUnit = imp ? "fpm" : "m/s";
    DesignCriteriaBoxes boxes;
    boxes[kRequiredFaceQuantity] = {
        "Required face quantity (" + quantityUnit + ")",
        shownText(
            criteria.requiredFaceQuantity,
            [](double v, int u) { return toShown(Quantity::AirQuantity, v, u); }, unitSystem),
        "empty: no requirement"};
    boxes[kMinEfficiencyPercent] = {
        "Lowest efficiency (% of the fan's best)",
        shownText(
            criteria.minEfficiencyFraction, [](double v, int) { return v * 100; }, unitSystem),
        "empty: 70 %"};
    boxes[kMaxLeakagePercent] = {
        "Highest leakage (% of the fan-end quantity)",
        shownText(
            criteria.maxLeakageShare, [](double v, int) { return v * 100; }, unitSystem),
        "empty: 50 %"};
    boxes[kVelocityMin] = {"Lowest mean velocity (" + velocityUnit + ")",
                           shownText(criteria.velocityMin, velocityShown, unitSystem),
                           "empty: no lower limit"};
    boxes[kVelocityMax] = {"Highest mean velocity (" + velocityUnit + ")",
                           shownText(criteria.velocityMax, velocityShown, unitSystem),
                           "empty: no upper limit"};
    return boxes;
}

std::variant<DesignCriteria, PageFault> readDesignCriteria(const DesignCriteriaBoxes& boxes,
                                                           int unitSystem) {
    std::array<std::optional<double>, kBoxCount> values;
    for (int k = 0; k < kBoxCount; ++k) {
        const DesignCriteriaBox& box = boxes[static_cast<std::size_t>(k)];
        if (box.text.find_first_not_of(" \t") == std::string::npos) {
            continue; // left open
        }
        const std::optional<double> value = parseWholeNumber(box.text);
        if (!value) {
            return fault(messages::numberNeeded(box.label), static_cast<Box>(k));
        }
        values[static_cast<std::size_t>(k)] = value;
    }
    DesignCriteria criteria;
    if (const auto& q = values[kRequiredFaceQuantity]) {
        if (!(*q > 0)) {
            return fault(outOfRange(boxes[kRequiredFaceQuantity].label, "a quantity above 0"),
                         kRequiredFaceQuantity);
        }
        criteria.requiredFaceQuantity = fromShown(Quantity::AirQuantity, *q, unitSystem);
    }
    for (const Box box : {kMinEfficiencyPercent, kMaxLeakagePercent}) {
        if (const auto& percent = values[box]) {
            if (!(*percent >= 0 && *percent <= 100)) {
                return fault(outOfRange(boxes[box].label, "a percentage from 0 to 100"), box);
            }
            (box == kMinEfficiencyPercent ? criteria.minEfficiencyFraction
                                          : criteria.maxLeakageShare) = *percent / 100;
        }
    }
    for (const Box box : {kVelocityMin, kVelocityMax}) {
        if (const auto& velocity = values[box]) {
            if (!(*velocity >= 0)) {
                return fault(outOfRange(boxes[box].label, "a velocity of 0 or more"), box);
            }
            (box == kVelocityMin ? criteria.velocityMin : criteria.velocityMax) =
                velocityFromShown(*velocity, unitSystem);
        }
    }
    if (criteria.velocityMin && criteria.velocityMax &&
        *criteria.velocityMin > *criteria.velocityMax) {
        return fault("The lowest mean velocity must not exceed the highest.", kVelocityMin);
    }
    return criteria;
}

} // namespace flowmar
