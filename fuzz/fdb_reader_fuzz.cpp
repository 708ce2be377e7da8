// libFuzzer target for the fan database reader: any bytes either load or fail with a message
// that names the file; a database that loads saves to bytes that load again and save identically.
#include "core/fans/fan_database_doc.h"
#include "core/files/fdb_file.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flowmar;
    const FanDatabaseFileRead read = readFanDatabaseBytes(std::span(data, size), "fuzz.fdb");
    if (!read.ok()) {
        if (read.error.rfind("Cannot open \"fuzz.fdb\": ", 0) != 0) {
            std::abort();
        }
        return 0;
    }
    const auto first = fanDatabaseFileBytes(*read.document);
    if (!first) {
        std::abort();
    }
    const FanDatabaseFileRead again = readFanDatabaseBytes(*first, "fuzz.fdb");
    if (!again.ok() || fanDatabaseFileBytes(*again.document) != first) {
        std::abort();
    }
    return 0;
}
