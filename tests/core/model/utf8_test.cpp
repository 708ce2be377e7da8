#include "core/model/utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        points.push_back(utf8::next(text, i));
    }
    return points;
}

struct DecodeCase {
    const char* why;
    friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.why; }
    std::string text;
    std::vector<char32_t> expected;
};

class Utf8Next : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Next, DecodesOrReplaces) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(decode(c.text), c.expected) << c.why;
}

constexpr char32_t kBad = utf8::kReplacement;

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Next,
    ::testing::Values(
        DecodeCase{"ASCII and the superscripts of the unit labels",
                   "m\xc2\xb2\xc2\xb3",
                   {U'm', 0xB2, 0xB3}},
        DecodeCase{"three and four bytes", "\xe2\x82\xac\xf0\x9f\x98\x80", {0x20AC, 0x1F600}},
        DecodeCase{"a lone continuation byte", "\x80x", {kBad, U'x'}},
        DecodeCase{"a sequence cut short by the end", "a\xe2\x82", {U'a', kBad}},
        DecodeCase{"a sequence cut short by the next character", "\xc2x", {kBad, U'x'}},
        // Forms no sequence may take: the lead byte alone is the longest valid beginning, and
        // each byte after it is read afresh.
        DecodeCase{"an overlong form of '/'", "\xe0\x80\xaf", {kBad, kBad, kBad}},
        DecodeCase{"a surrogate", "\xed\xa0\x80", {kBad, kBad, kBad}},
        DecodeCase{"beyond U+10FFFF", "\xf4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
        DecodeCase{
            "a Windows-1252 degree sign that was never converted", "20\xb0", {U'2', U'0', kBad}}));

TEST(Utf8Append, RoundTripsEveryLength) {
    for (const char32_t c : {char32_t{0x41}, char32_t{0xB3}, char32_t{0x20AC}, char32_t{0x1F600}}) {
        std::string text;
        utf8::append(text, c);
        EXPECT_EQ(decode(text), std::vector<char32_t>{c}) << static_cast<unsigned>(c);
    }
    std::string surrogate;
    utf8::append(surrogate, 0xD800);
    EXPECT_EQ(surrogate, "\xef\xbf\xbd");
}

TEST(Utf8SequenceLength, MeasuresWellFormedSequencesAndRefusesEveryOtherStart) {
    EXPECT_EQ(utf8::sequenceLength("a", 0), 1U);
    EXPECT_EQ(utf8::sequenceLength("m\xc2\xb3", 1), 2U);
    EXPECT_EQ(utf8::sequenceLength("\xe2\x82\xac", 0), 3U);
    EXPECT_EQ(utf8::sequenceLength("\xf0\x9f\x98\x80", 0), 4U);
    EXPECT_EQ(utf8::sequenceLength("\xef\xbf\xbd", 0), 3U) << "a replacement character written";
    EXPECT_EQ(utf8::sequenceLength("\xe2\x82", 0), 0U) << "cut short";
    EXPECT_EQ(utf8::sequenceLength("\x80", 0), 0U) << "a continuation byte";
    EXPECT_EQ(utf8::sequenceLength("\xed\xa0\x80", 0), 0U) << "a surrogate";
    EXPECT_EQ(utf8::sequenceLength("\xc0\xaf", 0), 0U) << "overlong";
}

} // namespace
} // namespace flowmar
