#include "core/model/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <ostream>

namespace flowmar {
namespace {

struct ParseCase {
    const char* why;
    const char* text;
    double value;
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.why; }
};

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, TakesTheLongestLeadingNumber) {
    EXPECT_EQ(parseNumber(GetParam().text), GetParam().value) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseNumber,
    ::testing::Values(ParseCase{"plain", "12.5", 12.5}, ParseCase{"leading blanks", "  -3", -3},
                      ParseCase{"trailing text", "7.25 m", 7.25},
                      ParseCase{"exponent", "1.5e3x", 1500},
                      ParseCase{"an e without digits is not an exponent", "2e", 2},
                      ParseCase{"no number", "abc", 0}, ParseCase{"empty", "", 0},
                      ParseCase{"a lone point", ".", 0}, ParseCase{"leading point", ".5", 0.5},
                      ParseCase{"NaN is no number", "nan", 0},
                      ParseCase{"infinity is no number", "inf", 0},
                      ParseCase{"hexadecimal stops at the x", "0x1A", 0},
                      ParseCase{"beyond the double range saturates", "1e999", DBL_MAX}));

TEST(ParseInteger, TruncatesAndStaysInRange) {
    EXPECT_EQ(parseInteger("42.9"), 42);
    EXPECT_EQ(parseInteger("-7.9"), -7);
    EXPECT_EQ(parseInteger("1e20"), 2147483647);
    EXPECT_EQ(parseInteger("-1e20"), -2147483647 - 1);
}

TEST(FormatNumber, UsesThePrintfFormat) {
    EXPECT_EQ(formatNumber("%.2f", 3.14159), "3.14");
    EXPECT_EQ(formatNumber("%.0f", 1e300).size(), 301u) << "longer than any buffer guess";
    EXPECT_EQ(formatInteger("%d", -12), "-12");
}

} // namespace
} // namespace flowmar
