// Reading a whole file into memory for the format readers, with the faults a person can act on
// (missing, a folder, unreadable) told apart.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace flowmar {

struct FileBytes {
    std::vector<std::uint8_t> bytes;
    std::string_view fault; // one of the messages' file faults; empty on success

    bool ok() const { return fault.empty(); }
};

// The most a model or fan database file can be: the largest real model is a few hundred kB and a
// library of a thousand fans a few MB. A larger file is refused before it is parsed, so a damaged
// or hostile file cannot take minutes and gigabytes to be refused.
inline constexpr std::uintmax_t kMaxReadableFileSize = 64u * 1024 * 1024;

enum class SymbolicLinks {
    Follow, // a person's own file may be a link to where it really lives
    Refuse, // a file the program keeps for itself: a link there was not made by the program
};

// Reads the file without changing it (opened read-only, never blocking). Only a regular file is
// read: a device or a pipe is refused as unreadable (a pipe put in place of the file after it was
// looked at included), a file above `limit` as too large.
FileBytes readFileBytes(const std::filesystem::path& path,
                        SymbolicLinks links = SymbolicLinks::Follow,
                        std::uintmax_t limit = kMaxReadableFileSize);

} // namespace flowmar
