#include "cli/new_command.h"

#include "cli/call.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "core/commands/document_commands.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"

#include <ostream>

namespace flowmar::cli {

int newCommand(const Command& command, const std::vector<std::string>& args,
               const CommandStreams& io) {
    bool imperial = false;
    std::string outFile;
    Call call(command);
    call.app().add_flag("--imperial", imperial, std::string(cli_texts::kCliImperial));
    call.app().add_option("OUT", outFile, std::string(cli_texts::kCliNewOut));
    if (const Call::Outcome parsed = call.parse(args, io.out, io.err);
        parsed != Call::Outcome::Parsed) {
        return statusOf(parsed);
    }
    if (outFile.empty()) {
        return call.refuse(io.err, cli_texts::kNewNeedsOut);
    }
    CFlowmarDoc doc;
    if (imperial) {
        applyImperialDefaults(doc);
    }
    if (const FileStatus written = writeModelFile(doc, outFile); !written.ok()) {
        io.err << written.error << '\n';
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace flowmar::cli
