// One command's call parsed with CLI11: its options typed and checked, a wrong call told in the
// command line's words with the command's usage, and --help answered with the command's help.
#pragma once

#include "cli/command.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar::cli {

// A wrong call: the fault, then where to read how to call. Returns kExitUsage.
int wrongCall(std::ostream& err, std::string_view fault);

// The synopsis lines of a command in the command line's help, "Usage:" first.
std::string usageOf(std::string_view command);

// The checks of an option's text that several commands share: the fault, or an empty text for a
// value that may stand.
std::string checkUnits(const std::string& value); // "si" or "imperial"
// A whole number from lowest to highest; the fault otherwise.
std::string checkWholeNumber(const std::string& value, int lowest, int highest,
                             const std::string& fault);
// The unit system that --units names; none when it was not given.
std::optional<int> unitsOf(const std::string& value);

class Call {
public:
    // The command's call, its help headed by the command's row of the table.
    explicit Call(const Command& command);

    CLI::App& app() { return m_app; }

    // Checks an option's text before it is converted: check returns the fault in the command
    // line's words, or an empty text for a value that may stand.
    CLI::Option* check(CLI::Option* option, std::function<std::string(const std::string&)> check);

    enum class Outcome { Parsed, Help, Wrong };
    // Parses args (in order, the command's word left out). Help: the command's help went to out.
    // Wrong: the fault and the command's usage went to err. An argument that no option or
    // positional takes is a fault: unexpected is its text for a word, unknownOption for a dash.
    Outcome parse(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<std::string(const std::string&)>& unexpected = {});

    // A wrong call found after parsing: the fault, the command's usage and where to read more.
    // Returns kExitUsage.
    int refuse(std::ostream& err, std::string_view fault) const;

private:
    Call(std::string command, std::string description);

    std::string m_command;
    CLI::App m_app;
    std::string m_fault; // the last check's fault, told instead of CLI11's wrapping of it
};

// The exit status of a call that parsed to its help (0) or to a fault (kExitUsage).
int statusOf(Call::Outcome outcome);

} // namespace flowmar::cli
