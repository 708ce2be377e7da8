#include "core/commands/stream_port.h"

#include "core/model/messages.h"

#include <ostream>
#include <utility>

namespace flowmar {

std::vector<std::string> StreamPort::takeMessages() {
    return std::exchange(m_messages, {});
}

void StreamPort::showMessage(std::string_view text, MessageIcon) {
    m_messages.emplace_back(text);
    m_err << (m_source.empty() ? "" : m_source + ": ") << text << '\n';
}

void StreamPort::dialogDeclined(Dialog dialog) {
    m_err << (m_source.empty() ? "" : m_source + ": ") << messages::wouldOpen(dialogName(dialog))
          << '\n';
}

} // namespace flowmar
