// The command line's answer to the core's questions: messages go to standard error (and are kept
// for the JSON output); every sheet or dialog is answered with Cancel, as the port's defaults do,
// and reported on standard error.
#pragma once

#include "core/ui_port.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace flowmar::cli {

class CliPort : public UiPort {
public:
    explicit CliPort(std::ostream& err) : m_err(err) {}

    // Messages since the last call, oldest first.
    std::vector<std::string> takeMessages();

    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon icon) override;

protected:
    // "(would open the Duct Details sheet)".
    void dialogDeclined(Dialog dialog) override;

private:
    std::ostream& m_err;
    std::vector<std::string> m_messages;
};

} // namespace flowmar::cli
