// The ".dct" duct model file: the model's fields one after another in a fixed order (a header,
// 100 fan-and-segment records, 20 shock-loss rows, 10 zones and a tail), little-endian, texts in
// Windows-1252. Reading always fills a newly constructed model, so a failed read loads nothing.
#pragma once

#include "core/files/file_status.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

using DuctFileRead = FileRead<CFlowmarDoc>;

// Reads a duct model. Fields the file does not hold keep their construction defaults. Fails with
// "Cannot open "<file>": <fault>." when the file is missing or unreadable, ends early, holds an
// impossible text length, or claims more fans (0..100) or leakage paths (0..99) than a model
// has. Zone counts above 10, segment counts above 100 and curve point counts above 15 are
// derived or re-checked values and are clamped into their tables instead. Bytes after the tail
// are never looked at.
DuctFileRead readDuctFile(const std::filesystem::path& path);

// The same from bytes in memory; `fileName` is the name the messages give.
DuctFileRead readDuctBytes(std::span<const std::uint8_t> bytes, std::string_view fileName);

// Whether a ".dct" holds all the model holds: the design criteria, for one, only JSON holds.
bool ductFileHoldsAll(const CFlowmarDoc& doc);

// The bytes Save writes, or nothing when a text is too long for the format (over 4 GiB).
std::optional<std::vector<std::uint8_t>> ductFileBytes(const CFlowmarDoc& doc);

// Saves the model through a temporary file in the same folder that replaces the target only
// once it is complete; a failed save leaves the previous file as it was.
FileStatus writeDuctFile(const CFlowmarDoc& doc, const std::filesystem::path& path);

} // namespace flowmar
