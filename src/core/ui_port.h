// UiPort: every way in which the core asks a person something or shows them something. The Qt
// program implements it with real dialogs, the command line with standard error and Cancel, and
// the tests with a scripted fake. Values cross it in the units the model shows.
#pragma once

#include "core/model/messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace flowmar {

struct AddFanValues;
struct CurveEditorValues;
struct DuctDetailsValues;
struct FixedQuantityValues;
struct GraphOptions;
struct SelectFanValues;
struct ShockLossValues;

enum class MessageIcon { None, Warning };

// The two fan-number dialogs: "Edit Fan" and "Delete Fan", each taking 1..100.
enum class FanNumberDialog { EditFan, DeleteFan };

// Every sheet and dialog the core may open, one per question of the port.
enum class Dialog {
    DuctDetails,
    ShockLosses,
    FixedQuantity,
    AddEditFan,
    CurveEditor,
    EditFan,
    DeleteFan,
    Notepad,
    GraphOptions,
    SelectFan,
    SelectUnits,
    ChooseFileToOpen,
};

// The name a person reads for the dialog: "the Duct Details sheet".
constexpr std::string_view dialogName(Dialog dialog) {
    switch (dialog) {
    case Dialog::DuctDetails:
        return messages::kDuctDetailsSheet;
    case Dialog::ShockLosses:
        return messages::kShockLossesSheet;
    case Dialog::FixedQuantity:
        return messages::kFixedQuantityDialog;
    case Dialog::AddEditFan:
        return messages::kAddEditFanDialog;
    case Dialog::CurveEditor:
        return messages::kFanCurveEditor;
    case Dialog::EditFan:
        return messages::kEditFanDialog;
    case Dialog::DeleteFan:
        return messages::kDeleteFanDialog;
    case Dialog::Notepad:
        return messages::kNotepadDialog;
    case Dialog::GraphOptions:
        return messages::kGraphTrendsDialog;
    case Dialog::SelectFan:
        return messages::kSelectFanDialog;
    case Dialog::SelectUnits:
        return messages::kSelectUnitsDialog;
    case Dialog::ChooseFileToOpen:
        return messages::kFileOpenDialog;
    }
    return {};
}

struct OpenFileRequest {
    std::string title;  // e.g. "Specify Fan Database File"
    std::string filter; // e.g. "Fan Files (*.fdb)|*.fdb||"
};

// Every question has a safe answer here, Cancel, so that a port opens only the dialogs it has: a
// new dialog is one override in the Qt port and one in the scripted fake. Each default tells
// dialogDeclined which dialog it did not open, then answers Cancel.
class UiPort {
public:
    virtual ~UiPort() = default;

    // A modal message box with an OK button. Every port must say where messages go: a message
    // dropped in silence would leave a person with a command that stopped for no reason shown.
    virtual void showMessage(std::string_view text, MessageIcon icon) = 0;
    void showMessage(std::string_view text) { showMessage(text, MessageIcon::None); }

    // Modal sheets and dialogs: they edit the values in place and return true on OK. On Cancel
    // the caller ignores whatever the values hold.
    virtual bool runDuctDetails(DuctDetailsValues&) { return cancel(Dialog::DuctDetails); }
    virtual bool runShockLosses(ShockLossValues&) { return cancel(Dialog::ShockLosses); }
    virtual bool runFixedQuantity(FixedQuantityValues&) { return cancel(Dialog::FixedQuantity); }
    // The Add/Edit Fan dialog; its "Edit Fan Curve" and "Import Fan Curve" buttons call
    // editFanCurve and importFanCurve with the same port.
    virtual bool runAddEditFan(AddFanValues&) { return cancel(Dialog::AddEditFan); }
    // The curve editor "Fan Database - Details".
    virtual bool runCurveEditor(CurveEditorValues&) { return cancel(Dialog::CurveEditor); }
    // "Edit Fan" or "Delete Fan": a fan number 1..100.
    virtual bool runFanNumber(FanNumberDialog dialog, int&) {
        return cancel(dialog == FanNumberDialog::EditFan ? Dialog::EditFan : Dialog::DeleteFan);
    }
    virtual bool runNotepad(std::string&) { return cancel(Dialog::Notepad); }
    virtual bool runGraphOptions(GraphOptions&) { return cancel(Dialog::GraphOptions); }
    // "Select Fan to Add to Project": the fans of a database file; the chosen number on OK.
    virtual bool runSelectFan(SelectFanValues&) { return cancel(Dialog::SelectFan); }
    // Select Units has OK only: it returns the chosen unit system (0 Imperial, 1 SI), or the value
    // it was opened with when no button was clicked, which is also the answer when it is not
    // opened.
    virtual int runSelectUnits(int unitSystem) {
        dialogDeclined(Dialog::SelectUnits);
        return unitSystem;
    }
    // The platform's file-open dialog for an existing file; no value on Cancel.
    virtual std::optional<std::string> chooseFileToOpen(const OpenFileRequest&) {
        dialogDeclined(Dialog::ChooseFileToOpen);
        return std::nullopt;
    }

    // The wait cursor around a long computation; calls nest in pairs. A port without a cursor
    // shows nothing.
    virtual void beginWaitCursor() {}
    virtual void endWaitCursor() {}

protected:
    // Told of each sheet or dialog that a default above did not open. The question is answered
    // with Cancel whatever this does, so a port can report it but never turn it into OK.
    virtual void dialogDeclined(Dialog) {}

private:
    bool cancel(Dialog dialog) {
        dialogDeclined(dialog);
        return false;
    }
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(UiPort& port) : m_port(port) { m_port.beginWaitCursor(); }
    ~WaitCursor() { m_port.endWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UiPort& m_port;
};

} // namespace flowmar
