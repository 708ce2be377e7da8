#include "core/fans/fan_database_doc.h"
#include "core/files/fdb_file.h"
#include "core/model/messages.h"
#include "support/file_models.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::TempFolder;

Bytes bytesOf(const CFanDatabaseDoc& db) {
    auto bytes = fanDatabaseFileBytes(db);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(Bytes{});
}

void putInt32(Bytes& b, std::size_t at, std::int32_t v) {
    const auto u = std::bit_cast<std::uint32_t>(v);
    for (std::size_t k = 0; k < 4; ++k) {
        b[at + k] = static_cast<std::uint8_t>(u >> (8 * k));
    }
}

FanDatabaseFileRead readBack(const Bytes& bytes) {
    return readFanDatabaseBytes(bytes, "fans.fdb");
}

TEST(FanDatabaseFile, NewDatabaseIsTwentyBytes) {
    EXPECT_EQ(bytesOf(CFanDatabaseDoc{}),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FanDatabaseFile, RecordIs375BytesPlusItsTexts) {
    CFanDatabaseDoc db;
    db.fanCount = 1;
    FanCurve& fan = db.fans[1];
    fan.curveDensity = 1.2;
    fan.manufacturer = "Fl\u00E4kt"; // 5 characters in Windows-1252, 6 bytes of UTF-8
    fan.model = "AX-900";
    fan.setting = "30\u00B0";
    fan.pointCount = 2;
    fan.points[1] = {2000, 5, 70};
    fan.points[2] = {1000, 10, 65};
    fan.points[3] = {0, 15, 60};
    const Bytes bytes = bytesOf(db);
    ASSERT_EQ(bytes.size(), 20u + 375 + 5 + 6 + 3);
    EXPECT_EQ(bytes[0], 1) << "fan count";
    EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 20),
              (Bytes{0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0xF3, 0x3F}))
        << "the density, 1.2, comes first";
    EXPECT_EQ(Bytes(bytes.begin() + 20, bytes.begin() + 26), (Bytes{5, 'F', 'l', 0xE4, 'k', 't'}));
    EXPECT_EQ(Bytes(bytes.begin() + 26, bytes.begin() + 33),
              (Bytes{6, 'A', 'X', '-', '9', '0', '0'}));
    EXPECT_EQ(Bytes(bytes.begin() + 33, bytes.begin() + 37), (Bytes{3, '3', '0', 0xB0}));
    EXPECT_EQ(Bytes(bytes.begin() + 37, bytes.begin() + 41), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 41 + 7, bytes.begin() + 41 + 8), (Bytes{0x40}))
        << "point 1's pressure, 2000 = 0x409F400000000000";
    EXPECT_EQ(Bytes(bytes.end() - 8, bytes.end()), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}))
        << "unit flag and reserved";
}

TEST(FanDatabaseFile, WriteReadWriteGivesIdenticalBytes) {
    const CFanDatabaseDoc original = testing::fanDatabase(3);
    const Bytes first = bytesOf(original);
    FanDatabaseFileRead read = readBack(first);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(bytesOf(*read.document), first);
    EXPECT_EQ(read.document->fanCount, 3);
    EXPECT_EQ(read.document->lastEditedFan, 2);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(read.document->fans[i], original.fans[i]) << "fan " << i;
    }
}

TEST(FanDatabaseFile, HundredFansAreAllWritten) {
    const CFanDatabaseDoc db = testing::fanDatabase(100);
    const Bytes bytes = bytesOf(db);
    FanDatabaseFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->fanCount, 100);
    EXPECT_EQ(read.document->fans[100], db.fans[100]);
}

TEST(FanDatabaseFile, PlacesAfterTheCountAreNeitherWrittenNorRead) {
    CFanDatabaseDoc db = testing::fanDatabase(3);
    db.fans[4] = db.fans[1]; // left behind by an abandoned Add Fan
    db.fanCount = 2;
    FanDatabaseFileRead read = readBack(bytesOf(db));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.document->fans[2], db.fans[2]);
    EXPECT_EQ(read.document->fans[3], FanCurve{});
    EXPECT_EQ(read.document->fans[4], FanCurve{});
    EXPECT_EQ(bytesOf(db).size(), bytesOf(testing::fanDatabase(2)).size());
}

TEST(FanDatabaseFile, CountBeyondTheTableInMemoryWritesOnlyTheTable) {
    CFanDatabaseDoc db = testing::fanDatabase(100);
    db.fanCount = 150;
    const Bytes bytes = bytesOf(db);
    EXPECT_EQ(bytes[0], 100);
    EXPECT_EQ(bytes, bytesOf(testing::fanDatabase(100)));
}

TEST(FanDatabaseFile, EditFlagAndReservedAreSavedAsZeroAndTheFlagIsNotReadBack) {
    CFanDatabaseDoc db = testing::fanDatabase(2);
    db.editInProgress = 1;
    db.reserved = 77;
    Bytes bytes = bytesOf(db);
    EXPECT_EQ(bytes, bytesOf(testing::fanDatabase(2)));
    putInt32(bytes, 8, 1);
    putInt32(bytes, bytes.size() - 4, 77);
    FanDatabaseFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.document->editInProgress, 0) << "no Edit Fan runs in a database just opened";
    EXPECT_EQ(read.document->reserved, 77);
}

TEST(FanDatabaseFile, ImperialDatabaseHoldsTheSameSINumbers) {
    CFanDatabaseDoc imperial = testing::fanDatabase(2);
    imperial.unitSystem = 0;
    const Bytes si = bytesOf(testing::fanDatabase(2));
    Bytes expected = si;
    putInt32(expected, si.size() - 8, 0);
    EXPECT_EQ(bytesOf(imperial), expected);
}

Bytes utf16(std::u16string_view s) {
    Bytes out;
    for (const char16_t u : s) {
        out.push_back(static_cast<std::uint8_t>(u));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return out;
}

TEST(FanDatabaseFile, WideTextsAreRead) {
    CFanDatabaseDoc db;
    db.fanCount = 1;
    Bytes bytes = bytesOf(db);
    Bytes wide{0xFF, 0xFE, 0xFF, 5};
    const Bytes units = utf16(u"Fl\u00E4kt");
    wide.insert(wide.end(), units.begin(), units.end());
    bytes.erase(bytes.begin() + 20);
    bytes.insert(bytes.begin() + 20, wide.begin(), wide.end());
    FanDatabaseFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->fans[1].manufacturer, "Fl\u00E4kt");
    EXPECT_EQ(read.document->unitSystem, 1);
}

// Bytes after the last field are a file cut from something longer or two files joined: what
// they held would be lost without a word on the next save.
TEST(FanDatabaseFile, BytesAfterTheLastFieldAreRefused) {
    Bytes bytes = bytesOf(testing::fanDatabase(2));
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0x7F, 9});
    FanDatabaseFileRead read = readBack(bytes);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error.find("the file has 5 bytes after its last value."), std::string::npos)
        << read.error;
    bytes.resize(bytes.size() - 5);
    EXPECT_TRUE(readBack(bytes).ok()) << "the same file without them reads";
}

struct DamageCase {
    const char* why;
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.why; }
    void (*damage)(Bytes&);
    std::string fault;
};

class DamagedFanDatabase : public ::testing::TestWithParam<DamageCase> {};

// Two fans, texts "Fläkt 1", "AX-901", "5°" and "Fläkt 2", "AX-902", "10°": records of 390 and
// 391 bytes.
constexpr std::size_t kFan2 = 12 + 390;

TEST_P(DamagedFanDatabase, IsRefusedWithItsFault) {
    Bytes bytes = bytesOf(testing::fanDatabase(2));
    ASSERT_EQ(bytes.size(), 20u + 390 + 391);
    GetParam().damage(bytes);
    const FanDatabaseFileRead read = readBack(bytes);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.document, nullptr);
    EXPECT_EQ(read.error, messages::cannotOpenFile("fans.fdb", GetParam().fault));
}

INSTANTIATE_TEST_SUITE_P(
    FanDatabaseFile, DamagedFanDatabase,
    ::testing::Values(
        DamageCase{"an empty file", [](Bytes& b) { b.clear(); },
                   std::string(messages::kFileEndsEarly)},
        DamageCase{"cut inside the edit flag", [](Bytes& b) { b.resize(10); },
                   std::string(messages::kFileEndsEarly)},
        DamageCase{"cut where the first record begins", [](Bytes& b) { b.resize(12); },
                   std::string(messages::kFileEndsEarly)},
        DamageCase{"cut inside a point of fan 2", [](Bytes& b) { b.resize(kFan2 + 100); },
                   std::string(messages::kFileEndsEarly)},
        DamageCase{"the reserved integer missing", [](Bytes& b) { b.resize(b.size() - 4); },
                   std::string(messages::kFileEndsEarly)},
        DamageCase{"fan 2's curve density that is no number",
                   [](Bytes& b) {
                       const double nan = std::numeric_limits<double>::quiet_NaN();
                       std::memcpy(b.data() + kFan2, &nan, sizeof nan);
                   },
                   "the curve density of fan 2 is not a finite number"},
        DamageCase{"cut inside the maker's text", [](Bytes& b) { b.resize(22); },
                   std::string(messages::kFileTextLengthImpossible)},
        DamageCase{"fan 2's maker claiming 0x6C46 characters ('F' and 'l' as a 16-bit length)",
                   [](Bytes& b) { b[kFan2 + 8] = 0xFF; },
                   std::string(messages::kFileTextLengthImpossible)},
        DamageCase{"a 32-bit length of 4 GiB",
                   [](Bytes& b) {
                       const Bytes huge{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
                       b.erase(b.begin() + 20);
                       b.insert(b.begin() + 20, huge.begin(), huge.end());
                   },
                   std::string(messages::kFileTextLengthImpossible)},
        DamageCase{"101 fans", [](Bytes& b) { putInt32(b, 0, 101); },
                   messages::countOutOfRange(messages::kNumberOfFans, 101, 0, 100)},
        DamageCase{"a negative fan count", [](Bytes& b) { putInt32(b, 0, -5); },
                   messages::countOutOfRange(messages::kNumberOfFans, -5, 0, 100)},
        DamageCase{"16 points in fan 2", [](Bytes& b) { putInt32(b, kFan2 + 27, 16); },
                   messages::countOutOfRange(messages::numberOfCurvePoints(2), 16, 0, 15)},
        DamageCase{"a negative point count in fan 1", [](Bytes& b) { putInt32(b, 12 + 26, -1); },
                   messages::countOutOfRange(messages::numberOfCurvePoints(1), -1, 0, 15)}));

TEST(FanDatabaseFile, DiskRoundTripAndMissingFile) {
    TempFolder folder;
    const auto path = folder / "Fans.fdb";
    const CFanDatabaseDoc db = testing::fanDatabase(5);
    ASSERT_TRUE(writeFanDatabaseFile(db, path).ok());
    FanDatabaseFileRead read = readFanDatabaseFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->fans[5], db.fans[5]);
    EXPECT_EQ(testing::fileContents(path), bytesOf(db)) << "reading did not change the file";
    const auto missing = folder / "none.fdb";
    EXPECT_EQ(readFanDatabaseFile(missing).error,
              messages::cannotOpenFile(missing.string(), messages::kFileDoesNotExist));
}

} // namespace
} // namespace flowmar
