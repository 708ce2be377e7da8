#include "core/files/text_encoding.h"

#include "core/model/utf8.h"

#include <array>
#include <cstdint>

namespace flowmar {

namespace {

// Windows-1252 bytes 80..9F; the undefined ones keep their own value (see the header).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

} // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            utf8::append(out, kHighControls[b - 0x80u]);
        } else {
            utf8::append(out, b);
        }
    }
    return out;
}

std::string windows1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = utf8::next(text, i);
        out += c == utf8::kReplacement ? '?' : windows1252Of(c);
    }
    return out;
}

std::optional<std::u16string> utf16WhereWindows1252Fails(std::string_view utf8) {
    std::u16string units;
    bool outside = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = utf8::next(utf8, i);
        if (c == utf8::kReplacement) {
            return std::nullopt;
        }
        outside = outside || (windows1252Of(c) == '?' && c != U'?');
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    if (!outside) {
        return std::nullopt;
    }
    return units;
}

std::string utf8FromUtf16(std::span<const char16_t> units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            const char32_t lowUnit = units[++i];
            utf8::append(out, 0x10000 + ((u - 0xD800) << 10) + (lowUnit - 0xDC00));
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            utf8::append(out, utf8::kReplacement);
        } else {
            utf8::append(out, u);
        }
    }
    return out;
}

} // namespace flowmar
