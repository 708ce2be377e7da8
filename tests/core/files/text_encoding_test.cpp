#include "core/files/text_encoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

struct CharCase {
    const char* why;
    friend void PrintTo(const CharCase& c, std::ostream* os) { *os << c.why; }
    std::string windows1252;
    std::string utf8;
};

class Windows1252Pairs : public ::testing::TestWithParam<CharCase> {};

TEST_P(Windows1252Pairs, ConvertBothWays) {
    const CharCase& c = GetParam();
    EXPECT_EQ(utf8FromWindows1252(c.windows1252), c.utf8);
    EXPECT_EQ(windows1252FromUtf8(c.utf8), c.windows1252);
}

INSTANTIATE_TEST_SUITE_P(
    TextEncoding, Windows1252Pairs,
    ::testing::Values(
        CharCase{"plain ASCII passes as it is", "Fan 1/2", "Fan 1/2"},
        CharCase{"the unit labels' squares and cubes", "m\xB2 m\xB3", "m\u00B2 m\u00B3"},
        CharCase{"Latin-1 letters and the degree sign", "\xE9t\xE9 30\xB0",
                 "\u00E9t\u00E9 30\u00B0"},
        CharCase{"80..9F are not Latin-1: euro, dashes, quotes", "\x80\x96\x97\x93\x94",
                 "\u20AC\u2013\u2014\u201C\u201D"},
        CharCase{"an undefined byte keeps its value as a control character", "a\x81z", "a\u0081z"},
        CharCase{"a zero byte inside a text survives", std::string("a\0b", 3),
                 std::string("a\0b", 3)}));

TEST(TextEncoding, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(all)), all);
}

struct Utf8Case {
    const char* why;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.why; }
    std::string utf8;
    std::string windows1252;
};

class Utf8WithoutWindows1252Form : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8WithoutWindows1252Form, BecomesQuestionMarks) {
    EXPECT_EQ(windows1252FromUtf8(GetParam().utf8), GetParam().windows1252);
}

INSTANTIATE_TEST_SUITE_P(
    TextEncoding, Utf8WithoutWindows1252Form,
    ::testing::Values(Utf8Case{"a Greek letter has no form", "\u03A9 m", "? m"},
                      Utf8Case{"each character is one '?', whatever its length", "\u65E5\u672C",
                               "??"},
                      Utf8Case{"a four-byte character", "x\U0001F600y", "x?y"},
                      Utf8Case{"a C1 control that 1252 uses for a letter", "\u0080", "?"},
                      Utf8Case{"a lone continuation byte", "a\x80z", "a?z"},
                      Utf8Case{"a sequence cut short at the end", "a\xE2\x82", "a?"},
                      Utf8Case{"a sequence cut short by ASCII", "\xE2\x82z", "?z"},
                      Utf8Case{"an overlong slash is two faults", "\xC0\xAF", "??"},
                      Utf8Case{"an encoded surrogate", "\xED\xA0\x80", "???"},
                      Utf8Case{"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
                      Utf8Case{"bytes that never start anything", "\xFE\xFF", "??"}));

TEST(TextEncoding, Utf16UnitsBecomeUtf8) {
    const std::vector<char16_t> units{u'A', 0x00E9, 0x20AC, 0xD83D, 0xDE00};
    EXPECT_EQ(utf8FromUtf16(units), "A\u00E9\u20AC\U0001F600");
}

TEST(TextEncoding, LoneSurrogatesBecomeReplacementCharacters) {
    const std::vector<char16_t> lowFirst{0xDE00, u'a'};
    EXPECT_EQ(utf8FromUtf16(lowFirst), "\uFFFDa");
    const std::vector<char16_t> highAtEnd{u'a', 0xD83D};
    EXPECT_EQ(utf8FromUtf16(highAtEnd), "a\uFFFD");
    const std::vector<char16_t> highThenLetter{0xD83D, u'b'};
    EXPECT_EQ(utf8FromUtf16(highThenLetter), "\uFFFDb");
}

} // namespace
} // namespace flowmar
