// Message texts that state a limit, composed at compile time from the very constant the check
// uses, so that the check and what a person reads of it cannot drift apart.
#pragma once

#include <cstddef>
#include <string_view>

namespace flowmar {

// A whole number written with thousands separators ("500,000").
struct Grouped {
    long long value;
};

// A text held in the object itself, usable as a constant.
struct MessageText {
    static constexpr std::size_t kCapacity = 240;
    char data[kCapacity]{};
    std::size_t size = 0;

    constexpr std::string_view view() const { return {data, size}; }

    constexpr void append(std::string_view text) {
        for (const char c : text) {
            data[size++] = c; // beyond the capacity: not a constant expression, the build fails
        }
    }
    constexpr void append(long long value, bool grouped = false) {
        if (value < 0) {
            append("-");
            value = -value;
        }
        char digits[24]{};
        int count = 0;
        do {
            if (grouped && count % 4 == 3) {
                digits[count++] = ',';
            }
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (count > 0) {
            data[size++] = digits[--count];
        }
    }
    constexpr void append(int value) { append(static_cast<long long>(value)); }
    constexpr void append(Grouped value) { append(value.value, true); }
    constexpr void append(const char* text) { append(std::string_view(text)); }
};

template <typename... Parts>
consteval MessageText composeMessage(const Parts&... parts) {
    MessageText text;
    (text.append(parts), ...);
    return text;
}

} // namespace flowmar
