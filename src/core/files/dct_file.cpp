#include "core/files/dct_file.h"

#include "core/files/archive.h"
#include "core/files/atomic_file.h"
#include "core/files/file_bytes.h"
#include "core/files/model_codes.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <algorithm>
#include <memory>
#include <string>

namespace flowmar {

namespace {

static_assert(sizeof(int) == 4, "the model's int fields are the file's 32-bit integers");

constexpr std::size_t kNewModelSize = 49351; // a new SI model, for reserving

// Reading and writing are one walk over the fields, so the two cannot drift apart. `Doc` is
// CFlowmarDoc for reading and const CFlowmarDoc for writing.
struct Reading {
    ArchiveReader& in;
    void i32(int& v) { v = in.readInt32(); }
    void f64(double& v) { v = in.readDouble(); }
    void text(std::string& v) { v = in.readText(); }
    void reservedI32(int& v) { v = in.readInt32(); }
    void discardedF64() { in.readDouble(); }
};

struct Writing {
    ArchiveWriter& out;
    void i32(int v) { out.writeInt32(v); }
    void f64(double v) { out.writeDouble(v); }
    void text(const std::string& v) { out.writeText(v); }
    void reservedI32(int) { out.writeInt32(0); }
    void discardedF64() { out.writeDouble(0); }
};

template <typename Doc, typename Io>
void walkHeader(Doc& doc, Io& io) {
    io.f64(doc.ductDiameter);
    io.f64(doc.ductLength);
    io.f64(doc.frictionFactor);
    io.i32(doc.leakageResistance100);
    io.i32(doc.leakagePathCount);
    io.f64(doc.totalDuctResistance);
    io.i32(doc.leakageResistanceScaled);
    io.i32(doc.segmentCount);
    io.f64(doc.segmentResistance);
    io.f64(doc.leakagePathResistance);
    io.f64(doc.results.lastMeshCorrection);
    io.i32(doc.results.iterationCount);
    io.f64(doc.segmentLength);
    io.f64(doc.ductArea);
    io.f64(doc.ductPerimeter);
    io.f64(doc.frictionFactorUsed);
    io.reservedI32(doc.reservedInt2);
    io.reservedI32(doc.reservedInt3);
    io.reservedI32(doc.reservedInt4);
    io.f64(doc.entryShockFactor);
    io.f64(doc.exitShockFactor);
    io.i32(doc.entryTypeIndex);
    io.i32(doc.exitTypeIndex);
    io.f64(doc.entryResistance);
    io.f64(doc.exitResistance);
    io.f64(doc.totalShockFactor);
    io.i32(doc.results.reservedInt1);
    io.i32(doc.plotZeroPressure);
    io.f64(doc.airDensity);
    io.i32(doc.fanCount);
    io.i32(doc.results.fixedPressureFanCount);
    io.i32(doc.fanEditMode);
    io.i32(doc.fanEditIndex);
    io.i32(doc.fixedQuantityApplied);
    io.f64(doc.fixedQuantity);
    io.i32(doc.fixedQuantityLocation);
    io.i32(doc.solutionMode);
    io.i32(doc.frictionFactorPresetIndex);
    io.f64(doc.results.boosterPressure);
    io.i32(doc.diameterPresetIndex);
    for (auto& t : doc.diameterPresets) {
        io.text(t);
    }
    for (auto& t : doc.ductTypeNames) {
        io.text(t);
    }
    for (auto& t : doc.frictionFactorPresets) {
        io.text(t);
    }
}

// Fan r and duct segment r share a record.
template <typename Doc, typename Io>
void walkFanRecord(Doc& doc, Io& io, int r) {
    io.text(doc.fanManufacturer[r]);
    io.f64(doc.fanCurveDensity[r]);
    io.text(doc.fanModel[r]);
    io.text(doc.fanSetting[r]);
    io.i32(doc.fanCurvePointCount[r]);
    io.f64(doc.fanDistance[r]);
    io.f64(doc.fanFixedPressure[r]);
    io.f64(doc.results.fanPressure[r]);
    io.f64(doc.results.fanEfficiency[r]);
    io.i32(doc.fanFixedPressureFlag[r]);
    io.i32(doc.fanHasCurve[r]);
    io.i32(doc.results.fanOffCurve[r]);
    io.i32(doc.results.fanSegment[r]);
    io.f64(doc.segmentShockFactor[r]);
    io.f64(doc.segmentShockResistance[r]);
    // The maker and model again; read last, these copies are the ones the model keeps.
    io.text(doc.fanManufacturer[r]);
    io.text(doc.fanModel[r]);
    io.i32(doc.results.fanUsesFixedPressure[r]);
    io.i32(doc.results.fanUsesCurve[r]);
    io.discardedF64();
    io.discardedF64();
    for (int m = 1; m <= kMaxCurvePoints; ++m) {
        io.f64(doc.fanCurvePressure[m][r]);
        io.f64(doc.fanCurveQuantity[m][r]);
        io.f64(doc.fanCurveEfficiency[m][r]);
    }
}

template <typename Doc, typename Io>
void walkShockRow(Doc& doc, Io& io, int r) {
    io.f64(doc.smoothElbowDistance[r]);
    io.f64(doc.smoothElbowFactor[r]);
    io.f64(doc.mitredElbowDistance[r]);
    io.f64(doc.mitredElbowFactor[r]);
    io.f64(doc.damperDistance[r]);
    io.f64(doc.damperFactor[r]);
    io.f64(doc.screenDistance[r]);
    io.f64(doc.fixedResistanceDistance[r]);
    io.f64(doc.fixedResistanceValue[r]);
    io.text(doc.smoothElbowText1[r]);
    io.text(doc.smoothElbowText2[r]);
    io.text(doc.mitredElbowText[r]);
    io.text(doc.damperText[r]);
}

template <typename Doc, typename Io>
void walkZone(Doc& doc, Io& io, int z) {
    io.f64(doc.zoneArea[z]);
    io.f64(doc.zonePerimeter[z]);
    io.f64(doc.zoneStart[z]);
    io.f64(doc.zoneEnd[z]);
    io.f64(doc.zoneResistancePerSegment[z]);
    io.f64(doc.zoneDiameter[z]);
    io.f64(doc.zoneFrictionFactor[z]);
    io.f64(doc.zoneLength[z]);
    io.f64(doc.zoneLeakageResistance100[z]);
    io.f64(doc.zoneLeakagePathResistance[z]);
    io.f64(doc.zoneLeakageResistanceScaled[z]);
    io.f64(doc.zoneReserved[z]);
}

template <typename Doc, typename Io>
void walkTail(Doc& doc, Io& io) {
    io.i32(doc.zoneErrorFlag);
    io.i32(doc.shockErrorFlag);
    io.i32(doc.autoTransitionOff);
    io.i32(doc.zoneCount);
    io.i32(doc.zonesOff);
    io.i32(doc.zoneCountCopy);
    io.i32(doc.ductType);
    io.text(doc.notepadText);
    io.i32(doc.executionMode);
    io.i32(doc.iterationLimit);
    io.i32(doc.unitSystem);
    io.reservedI32(doc.reservedInt5);
}

// Every record is in the file whatever the counts say, so the walk never depends on them.
template <typename Doc, typename Io>
void walkModel(Doc& doc, Io& io) {
    walkHeader(doc, io);
    for (int r = 1; r <= kMaxFans; ++r) {
        walkFanRecord(doc, io, r);
    }
    for (int r = 1; r <= kShockLossRows; ++r) {
        walkShockRow(doc, io, r);
    }
    for (int z = 1; z <= kMaxZones; ++z) {
        walkZone(doc, io, z);
    }
    walkTail(doc, io);
}

std::string_view faultText(ArchiveFault fault) {
    return fault == ArchiveFault::EndsEarly ? messages::kFileEndsEarly
                                            : messages::kFileTextLengthImpossible;
}

// The counts that decide how much of a table is the model. Returns the fault, or empty.
std::string refusedCount(const CFlowmarDoc& doc) {
    if (doc.fanCount < 0 || doc.fanCount > kMaxFans) {
        return messages::countOutOfRange(messages::kNumberOfFans, doc.fanCount, 0, kMaxFans);
    }
    // No command changes the number of leakage paths, so a model with an impossible one could
    // never be executed or mended.
    if (doc.leakagePathCount < 0 || doc.leakagePathCount > kMaxLeakagePaths) {
        return messages::countOutOfRange(messages::kNumberOfLeakagePaths, doc.leakagePathCount, 0,
                                         kMaxLeakagePaths);
    }
    // A code outside its list would be read as one of its values without a word.
    if (const std::string fault = refusedCode(doc); !fault.empty()) {
        return fault;
    }
    if (const std::string fault = refusedNumber(doc); !fault.empty()) {
        return fault;
    }
    // Sweeps without end and no way to stop them; lower limits stay as the file has them.
    if (doc.iterationLimit > limits::kMaxIterationLimit) {
        return messages::iterationLimitTooHigh(doc.iterationLimit);
    }
    return {};
}

// Counts that Execute derives again (zones, segments) or that only say how much of an always
// complete table is filled (curve points): held inside their tables, nothing else changes.
void clampDerivedCounts(CFlowmarDoc& doc) {
    doc.zoneCount = std::clamp(doc.zoneCount, 0, kMaxZones);
    doc.zoneCountCopy = std::clamp(doc.zoneCountCopy, 0, kMaxZones);
    doc.segmentCount = std::clamp(doc.segmentCount, 0, kMaxSegments);
    for (int r = 1; r <= kMaxFans; ++r) {
        doc.fanCurvePointCount[r] = std::clamp(doc.fanCurvePointCount[r], 0, kMaxCurvePoints);
    }
}

} // namespace

DuctFileRead readDuctBytes(std::span<const std::uint8_t> bytes, std::string_view fileName) {
    DuctFileRead result;
    auto doc = std::make_unique<CFlowmarDoc>();
    ArchiveReader in(bytes);
    Reading reading{in};
    walkModel(*doc, reading);
    if (!in.ok()) {
        result.error = messages::cannotOpenFile(fileName, faultText(in.fault()));
        return result;
    }
    // Bytes after the end are a file cut from something longer, or two files joined.
    if (in.remaining() > 0) {
        result.error =
            messages::cannotOpenFile(fileName, messages::bytesAfterLastValue(in.remaining()));
        return result;
    }
    if (const std::string fault = refusedCount(*doc); !fault.empty()) {
        result.error = messages::cannotOpenFile(fileName, fault);
        return result;
    }
    clampDerivedCounts(*doc);
    result.document = std::move(doc);
    return result;
}

DuctFileRead readDuctFile(const std::filesystem::path& path) {
    const FileBytes file = readFileBytes(path);
    if (!file.ok()) {
        DuctFileRead result;
        result.error = messages::cannotOpenFile(path.string(), file.fault);
        return result;
    }
    return readDuctBytes(file.bytes, path.string());
}

bool ductFileHoldsAll(const CFlowmarDoc& doc) {
    return !doc.designCriteria.anySet();
}

std::optional<std::vector<std::uint8_t>> ductFileBytes(const CFlowmarDoc& doc) {
    ArchiveWriter out;
    out.reserve(kNewModelSize);
    Writing writing{out};
    walkModel(doc, writing);
    if (!out.ok()) {
        return std::nullopt;
    }
    return out.takeBytes();
}

FileStatus writeDuctFile(const CFlowmarDoc& doc, const std::filesystem::path& path) {
    const auto bytes = ductFileBytes(doc);
    if (!bytes) {
        return {messages::cannotSaveFile(path.string(), messages::kTextTooLongToSave)};
    }
    return writeFileAtomically(path, *bytes);
}

} // namespace flowmar
