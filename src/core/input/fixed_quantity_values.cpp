#include "core/input/fixed_quantity_values.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"

namespace flowmar {

std::variant<double, std::string> readFixedQuantity(std::string_view text, int unitSystem) {
    const std::optional<double> quantity = parseWholeNumber(text);
    if (!quantity) {
        // Named as the box reads, unit and all, so the person knows which unit the number is in.
        return messages::numberNeeded(std::string(labels::kFixedQuantity) + " " +
                                      std::string(unitLabel(strings::kAirQuantity, unitSystem)));
    }
    if (!fixedQuantityInRange(*quantity)) {
        return std::string(messages::kFixedQuantityOutOfRange);
    }
    return *quantity;
}

} // namespace flowmar
