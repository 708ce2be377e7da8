// The Design Criteria dialog's values: the program's design criteria as a person edits them, in
// the shown units of the active model (SI without one), the two fractions as percentages. An
// empty box leaves its criterion open.
#pragma once

#include "core/input/page_fault.h"
#include "core/model/design_criteria.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace flowmar {

namespace design_criteria_form {
enum Box {
    kRequiredFaceQuantity,
    kMinEfficiencyPercent,
    kMaxLeakagePercent,
    kVelocityMin,
    kVelocityMax,
    kBoxCount,
};
} // namespace design_criteria_form

struct DesignCriteriaBox {
    std::string label; // with its unit: "Required face quantity (m³/s)"
    std::string text;  // empty when the criterion is open
    std::string hint;  // what an empty box means
};

using DesignCriteriaBoxes = std::array<DesignCriteriaBox, design_criteria_form::kBoxCount>;

// The boxes for the criteria in the unit system.
DesignCriteriaBoxes designCriteriaBoxes(const DesignCriteria& criteria, int unitSystem);

// The criteria the boxes' texts give, or the fault of the first box that holds no number or one
// out of range (the control is the box's index).
std::variant<DesignCriteria, PageFault> readDesignCriteria(const DesignCriteriaBoxes& boxes,
                                                           int unitSystem);

} // namespace flowmar
