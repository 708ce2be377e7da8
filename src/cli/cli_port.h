// The command line's answer to the core's questions: messages go to standard error (and are kept
// for the JSON output), every sheet or dialog is reported and answered with Cancel.
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
    bool runDuctDetails(DuctDetailsValues&) override;
    bool runShockLosses(ShockLossValues&) override;
    bool runFixedQuantity(FixedQuantityValues&) override;
    bool runAddEditFan(AddFanValues&) override;
    bool runCurveEditor(CurveEditorValues&) override;
    bool runFanNumber(FanNumberDialog, int&) override;
    bool runNotepad(std::string&) override;
    bool runGraphOptions(GraphOptions&) override;
    bool runSelectFan(SelectFanValues&) override;
    int runSelectUnits(int unitSystem) override { return unitSystem; }
    std::optional<std::string> chooseFileToOpen(const OpenFileRequest&) override { return {}; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}

private:
    bool wouldOpen(std::string_view what);

    std::ostream& m_err;
    std::vector<std::string> m_messages;
};

} // namespace flowmar::cli
