// When a document's recovery copy is due. A document's input (what a person typed, not what
// Execute derived from it) is compared with what its file holds and with the last copy written:
// only an input that differs from both is worth a copy, so the Execute that opening a model runs
// (which marks the model modified but changes no input) writes none, and a copy is written at
// most once per interval however often the document changes.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace flowmar {

class CFanDatabaseDoc;
class CFlowmarDoc;

// The document's input as bytes that compare equal exactly when two documents hold the same
// input: a model's JSON form (which leaves out what Execute derives and finds), a database's
// ".fdb" bytes. Empty for a database that cannot be written in its format.
std::vector<std::uint8_t> recoveryInput(const CFlowmarDoc& doc);
std::vector<std::uint8_t> recoveryInput(const CFanDatabaseDoc& db);

class RecoveryTracker {
public:
    using Clock = std::chrono::steady_clock;

    // `fileInput` is the input as the document's file holds it; empty when no file holds it (a
    // document restored from a copy: whatever it holds is worth a copy).
    explicit RecoveryTracker(std::vector<std::uint8_t> fileInput);

    enum class Step {
        Nothing, // the copy, if any, holds this input already
        Write,   // write a copy of the document now
        Discard, // the copy is not needed any more: the file holds the input, or it is saved
    };
    // What to do with the document's copy, given its input and modified flag now. A Write is
    // taken as written at `now`.
    Step check(const std::vector<std::uint8_t>& input, bool modified, Clock::time_point now);

    // The document was saved: its file holds `fileInput` now, and its copy goes.
    void saved(std::vector<std::uint8_t> fileInput);

    // How long after a change at `now` the check should run: `settle` after the change, but no
    // sooner than `interval` after the last copy was written.
    Clock::duration delayAfterChange(Clock::time_point now, Clock::duration settle,
                                     Clock::duration interval) const;

    bool hasCopy() const { return m_hasCopy; }

private:
    std::vector<std::uint8_t> m_fileInput;
    std::vector<std::uint8_t> m_copied; // the input of the copy written last
    bool m_hasCopy = false;
    Clock::time_point m_writtenAt{};
};

} // namespace flowmar
