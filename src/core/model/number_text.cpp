#include "core/model/number_text.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace flowmar {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double parseNumber(std::string_view text) {
    const char decimalPoint = *std::localeconv()->decimal_point;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    const std::size_t start = i;
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
        return 0;
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
    const std::string number(text.substr(start, i - start));
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) {
        return std::copysign(std::numeric_limits<double>::max(), value);
    }
    return value;
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

std::string formatNumber(const char* format, double value) {
    char buffer[512];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    if (length < 0) {
        return {};
    }
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        return std::string(buffer, static_cast<std::size_t>(length));
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string formatInteger(const char* format, int value) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    return length < 0 ? std::string{} : std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace flowmar
