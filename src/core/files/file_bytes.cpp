#include "core/files/file_bytes.h"

#include "core/model/messages.h"

#include <fstream>
#include <system_error>

namespace flowmar {

FileBytes readFileBytes(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    FileBytes result;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        result.fault = messages::kFileDoesNotExist;
        return result;
    }
    if (status.type() == fs::file_type::directory) {
        result.fault = messages::kFileIsFolder;
        return result;
    }
    // A device or a pipe could block or never end.
    if (status.type() != fs::file_type::regular) {
        result.fault = messages::kFileNotReadable;
        return result;
    }
    if (fs::file_size(path, ec) > kMaxReadableFileSize && !ec) {
        result.fault = messages::kFileTooLargeToRead;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.fault = messages::kFileNotReadable;
        return result;
    }
    // Read in blocks rather than trusting a size taken beforehand: the file may be a pipe or
    // may change while it is read.
    constexpr std::size_t kBlock = 64 * 1024;
    for (;;) {
        const std::size_t used = result.bytes.size();
        result.bytes.resize(used + kBlock);
        in.read(reinterpret_cast<char*>(result.bytes.data() + used), kBlock);
        const auto got = static_cast<std::size_t>(in.gcount());
        result.bytes.resize(used + got);
        // The file may have grown since its size was taken.
        if (result.bytes.size() > kMaxReadableFileSize) {
            result.bytes.clear();
            result.fault = messages::kFileTooLargeToRead;
            return result;
        }
        if (in.eof()) {
            break;
        }
        if (!in) {
            result.bytes.clear();
            result.fault = messages::kFileNotReadable;
            return result;
        }
    }
    return result;
}

} // namespace flowmar
