// What a command of flowmar-cli is: a row of the table in commands.cpp (its name, its help and its
// handler) and the streams its handler gets. A new command is one file with its handler and one
// more row of that table; its texts go to cli_texts.h.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {
class StreamPort;
}

namespace flowmar::cli {

// The streams a command reads and writes.
struct CommandStreams {
    std::istream& in;  // run's "-" model
    std::ostream& out; // the reports, and every "-" output
    std::ostream& err; // the messages and the faults of a wrong call
    StreamPort& port;  // tells Execute's and the files' messages on err
};

struct Command;

// A command's work: its arguments after the command word in, the process exit status
// (cli/exit_codes.h) out. The command's own row gives the name and help of its --help.
using CommandHandler = int (*)(const Command& command, const std::vector<std::string>& args,
                               const CommandStreams& io);

struct Command {
    std::string_view name; // the word after flowmar-cli
    std::string_view help; // what the command does, atop flowmar-cli NAME --help
    CommandHandler handler;
};

} // namespace flowmar::cli
