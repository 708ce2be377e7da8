#include "cli/call.h"

#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "core/model/units.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <sstream>

namespace flowmar::cli {

int wrongCall(std::ostream& err, std::string_view fault) {
    err << fault << '\n' << cli_texts::kSeeHelp << '\n';
    return kExitUsage;
}

std::string usageOf(std::string_view command) {
    // A command's synopsis is its "  flowmar-cli COMMAND" lines and the deeper-indented lines
    // that continue them.
    const std::string start = "  flowmar-cli " + std::string(command) + " ";
    std::istringstream help{std::string(cli_texts::kCommandLineHelp)};
    std::string usage = "Usage:\n";
    bool inside = false;
    for (std::string line; std::getline(help, line) && !line.empty();) {
        if (line.starts_with(start) || line == start.substr(0, start.size() - 1)) {
            inside = true;
        } else if (!line.starts_with("    ")) {
            inside = false;
        }
        if (inside) {
            usage += line + '\n';
        }
    }
    return usage;
}

std::string checkUnits(const std::string& value) {
    return value == "si" || value == "imperial" ? std::string() : cli_texts::unitsNotKnown(value);
}

std::string checkWholeNumber(const std::string& value, int lowest, int highest,
                             const std::string& fault) {
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    const bool whole = ec == std::errc{} && end == value.data() + value.size();
    return whole && number >= lowest && number <= highest ? std::string() : fault;
}

std::optional<int> unitsOf(const std::string& value) {
    if (value.empty()) {
        return std::nullopt;
    }
    return value == "si" ? kSI : kImperial;
}

Call::Call(const Command& command) : Call(std::string(command.name), std::string(command.help)) {}

Call::Call(std::string command, std::string description)
    : m_command(std::move(command)), m_app(std::move(description), "flowmar-cli " + m_command) {
    m_app.allow_extras();
    m_app.set_help_flag("-h,--help", std::string(cli_texts::kCommandHelpFlag));
}

CLI::Option* Call::check(CLI::Option* option,
                         std::function<std::string(const std::string&)> check) {
    return option->check(CLI::Validator(
        [this, check = std::move(check)](std::string& value) {
            m_fault = check(value);
            return m_fault;
        },
        ""));
}

int Call::refuse(std::ostream& err, std::string_view fault) const {
    err << fault << "\n\n" << usageOf(m_command) << cli_texts::kSeeHelp << '\n';
    return kExitUsage;
}

Call::Outcome Call::parse(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err,
                          const std::function<std::string(const std::string&)>& unexpected) {
    // CLI11 takes a vector from its end.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    m_fault.clear();
    try {
        m_app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << m_app.help();
        return Outcome::Help;
    } catch (const CLI::ValidationError& e) {
        refuse(err, m_fault.empty() ? std::string(e.what()) : m_fault);
        return Outcome::Wrong;
    } catch (const CLI::ArgumentMismatch& e) {
        // "--csv: 1 required FILE missing": the option is what comes before the colon.
        const std::string text = e.what();
        refuse(err, cli_texts::optionNeedsValue(text.substr(0, text.find(':'))));
        return Outcome::Wrong;
    } catch (const CLI::ParseError& e) {
        refuse(err, e.what());
        return Outcome::Wrong;
    }
    const std::vector<std::string> left = m_app.remaining();
    if (!left.empty()) {
        const std::string& first = left.front();
        const bool option = first.size() > 1 && first.starts_with("-");
        const std::string fault = option       ? cli_texts::unknownOption(first)
                                  : unexpected ? unexpected(first)
                                               : cli_texts::unexpectedArgument(first);
        refuse(err, fault);
        return Outcome::Wrong;
    }
    return Outcome::Parsed;
}

int statusOf(Call::Outcome outcome) {
    return outcome == Call::Outcome::Help ? kExitOk : kExitUsage;
}

} // namespace flowmar::cli
