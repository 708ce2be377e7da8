// Numbers as a person types and reads them: the text-to-number conversion of every edit box and
// grid cell, and the printf formats of forms and reports, applied in the user's locale and guarded
// so that no NaN or infinity ever reaches a person.
#pragma once

#include <optional>
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

// A box that a dialog takes as a number: the whole text, blanks around it allowed, must be one
// decimal number in the current locale's form. No value for empty text, for letters or a second
// number after it ("12.5abc", under a point locale "12,5"), nor for a magnitude beyond the double
// range; nothing is cut or rounded.
std::optional<double> parseWholeNumber(std::string_view text);

// The same for a box that takes a whole number: no fraction or exponent, within the int range.
std::optional<int> parseWholeInteger(std::string_view text);

// What a form box or a report line shows for a value that is not a finite number.
inline constexpr std::string_view kNoNumber = "-";

// The format applied to value. The format holds exactly one floating-point conversion and any
// literal text around it; for a value that is not finite the conversion is replaced by kNoNumber.
std::string formatDouble(const char* format, double value);

// value with the given decimals and its integer digits grouped in threes ("1,840", "-708");
// kNoNumber for a value that is not finite.
std::string groupedNumber(double value, int decimals);

// The format applied to value; the format holds exactly one integer conversion.
std::string formatInt(const char* format, int value);

// The format applied to a count; its one conversion is "%.i", which prints nothing for 0, so a
// count of 0 is written as "0".
std::string formatCount(const char* format, int value);

// A count alone: formatCount("%.i", value).
std::string countText(int value);

// The format with its first "%s" replaced by text (texts from the string table are never used as
// printf formats).
std::string withText(std::string_view format, std::string_view text);

} // namespace flowmar
