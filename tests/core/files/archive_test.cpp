#include "core/files/archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ArchiveWriter, NumbersAreLittleEndian) {
    ArchiveWriter out;
    out.writeInt32(0x01020304);
    out.writeInt32(-2);
    out.writeDouble(1.0);
    out.writeDouble(-0.0);
    EXPECT_EQ(out.bytes(), (Bytes{0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,
                                  0,    0,    0xF0, 0x3F, 0,    0,    0,    0,    0, 0, 0, 0x80}));
}

TEST(ArchiveReader, NumbersAreLittleEndian) {
    const Bytes bytes{0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0xF0, 0xBF};
    ArchiveReader in(bytes);
    EXPECT_EQ(in.readInt32(), 0x01020304);
    EXPECT_EQ(in.readInt32(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(in.readDouble(), -1.0);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(Archive, DoublesKeepEveryBit) {
    const double values[] = {0.1, -1e-300, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::quiet_NaN()};
    ArchiveWriter out;
    for (const double v : values) {
        out.writeDouble(v);
    }
    ArchiveReader in(out.bytes());
    for (const double v : values) {
        const double read = in.readDouble();
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(v)) << v;
    }
}

struct PrefixCase {
    const char* why;
    friend void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.why; }
    std::size_t length;
    Bytes prefix;
};

class CountedTextPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(CountedTextPrefix, IsTheShortestFormAndReadsBack) {
    const PrefixCase& c = GetParam();
    const std::string text(c.length, 'x');
    ArchiveWriter out;
    out.writeText(text);
    ASSERT_EQ(out.bytes().size(), c.prefix.size() + c.length);
    EXPECT_EQ(Bytes(out.bytes().begin(), out.bytes().begin() + std::ssize(c.prefix)), c.prefix);
    ArchiveReader in(out.bytes());
    EXPECT_EQ(in.readText(), text);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Archive, CountedTextPrefix,
    ::testing::Values(PrefixCase{"an empty text is the single byte 00", 0, {0x00}},
                      PrefixCase{"254 still fits the one-byte form", 254, {0xFE}},
                      PrefixCase{"255 would read as the long marker", 255, {0xFF, 0xFF, 0x00}},
                      PrefixCase{"a 300-character notepad", 300, {0xFF, 0x2C, 0x01}},
                      PrefixCase{"the longest 16-bit length", 0xFFFD, {0xFF, 0xFD, 0xFF}},
                      PrefixCase{"FFFE would read as the wide marker",
                                 0xFFFE,
                                 {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                      PrefixCase{
                          "beyond 16 bits", 70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

TEST(ArchiveWriter, TextsAreWrittenInWindows1252) {
    ArchiveWriter out;
    out.writeText("\u00B2\u00B3\u00E9");
    out.writeText("A\xFF");
    EXPECT_EQ(out.bytes(), (Bytes{3, 0xB2, 0xB3, 0xE9, 2, 'A', '?'}))
        << "malformed UTF-8 has no character to keep: its part is a '?'";
}

Bytes utf16(std::u16string_view s);

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) {
        out += text;
    }
    return out;
}

// A text with a character Windows-1252 lacks is written whole in the wide form (marker, length in
// code units, UTF-16LE), and reads back as it was; one Windows-1252 holds stays single-byte.
struct WideCase {
    const char* why;
    std::string text;
    Bytes prefix; // the bytes before the text's own
    std::u16string units;
};

class WideText : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideText, IsWrittenInTheWideFormAndReadsBack) {
    const WideCase& c = GetParam();
    ArchiveWriter out;
    out.writeText(c.text);
    out.writeInt32(7);
    EXPECT_EQ(out.bytes(), concat(concat(c.prefix, utf16(c.units)), {7, 0, 0, 0})) << c.why;
    ArchiveReader in(out.bytes());
    EXPECT_EQ(in.readText(), c.text) << c.why;
    EXPECT_EQ(in.readInt32(), 7) << c.why << ": the text took exactly its bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WideText,
    ::testing::Values(WideCase{"Greek in a duct's name, beside Windows-1252 characters",
                               "Tunnel \u03A9 \u2192 face",
                               {0xFF, 0xFE, 0xFF, 15},
                               u"Tunnel \u03A9 \u2192 face"},
                      WideCase{"a character beyond 16 bits is a surrogate pair",
                               "fan \U0001F32C",
                               {0xFF, 0xFE, 0xFF, 6},
                               u"fan \U0001F32C"},
                      WideCase{"a wide text of 300 units takes the 16-bit length",
                               repeated("\u0394", 300),
                               {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01},
                               std::u16string(300, u'\u0394')}));

TEST(ArchiveWriter, Windows1252TextsStaySingleByte) {
    ArchiveWriter out;
    out.writeText("m\u00B3 caf\u00E9 \u20AC?");
    EXPECT_EQ(out.bytes(), (Bytes{10, 'm', 0xB3, ' ', 'c', 'a', 'f', 0xE9, ' ', 0x80, '?'}));
}

TEST(ArchiveReader, TextsAreReadAsUtf8) {
    const Bytes bytes{4, 'm', 0xB2, 0x80, 0xE9};
    ArchiveReader in(bytes);
    EXPECT_EQ(in.readText(), "m\u00B2\u20AC\u00E9");
}

Bytes utf16(std::u16string_view s) {
    Bytes out;
    for (const char16_t u : s) {
        out.push_back(static_cast<std::uint8_t>(u));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return out;
}

TEST(ArchiveReader, WideTextWithShortLength) {
    const Bytes bytes =
        concat(concat({0xFF, 0xFE, 0xFF, 4}, utf16(u"A\u00E9\u20AC\u03A9")), {7, 0, 0, 0});
    ArchiveReader in(bytes);
    EXPECT_EQ(in.readText(), "A\u00E9\u20AC\u03A9") << "kept as UTF-8";
    EXPECT_EQ(in.readInt32(), 7) << "the text took exactly its units";
    EXPECT_TRUE(in.ok());
}

TEST(ArchiveReader, WideTextWithLongLength) {
    const std::u16string text(300, u'\u00E9');
    const Bytes bytes = concat({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}, utf16(text));
    ArchiveReader in(bytes);
    std::string expected;
    for (int k = 0; k < 300; ++k) {
        expected += "\u00E9";
    }
    EXPECT_EQ(in.readText(), expected);
    EXPECT_TRUE(in.ok());
}

TEST(ArchiveReader, WideTextWithVeryLongLength) {
    const Bytes bytes =
        concat({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}, utf16(u"ok"));
    ArchiveReader in(bytes);
    EXPECT_EQ(in.readText(), "ok");
    EXPECT_TRUE(in.ok());
}

struct DamageCase {
    const char* why;
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.why; }
    Bytes bytes;
    ArchiveFault fault;
};

class DamagedText : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedText, FailsWithoutReadingPastTheEnd) {
    const DamageCase& c = GetParam();
    ArchiveReader in(c.bytes);
    EXPECT_EQ(in.readText(), "");
    EXPECT_EQ(in.fault(), c.fault);
    EXPECT_LE(in.position(), c.bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Archive, DamagedText,
    ::testing::Values(
        DamageCase{"no length at all", {}, ArchiveFault::EndsEarly},
        DamageCase{"a long marker without its length", {0xFF, 0x2C}, ArchiveFault::EndsEarly},
        DamageCase{"a very long marker without its length",
                   {0xFF, 0xFF, 0xFF, 0x01},
                   ArchiveFault::EndsEarly},
        DamageCase{"a wide marker without its length", {0xFF, 0xFE, 0xFF}, ArchiveFault::EndsEarly},
        DamageCase{"more characters claimed than remain",
                   {5, 'a', 'b', 'c'},
                   ArchiveFault::ImpossibleTextLength},
        DamageCase{"a 16-bit length beyond the end",
                   {0xFF, 0x2C, 0x01, 'a'},
                   ArchiveFault::ImpossibleTextLength},
        DamageCase{"the largest 32-bit length",
                   {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'},
                   ArchiveFault::ImpossibleTextLength},
        DamageCase{"wide units need two bytes each",
                   {0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'},
                   ArchiveFault::ImpossibleTextLength},
        DamageCase{"a wide marker where the wide length belongs",
                   {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0},
                   ArchiveFault::ImpossibleTextLength}));

TEST(ArchiveReader, FirstFaultSticksAndLaterReadsTouchNothing) {
    const Bytes bytes{1, 2, 3, 4, 2, 'a', 'b'};
    ArchiveReader in(bytes);
    EXPECT_EQ(in.readDouble(), 0) << "8 bytes needed, 7 there";
    EXPECT_EQ(in.fault(), ArchiveFault::EndsEarly);
    EXPECT_EQ(in.readInt32(), 0) << "would fit, but reading has stopped";
    EXPECT_EQ(in.readText(), "");
    EXPECT_EQ(in.fault(), ArchiveFault::EndsEarly);
    EXPECT_EQ(in.position(), 0u);
}

} // namespace
} // namespace flowmar
