#include "cli/cli_port.h"

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

bool CliPort::wouldOpen(std::string_view what) {
    m_err << "(would open the " << what << ")\n";
    return false;
}

bool CliPort::runDuctDetails(DuctDetailsValues&) {
    return wouldOpen("Duct Details sheet");
}
bool CliPort::runShockLosses(ShockLossValues&) {
    return wouldOpen("Shock Losses sheet");
}
bool CliPort::runFixedQuantity(FixedQuantityValues&) {
    return wouldOpen("Fixed Quantity Tool dialog");
}
bool CliPort::runAddEditFan(AddFanValues&) {
    return wouldOpen("Add/Edit Fan dialog");
}
bool CliPort::runCurveEditor(CurveEditorValues&) {
    return wouldOpen("curve editor");
}
bool CliPort::runFanNumber(FanNumberDialog, int&) {
    return wouldOpen("fan number dialog");
}
bool CliPort::runNotepad(std::string&) {
    return wouldOpen("Notepad");
}
bool CliPort::runGraphOptions(GraphOptions&) {
    return wouldOpen("Graph Trends dialog");
}
bool CliPort::runSelectFan(SelectFanValues&) {
    return wouldOpen("Select Fan dialog");
}

} // namespace flowmar::cli
