// UiPort: every way in which the core asks a person something or shows them something. The Qt
// program implements it with real dialogs, the command line with standard error and Cancel, and
// the tests with a scripted fake. Values cross it in the units the model shows.
#pragma once

#include <string_view>

namespace flowmar {

struct DuctDetailsValues;
struct ShockLossValues;
struct FixedQuantityValues;

class UiPort {
public:
    virtual ~UiPort() = default;

    // A modal message box with an OK button.
    virtual void showMessage(std::string_view text) = 0;

    // Modal sheets and dialogs: they edit the values in place and return true on OK. On Cancel
    // the caller ignores whatever the values hold.
    virtual bool runDuctDetails(DuctDetailsValues& values) = 0;
    virtual bool runShockLosses(ShockLossValues& values) = 0;
    virtual bool runFixedQuantity(FixedQuantityValues& values) = 0;
    // Select Units has OK only: it returns the chosen unit system (0 Imperial, 1 SI), or the value
    // it was opened with when no button was clicked.
    virtual int runSelectUnits(int unitSystem) = 0;

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
