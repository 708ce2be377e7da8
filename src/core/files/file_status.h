// What the file functions return: success, or the message that names the file and the fault.
// Failures are values; nothing is thrown across the core's boundary.
#pragma once

#include <memory>
#include <string>

namespace flowmar {

struct FileStatus {
    std::string error; // the whole message; empty on success

    bool ok() const { return error.empty(); }
};

// A document read from a file: the newly constructed document on success, else the message.
template <typename Document>
struct FileRead {
    std::unique_ptr<Document> document;
    std::string error;

    bool ok() const { return document != nullptr; }
};

} // namespace flowmar
