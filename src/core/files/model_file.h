// Duct models and fan databases on disk in either of their forms: the binary ".dct" / ".fdb"
// files or JSON (".json"), chosen by the file's extension.
#pragma once

#include "core/files/file_status.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace flowmar {

class CFanDatabaseDoc;
class CFlowmarDoc;

enum class FileKind { DuctModel, FanDatabase, Json, Unknown };

// By extension, ignoring case: ".dct", ".fdb", ".json".
FileKind fileKindOf(const std::filesystem::path& path);

// Reads a ".dct" or ".json" duct model into a newly constructed model.
FileRead<CFlowmarDoc> readModelFile(const std::filesystem::path& path);
// Writes a ".dct" or ".json" duct model, replacing the target only once complete.
FileStatus writeModelFile(const CFlowmarDoc& doc, const std::filesystem::path& path);

// A model from bytes read already, in the form `kind` (DuctModel or Json) says; `fileName` is
// the name the messages give.
FileRead<CFlowmarDoc> readModelFrom(std::span<const std::uint8_t> bytes, FileKind kind,
                                    std::string_view fileName);

// The same for fan databases (".fdb" or ".json").
FileRead<CFanDatabaseDoc> readFanDatabase(const std::filesystem::path& path);
FileStatus writeFanDatabase(const CFanDatabaseDoc& db, const std::filesystem::path& path);
FileRead<CFanDatabaseDoc> readFanDatabaseFrom(std::span<const std::uint8_t> bytes, FileKind kind,
                                              std::string_view fileName);

} // namespace flowmar
