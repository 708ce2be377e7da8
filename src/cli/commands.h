// The command line's commands, each taking its arguments (after the command word) and the
// streams it writes to, and returning the process exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace flowmar {
class StreamPort;
}

namespace flowmar::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitStopped = 1;
inline constexpr int kExitUsage = 2; // also: a file that cannot be read or written
inline constexpr int kExitIterationLimit = 3;

// The SVG canvas of graph when no size is given, in pixels.
inline constexpr int kDefaultGraphWidth = 1200;
inline constexpr int kDefaultGraphHeight = 900;

// The whole command line after the program's name: --help, --version or one command with its
// arguments. Writes the help to out for --help or no arguments, and to err after an unknown
// command.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same, with run's "-" model read from in instead of standard input.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// The commands, each with its arguments after the command word; run's "-" model and the "-"
// outputs use the process's standard streams.
int runModels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// graph MODEL -o FILE.svg: opens the model as run does and writes its Graph View as SVG, stretched
// onto --width x --height pixels, with the graph options the flags turn off.
int writeGraph(const std::vector<std::string>& args, StreamPort& port, std::ostream& err);
int convertFile(const std::vector<std::string>& args, std::ostream& err);
int writeNewModel(const std::vector<std::string>& args, std::ostream& err);

// Writes text (an SVG, a CSV) through the models' atomic save; false after telling err why.
bool writeTextFile(const std::string& path, const std::string& text, std::ostream& err);
// The same, but "-" writes the text to out.
bool writeText(const std::string& path, const std::string& text, std::ostream& out,
               std::ostream& err);

} // namespace flowmar::cli
