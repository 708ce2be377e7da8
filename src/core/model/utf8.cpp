#include "core/model/utf8.h"

namespace flowmar::utf8 {

// A malformed sequence consumes its longest valid beginning (at least one byte), as Unicode
// recommends for replacement, so that the bytes after it are read afresh.
char32_t next(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) {
        return lead;
    }
    int need = 0;
    char32_t c = 0;
    unsigned char low = 0x80;  // the allowed range of the second byte excludes overlong forms,
    unsigned char high = 0xBF; // surrogates and code points above U+10FFFF
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
        return kReplacement; // a continuation byte, or a lead byte no sequence may start with
    }
    for (int k = 1; k <= need; ++k) {
        if (i >= text.size()) {
            return kReplacement;
        }
        const unsigned char b = byte(i);
        const bool inRange = k == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
        if (!inRange) {
            return kReplacement;
        }
        c = (c << 6) | (b & 0x3Fu);
        ++i;
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

std::size_t sequenceLength(std::string_view text, std::size_t i) {
    std::size_t end = i;
    // A replacement character may be in the text itself; otherwise it stands for bad bytes.
    if (next(text, end) == kReplacement && text.substr(i, end - i) != "\xEF\xBF\xBD") {
        return 0;
    }
    return end - i;
}

bool valid(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string sanitised(std::string_view text) {
    if (valid(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        append(out, next(text, i));
    }
    return out;
}

} // namespace flowmar::utf8
