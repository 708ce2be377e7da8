// Where the command line may write: never over a file it reads in the same call (a symlink or a
// second hard link to it included), and a picture or a table never over a model or a fan database;
// and how it writes there: whole or not at all, or to standard output for "-".
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar::cli {

// "-" is standard output, never a file.
inline constexpr std::string_view kStandardStream = "-";

// Whether two names reach the same file: the same canonical path (symlinks followed, the missing
// tail kept as given) or, for two existing names, the same inode.
bool sameFile(const std::string& a, const std::string& b);

// The fault of writing output (named by option, as the call gives it) when the call reads
// inputs: empty when the output may be written. Unless mayBeModel, a name ending in .dct, .fdb or
// .json is refused whether or not such a file exists.
std::string outputFault(std::string_view option, const std::string& output,
                        const std::vector<std::string>& inputs, bool mayBeModel);

// Writes text (an SVG, a CSV) through the models' atomic save; false after telling err why.
bool writeTextFile(const std::string& path, const std::string& text, std::ostream& err);
// The same, but "-" writes the text to out.
bool writeText(const std::string& path, const std::string& text, std::ostream& out,
               std::ostream& err);

} // namespace flowmar::cli
