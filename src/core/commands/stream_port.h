// The answer to the core's questions where nobody can click: the command line, and the program
// printing from its own command line. Messages go to a stream, standard error (and are kept, for
// the JSON output and the exit status); every sheet or dialog is answered with Cancel, as the
// port's defaults do, and reported on the stream.
#pragma once

#include "core/ui_port.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace flowmar {

class StreamPort : public UiPort {
public:
    explicit StreamPort(std::ostream& err) : m_err(err) {}

    // Messages since the last call, oldest first.
    std::vector<std::string> takeMessages();
    bool hasMessages() const { return !m_messages.empty(); }

    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon icon) override;

protected:
    // "(would open the Duct Details sheet)".
    void dialogDeclined(Dialog dialog) override;

private:
    std::ostream& m_err;
    std::vector<std::string> m_messages;
};

} // namespace flowmar
