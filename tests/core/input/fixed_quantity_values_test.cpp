#include "core/input/fixed_quantity_values.h"
#include "core/model/messages.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>

namespace flowmar {
namespace {

struct QuantityCase {
    const char* why;
    const char* text;
    int unitSystem;
    std::variant<double, std::string> read;
    friend void PrintTo(const QuantityCase& c, std::ostream* os) { *os << c.why; }
};

class ReadFixedQuantity : public ::testing::TestWithParam<QuantityCase> {};

TEST_P(ReadFixedQuantity, TakesOneNumberInRangeOrSaysWhatIsWrong) {
    EXPECT_EQ(readFixedQuantity(GetParam().text, GetParam().unitSystem), GetParam().read)
        << GetParam().why;
}

const std::string kNeedsSI = "Enter a number for Fixed Quantity (m³/s).";
const std::string kNeedsImperial = "Enter a number for Fixed Quantity (kcfm).";
const std::string kRange(messages::kFixedQuantityOutOfRange);

// The tests run in the C locale, whose decimal point is '.'.
INSTANTIATE_TEST_SUITE_P(
    Texts, ReadFixedQuantity,
    ::testing::Values(
        QuantityCase{"a plain quantity", "12.5", kSI, 12.5},
        QuantityCase{"blanks around the number are no part of it", " 12.5 ", kSI, 12.5},
        QuantityCase{"a comma is no decimal point here: 12 must not be stored", "12,5", kSI,
                     kNeedsSI},
        QuantityCase{"letters after the number must not be cut off", "12.5abc", kSI, kNeedsSI},
        QuantityCase{"the message names the unit the model shows", "12,5", kImperial,
                     kNeedsImperial},
        QuantityCase{"an empty box is no quantity, not 0", "", kSI, kNeedsSI},
        QuantityCase{"a number beyond 800 gets the range message", "800.5", kSI, kRange},
        QuantityCase{"0 is below the range, not a missing number", "0", kSI, kRange},
        QuantityCase{"the lowest quantity taken", "1e-7", kSI, 1e-7},
        QuantityCase{"the highest quantity taken", "800", kImperial, 800.0}));

} // namespace
} // namespace flowmar
