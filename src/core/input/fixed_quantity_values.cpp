#include "core/input/fixed_quantity_values.h"

#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/string_table.h"

namespace flowmar {

namespace {

std::variant<double, std::string> checkFixedQuantity(std::optional<double> quantity,
                                                     int unitSystem) {
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

} // namespace

std::variant<double, std::string> readFixedQuantity(std::string_view text, int unitSystem) {
    return checkFixedQuantity(parseWholeNumber(text), unitSystem);
}

NumberBox fixedQuantityBox(double shownQuantity) {
    return NumberBox(shownQuantity, formatDouble("%g", shownQuantity));
}

std::variant<double, std::string> readFixedQuantity(const NumberBox& box, int unitSystem) {
    return checkFixedQuantity(box.value(), unitSystem);
}

} // namespace flowmar
