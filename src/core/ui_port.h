// UiPort: every way in which the core asks a person something or shows them something. The Qt
// program implements it with real dialogs, the command line with standard error and Cancel, and
// the tests with a scripted fake. Values cross it in the units the model shows.
#pragma once

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

struct OpenFileRequest {
    std::string title;  // e.g. "Specify Fan Database File"
    std::string filter; // e.g. "Fan Files (*.fdb)|*.fdb||"
};

class UiPort {
public:
    virtual ~UiPort() = default;

    // A modal message box with an OK button.
    virtual void showMessage(std::string_view text, MessageIcon icon) = 0;
    void showMessage(std::string_view text) { showMessage(text, MessageIcon::None); }

    // Modal sheets and dialogs: they edit the values in place and return true on OK. On Cancel
    // the caller ignores whatever the values hold.
    virtual bool runDuctDetails(DuctDetailsValues& values) = 0;
    virtual bool runShockLosses(ShockLossValues& values) = 0;
    virtual bool runFixedQuantity(FixedQuantityValues& values) = 0;
    // The Add/Edit Fan dialog; its "Edit Fan Curve" and "Import Fan Curve" buttons call
    // editFanCurve and importFanCurve with the same port.
    virtual bool runAddEditFan(AddFanValues& values) = 0;
    // The curve editor "Fan Database - Details".
    virtual bool runCurveEditor(CurveEditorValues& values) = 0;
    // "Edit Fan" or "Delete Fan": a fan number 1..100.
    virtual bool runFanNumber(FanNumberDialog dialog, int& number) = 0;
    virtual bool runNotepad(std::string& text) = 0;
    virtual bool runGraphOptions(GraphOptions& options) = 0;
    // "Select Fan to Add to Project": the fans of a database file; the chosen number on OK.
    virtual bool runSelectFan(SelectFanValues& values) = 0;
    // Select Units has OK only: it returns the chosen unit system (0 Imperial, 1 SI), or the value
    // it was opened with when no button was clicked.
    virtual int runSelectUnits(int unitSystem) = 0;
    // The platform's file-open dialog for an existing file; no value on Cancel.
    virtual std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request) = 0;

    // The wait cursor around a long computation; calls nest in pairs.
    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;
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
