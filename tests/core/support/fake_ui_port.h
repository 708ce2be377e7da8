// A scripted UiPort for tests: records every message and dialog, and answers each dialog with
// the script's handler (Cancel when none is set).
#pragma once

#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/fans/select_fan.h"
#include "core/input/duct_details_values.h"
#include "core/input/fixed_quantity_values.h"
#include "core/input/graph_options.h"
#include "core/input/shock_loss_values.h"
#include "core/ui_port.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace flowmar {

// Failed checks on recorded dialogs name them as a person would.
inline void PrintTo(Dialog dialog, std::ostream* os) {
    *os << dialogName(dialog);
}

namespace testing {

class FakeUiPort : public UiPort {
public:
    std::vector<std::string> messages;
    std::vector<MessageIcon> messageIcons;
    std::vector<Dialog> dialogs; // every dialog asked for, in order, answered or not
    int waitCursorDepth = 0;
    int waitCursorShown = 0;

    std::function<bool(DuctDetailsValues&)> onDuctDetails;
    std::function<bool(ShockLossValues&)> onShockLosses;
    std::function<bool(FixedQuantityValues&)> onFixedQuantity;
    std::function<bool(AddFanValues&)> onAddEditFan;
    std::function<bool(CurveEditorValues&)> onCurveEditor;
    std::function<bool(FanNumberDialog, int&)> onFanNumber;
    std::function<bool(std::string&)> onNotepad;
    std::function<bool(GraphOptions&)> onGraphOptions;
    std::function<bool(SelectFanValues&)> onSelectFan;
    std::function<int(int)> onSelectUnits;
    std::function<std::optional<std::string>(const OpenFileRequest&)> onChooseFile;

    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon icon) override {
        messages.emplace_back(text);
        messageIcons.push_back(icon);
    }

    bool runDuctDetails(DuctDetailsValues& values) override {
        return answer(Dialog::DuctDetails, onDuctDetails, values);
    }
    bool runShockLosses(ShockLossValues& values) override {
        return answer(Dialog::ShockLosses, onShockLosses, values);
    }
    bool runFixedQuantity(FixedQuantityValues& values) override {
        return answer(Dialog::FixedQuantity, onFixedQuantity, values);
    }
    bool runAddEditFan(AddFanValues& values) override {
        return answer(Dialog::AddEditFan, onAddEditFan, values);
    }
    bool runCurveEditor(CurveEditorValues& values) override {
        return answer(Dialog::CurveEditor, onCurveEditor, values);
    }
    bool runFanNumber(FanNumberDialog dialog, int& number) override {
        dialogs.push_back(dialog == FanNumberDialog::EditFan ? Dialog::EditFan : Dialog::DeleteFan);
        return onFanNumber ? onFanNumber(dialog, number) : false;
    }
    bool runNotepad(std::string& text) override { return answer(Dialog::Notepad, onNotepad, text); }
    bool runGraphOptions(GraphOptions& options) override {
        return answer(Dialog::GraphOptions, onGraphOptions, options);
    }
    bool runSelectFan(SelectFanValues& values) override {
        return answer(Dialog::SelectFan, onSelectFan, values);
    }
    int runSelectUnits(int unitSystem) override {
        dialogs.push_back(Dialog::SelectUnits);
        return onSelectUnits ? onSelectUnits(unitSystem) : unitSystem;
    }
    std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request) override {
        dialogs.push_back(Dialog::ChooseFileToOpen);
        return onChooseFile ? onChooseFile(request) : std::nullopt;
    }
    void beginWaitCursor() override {
        ++waitCursorDepth;
        ++waitCursorShown;
    }
    void endWaitCursor() override { --waitCursorDepth; }

private:
    template <typename Values>
    bool answer(Dialog dialog, const std::function<bool(Values&)>& handler, Values& values) {
        dialogs.push_back(dialog);
        return handler ? handler(values) : false;
    }
};

} // namespace testing
} // namespace flowmar
