// The ".fdb" fan database file: the fan count, the last edited fan number and the edit flag, then
// that many fan records (density, maker, model, setting, point count, 15 points), then the unit
// flag and a reserved integer; little-endian, texts in Windows-1252.
#pragma once

#include "core/files/file_status.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace flowmar {

class CFanDatabaseDoc;

using FanDatabaseFileRead = FileRead<CFanDatabaseDoc>;

// Reads a fan database into a newly constructed document; fans after the count keep the empty
// state of a new database. Fails with "Cannot open "<file>": <fault>." when the file is missing
// or unreadable, ends early, holds an impossible text length, a fan count outside 0..100 or a
// point count outside 0..15. The edit-in-progress flag is cleared: it describes a command that
// cannot be running in a freshly opened database. Bytes after the last field are never looked
// at.
FanDatabaseFileRead readFanDatabaseFile(const std::filesystem::path& path);

// The same from bytes in memory; `fileName` is the name the messages give.
FanDatabaseFileRead readFanDatabaseBytes(std::span<const std::uint8_t> bytes,
                                         std::string_view fileName);

// The bytes Save writes: fans 1..fanCount (held within 0..100), the edit flag and the reserved
// integer as 0. Nothing when a text is too long for the format.
std::optional<std::vector<std::uint8_t>> fanDatabaseFileBytes(const CFanDatabaseDoc& doc);

// Saves through a temporary file that replaces the target only once complete.
FileStatus writeFanDatabaseFile(const CFanDatabaseDoc& doc, const std::filesystem::path& path);

} // namespace flowmar
