#include "core/files/dct_file.h"
#include "core/files/file_bytes.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/file_models.h"
#include "support/models.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::TempFolder;

// Where each section starts in a file whose texts are those of a new model (presets as given,
// every other text empty): the header's numbers and preset texts, then 100 fan-and-segment
// records (460 bytes of numbers and 5 empty texts each), 20 shock-loss rows (72 bytes of numbers
// and 4 empty texts each), 10 zones of 96 bytes, and last the flags and settings with the notepad.
constexpr std::size_t kFanRecords = 236 + 90;
constexpr std::size_t kRecordSize = 460 + 5;
constexpr std::size_t kShockRows = kFanRecords + 100 * kRecordSize;
constexpr std::size_t kRowSize = 72 + 4;
constexpr std::size_t kZones = kShockRows + 20 * kRowSize;
constexpr std::size_t kSettingsAndNotepad = kZones + 10 * 96;
constexpr std::size_t kNewModelSize = kSettingsAndNotepad + 45;

Bytes bytesOf(const CFlowmarDoc& doc) {
    auto bytes = ductFileBytes(doc);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(Bytes{});
}

std::int32_t int32At(const Bytes& b, std::size_t at) {
    return std::bit_cast<std::int32_t>(std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 |
                                       std::uint32_t{b[at + 2]} << 16 |
                                       std::uint32_t{b[at + 3]} << 24);
}

double doubleAt(const Bytes& b, std::size_t at) {
    std::uint64_t bits = 0;
    for (std::size_t k = 8; k-- > 0;) {
        bits = bits << 8 | b[at + k];
    }
    return std::bit_cast<double>(bits);
}

void putDouble(Bytes& b, std::size_t at, double v) {
    std::memcpy(b.data() + at, &v, sizeof v);
}

void putInt32(Bytes& b, std::size_t at, std::int32_t v) {
    const auto u = std::bit_cast<std::uint32_t>(v);
    for (std::size_t k = 0; k < 4; ++k) {
        b[at + k] = static_cast<std::uint8_t>(u >> (8 * k));
    }
}

// Replaces `count` bytes at `at` by `with`.
void splice(Bytes& b, std::size_t at, std::size_t count, const Bytes& with) {
    const auto first = b.begin() + static_cast<std::ptrdiff_t>(at);
    b.erase(first, first + static_cast<std::ptrdiff_t>(count));
    b.insert(b.begin() + std::ptrdiff_t(at), with.begin(), with.end());
}

DuctFileRead readBack(const Bytes& bytes) {
    return readDuctBytes(bytes, "model.dct");
}

TEST(DuctFile, NewSIModelIsExactly49351Bytes) {
    const Bytes bytes = bytesOf(CFlowmarDoc{});
    ASSERT_EQ(bytes.size(), 49351u);
    ASSERT_EQ(kNewModelSize, 49351u);
    EXPECT_EQ(doubleAt(bytes, 16), 0.002) << "frictionFactor";
    EXPECT_EQ(int32At(bytes, 24), 10000) << "leakageResistance100";
    EXPECT_EQ(int32At(bytes, 28), 99) << "leakagePathCount";
    EXPECT_EQ(doubleAt(bytes, 176), 1.2) << "airDensity";
    EXPECT_EQ(int32At(bytes, 232), -1) << "diameterPresetIndex";
    EXPECT_EQ(Bytes(bytes.begin() + 236, bytes.begin() + 240), (Bytes{3, '0', '.', '7'}));
    EXPECT_EQ(bytes[kFanRecords], 0) << "an empty text is the single byte 00";
    EXPECT_EQ(bytes[kSettingsAndNotepad + 28], 0) << "the empty notepad";
    EXPECT_EQ(int32At(bytes, kSettingsAndNotepad + 33), 5000) << "iterationLimit";
    EXPECT_EQ(int32At(bytes, kSettingsAndNotepad + 37), 1) << "unitSystem";
}

TEST(DuctFile, ThreeHundredCharacterNotepadHasTheTwoByteLength) {
    CFlowmarDoc doc;
    doc.notepadText = testing::longNotepad();
    ASSERT_EQ(doc.notepadText.size(), 300u);
    const Bytes bytes = bytesOf(doc);
    ASSERT_EQ(bytes.size(), kNewModelSize - 1 + 3 + 300);
    EXPECT_EQ(
        Bytes(bytes.begin() + kSettingsAndNotepad + 28, bytes.begin() + kSettingsAndNotepad + 31),
        (Bytes{0xFF, 0x2C, 0x01}));
    EXPECT_EQ(bytes[kSettingsAndNotepad + 31], 'F');
}

// One stored number: where the file keeps it. Setting only that field must change only its
// bytes, and reading them must give it back.
struct FieldCase {
    const char* why; // the field
    friend void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.why; }
    std::size_t offset;
    bool isInt;
    void* (*field)(CFlowmarDoc&);
    int mark = 7; // an int's mark: within every count's range, so nothing is clamped
};

#define F64(at, name)                                                                              \
    FieldCase {                                                                                    \
#name, at, false, [](CFlowmarDoc & d) -> void* { return &d.name; }                         \
    }
#define I32(at, name)                                                                              \
    FieldCase {                                                                                    \
#name, at, true, [](CFlowmarDoc & d) -> void* { return &d.name; }                          \
    }
// A coded field takes its other listed code: a reader refuses any code outside the list.
#define CODE(at, name, other)                                                                      \
    FieldCase {                                                                                    \
#name, at, true, [](CFlowmarDoc & d) -> void* { return &d.name; }, other                   \
    }

constexpr double kMarkDouble = -1234.5625;

class StoredNumber : public ::testing::TestWithParam<FieldCase> {};

TEST_P(StoredNumber, SitsAtItsOffsetAndReadsBack) {
    const FieldCase& c = GetParam();
    const Bytes before = bytesOf(CFlowmarDoc{});
    CFlowmarDoc doc;
    if (c.isInt) {
        *static_cast<int*>(c.field(doc)) = c.mark;
    } else {
        *static_cast<double*>(c.field(doc)) = kMarkDouble;
    }
    const Bytes after = bytesOf(doc);
    ASSERT_EQ(after.size(), before.size());
    const std::size_t size = c.isInt ? 4 : 8;
    for (std::size_t k = 0; k < after.size(); ++k) {
        if (k < c.offset || k >= c.offset + size) {
            ASSERT_EQ(after[k], before[k]) << "byte " << k << " changed";
        }
    }
    if (c.isInt) {
        EXPECT_EQ(int32At(after, c.offset), c.mark);
    } else {
        EXPECT_EQ(doubleAt(after, c.offset), kMarkDouble);
    }
    DuctFileRead read = readBack(after);
    ASSERT_TRUE(read.ok()) << read.error;
    if (c.isInt) {
        EXPECT_EQ(*static_cast<int*>(c.field(*read.document)), c.mark);
    } else {
        EXPECT_EQ(*static_cast<double*>(c.field(*read.document)), kMarkDouble);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Header, StoredNumber,
    ::testing::Values(
        F64(0, ductDiameter), F64(8, ductLength), F64(16, frictionFactor),
        I32(24, leakageResistance100), I32(28, leakagePathCount), F64(32, totalDuctResistance),
        I32(40, leakageResistanceScaled), I32(44, segmentCount), F64(48, segmentResistance),
        F64(56, leakagePathResistance), F64(64, results.lastMeshCorrection),
        I32(72, results.iterationCount), F64(76, segmentLength), F64(84, ductArea),
        F64(92, ductPerimeter), F64(100, frictionFactorUsed), F64(120, entryShockFactor),
        F64(128, exitShockFactor), I32(136, entryTypeIndex), I32(140, exitTypeIndex),
        F64(144, entryResistance), F64(152, exitResistance), F64(160, totalShockFactor),
        I32(168, results.reservedInt1), I32(172, plotZeroPressure), F64(176, airDensity),
        I32(184, fanCount), I32(188, results.fixedPressureFanCount), I32(192, fanEditMode),
        I32(196, fanEditIndex), I32(200, fixedQuantityApplied), F64(204, fixedQuantity),
        CODE(212, fixedQuantityLocation, kLocationFanSource),
        CODE(216, solutionMode, kFixedQuantityMode), I32(220, frictionFactorPresetIndex),
        F64(224, results.boosterPressure), I32(232, diameterPresetIndex)));

constexpr std::size_t kFan7 = kFanRecords + 6 * kRecordSize;

INSTANTIATE_TEST_SUITE_P(
    FanRecord, StoredNumber,
    ::testing::Values(
        F64(kFan7 + 1, fanCurveDensity[7]), I32(kFan7 + 11, fanCurvePointCount[7]),
        F64(kFan7 + 15, fanDistance[7]), F64(kFan7 + 23, fanFixedPressure[7]),
        F64(kFan7 + 31, results.fanPressure[7]), F64(kFan7 + 39, results.fanEfficiency[7]),
        I32(kFan7 + 47, fanFixedPressureFlag[7]), I32(kFan7 + 51, fanHasCurve[7]),
        I32(kFan7 + 55, results.fanOffCurve[7]), I32(kFan7 + 59, results.fanSegment[7]),
        F64(kFan7 + 63, segmentShockFactor[7]), F64(kFan7 + 71, segmentShockResistance[7]),
        I32(kFan7 + 81, results.fanUsesFixedPressure[7]), I32(kFan7 + 85, results.fanUsesCurve[7]),
        F64(kFan7 + 105, fanCurvePressure[1][7]), F64(kFan7 + 113, fanCurveQuantity[1][7]),
        F64(kFan7 + 121, fanCurveEfficiency[1][7]), F64(kFan7 + 441, fanCurvePressure[15][7]),
        F64(kFan7 + 449, fanCurveQuantity[15][7]), F64(kFan7 + 457, fanCurveEfficiency[15][7]),
        F64(kFanRecords + 99 * kRecordSize + 71, segmentShockResistance[100])));

constexpr std::size_t kRow20 = kShockRows + 19 * kRowSize;

INSTANTIATE_TEST_SUITE_P(
    ShockRow, StoredNumber,
    ::testing::Values(F64(kRow20, smoothElbowDistance[20]), F64(kRow20 + 8, smoothElbowFactor[20]),
                      F64(kRow20 + 16, mitredElbowDistance[20]),
                      F64(kRow20 + 24, mitredElbowFactor[20]), F64(kRow20 + 32, damperDistance[20]),
                      F64(kRow20 + 40, damperFactor[20]), F64(kRow20 + 48, screenDistance[20]),
                      F64(kRow20 + 56, fixedResistanceDistance[20]),
                      F64(kRow20 + 64, fixedResistanceValue[20])));

constexpr std::size_t kZone10 = kZones + 9 * 96;

INSTANTIATE_TEST_SUITE_P(
    Zone, StoredNumber,
    ::testing::Values(F64(kZone10, zoneArea[10]), F64(kZone10 + 8, zonePerimeter[10]),
                      F64(kZone10 + 16, zoneStart[10]), F64(kZone10 + 24, zoneEnd[10]),
                      F64(kZone10 + 32, zoneResistancePerSegment[10]),
                      F64(kZone10 + 40, zoneDiameter[10]),
                      F64(kZone10 + 48, zoneFrictionFactor[10]), F64(kZone10 + 56, zoneLength[10]),
                      F64(kZone10 + 64, zoneLeakageResistance100[10]),
                      F64(kZone10 + 72, zoneLeakagePathResistance[10]),
                      F64(kZone10 + 80, zoneLeakageResistanceScaled[10]),
                      F64(kZone10 + 88, zoneReserved[10]), F64(kZones + 16, zoneStart[1])));

INSTANTIATE_TEST_SUITE_P(Tail, StoredNumber,
                         ::testing::Values(I32(kSettingsAndNotepad, zoneErrorFlag),
                                           I32(kSettingsAndNotepad + 4, shockErrorFlag),
                                           I32(kSettingsAndNotepad + 8, autoTransitionOff),
                                           I32(kSettingsAndNotepad + 12, zoneCount),
                                           I32(kSettingsAndNotepad + 16, zonesOff),
                                           I32(kSettingsAndNotepad + 20, zoneCountCopy),
                                           CODE(kSettingsAndNotepad + 24, ductType, kExhausting),
                                           I32(kSettingsAndNotepad + 29, executionMode),
                                           I32(kSettingsAndNotepad + 33, iterationLimit),
                                           I32(kSettingsAndNotepad + 37, unitSystem)));

TEST(DuctFile, ReservedFieldsAreWrittenAsZero) {
    CFlowmarDoc doc;
    doc.reservedInt2 = doc.reservedInt3 = doc.reservedInt4 = doc.reservedInt5 = 9;
    EXPECT_EQ(bytesOf(doc), bytesOf(CFlowmarDoc{}));
}

TEST(DuctFile, FanTextsAreWrittenTwiceAndTheSecondCopyWins) {
    CFlowmarDoc doc;
    doc.fanManufacturer[7] = "ABC";
    doc.fanModel[7] = "XY";
    doc.fanSetting[7] = "30\u00B0";
    Bytes bytes = bytesOf(doc);
    EXPECT_EQ(Bytes(bytes.begin() + kFan7, bytes.begin() + kFan7 + 4), (Bytes{3, 'A', 'B', 'C'}));
    EXPECT_EQ(Bytes(bytes.begin() + kFan7 + 12, bytes.begin() + kFan7 + 15), (Bytes{2, 'X', 'Y'}));
    EXPECT_EQ(Bytes(bytes.begin() + kFan7 + 15, bytes.begin() + kFan7 + 19),
              (Bytes{3, '3', '0', 0xB0}));
    // 79 bytes into a record with empty texts; here the three texts took 3 + 2 + 3 more.
    const std::size_t second = kFan7 + 79 + 8;
    EXPECT_EQ(Bytes(bytes.begin() + second, bytes.begin() + second + 7),
              (Bytes{3, 'A', 'B', 'C', 2, 'X', 'Y'}));
    bytes[second + 1] = 'Q';
    bytes[second + 5] = 'Z';
    DuctFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->fanManufacturer[7], "QBC");
    EXPECT_EQ(read.document->fanModel[7], "ZY");
    EXPECT_EQ(read.document->fanSetting[7], "30\u00B0");
}

TEST(DuctFile, ShockRowTextsFollowTheRowNumbers) {
    CFlowmarDoc doc;
    doc.smoothElbowText1[20] = "1.5";
    doc.damperText[20] = "20\u00B0";
    const Bytes bytes = bytesOf(doc);
    EXPECT_EQ(Bytes(bytes.begin() + kRow20 + 72, bytes.end() - (10 * 96 + 45)),
              (Bytes{3, '1', '.', '5', 0, 0, 3, '2', '0', 0xB0}));
}

TEST(DuctFile, WriteReadWriteGivesIdenticalBytes) {
    const CFlowmarDoc original = testing::everyFieldSet();
    const Bytes first = bytesOf(original);
    DuctFileRead read = readBack(first);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(bytesOf(*read.document), first);

    const CFlowmarDoc& doc = *read.document;
    EXPECT_EQ(doc.ductTypeNames, original.ductTypeNames) << "é and ³ come back as UTF-8";
    EXPECT_EQ(doc.fanManufacturer[100], "Maker \u00E9"
                                        "100");
    EXPECT_EQ(doc.fanModel[3], "M3 m\u00B2");
    EXPECT_EQ(doc.smoothElbowText2[20], "300\u00B0");
    EXPECT_EQ(doc.notepadText, original.notepadText);
    EXPECT_EQ(doc.fanCurvePressure, original.fanCurvePressure);
    EXPECT_EQ(doc.zoneReserved, original.zoneReserved);
    EXPECT_EQ(doc.results.fanUsesCurve, original.results.fanUsesCurve);
}

TEST(DuctFile, WorkingModelRoundTripsThroughTheDisk) {
    TempFolder folder;
    const CFlowmarDoc original = testing::smallWorkingModel();
    const auto path = folder / "Heading 12.dct";
    ASSERT_TRUE(writeDuctFile(original, path).ok());
    EXPECT_EQ(testing::fileContents(path), bytesOf(original));
    DuctFileRead read = readDuctFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(bytesOf(*read.document), bytesOf(original));
    EXPECT_EQ(read.document->zoneDiameter[2], 0.76);
    EXPECT_EQ(read.document->fanSetting[2], "30\u00B0");
}

TEST(DuctFile, CharacterWithoutWindows1252FormIsKept) {
    CFlowmarDoc doc;
    doc.notepadText = "\u0394p = 2 kPa";
    doc.fanManufacturer[1] = "\u0421\u0438\u0431\u0438\u0440\u044C";
    DuctFileRead read = readBack(bytesOf(doc));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.document->notepadText, "\u0394p = 2 kPa");
    EXPECT_EQ(read.document->fanManufacturer[1], "\u0421\u0438\u0431\u0438\u0440\u044C");
    EXPECT_EQ(bytesOf(*read.document), bytesOf(doc)) << "and saves to the same bytes";
}

TEST(DuctFile, InvalidUtf8InMemoryIsSavedAsQuestionMarks) {
    CFlowmarDoc doc;
    doc.fanModel[1] = "A\xFF\xC3";
    DuctFileRead read = readBack(bytesOf(doc));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.document->fanModel[1], "A??");
}

TEST(DuctFile, FieldsNotStoredKeepTheirConstructionDefaults) {
    CFlowmarDoc doc = testing::everyFieldSet();
    doc.results.branchFlow[5] = 3;
    doc.results.totalPressure[5] = 3;
    doc.results.segmentVelocity[5] = 3;
    doc.results.segmentVelocityPressure[5] = 3;
    doc.results.zoneSegmentVelocity[5] = 3;
    doc.results.zoneSegmentVelocityPressure[5] = 3;
    doc.zoneSegmentResistance[5] = 3;
    doc.zoneSegmentLeakageResistance[5] = 3;
    doc.fanFixedPressureTag[5] = 1;
    doc.convergenceTolerance = 0.01;
    doc.methodText = "Fan";
    doc.zonesAppliedShown = 1;
    doc.autoTransitionShown = 1;
    doc.showSchematic = doc.showFans = doc.showAirflowDirection = doc.showShockLosses = 0;
    doc.plotTotalPressure = doc.plotStaticPressure = 0;
    doc.flowPlotKind = 2;
    doc.curveViewFan = 3;
    doc.curveViewKind = 2;
    DuctFileRead read = readBack(bytesOf(doc));
    ASSERT_TRUE(read.ok());
    const CFlowmarDoc& r = *read.document;
    const CFlowmarDoc fresh;
    EXPECT_EQ(r.results.branchFlow, fresh.results.branchFlow);
    EXPECT_EQ(r.results.totalPressure, fresh.results.totalPressure);
    EXPECT_EQ(r.results.segmentVelocity, fresh.results.segmentVelocity);
    EXPECT_EQ(r.results.segmentVelocityPressure, fresh.results.segmentVelocityPressure);
    EXPECT_EQ(r.results.zoneSegmentVelocity, fresh.results.zoneSegmentVelocity);
    EXPECT_EQ(r.results.zoneSegmentVelocityPressure, fresh.results.zoneSegmentVelocityPressure);
    EXPECT_EQ(r.zoneSegmentResistance, fresh.zoneSegmentResistance);
    EXPECT_EQ(r.zoneSegmentLeakageResistance, fresh.zoneSegmentLeakageResistance);
    EXPECT_EQ(r.fanFixedPressureTag, fresh.fanFixedPressureTag);
    EXPECT_EQ(r.convergenceTolerance, 0.001);
    EXPECT_EQ(r.methodText, "");
    EXPECT_EQ(r.zonesAppliedShown, 0);
    EXPECT_EQ(r.autoTransitionShown, 0);
    EXPECT_EQ(r.showSchematic + r.showFans + r.showAirflowDirection + r.showShockLosses +
                  r.plotTotalPressure + r.plotStaticPressure,
              6);
    EXPECT_EQ(r.flowPlotKind, 1);
    EXPECT_EQ(r.curveViewFan, 0);
    EXPECT_EQ(r.curveViewKind, 0);
    EXPECT_EQ(r.reservedInt2 + r.reservedInt3 + r.reservedInt4 + r.reservedInt5, 0);
}

Bytes utf16(std::u16string_view s) {
    Bytes out;
    for (const char16_t u : s) {
        out.push_back(static_cast<std::uint8_t>(u));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return out;
}

TEST(DuctFile, WideTextsAreRead) {
    Bytes bytes = bytesOf(CFlowmarDoc{});
    // The notepad first, so that the preset's longer text does not move it.
    Bytes notepad{0xFF, 0xFE, 0xFF, 3};
    const Bytes units = utf16(u"\u00E9\u00B2x");
    notepad.insert(notepad.end(), units.begin(), units.end());
    splice(bytes, kSettingsAndNotepad + 28, 1, notepad);
    Bytes preset{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    const Bytes many = utf16(std::u16string(300, u'7'));
    preset.insert(preset.end(), many.begin(), many.end());
    splice(bytes, 236, 4, preset);
    DuctFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->notepadText, "\u00E9\u00B2x");
    EXPECT_EQ(read.document->diameterPresets[0], std::string(300, '7'));
    EXPECT_EQ(read.document->diameterPresets[1], "0.9");
    EXPECT_EQ(read.document->iterationLimit, 5000) << "the walk went on in step";
}

// Bytes after the tail are a file cut from something longer or two files joined: what they held
// would be lost without a word on the next save.
TEST(DuctFile, BytesAfterTheTailAreRefused) {
    const CFlowmarDoc original = testing::smallWorkingModel();
    Bytes bytes = bytesOf(original);
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
    DuctFileRead read = readBack(bytes);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error.find("the file has 11 bytes after its last value."), std::string::npos)
        << read.error;
    bytes.resize(bytes.size() - 11);
    read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(bytesOf(*read.document), bytesOf(original));
}

// A damaged file and the fault its message names.
struct DamageCase {
    const char* why;
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.why; }
    void (*damage)(Bytes&);
    std::string fault;
};

class DamagedDuctFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedDuctFile, IsRefusedWithItsFault) {
    Bytes bytes = bytesOf(testing::everyNumberSet());
    GetParam().damage(bytes);
    const DuctFileRead read = readBack(bytes);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.document, nullptr);
    EXPECT_EQ(read.error, messages::cannotOpenFile("model.dct", GetParam().fault));
}

std::string endsEarly() {
    return std::string(messages::kFileEndsEarly);
}
std::string impossibleLength() {
    return std::string(messages::kFileTextLengthImpossible);
}

INSTANTIATE_TEST_SUITE_P(
    DuctFile, DamagedDuctFile,
    ::testing::Values(
        DamageCase{"an empty file", [](Bytes& b) { b.clear(); }, endsEarly()},
        DamageCase{"cut inside the header's numbers", [](Bytes& b) { b.resize(101); }, endsEarly()},
        DamageCase{"cut where the first preset's length belongs", [](Bytes& b) { b.resize(236); },
                   endsEarly()},
        DamageCase{"cut inside the first preset: its length claims more than remains",
                   [](Bytes& b) { b.resize(238); }, impossibleLength()},
        DamageCase{"cut inside a curve point of fan 51",
                   [](Bytes& b) { b.resize(kFanRecords + 50 * kRecordSize + 200); }, endsEarly()},
        DamageCase{"cut inside the shock rows", [](Bytes& b) { b.resize(kShockRows + 700); },
                   endsEarly()},
        DamageCase{"cut inside the zones", [](Bytes& b) { b.resize(kZones + 95); }, endsEarly()},
        DamageCase{"one byte short", [](Bytes& b) { b.pop_back(); }, endsEarly()},
        DamageCase{"the notepad claims 200 of the 16 bytes left",
                   [](Bytes& b) { b[kSettingsAndNotepad + 28] = 200; }, impossibleLength()},
        DamageCase{
            "the notepad claims 4 GiB",
            [](Bytes& b) {
                splice(b, kSettingsAndNotepad + 28, 1, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF});
            },
            impossibleLength()},
        DamageCase{"a fan text claims more than the whole file",
                   [](Bytes& b) {
                       splice(b, kFanRecords, 1, {0xFF, 0xFF, 0xFF, 0, 0, 1, 0});
                   },
                   impossibleLength()},
        DamageCase{"101 fans", [](Bytes& b) { putInt32(b, 184, 101); },
                   messages::countOutOfRange(messages::kNumberOfFans, 101, 0, 100)},
        DamageCase{"a negative fan count", [](Bytes& b) { putInt32(b, 184, -1); },
                   messages::countOutOfRange(messages::kNumberOfFans, -1, 0, 100)},
        DamageCase{"100 leakage paths", [](Bytes& b) { putInt32(b, 28, 100); },
                   messages::countOutOfRange(messages::kNumberOfLeakagePaths, 100, 0, 99)},
        DamageCase{
            "a negative leakage path count", [](Bytes& b) { putInt32(b, 28, -2147483647 - 1); },
            messages::countOutOfRange(messages::kNumberOfLeakagePaths, -2147483648LL, 0, 99)},
        DamageCase{"a billion sweeps would run for hours with no way to stop them",
                   [](Bytes& b) { putInt32(b, kSettingsAndNotepad + 33, 1'000'000'000); },
                   messages::iterationLimitTooHigh(1'000'000'000)},
        DamageCase{"a duct type that is neither forcing nor exhausting",
                   [](Bytes& b) { putInt32(b, kSettingsAndNotepad + 24, 3); },
                   messages::codeRefused(messages::kDuctTypeCode, 3, messages::kDuctTypeCodes)},
        DamageCase{
            "a solution mode that is neither fans nor a fixed quantity",
            [](Bytes& b) { putInt32(b, 216, 2); },
            messages::codeRefused(messages::kSolutionModeCode, 2, messages::kSolutionModeCodes)},
        DamageCase{"a duct diameter that is no number",
                   [](Bytes& b) { putDouble(b, 0, std::numeric_limits<double>::quiet_NaN()); },
                   "the duct diameter is not a finite number"},
        DamageCase{"an infinite air density",
                   [](Bytes& b) { putDouble(b, 176, std::numeric_limits<double>::infinity()); },
                   "the air density is not a finite number"},
        DamageCase{"a fixed quantity placed neither at the face nor at the fan end",
                   [](Bytes& b) { putInt32(b, 212, -1); },
                   messages::codeRefused(messages::kFixedQuantityLocationCode, -1,
                                         messages::kFixedQuantityLocationCodes)}));

TEST(DuctFile, CountOutOfRangeMessageReadsAsASentence) {
    EXPECT_EQ(messages::cannotOpenFile(
                  "a.dct", messages::countOutOfRange(messages::kNumberOfFans, 101, 0, 100)),
              "Cannot open \"a.dct\": the number of fans (101) lies outside 0 to 100.");
    EXPECT_EQ(messages::cannotOpenFile("a.dct", messages::iterationLimitTooHigh(100'001)),
              "Cannot open \"a.dct\": the iteration limit (100001) lies above 100,000, the most "
              "the General page takes.");
}

TEST(DuctFile, IterationLimitsUpToTheGeneralPagesMostAndBelowItsLeastAreKept) {
    for (const int limit : {100'000, 5, 0}) {
        Bytes bytes = bytesOf(testing::everyNumberSet());
        putInt32(bytes, kSettingsAndNotepad + 33, limit);
        const DuctFileRead read = readBack(bytes);
        ASSERT_TRUE(read.ok()) << limit << ": " << read.error;
        EXPECT_EQ(read.document->iterationLimit, limit);
    }
}

// Counts that Execute derives again, or that only say how much of a complete table is used, are
// held inside their tables instead of refusing the file.
TEST(DuctFile, DerivedCountsAreHeldInsideTheirTables) {
    Bytes bytes = bytesOf(CFlowmarDoc{});
    putInt32(bytes, kSettingsAndNotepad + 12, 11);                 // zoneCount
    putInt32(bytes, kSettingsAndNotepad + 20, -3);                 // zoneCountCopy
    putInt32(bytes, 44, 500);                                      // segmentCount
    putInt32(bytes, kFanRecords + 11, -1);                         // fanCurvePointCount[1]
    putInt32(bytes, kFan7 + 11, 16);                               // fanCurvePointCount[7]
    putInt32(bytes, kFanRecords + 99 * kRecordSize + 11, 1 << 30); // fanCurvePointCount[100]
    DuctFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->zoneCount, 10);
    EXPECT_EQ(read.document->zoneCountCopy, 0);
    EXPECT_EQ(read.document->segmentCount, 100);
    EXPECT_EQ(read.document->fanCurvePointCount[1], 0);
    EXPECT_EQ(read.document->fanCurvePointCount[7], 15);
    EXPECT_EQ(read.document->fanCurvePointCount[100], 15);
}

TEST(DuctFile, CountsAtTheirLimitsAreAccepted) {
    Bytes bytes = bytesOf(CFlowmarDoc{});
    putInt32(bytes, 184, 100);
    putInt32(bytes, 28, 0);
    putInt32(bytes, kSettingsAndNotepad + 12, 10);
    putInt32(bytes, kFan7 + 11, 15);
    DuctFileRead read = readBack(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->fanCount, 100);
    EXPECT_EQ(read.document->leakagePathCount, 0);
    EXPECT_EQ(read.document->zoneCount, 10);
    EXPECT_EQ(read.document->fanCurvePointCount[7], 15);
}

TEST(DuctFile, MissingFileAndFolderAreNamed) {
    TempFolder folder;
    const auto missing = folder / "none.dct";
    EXPECT_EQ(readDuctFile(missing).error,
              messages::cannotOpenFile(missing.string(), messages::kFileDoesNotExist));
    EXPECT_EQ(readDuctFile(folder.path()).error,
              messages::cannotOpenFile(folder.path().string(), messages::kFileIsFolder));
    EXPECT_EQ(readDuctFile("/dev/zero").error,
              messages::cannotOpenFile("/dev/zero", messages::kFileNotReadable))
        << "a device that never ends is not read";
}

// A file far beyond any model is refused before a byte of it is parsed; one at the limit is read
// (and then refused for what it holds). The files are sparse, so the test writes nothing large.
TEST(DuctFile, AFileAboveTheSizeLimitIsRefusedUnread) {
    TempFolder folder;
    const auto huge = folder / "huge.dct";
    std::ofstream(huge).put('x');
    std::filesystem::resize_file(huge, kMaxReadableFileSize + 1);
    EXPECT_EQ(readDuctFile(huge).error,
              messages::cannotOpenFile(huge.string(), messages::kFileTooLargeToRead));
    std::filesystem::resize_file(huge, kMaxReadableFileSize);
    const FileBytes atLimit = readFileBytes(huge);
    EXPECT_TRUE(atLimit.ok()) << atLimit.fault;
    EXPECT_EQ(atLimit.bytes.size(), kMaxReadableFileSize);
}

TEST(DuctFile, SaveIntoAMissingFolderSaysSo) {
    TempFolder folder;
    const auto path = folder / "gone" / "model.dct";
    EXPECT_EQ(writeDuctFile(CFlowmarDoc{}, path).error,
              messages::cannotSaveFile(path.string(), messages::kFolderDoesNotExist));
}

} // namespace
} // namespace flowmar
