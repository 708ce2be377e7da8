#include "core/views/json_stream.h"

#include <charconv>
#include <cmath>

namespace flowmar {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The length of the valid UTF-8 sequence at s[i], or 0 when the bytes there are not one.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    // Overlong forms, surrogates and values beyond Unicode are no characters.
    constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

} // namespace

void JsonStream::newLine(std::size_t depth) {
    if (m_indent >= 0) {
        m_out += '\n';
        m_out.append(depth * static_cast<std::size_t>(m_indent), ' ');
    }
}

void JsonStream::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_levels.empty()) {
        Level& level = m_levels.back();
        if (!level.empty) {
            m_out += ',';
        }
        level.empty = false;
        newLine(m_levels.size());
    }
}

JsonStream& JsonStream::beginObject() {
    beforeValue();
    m_out += '{';
    m_levels.push_back({false, true});
    return *this;
}

JsonStream& JsonStream::beginArray() {
    beforeValue();
    m_out += '[';
    m_levels.push_back({true, true});
    return *this;
}

void JsonStream::end(char closing) {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty) {
        newLine(m_levels.size());
    }
    m_out += closing;
}

JsonStream& JsonStream::endObject() {
    end('}');
    return *this;
}

JsonStream& JsonStream::endArray() {
    end(']');
    return *this;
}

JsonStream& JsonStream::key(std::string_view name) {
    beforeValue();
    text(name);
    m_out += m_indent >= 0 ? ": " : ":";
    m_afterKey = true;
    return *this;
}

JsonStream& JsonStream::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    beforeValue();
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    m_out += digits;
    // A whole number stays recognisably a double, as the tree's dump writes it.
    if (digits.find_first_of(".e") == std::string_view::npos) {
        m_out += ".0";
    }
    return *this;
}

JsonStream& JsonStream::value(int number) {
    return value(static_cast<std::int64_t>(number));
}

JsonStream& JsonStream::value(std::int64_t number) {
    beforeValue();
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    m_out.append(buffer, end);
    return *this;
}

JsonStream& JsonStream::value(bool flag) {
    beforeValue();
    m_out += flag ? "true" : "false";
    return *this;
}

JsonStream& JsonStream::value(std::string_view s) {
    beforeValue();
    text(s);
    return *this;
}

JsonStream& JsonStream::null() {
    beforeValue();
    m_out += "null";
    return *this;
}

JsonStream& JsonStream::value(const std::vector<std::string>& texts) {
    beginArray();
    for (const std::string& s : texts) {
        value(std::string_view(s));
    }
    return endArray();
}

void JsonStream::text(std::string_view s) {
    m_out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        switch (c) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\b':
            m_out += "\\b";
            break;
        case '\f':
            m_out += "\\f";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case '\t':
            m_out += "\\t";
            break;
        default:
            if (c < 0x20) {
                m_out += "\\u00";
                m_out += kHex[c >> 4];
                m_out += kHex[c & 0xF];
                break;
            }
            if (const std::size_t length = utf8Length(s, i); length > 0) {
                m_out.append(s.substr(i, length));
                i += length;
                continue;
            }
            m_out += "\xEF\xBF\xBD"; // U+FFFD for a byte that is no character
            break;
        }
        ++i;
    }
    m_out += '"';
}

} // namespace flowmar
