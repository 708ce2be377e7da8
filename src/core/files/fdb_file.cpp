#include "core/files/fdb_file.h"

#include "core/fans/fan_database_doc.h"
#include "core/files/archive.h"
#include "core/files/atomic_file.h"
#include "core/files/file_bytes.h"
#include "core/files/model_codes.h"
#include "core/model/messages.h"

#include <algorithm>
#include <memory>
#include <string>

namespace flowmar {

namespace {

std::string_view faultText(ArchiveFault fault) {
    return fault == ArchiveFault::EndsEarly ? messages::kFileEndsEarly
                                            : messages::kFileTextLengthImpossible;
}

// Reads one record into `fan`; returns the fault of a point count no curve can hold, or empty.
std::string readFan(ArchiveReader& in, FanCurve& fan, int number) {
    fan.curveDensity = in.readDouble();
    fan.manufacturer = in.readText();
    fan.model = in.readText();
    fan.setting = in.readText();
    fan.pointCount = in.readInt32();
    if (in.ok() && (fan.pointCount < 0 || fan.pointCount > kFanCurvePoints)) {
        return messages::countOutOfRange(messages::numberOfCurvePoints(number), fan.pointCount, 0,
                                         kFanCurvePoints);
    }
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        FanCurvePoint& p = fan.points[m];
        p.pressure = in.readDouble();
        p.quantity = in.readDouble();
        p.efficiency = in.readDouble();
    }
    return in.ok() ? refusedCurveNumber(fan, number) : std::string();
}

void writeFan(ArchiveWriter& out, const FanCurve& fan) {
    out.writeDouble(fan.curveDensity);
    out.writeText(fan.manufacturer);
    out.writeText(fan.model);
    out.writeText(fan.setting);
    out.writeInt32(fan.pointCount);
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        const FanCurvePoint& p = fan.points[m];
        out.writeDouble(p.pressure);
        out.writeDouble(p.quantity);
        out.writeDouble(p.efficiency);
    }
}

} // namespace

FanDatabaseFileRead readFanDatabaseBytes(std::span<const std::uint8_t> bytes,
                                         std::string_view fileName) {
    FanDatabaseFileRead result;
    const auto fail = [&](std::string_view fault) {
        result.error = messages::cannotOpenFile(fileName, fault);
        return std::move(result);
    };
    auto doc = std::make_unique<CFanDatabaseDoc>();
    ArchiveReader in(bytes);
    doc->fanCount = in.readInt32();
    doc->lastEditedFan = in.readInt32();
    in.readInt32(); // the edit-in-progress flag, see the header
    if (!in.ok()) {
        return fail(faultText(in.fault()));
    }
    // The count decides how many records follow, so it is checked before any is read.
    if (doc->fanCount < 0 || doc->fanCount > kMaxDatabaseFans) {
        return fail(
            messages::countOutOfRange(messages::kNumberOfFans, doc->fanCount, 0, kMaxDatabaseFans));
    }
    for (int i = 1; i <= doc->fanCount && in.ok(); ++i) {
        if (const std::string fault = readFan(in, doc->fans[i], i); !fault.empty()) {
            return fail(fault);
        }
    }
    doc->unitSystem = in.readInt32();
    doc->reserved = in.readInt32();
    if (!in.ok()) {
        return fail(faultText(in.fault()));
    }
    // Bytes after the end are a file cut from something longer, or two files joined.
    if (in.remaining() > 0) {
        return fail(messages::bytesAfterLastValue(in.remaining()));
    }
    result.document = std::move(doc);
    return result;
}

FanDatabaseFileRead readFanDatabaseFile(const std::filesystem::path& path) {
    const FileBytes file = readFileBytes(path);
    if (!file.ok()) {
        FanDatabaseFileRead result;
        result.error = messages::cannotOpenFile(path.string(), file.fault);
        return result;
    }
    return readFanDatabaseBytes(file.bytes, path.string());
}

std::optional<std::vector<std::uint8_t>> fanDatabaseFileBytes(const CFanDatabaseDoc& doc) {
    const int count = std::clamp(doc.fanCount, 0, kMaxDatabaseFans);
    ArchiveWriter out;
    out.writeInt32(count);
    out.writeInt32(doc.lastEditedFan);
    out.writeInt32(0); // no command is running while the database is saved
    for (int i = 1; i <= count; ++i) {
        writeFan(out, doc.fans[i]);
    }
    out.writeInt32(doc.unitSystem);
    out.writeInt32(0);
    if (!out.ok()) {
        return std::nullopt;
    }
    return out.takeBytes();
}

FileStatus writeFanDatabaseFile(const CFanDatabaseDoc& doc, const std::filesystem::path& path) {
    const auto bytes = fanDatabaseFileBytes(doc);
    if (!bytes) {
        return {messages::cannotSaveFile(path.string(), messages::kTextTooLongToSave)};
    }
    return writeFileAtomically(path, *bytes);
}

} // namespace flowmar
