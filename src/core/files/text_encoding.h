// Text at the file boundary: the model holds UTF-8, the files hold Windows-1252 (and, in older
// files, UTF-16LE). Every conversion accepts any input: what cannot be represented becomes '?'
// (towards Windows-1252) or U+FFFD (towards UTF-8), never an error.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace flowmar {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined (81, 8D, 8F, 90,
// 9D) become the control characters of the same number, so that any file text survives a round
// trip unchanged.
std::string utf8FromWindows1252(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. A character with no Windows-1252 form, and each malformed part of
// an invalid UTF-8 sequence, is written as '?'.
std::string windows1252FromUtf8(std::string_view utf8);

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::span<const char16_t> units);

} // namespace flowmar
