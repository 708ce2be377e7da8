// Every file of the fuzzing corpus (fuzz/corpus) through the readers: a file either loads, and
// then saves to bytes that load again and save identically, or fails with a message naming it.
// Seeds named "damaged-..." must fail, the others must load.
#include "core/fans/fan_database_doc.h"
#include "core/files/dct_file.h"
#include "core/files/fdb_file.h"
#include "core/model/flowmar_doc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace flowmar {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpusFiles(const char* format) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(FLOWMAR_FUZZ_CORPUS) / format)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool meantToFail(const fs::path& file) {
    return file.filename().string().starts_with("damaged-");
}

template <typename Read, typename Write>
void checkEveryFile(const char* format, Read read, Write write) {
    const std::vector<fs::path> files = corpusFiles(format);
    EXPECT_GE(files.size(), 3u) << "the seeds are missing";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const auto first = read(file);
        if (!first.ok()) {
            EXPECT_TRUE(first.error.starts_with("Cannot open \"" + file.string() + "\": "))
                << first.error;
            EXPECT_TRUE(meantToFail(file)) << first.error;
            continue;
        }
        EXPECT_FALSE(meantToFail(file));
        const auto bytes = write(*first.document);
        ASSERT_TRUE(bytes.has_value());
        const fs::path copy = file.filename();
        const auto second = read.fromBytes(*bytes, copy.string());
        ASSERT_TRUE(second.ok()) << second.error;
        EXPECT_EQ(write(*second.document), bytes);
    }
}

struct DuctReader {
    DuctFileRead operator()(const fs::path& p) const { return readDuctFile(p); }
    DuctFileRead fromBytes(const std::vector<std::uint8_t>& b, const std::string& name) const {
        return readDuctBytes(b, name);
    }
};

struct FanDatabaseReader {
    FanDatabaseFileRead operator()(const fs::path& p) const { return readFanDatabaseFile(p); }
    FanDatabaseFileRead fromBytes(const std::vector<std::uint8_t>& b,
                                  const std::string& name) const {
        return readFanDatabaseBytes(b, name);
    }
};

TEST(FileCorpus, EveryDuctFileLoadsOrFailsWithAMessage) {
    checkEveryFile("dct", DuctReader{}, [](const CFlowmarDoc& d) { return ductFileBytes(d); });
}

TEST(FileCorpus, EveryFanDatabaseLoadsOrFailsWithAMessage) {
    checkEveryFile("fdb", FanDatabaseReader{},
                   [](const CFanDatabaseDoc& d) { return fanDatabaseFileBytes(d); });
}

} // namespace
} // namespace flowmar
