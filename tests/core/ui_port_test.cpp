// The port's defaults: a port that overrides nothing but its messages answers every question
// with Cancel and says which dialog it did not open, so a port never needs a dialog it lacks and
// the command line can report each one.
#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/fans/select_fan.h"
#include "core/input/duct_details_values.h"
#include "core/input/fixed_quantity_values.h"
#include "core/input/graph_options.h"
#include "core/input/shock_loss_values.h"
#include "core/model/units.h"
#include "core/ui_port.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace flowmar {
namespace {

class MessagesOnlyPort : public UiPort {
public:
    void showMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }

    std::vector<std::string> messages;
    std::vector<Dialog> declined;

protected:
    void dialogDeclined(Dialog dialog) override { declined.push_back(dialog); }
};

// One question of each kind; ask returns true when the answer was anything but Cancel.
struct Question {
    Dialog dialog;
    bool (*ask)(UiPort& port);
};

const Question kEveryQuestion[] = {
    {Dialog::DuctDetails,
     [](UiPort& port) {
         DuctDetailsValues values;
         return port.runDuctDetails(values);
     }},
    {Dialog::ShockLosses,
     [](UiPort& port) {
         ShockLossValues values;
         return port.runShockLosses(values);
     }},
    {Dialog::FixedQuantity,
     [](UiPort& port) {
         FixedQuantityValues values;
         return port.runFixedQuantity(values);
     }},
    {Dialog::AddEditFan,
     [](UiPort& port) {
         AddFanValues values;
         return port.runAddEditFan(values);
     }},
    {Dialog::CurveEditor,
     [](UiPort& port) {
         CurveEditorValues values;
         return port.runCurveEditor(values);
     }},
    {Dialog::EditFan,
     [](UiPort& port) {
         int number = 1;
         return port.runFanNumber(FanNumberDialog::EditFan, number);
     }},
    {Dialog::DeleteFan,
     [](UiPort& port) {
         int number = 1;
         return port.runFanNumber(FanNumberDialog::DeleteFan, number);
     }},
    {Dialog::Notepad,
     [](UiPort& port) {
         std::string text;
         return port.runNotepad(text);
     }},
    {Dialog::GraphOptions,
     [](UiPort& port) {
         GraphOptions options;
         return port.runGraphOptions(options);
     }},
    {Dialog::SelectFan,
     [](UiPort& port) {
         SelectFanValues values;
         return port.runSelectFan(values);
     }},
    // Select Units has no Cancel: not opened, it keeps the unit system it was opened with.
    {Dialog::SelectUnits, [](UiPort& port) { return port.runSelectUnits(kImperial) != kImperial; }},
    {Dialog::ChooseFileToOpen,
     [](UiPort& port) {
         return port.chooseFileToOpen({"Specify Fan Database File", "Fan Files (*.fdb)|*.fdb||"})
             .has_value();
     }},
};

TEST(UiPortDefaults, AnswerEveryQuestionWithCancelAndNameTheDialogNotOpened) {
    MessagesOnlyPort port;
    std::set<Dialog> asked;
    for (const Question& question : kEveryQuestion) {
        port.declined.clear();
        EXPECT_FALSE(question.ask(port)) << ::testing::PrintToString(question.dialog);
        EXPECT_EQ(port.declined, std::vector<Dialog>{question.dialog});
        asked.insert(question.dialog);
    }
    EXPECT_EQ(asked.size(), std::size(kEveryQuestion)) << "each dialog asked once";
    {
        const WaitCursor waiting(port); // a port without a cursor shows nothing and asks nothing
    }
    EXPECT_TRUE(port.messages.empty());
}

TEST(UiPortDefaults, EveryDialogHasItsOwnNameAsAPersonReadsIt) {
    std::set<std::string_view> names;
    for (const Question& question : kEveryQuestion) {
        const std::string_view name = dialogName(question.dialog);
        EXPECT_TRUE(name.starts_with("the ")) << name; // read after "would open" or before "is"
        EXPECT_TRUE(names.insert(name).second) << name << " names two dialogs";
    }
    EXPECT_EQ(dialogName(Dialog::DuctDetails), "the Duct Details sheet");
}

} // namespace
} // namespace flowmar
