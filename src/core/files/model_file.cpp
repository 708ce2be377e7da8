#include "core/files/model_file.h"

#include "core/fans/fan_database_doc.h"
#include "core/files/atomic_file.h"
#include "core/files/dct_file.h"
#include "core/files/fan_database_json.h"
#include "core/files/fdb_file.h"
#include "core/files/file_bytes.h"
#include "core/files/json_model.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <span>
#include <string>

namespace flowmar {

namespace {

constexpr std::string_view kUnknownExtension =
    "the extension is none of \".dct\", \".fdb\" or \".json\"";

std::string displayName(const std::filesystem::path& path) {
    return path.string();
}

// Reads a JSON document with `read` from bytes into a newly constructed document.
template <typename Document, typename Read>
FileRead<Document> readJsonBytes(std::span<const std::uint8_t> bytes, std::string_view fileName,
                                 Read read) {
    FileRead<Document> result;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    auto document = std::make_unique<Document>();
    if (std::string fault = read(text, *document); !fault.empty()) {
        result.error = messages::cannotOpenFile(fileName, fault);
        return result;
    }
    result.document = std::move(document);
    return result;
}

// Reads the file at `path` with `from`, once its extension names a form `from` reads: its own
// binary form or JSON.
template <typename Document, typename From>
FileRead<Document> readFile(const std::filesystem::path& path, FileKind binaryForm, From from) {
    const FileKind form = fileKindOf(path);
    if (form != binaryForm && form != FileKind::Json) {
        return {nullptr, messages::cannotOpenFile(displayName(path), kUnknownExtension)};
    }
    const FileBytes file = readFileBytes(path);
    if (!file.ok()) {
        return {nullptr, messages::cannotOpenFile(displayName(path), file.fault)};
    }
    return from(file.bytes, form, displayName(path));
}

FileStatus writeText(const std::filesystem::path& path, const std::string& text) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileAtomically(path, std::span<const std::uint8_t>(data, text.size()));
}

} // namespace

FileKind fileKindOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".dct") {
        return FileKind::DuctModel;
    }
    if (extension == ".fdb") {
        return FileKind::FanDatabase;
    }
    if (extension == ".json") {
        return FileKind::Json;
    }
    return FileKind::Unknown;
}

FileRead<CFlowmarDoc> readModelFile(const std::filesystem::path& path) {
    return readFile<CFlowmarDoc>(path, FileKind::DuctModel, readModelFrom);
}

FileRead<CFlowmarDoc> readModelFrom(std::span<const std::uint8_t> bytes, FileKind kind,
                                    std::string_view fileName) {
    switch (kind) {
    case FileKind::DuctModel:
        return readDuctBytes(bytes, fileName);
    case FileKind::Json:
        return readJsonBytes<CFlowmarDoc>(bytes, fileName, readJsonModel);
    default:
        return {nullptr, messages::cannotOpenFile(fileName, kUnknownExtension)};
    }
}

FileStatus writeModelFile(const CFlowmarDoc& doc, const std::filesystem::path& path) {
    switch (fileKindOf(path)) {
    case FileKind::DuctModel:
        return writeDuctFile(doc, path);
    case FileKind::Json:
        return writeText(path, writeJsonModel(doc));
    default:
        return {messages::cannotSaveFile(displayName(path), kUnknownExtension)};
    }
}

FileRead<CFanDatabaseDoc> readFanDatabase(const std::filesystem::path& path) {
    return readFile<CFanDatabaseDoc>(path, FileKind::FanDatabase, readFanDatabaseFrom);
}

FileRead<CFanDatabaseDoc> readFanDatabaseFrom(std::span<const std::uint8_t> bytes, FileKind kind,
                                              std::string_view fileName) {
    switch (kind) {
    case FileKind::FanDatabase:
        return readFanDatabaseBytes(bytes, fileName);
    case FileKind::Json:
        return readJsonBytes<CFanDatabaseDoc>(bytes, fileName, readJsonFanDatabase);
    default:
        return {nullptr, messages::cannotOpenFile(fileName, kUnknownExtension)};
    }
}

FileStatus writeFanDatabase(const CFanDatabaseDoc& db, const std::filesystem::path& path) {
    switch (fileKindOf(path)) {
    case FileKind::FanDatabase:
        return writeFanDatabaseFile(db, path);
    case FileKind::Json:
        return writeText(path, writeJsonFanDatabase(db));
    default:
        return {messages::cannotSaveFile(displayName(path), kUnknownExtension)};
    }
}

} // namespace flowmar
