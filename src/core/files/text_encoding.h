// Text at the file boundary: the model holds UTF-8, the files hold Windows-1252, or UTF-16LE for
// a text with a character Windows-1252 lacks. Every conversion accepts any input: what cannot be
// represented becomes '?' (towards Windows-1252) or U+FFFD (towards UTF-8), never an error.
#pragma once

#include <optional>
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

// The UTF-16 code units of a text that Windows-1252 cannot hold: valid UTF-8 with at least one
// character outside Windows-1252. std::nullopt for a text that Windows-1252 holds, and for one
// with malformed UTF-8 (written in Windows-1252 with '?' for each malformed part).
std::optional<std::u16string> utf16WhereWindows1252Fails(std::string_view utf8);

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::span<const char16_t> units);

} // namespace flowmar
