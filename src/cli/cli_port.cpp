#include "cli/cli_port.h"

#include "core/model/messages.h"

#include <ostream>
#include <utility>

namespace flowmar::cli {

std::vector<std::string> CliPort::takeMessages() {
    return std::exchange(m_messages, {});
}

void CliPort::showMessage(std::string_view text, MessageIcon) {
    m_messages.emplace_back(text);
    m_err << text << '\n';
}

void CliPort::dialogDeclined(Dialog dialog) {
    m_err << messages::wouldOpen(dialogName(dialog)) << '\n';
}

} // namespace flowmar::cli
