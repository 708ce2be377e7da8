// The answer to the core's questions where nobody can click: the command line, and the program
// printing from its own command line. Messages go to a stream, standard error (and are kept, for
// the JSON output and the exit status); every sheet or dialog is answered with Cancel, as the
// port's defaults do, and reported on the stream.
#pragma once

#include "core/ui_port.h"

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace flowmar {

class StreamPort : public UiPort {
public:
    explicit StreamPort(std::ostream& err) : m_err(err) {}

    // Messages since the last call, oldest first.
    std::vector<std::string> takeMessages();
    bool hasMessages() const { return !m_messages.empty(); }
    // With several models in one call, each line on the stream starts with "<source>: " to say
    // which model it belongs to; empty (the default) for none. The kept messages stay bare.
    void setSource(std::string source) { m_source = std::move(source); }

    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon icon) override;

protected:
    // "(would open the Duct Details sheet)".
    void dialogDeclined(Dialog dialog) override;

private:
    std::ostream& m_err;
    std::vector<std::string> m_messages;
    std::string m_source;
};

} // namespace flowmar
