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
#include <string>
#include <vector>

namespace flowmar::testing {

class FakeUiPort : public UiPort {
public:
    std::vector<std::string> messages;
    std::vector<MessageIcon> messageIcons;
    std::vector<std::string> dialogs; // "DuctDetails", "ShockLosses", "AddEditFan", ...
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
        return answer("DuctDetails", onDuctDetails, values);
    }
    bool runShockLosses(ShockLossValues& values) override {
        return answer("ShockLosses", onShockLosses, values);
    }
    bool runFixedQuantity(FixedQuantityValues& values) override {
        return answer("FixedQuantity", onFixedQuantity, values);
    }
    bool runAddEditFan(AddFanValues& values) override {
        return answer("AddEditFan", onAddEditFan, values);
    }
    bool runCurveEditor(CurveEditorValues& values) override {
        return answer("CurveEditor", onCurveEditor, values);
    }
    bool runFanNumber(FanNumberDialog dialog, int& number) override {
        dialogs.emplace_back(dialog == FanNumberDialog::EditFan ? "EditFan" : "DeleteFan");
        return onFanNumber ? onFanNumber(dialog, number) : false;
    }
    bool runNotepad(std::string& text) override { return answer("Notepad", onNotepad, text); }
    bool runGraphOptions(GraphOptions& options) override {
        return answer("GraphOptions", onGraphOptions, options);
    }
    bool runSelectFan(SelectFanValues& values) override {
        return answer("SelectFan", onSelectFan, values);
    }
    int runSelectUnits(int unitSystem) override {
        dialogs.emplace_back("SelectUnits");
        return onSelectUnits ? onSelectUnits(unitSystem) : unitSystem;
    }
    std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request) override {
        dialogs.emplace_back("ChooseFile");
        return onChooseFile ? onChooseFile(request) : std::nullopt;
    }
    void beginWaitCursor() override {
        ++waitCursorDepth;
        ++waitCursorShown;
    }
    void endWaitCursor() override { --waitCursorDepth; }

private:
    template <typename Values>
    bool answer(const char* name, const std::function<bool(Values&)>& handler, Values& values) {
        dialogs.emplace_back(name);
        return handler ? handler(values) : false;
    }
};

} // namespace flowmar::testing
