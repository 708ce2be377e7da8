#include "core/views/json_stream.h"

#include "core/model/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace flowmar {

namespace {

constexpr char kHex[] = "0123456789abcdef";

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233"
    "34353637383940414243444546474849505152535455565758596061626364656667"
    "6869707172737475767778798081828384858687888990919293949596979899";

// A double has at most 17 significant digits.
constexpr std::size_t kCopyWidth = 24;

// A finite number in its shortest digits that read back to the same double (std::to_chars), laid
// out as the tree's dump lays them out: plain up to 15 digits before the point and down to
// 0.0001, always with a point or an exponent (100.0, 0.25, 1e-05, 1.5e+20); at most 25
// characters, but it may scribble up to kCopyWidth characters beyond them.
char* writeShortest(char* out, double number) {
    if (std::signbit(number)) {
        *out++ = '-';
        number = -number;
    }
    // The shortest digits in scientific form, "d.ddde+xx" (or "de-xxx"): its digits and its
    // exponent are all the layout below needs.
    char scientific[2 * kCopyWidth] = {};
    const char* const end = std::to_chars(scientific, scientific + sizeof scientific, number,
                                          std::chars_format::scientific)
                                .ptr;
    // The exponent has two digits, three from 1e+100 up and from 1e-100 down.
    const bool threeDigits = end[-4] == '+' || end[-4] == '-';
    const char* const sign = threeDigits ? end - 4 : end - 3;
    const int tens =
        (threeDigits ? (end[-3] - '0') * 100 : 0) + (end[-2] - '0') * 10 + (end[-1] - '0');
    // The digits without their point. They are copied kCopyWidth at a time whatever their number
    // (a fixed-size copy is a pair of moves, a variable one a call), so the buffer has that much
    // to spare after them.
    char digits[2 * kCopyWidth] = {};
    digits[0] = scientific[0];
    std::memcpy(digits + 1, scientific + 2, kCopyWidth);
    const int count = std::max(static_cast<int>(sign - scientific) - 2, 1);
    const int point = 1 + (*sign == '-' ? -tens : tens); // digits before the decimal point
    const auto copy = [&out](const char* from, int length) {
        std::memcpy(out, from, kCopyWidth);
        out += length;
    };
    constexpr int kPlainBelow = -4; // 0.0001 is plain, 0.00001 is 1e-05
    constexpr int kPlainUpTo = 15;  // digits before the point still written plainly
    if (count <= point && point <= kPlainUpTo) {
        copy(digits, count);
        std::memset(out, '0', static_cast<std::size_t>(point - count));
        out += point - count;
        *out++ = '.';
        *out++ = '0';
    } else if (0 < point && point <= kPlainUpTo) {
        copy(digits, point);
        *out++ = '.';
        copy(digits + point, count - point);
    } else if (kPlainBelow < point && point <= 0) {
        *out++ = '0';
        *out++ = '.';
        std::memset(out, '0', static_cast<std::size_t>(-point));
        out += -point;
        copy(digits, count);
    } else {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            copy(digits + 1, count - 1);
        }
        const int exponent = point - 1;
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        // Two digits at least, three at most (a double's exponent lies within ±324).
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100) {
            *out++ = static_cast<char>('0' + magnitude / 100);
        }
        std::memcpy(out, kDigitPairs + 2 * (magnitude % 100), 2);
        out += 2;
    }
    return out;
}

// A byte that stands for itself in a JSON text.
constexpr bool isPlain(unsigned char c) {
    return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
}

} // namespace

void JsonStream::flush() {
    m_out.append(m_buffer.data(), m_used);
    m_used = 0;
}

char* JsonStream::room(std::size_t size) {
    if (m_used + size > m_buffer.size()) {
        flush();
    }
    return m_buffer.data() + m_used;
}

void JsonStream::write(std::string_view s) {
    if (s.size() > m_buffer.size() / 2) {
        flush();
        m_out.append(s);
        return;
    }
    std::memcpy(room(s.size()), s.data(), s.size());
    m_used += s.size();
}

void JsonStream::write(char c) {
    *room(1) = c;
    ++m_used;
}

void JsonStream::newLine(std::size_t depth) {
    if (m_indent >= 0) {
        write('\n');
        const std::size_t spaces = depth * static_cast<std::size_t>(m_indent);
        std::memset(room(spaces), ' ', spaces);
        m_used += spaces;
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
            write(',');
        }
        level.empty = false;
        newLine(m_levels.size());
    }
}

void JsonStream::afterValue() {
    // A whole value at the top: the text is complete, so the caller may read it now.
    if (m_levels.empty()) {
        flush();
    }
}

JsonStream& JsonStream::beginObject() {
    beforeValue();
    write('{');
    m_levels.push_back({false, true});
    return *this;
}

JsonStream& JsonStream::beginArray() {
    beforeValue();
    write('[');
    m_levels.push_back({true, true});
    return *this;
}

void JsonStream::end(char closing) {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty) {
        newLine(m_levels.size());
    }
    write(closing);
    afterValue();
}

JsonStream& JsonStream::endObject() {
    end('}');
    return *this;
}

JsonStream& JsonStream::endArray() {
    end(']');
    return *this;
}

JsonStream& JsonStream::key(JsonKey name) {
    beforeValue();
    // "name": in one piece; a key is a short literal, far smaller than the buffer.
    const std::string_view text = name.name();
    char* at = room(text.size() + 4);
    *at++ = '"';
    std::memcpy(at, text.data(), text.size());
    at += text.size();
    *at++ = '"';
    *at++ = ':';
    if (m_indent >= 0) {
        *at++ = ' ';
    }
    m_used = static_cast<std::size_t>(at - m_buffer.data());
    m_afterKey = true;
    return *this;
}

JsonStream& JsonStream::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    beforeValue();
    char* start = room(32 + kCopyWidth);
    char* end = writeShortest(start, number);
    m_used += static_cast<std::size_t>(end - start);
    afterValue();
    return *this;
}

JsonStream& JsonStream::value(int number) {
    return value(static_cast<std::int64_t>(number));
}

JsonStream& JsonStream::value(std::int64_t number) {
    beforeValue();
    char* start = room(24);
    m_used += static_cast<std::size_t>(std::to_chars(start, start + 24, number).ptr - start);
    afterValue();
    return *this;
}

JsonStream& JsonStream::value(bool flag) {
    beforeValue();
    write(flag ? "true" : "false");
    afterValue();
    return *this;
}

JsonStream& JsonStream::value(std::string_view s) {
    beforeValue();
    text(s);
    afterValue();
    return *this;
}

JsonStream& JsonStream::null() {
    beforeValue();
    write("null");
    afterValue();
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
    write('"');
    for (std::size_t i = 0; i < s.size();) {
        // Keys and most texts are plain ASCII: copy each such run whole.
        std::size_t plain = i;
        while (plain < s.size() && isPlain(static_cast<unsigned char>(s[plain]))) {
            ++plain;
        }
        if (plain > i) {
            write(s.substr(i, plain - i));
            i = plain;
            continue;
        }
        const auto c = static_cast<unsigned char>(s[i]);
        switch (c) {
        case '"':
            write("\\\"");
            break;
        case '\\':
            write("\\\\");
            break;
        case '\b':
            write("\\b");
            break;
        case '\f':
            write("\\f");
            break;
        case '\n':
            write("\\n");
            break;
        case '\r':
            write("\\r");
            break;
        case '\t':
            write("\\t");
            break;
        default:
            if (c < 0x20) {
                const char escaped[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
                write(std::string_view(escaped, sizeof escaped));
                break;
            }
            if (const std::size_t length = utf8::sequenceLength(s, i); length > 0) {
                write(s.substr(i, length));
                i += length;
                continue;
            }
            write("\xEF\xBF\xBD"); // U+FFFD for a byte that is no character
            break;
        }
        ++i;
    }
    write('"');
}

} // namespace flowmar
