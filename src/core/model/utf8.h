// UTF-8 one code point at a time, for the file encodings, the painters and the text metrics:
// every malformed sequence reads as the replacement character, so no text can break an output.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace flowmar::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point starting at text[i] and advances i past it (by one byte at least). A
// truncated, overlong or out-of-range sequence or a surrogate gives kReplacement. i < size.
char32_t next(std::string_view text, std::size_t& i);

// Appends the UTF-8 form of a code point (kReplacement for one that has none).
void append(std::string& out, char32_t c);

// The length of the well-formed UTF-8 sequence starting at text[i] (1 to 4 bytes), or 0 when the
// bytes there do not start one. i < size.
std::size_t sequenceLength(std::string_view text, std::size_t i);

// Whether every byte of text is part of a well-formed UTF-8 sequence.
bool valid(std::string_view text);

// The text with every malformed sequence replaced by kReplacement: what a JSON writer may hold.
std::string sanitised(std::string_view text);

} // namespace flowmar::utf8
