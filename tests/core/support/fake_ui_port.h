// A scripted UiPort for tests: records every message and dialog, and answers each dialog with
// the script's handler (Cancel when none is set).
#pragma once

#include "core/input/duct_details_values.h"
#include "core/input/fixed_quantity_values.h"
#include "core/input/shock_loss_values.h"
#include "core/ui_port.h"

#include <functional>
#include <string>
#include <vector>

namespace flowmar::testing {

class FakeUiPort : public UiPort {
public:
    std::vector<std::string> messages;
    std::vector<std::string> dialogs; // "DuctDetails", "ShockLosses", "FixedQuantity", ...
    int waitCursorDepth = 0;
    int waitCursorShown = 0;

    std::function<bool(DuctDetailsValues&)> onDuctDetails;
    std::function<bool(ShockLossValues&)> onShockLosses;
    std::function<bool(FixedQuantityValues&)> onFixedQuantity;
    std::function<int(int)> onSelectUnits;

    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    bool runDuctDetails(DuctDetailsValues& values) override {
        dialogs.emplace_back("DuctDetails");
        return onDuctDetails ? onDuctDetails(values) : false;
    }
    bool runShockLosses(ShockLossValues& values) override {
        dialogs.emplace_back("ShockLosses");
        return onShockLosses ? onShockLosses(values) : false;
    }
    bool runFixedQuantity(FixedQuantityValues& values) override {
        dialogs.emplace_back("FixedQuantity");
        return onFixedQuantity ? onFixedQuantity(values) : false;
    }
    int runSelectUnits(int unitSystem) override {
        dialogs.emplace_back("SelectUnits");
        return onSelectUnits ? onSelectUnits(unitSystem) : unitSystem;
    }
    void beginWaitCursor() override {
        ++waitCursorDepth;
        ++waitCursorShown;
    }
    void endWaitCursor() override { --waitCursorDepth; }
};

} // namespace flowmar::testing
