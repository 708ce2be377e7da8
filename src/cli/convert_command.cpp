#include "cli/convert_command.h"

#include "cli/call.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/output_guard.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/file_bytes.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <ostream>
#include <system_error>

namespace flowmar::cli {

namespace {

// Whether a JSON file is a fan database: an object with a "fanDatabase" list. Anything else,
// unreadable JSON included, is read as a model, whose reader says what is wrong with it.
bool holdsFanDatabase(const std::string& path) {
    const FileBytes file = readFileBytes(path);
    if (!file.ok()) {
        return false;
    }
    const nlohmann::json json =
        nlohmann::json::parse(file.bytes.begin(), file.bytes.end(), nullptr, false);
    return json.is_object() && json.contains("fanDatabase");
}

} // namespace

int convertCommand(const Command& command, const std::vector<std::string>& args,
                   const CommandStreams& io) {
    std::string in;
    std::string outFile;
    Call call(command);
    call.app().add_option("IN", in, std::string(cli_texts::kCliConvertIn));
    call.app().add_option("OUT", outFile, std::string(cli_texts::kCliConvertOut));
    if (const Call::Outcome parsed = call.parse(args, io.out, io.err);
        parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (in.empty() || outFile.empty()) {
        return call.refuse(io.err, cli_texts::kConvertNeedsInAndOut);
    }
    if (const std::string fault = outputFault("OUT", outFile, {in}, true); !fault.empty()) {
        return call.refuse(io.err, fault);
    }
    const FileKind inKind = fileKindOf(in);
    const FileKind outKind = fileKindOf(outFile);
    // A duct model and a fan database are different documents: neither becomes the other.
    if ((inKind == FileKind::DuctModel && outKind == FileKind::FanDatabase) ||
        (inKind == FileKind::FanDatabase && outKind == FileKind::DuctModel)) {
        return call.refuse(io.err, cli_texts::convertBetweenKinds(in, outFile));
    }
    // A fan database is a ".fdb" on one side, or JSON with a "fanDatabase" list on both.
    const bool database =
        inKind == FileKind::FanDatabase || outKind == FileKind::FanDatabase ||
        (inKind == FileKind::Json && outKind == FileKind::Json && holdsFanDatabase(in));
    FileStatus written;
    if (database) {
        FileRead<CFanDatabaseDoc> read = readFanDatabase(in);
        if (!read.ok()) {
            io.err << read.error << '\n';
            return kExitUsage;
        }
        written = writeFanDatabase(*read.document, outFile);
    } else {
        FileRead<CFlowmarDoc> read = readModelFile(in);
        if (!read.ok()) {
            io.err << read.error << '\n';
            return kExitUsage;
        }
        written = writeModelFile(*read.document, outFile);
        if (written.ok() && outKind == FileKind::DuctModel &&
            read.document->designCriteria.anySet()) {
            io.err << cli_texts::kCriteriaNotInDct << '\n';
        }
    }
    if (!written.ok()) {
        io.err << written.error << '\n';
        return kExitUsage;
    }
    // A converted file that its own reader refuses is a loss, not a copy: what the readers of
    // the two forms take differs wherever a check is missing from one of them.
    const std::string readBack =
        database ? readFanDatabase(outFile).error : readModelFile(outFile).error;
    if (!readBack.empty()) {
        std::error_code ec;
        std::filesystem::remove(outFile, ec);
        io.err << cli_texts::convertedFileUnreadable(outFile, readBack) << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace flowmar::cli
