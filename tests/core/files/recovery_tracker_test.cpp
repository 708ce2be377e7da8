#include "core/commands/execute_command.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/fdb_file.h"
#include "core/files/model_file.h"
#include "core/files/recovery_tracker.h"
#include "core/model/flowmar_doc.h"
#include "support/fake_ui_port.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using namespace std::chrono_literals;
using Step = RecoveryTracker::Step;
using Clock = RecoveryTracker::Clock;

// Opening a model runs Execute, which marks it modified and refills its results: none of that is
// input, so none of it may look like an edit worth a copy.
TEST(RecoveryInput, OpeningAndExecutingAnExampleChangesNoInput) {
    int models = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FLOWMAR_EXAMPLES)) {
        const std::string extension = entry.path().extension().string();
        if ((extension != ".dct" && extension != ".json") ||
            entry.path().stem() == "fan-database") {
            continue; // not a model
        }
        SCOPED_TRACE(entry.path().filename().string());
        FileRead<CFlowmarDoc> read = readModelFile(entry.path());
        ASSERT_TRUE(read.ok()) << read.error;
        CFlowmarDoc& doc = *read.document;
        const std::vector<std::uint8_t> opened = recoveryInput(doc);
        ASSERT_FALSE(opened.empty());
        testing::FakeUiPort port;
        Execute(doc, port);
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(recoveryInput(doc), opened);
        ++models;
    }
    EXPECT_GE(models, 10);
}

// The other way round: an edit of any kind of input is seen, or its copy would never be written.
TEST(RecoveryInput, EveryKindOfEditChangesTheInput) {
    const CFlowmarDoc original = [] {
        CFlowmarDoc doc = testing::ductModel(800, 0.76);
        testing::addTypicalFan(doc, 0);
        return doc;
    }();
    const struct {
        const char* why;
        void (*edit)(CFlowmarDoc&);
    } edits[] = {
        // A number typed on the Duct Details sheet.
        {"duct length", [](CFlowmarDoc& doc) { doc.ductLength = 801; }},
        // Text only, no number: the notepad is an hour of typing too.
        {"notepad", [](CFlowmarDoc& doc) { doc.notepadText = "check the bag at 400 m"; }},
        // A fan added through Add Fan.
        {"second fan", [](CFlowmarDoc& doc) { testing::addTypicalFan(doc, 400); }},
    };
    for (const auto& row : edits) {
        SCOPED_TRACE(row.why);
        CFlowmarDoc doc = original;
        row.edit(doc);
        EXPECT_NE(recoveryInput(doc), recoveryInput(original));
    }
    CFanDatabaseDoc db;
    const std::vector<std::uint8_t> empty = recoveryInput(db);
    db.fanCount = 1;
    db.fans[1].manufacturer = "Acme";
    EXPECT_NE(recoveryInput(db), empty);
}

// A document's life from opening to saving, one check after each step. Bytes stand for inputs.
TEST(RecoveryTracker, WritesOnlyInputThatNeitherTheFileNorTheLastCopyHolds) {
    const std::vector<std::uint8_t> file{1}, edited{2}, editedMore{3};
    RecoveryTracker tracker(file);
    const Clock::time_point t0{};
    const struct {
        const char* why;
        std::vector<std::uint8_t> input;
        bool modified;
        Step expected;
        bool copyAfter;
    } steps[] = {
        // Opened and executed: modified, but the input is the file's.
        {"opening's Execute", file, true, Step::Nothing, false},
        {"first edit", edited, true, Step::Write, true},
        // A command that changed nothing (a dialog cancelled) must not rewrite the same copy.
        {"nothing new", edited, true, Step::Nothing, true},
        {"second edit", editedMore, true, Step::Write, true},
        // Undone back to the file: the copy would restore what the file holds already.
        {"edits undone", file, true, Step::Discard, false},
        {"already gone", file, true, Step::Nothing, false},
        {"edited again", edited, true, Step::Write, true},
        // Saved (the flag cleared) without the tracker being told: the copy still goes.
        {"flag cleared", edited, false, Step::Discard, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.why);
        EXPECT_EQ(tracker.check(step.input, step.modified, t0), step.expected);
        EXPECT_EQ(tracker.hasCopy(), step.copyAfter);
    }
}

TEST(RecoveryTracker, ASaveMakesTheSavedInputTheFilesOwn) {
    const std::vector<std::uint8_t> file{1}, edited{2};
    RecoveryTracker tracker(file);
    ASSERT_EQ(tracker.check(edited, true, Clock::time_point{}), Step::Write);
    tracker.saved(edited);
    EXPECT_FALSE(tracker.hasCopy());
    // Executed after the save: modified again, but the file holds this input.
    EXPECT_EQ(tracker.check(edited, true, Clock::time_point{}), Step::Nothing);
    // The old file's input is an edit now.
    EXPECT_EQ(tracker.check(file, true, Clock::time_point{}), Step::Write);
}

// A restored document: no file holds what it holds, so its first check writes a copy of its own.
TEST(RecoveryTracker, ADocumentNoFileHoldsIsCopiedAtTheFirstCheck) {
    RecoveryTracker tracker({});
    EXPECT_EQ(tracker.check({7, 7}, true, Clock::time_point{}), Step::Write);
}

TEST(RecoveryTracker, CopiesComeAtMostOncePerIntervalAndNeverLaterThanItAfterAChange) {
    constexpr Clock::duration settle = 1s, interval = 5s;
    const Clock::time_point t0 = Clock::time_point{} + 100s;
    RecoveryTracker tracker({0});
    // Nothing written yet: a change is copied once it has settled.
    EXPECT_EQ(tracker.delayAfterChange(t0, settle, interval), settle);
    ASSERT_EQ(tracker.check({1}, true, t0), Step::Write);
    const struct {
        const char* why;
        Clock::duration changedAfterWrite;
        Clock::duration expectedDelay;
    } rows[] = {
        // Right after a copy: the next waits out the interval, 5 s after the last write.
        {"at once", 0s, 5s},
        {"mid-interval", 2s, 3s},
        // Late in the interval the settling time is the longer wait.
        {"late", 4500ms, settle},
        {"long after", 60s, settle},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        const Clock::duration delay =
            tracker.delayAfterChange(t0 + row.changedAfterWrite, settle, interval);
        EXPECT_EQ(delay, row.expectedDelay);
        // The promise to the person: a change is in a copy within the interval.
        EXPECT_LE(delay, interval);
    }
}

} // namespace
} // namespace flowmar
