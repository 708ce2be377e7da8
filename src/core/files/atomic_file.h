// Saving a file so that a failure never destroys the previous one: the bytes go to a temporary
// file in the target's folder, are flushed to the disk, and only then replace the target.
#pragma once

#include "core/files/file_status.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace flowmar {

// Writes `bytes` as the file at `path` (a symbolic link is followed, so the file it points to is
// replaced). On failure no temporary file remains and the previous file is unchanged; the message
// reads "Cannot save "<file>": <fault>." (folder missing, not writable, the file read-only,
// disk full, ...).
// A signal whose default action ends the process (SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGALRM,
// SIGUSR1, SIGUSR2, SIGPIPE) during a save removes the temporary before the process ends (unless
// the process ignores or handles the signal); SIGXFSZ is ignored, so a file-size limit is a
// reported failure. A
// save first removes what a killed save of the same file left behind.
// Uses POSIX calls (open, fsync, rename): the standard library cannot flush a file to the disk.
FileStatus writeFileAtomically(const std::filesystem::path& path,
                               std::span<const std::uint8_t> bytes);

} // namespace flowmar
