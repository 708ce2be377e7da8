// Numbers as a person types and reads them: the text-to-number conversion of every edit box and
// grid cell, and printf-style formatting of shown values.
#pragma once

#include <string>
#include <string_view>

namespace flowmar {

// The longest leading decimal number of the text (after leading blanks), in the current locale's
// decimal point; text that starts with no number gives 0. "nan", "inf" and hexadecimal are no
// numbers here, so the result is always finite (a value beyond the double range saturates).
double parseNumber(std::string_view text);

// The leading number of the text as an integer, truncated towards zero and held within the int
// range.
int parseInteger(std::string_view text);

// printf-style formatting of one number, e.g. formatNumber("%.2f", 1.005).
std::string formatNumber(const char* format, double value);
std::string formatInteger(const char* format, int value);

} // namespace flowmar
