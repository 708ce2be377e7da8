#include "cli/commands.h"

#include "cli/cli_texts.h"
#include "cli/convert_command.h"
#include "cli/graph_command.h"
#include "cli/new_command.h"
#include "cli/run_command.h"
#include "cli/study_command.h"
#include "core/commands/stream_port.h"

#include <iostream>
#include <istream>
#include <ostream>
#include <string_view>

namespace flowmar::cli {

namespace {

// The commands in the order of flowmar-cli --help: one row for each, its handler in a file of its
// own (cli/NAME_command.h and .cpp, listed in CMakeLists.txt), its texts in cli_texts.h.
constexpr Command kCommands[] = {
    {"run", cli_texts::kCliRun, runCommand},
    {"graph", cli_texts::kCliGraph, graphCommand},
    {"convert", cli_texts::kCliConvert, convertCommand},
    {"new", cli_texts::kCliNew, newCommand},
    {"study", cli_texts::kCliStudy, studyCommand},
};

const Command* commandNamed(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

// A command of the table that the code names itself.
int callCommand(std::string_view name, const std::vector<std::string>& args,
                const CommandStreams& io) {
    const Command& command = *commandNamed(name);
    return command.handler(command, args, io);
}

} // namespace

int runModels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    StreamPort port(err);
    return callCommand("run", args, {std::cin, out, err, port});
}

int writeGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err) {
    return callCommand("graph", args, {std::cin, std::cout, err, port});
}

int convertFile(const std::vector<std::string>& args, std::ostream& err) {
    StreamPort port(err);
    return callCommand("convert", args, {std::cin, std::cout, err, port});
}

int writeNewModel(const std::vector<std::string>& args, std::ostream& err) {
    StreamPort port(err);
    return callCommand("new", args, {std::cin, std::cout, err, port});
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCommandLine(args, std::cin, out, err);
}

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << cli_texts::kCommandLineHelp;
        return args.empty() ? kExitUsage : kExitOk;
    }
    if (args[0] == "--version") {
        out << cli_texts::commandLineVersion() << '\n';
        return kExitOk;
    }
    const Command* command = commandNamed(args[0]);
    if (command == nullptr) {
        err << cli_texts::unknownCommand(args[0]) << "\n\n" << cli_texts::kCommandLineHelp;
        return kExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    StreamPort port(err);
    return command->handler(*command, rest, {in, out, err, port});
}

} // namespace flowmar::cli
