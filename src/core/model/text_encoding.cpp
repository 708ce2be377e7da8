#include "core/model/text_encoding.h"

#include <array>
#include <cstdint>

namespace flowmar {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 bytes 80..9F; the undefined ones keep their own value (see the header).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or '?' when it has none.
char windows1252Of(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(c));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

struct Decoded {
    char32_t codePoint; // kReplacement for a malformed sequence
    std::size_t length; // bytes consumed, at least 1
};

// Decodes one UTF-8 sequence at the start of `s` (not empty). A malformed sequence consumes its
// longest valid beginning (at least one byte), as Unicode recommends for replacement.
Decoded decodeUtf8(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t need = 0;
    char32_t c = 0;
    std::uint8_t low = 0x80;  // allowed range of the second byte: excludes overlong forms,
    std::uint8_t high = 0xBF; // surrogates and code points above U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        c = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        c = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        c = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {kReplacement, 1};
    }
    for (std::size_t i = 1; i <= need; ++i) {
        if (i >= s.size()) {
            return {kReplacement, i};
        }
        const std::uint8_t b = byte(i);
        const bool inRange = i == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
        if (!inRange) {
            return {kReplacement, i};
        }
        c = (c << 6) | (b & 0x3Fu);
    }
    return {c, need + 1};
}

} // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            appendUtf8(out, kHighControls[b - 0x80u]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = decodeUtf8(utf8);
        out += d.codePoint == kReplacement ? '?' : windows1252Of(d.codePoint);
        utf8.remove_prefix(d.length);
    }
    return out;
}

std::string utf8FromUtf16(std::span<const char16_t> units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            const char32_t lowUnit = units[++i];
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lowUnit - 0xDC00));
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

} // namespace flowmar
