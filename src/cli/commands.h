// The command line: --help, --version and the table of commands that takes the rest, each
// command taking its arguments (after the command word) and the streams it writes to, and
// returning the process exit status.
#pragma once

#include "cli/exit_codes.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace flowmar {
class StreamPort;
}

namespace flowmar::cli {

// The whole command line after the program's name: --help, --version or one command with its
// arguments. Writes the help to out for --help or no arguments, and to err after an unknown
// command.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same, with run's "-" model read from in instead of standard input.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// Commands of the table by name, each with its arguments after the command word; run's "-" model
// and the "-" outputs use the process's standard streams.
int runModels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// graph MODEL -o FILE.svg: opens the model as run does and writes its Graph View as SVG, stretched
// onto --width x --height pixels, with the graph options the flags turn off.
int writeGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err);
int convertFile(const std::vector<std::string>& args, std::ostream& err);
int writeNewModel(const std::vector<std::string>& args, std::ostream& err);

} // namespace flowmar::cli
