// The desktop program's answer to the core's questions: message boxes with the exact texts, the
// dialogs that exist, the wait cursor. A sheet or dialog that this version does not have yet is
// said so in the status bar and answered with Cancel.
#pragma once

#include "core/ui_port.h"

#include <QString>

#include <functional>

class QWidget;

namespace flowmar {

class QtUiPort : public UiPort {
public:
    // `notAvailable` is told the name of a sheet or dialog this version does not have yet.
    QtUiPort(QWidget* parent, std::function<void(const QString&)> notAvailable);

    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon icon) override;
    bool runShockLosses(ShockLossValues& values) override;
    bool runFixedQuantity(FixedQuantityValues& values) override;
    bool runDuctDetails(DuctDetailsValues& values) override;
    bool runFanNumber(FanNumberDialog dialog, int& number) override;
    bool runAddEditFan(AddFanValues& values) override;
    bool runCurveEditor(CurveEditorValues& values) override;
    bool runSelectFan(SelectFanValues& values) override;
    bool runNotepad(std::string& text) override;
    bool runGraphOptions(GraphOptions& options) override;
    int runSelectUnits(int unitSystem) override;
    std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;

protected:
    // The sheets and dialogs not overridden above: "the Duct Details sheet" to notAvailable.
    void dialogDeclined(Dialog dialog) override;

private:
    QWidget* m_parent;
    std::function<void(const QString&)> m_notAvailable;
};

} // namespace flowmar
