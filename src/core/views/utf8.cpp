#include "core/views/utf8.h"

namespace flowmar::utf8 {

char32_t next(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead < 0xE0) {
        extra = 1;
        c = lead & 0x1Fu;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        extra = 2;
        c = lead & 0x0Fu;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        extra = 3;
        c = lead & 0x07u;
        lowest = 0x10000;
    } else {
        return kReplacement; // a continuation byte, or a lead byte no sequence may start with
    }
    for (; extra > 0; --extra) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u) {
            return kReplacement;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3Fu);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kReplacement;
    }
    return c;
}

void append(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = kReplacement;
    }
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

} // namespace flowmar::utf8
