#include "core/model/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <optional>
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

struct WholeNumberCase {
    const char* why;
    const char* text;
    std::optional<double> value;
    friend void PrintTo(const WholeNumberCase& c, std::ostream* os) { *os << c.why; }
};

class ParseWholeNumber : public ::testing::TestWithParam<WholeNumberCase> {};

TEST_P(ParseWholeNumber, TakesOneNumberOrNothing) {
    EXPECT_EQ(parseWholeNumber(GetParam().text), GetParam().value) << GetParam().why;
}

// The tests run in the C locale: its decimal point is '.'.
INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWholeNumber,
    ::testing::Values(
        WholeNumberCase{"plain", "12.5", 12.5},
        WholeNumberCase{"blanks around are no part of the text", "  -3.5e2 ", -350},
        WholeNumberCase{"a leading point", ".5", 0.5},
        WholeNumberCase{"letters after the number would be cut off", "12.5abc", std::nullopt},
        WholeNumberCase{"a comma is not this locale's decimal point", "12,5", std::nullopt},
        WholeNumberCase{"a second number", "1 2", std::nullopt},
        WholeNumberCase{"empty", "", std::nullopt},
        WholeNumberCase{"blanks only", "  ", std::nullopt},
        WholeNumberCase{"letters only", "abc", std::nullopt},
        WholeNumberCase{"a sign alone", "-", std::nullopt},
        WholeNumberCase{"NaN", "nan", std::nullopt},
        WholeNumberCase{"beyond the double range", "1e999", std::nullopt}));

TEST(ParseWholeInteger, TakesOneWholeNumberWithinTheIntRange) {
    EXPECT_EQ(parseWholeInteger(" 100 "), 100);
    EXPECT_EQ(parseWholeInteger("-7"), -7);
    EXPECT_EQ(parseWholeInteger("2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ(parseWholeInteger("2147483648"), std::nullopt);
    EXPECT_EQ(parseWholeInteger("12.5"), std::nullopt); // a fraction is never cut
    EXPECT_EQ(parseWholeInteger("1e3"), std::nullopt);
    EXPECT_EQ(parseWholeInteger("12x"), std::nullopt);
    EXPECT_EQ(parseWholeInteger(""), std::nullopt);
}

TEST(ParseInteger, TruncatesAndStaysInRange) {
    EXPECT_EQ(parseInteger("42.9"), 42);
    EXPECT_EQ(parseInteger("-7.9"), -7);
    EXPECT_EQ(parseInteger("1e20"), 2147483647);
    EXPECT_EQ(parseInteger("-1e20"), -2147483647 - 1);
}

} // namespace
} // namespace flowmar

namespace flowmar {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct DoubleCase {
    const char* why;
    friend void PrintTo(const DoubleCase& c, std::ostream* os) { *os << c.why; }
    const char* format;
    double value;
    const char* expected;
};

class FormatDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDouble, AppliesTheFormatOrShowsNoNumber) {
    const DoubleCase& c = GetParam();
    EXPECT_EQ(formatDouble(c.format, c.value), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatDouble,
    ::testing::Values(
        DoubleCase{"a finite value is printed as printf prints it", "%.2f", 6.8482, "6.85"},
        DoubleCase{"the field width stays: the Imperial friction factor", "%6.1f", 10.78, "  10.8"},
        DoubleCase{"text around the number stays", "Length of Duct = %.1f (m)", 1000,
                   "Length of Duct = 1000.0 (m)"},
        DoubleCase{"NaN never reaches a person", "%.2f", kNaN, "-"},
        DoubleCase{"nor does infinity, inside a report line", "Perimeter of Duct = %.2f (m)", kInf,
                   "Perimeter of Duct = - (m)"},
        DoubleCase{"minus infinity with flags and width", "%-8.3f end", -kInf, "- end"},
        DoubleCase{"a literal percent sign survives the replacement", "%.1f %% done", kNaN,
                   "- % done"},
        DoubleCase{"a length beyond what a double holds in digits takes an exponent",
                   "Length of Duct = %.1f (m)", 1e200, "Length of Duct = 1e+200 (m)"},
        DoubleCase{"so does a huge negative pressure", "%.3f", -5e300, "-5e+300"},
        DoubleCase{"below 1e15 every digit is still shown", "%.1f", 123456789012345.0,
                   "123456789012345.0"},
        DoubleCase{"an exponent format stays as it is", "%.2e", 1e200, "1.00e+200"}));

TEST(FormatCount, ZeroIsWrittenAlthoughPrecisionZeroPrintsNothing) {
    EXPECT_EQ(formatInt("%.i", 0), "") << "what printf makes of it";
    EXPECT_EQ(countText(0), "0");
    EXPECT_EQ(countText(12), "12");
    EXPECT_EQ(countText(-3), "-3");
    EXPECT_EQ(formatCount("Total Number of Fans = %.i", 0), "Total Number of Fans = 0");
    EXPECT_EQ(formatCount("Number of Meshes = %.i (Fixed)", 100), "Number of Meshes = 100 (Fixed)");
}

TEST(WithText, PutsTheTextForTheFirstPlaceholderOnly) {
    EXPECT_EQ(withText("Resistance Leakage Paths/100 %s Duct ", "ft"),
              "Resistance Leakage Paths/100 ft Duct ");
    EXPECT_EQ(withText("Method of Execution = %s", "100%d %s"), "Method of Execution = 100%d %s")
        << "a text holding conversions is not a format";
    EXPECT_EQ(withText("no placeholder", "x"), "no placeholder");
}

} // namespace
} // namespace flowmar
