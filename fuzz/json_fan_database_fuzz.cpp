// libFuzzer target for the JSON fan-database reader: any text either loads or fails with a
// message; a database that loads writes JSON that loads again and writes identically, and
// converts to an ".fdb" that loads again.
#include "core/fans/fan_database_doc.h"
#include "core/files/fan_database_json.h"
#include "core/files/fdb_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flowmar;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CFanDatabaseDoc db;
    if (const std::string fault = readJsonFanDatabase(text, db); !fault.empty()) {
        return 0;
    }
    const std::string written = writeJsonFanDatabase(db);
    CFanDatabaseDoc again;
    if (!readJsonFanDatabase(written, again).empty() || writeJsonFanDatabase(again) != written) {
        std::abort();
    }
    const auto bytes = fanDatabaseFileBytes(db);
    if (bytes && !readFanDatabaseBytes(*bytes, "fuzz.fdb").ok()) {
        std::abort();
    }
    return 0;
}
