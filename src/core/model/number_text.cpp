#include "core/model/number_text.h"

#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace flowmar {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename T>
std::string printed(const char* format, T value) {
    const int size = std::snprintf(nullptr, 0, format, value);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(static_cast<std::size_t>(size));
    return text;
}

// The format with its one conversion (flags, width and precision included) replaced by the
// given text; "%%" stays as the percent sign printf would make of it.
std::string withConversionAs(std::string_view format, std::string_view replacement) {
    constexpr std::string_view kConversions = "diouxXeEfFgGaA";
    std::string text;
    bool replaced = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            text += format[i];
        } else if (i + 1 < format.size() && format[i + 1] == '%') {
            text += '%';
            ++i;
        } else if (const std::size_t end = format.find_first_of(kConversions, i + 1);
                   !replaced && end != std::string_view::npos) {
            text += replacement;
            replaced = true;
            i = end;
        }
    }
    return text;
}

std::string withoutConversion(std::string_view format) {
    return withConversionAs(format, kNoNumber);
}

// From here a fixed-point number shows only digits that a double does not hold (1e200 would take
// 201 of them): such a value is shown with six significant digits and an exponent instead.
constexpr double kLargestFixedPoint = 1e15;

bool isFixedPoint(std::string_view format) {
    const std::size_t percent = format.find('%');
    const std::size_t end = format.find_first_of("diouxXeEfFgGaA", percent + 1);
    return percent != std::string_view::npos && end != std::string_view::npos &&
           (format[end] == 'f' || format[end] == 'F');
}

} // namespace

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Where the leading decimal number starting at `start` ends (sign, digits, the locale's decimal
// point, exponent); `start` when no digit comes.
std::size_t leadingNumberEnd(std::string_view text, std::size_t start) {
    const char decimalPoint = *std::localeconv()->decimal_point;
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == decimalPoint) {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return start;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

std::size_t firstNonBlank(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

double parseNumber(std::string_view text) {
    const std::size_t start = firstNonBlank(text);
    const std::size_t end = leadingNumberEnd(text, start);
    if (end == start) {
        return 0;
    }
    const std::string number(text.substr(start, end - start));
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) {
        return std::copysign(std::numeric_limits<double>::max(), value);
    }
    return value;
}

std::optional<double> parseWholeNumber(std::string_view text) {
    const std::size_t start = firstNonBlank(text);
    const std::size_t end = leadingNumberEnd(text, start);
    if (end == start) {
        return std::nullopt;
    }
    for (std::size_t i = end; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            return std::nullopt;
        }
    }
    const std::string number(text.substr(start, end - start));
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseWholeInteger(std::string_view text) {
    const std::size_t start = firstNonBlank(text);
    std::size_t end = start;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
        ++end;
    }
    const std::size_t firstDigit = end;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    if (end == firstDigit) {
        return std::nullopt;
    }
    for (std::size_t i = end; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            return std::nullopt;
        }
    }
    const std::string number(text.substr(start, end - start));
    errno = 0;
    const long long value = std::strtoll(number.c_str(), nullptr, 10);
    if (errno == ERANGE || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

int parseInteger(std::string_view text) {
    const double value = std::trunc(parseNumber(text));
    if (value <= std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (value >= std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

std::string formatDouble(const char* format, double value) {
    if (!std::isfinite(value)) {
        return withoutConversion(format);
    }
    if (std::abs(value) >= kLargestFixedPoint && isFixedPoint(format)) {
        return withConversionAs(format, printed("%.6g", value));
    }
    return printed(format, value);
}

std::string formatInt(const char* format, int value) {
    return printed(format, value);
}

std::string formatCount(const char* format, int value) {
    if (value != 0) {
        return formatInt(format, value);
    }
    std::string text(format);
    const std::size_t at = text.find("%.i");
    if (at != std::string::npos) {
        text.replace(at, 3, "0");
    }
    return text;
}

std::string countText(int value) {
    return formatCount("%.i", value);
}

std::string withText(std::string_view format, std::string_view text) {
    std::string result(format);
    const std::size_t at = result.find("%s");
    if (at != std::string::npos) {
        result.replace(at, 2, text);
    }
    return result;
}

std::string groupedNumber(double value, int decimals) {
    const std::string format = "%." + std::to_string(decimals) + "f";
    std::string text = formatDouble(format.c_str(), value);
    if (!std::isfinite(value) || std::abs(value) >= kLargestFixedPoint) {
        return text; // no digits to group, or an exponent form
    }
    const std::size_t digitsFrom = text.starts_with('-') ? 1 : 0;
    std::size_t digitsTo = digitsFrom;
    while (digitsTo < text.size() && text[digitsTo] >= '0' && text[digitsTo] <= '9') {
        ++digitsTo;
    }
    for (std::size_t k = digitsTo; k > digitsFrom + 3; k -= 3) {
        text.insert(k - 3, ",");
    }
    return text;
}

} // namespace flowmar
