#include "core/files/recovery_tracker.h"

#include "core/fans/fan_database_doc.h"
#include "core/files/fdb_file.h"
#include "core/files/json_model.h"
#include "core/model/flowmar_doc.h"

#include <algorithm>
#include <utility>

namespace flowmar {

std::vector<std::uint8_t> recoveryInput(const CFlowmarDoc& doc) {
    // The ".dct" file keeps, beside the input, the results and what a solution derives from the
    // input (segments, leakage paths, zone lengths): the JSON form holds the input alone.
    const std::string json = writeJsonModel(doc);
    return {json.begin(), json.end()};
}

std::vector<std::uint8_t> recoveryInput(const CFanDatabaseDoc& db) {
    return fanDatabaseFileBytes(db).value_or(std::vector<std::uint8_t>());
}

RecoveryTracker::RecoveryTracker(std::vector<std::uint8_t> fileInput)
    : m_fileInput(std::move(fileInput)) {}

RecoveryTracker::Step RecoveryTracker::check(const std::vector<std::uint8_t>& input, bool modified,
                                             Clock::time_point now) {
    // Edits undone back to what the file holds need no copy either.
    if (!modified || input == m_fileInput) {
        const bool had = m_hasCopy;
        m_hasCopy = false;
        m_copied.clear();
        return had ? Step::Discard : Step::Nothing;
    }
    if (m_hasCopy && input == m_copied) {
        return Step::Nothing;
    }
    m_copied = input;
    m_hasCopy = true;
    m_writtenAt = now;
    return Step::Write;
}

void RecoveryTracker::saved(std::vector<std::uint8_t> fileInput) {
    m_fileInput = std::move(fileInput);
    m_copied.clear();
    m_hasCopy = false;
}

RecoveryTracker::Clock::duration RecoveryTracker::delayAfterChange(Clock::time_point now,
                                                                   Clock::duration settle,
                                                                   Clock::duration interval) const {
    if (!m_hasCopy) {
        return settle;
    }
    return std::max(settle, m_writtenAt + interval - now);
}

} // namespace flowmar
