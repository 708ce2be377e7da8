#include "core/commands/open_documents.h"
#include "core/commands/recovery_list.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/dct_file.h"
#include "core/files/model_file.h"
#include "core/files/recovery_store.h"
#include "core/model/flowmar_doc.h"
#include "support/fake_ui_port.h"
#include "support/models.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace flowmar {
namespace {

namespace fs = std::filesystem;

// The local time of the rows is UTC here, so the expected texts hold on any machine.
class UtcTime : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) {
            m_kept = tz;
        }
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override {
        if (m_kept) {
            ::setenv("TZ", m_kept->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

private:
    std::optional<std::string> m_kept;
};

using RecoveryRows = UtcTime;

TEST_F(RecoveryRows, NameFolderKindAndTimeOfEachCopy) {
    const struct {
        const char* why;
        RecoveryCopy copy;
        RecoveryRow expected;
    } rows[] = {
        // A model with a file: named by the file, in the file's folder; the copy's own
        // (meaningless) name shows nowhere.
        {"model with a file",
         {"/r/p1x2n0-1.dct", "/r/p1x2n0-1.recovery.json", "/mine/site a/heading.dct", "heading.dct",
          RecoveryKind::DuctModel, 1'700'000'000, ""},
         {"heading.dct", "Duct model", "/mine/site a", "2023-11-14 22:13", true}},
        // Never saved: only its title tells the person which one it is.
        {"new model",
         {"/r/p1x2n0-2.dct", "/r/p1x2n0-2.recovery.json", "", "DuctData2", RecoveryKind::DuctModel,
          0, ""},
         {"DuctData2", "Duct model", "(never saved)", "1970-01-01 00:00", true}},
        {"fan database",
         {"/r/p1x2n0-3.fdb", "/r/p1x2n0-3.recovery.json", "/fans/main.fdb", "main.fdb",
          RecoveryKind::FanDatabase, 1'700'000'059, ""},
         {"main.fdb", "Fan database", "/fans", "2023-11-14 22:14", true}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        const RecoveryRow shown = recoveryRow(row.copy);
        EXPECT_EQ(shown.name, row.expected.name);
        EXPECT_EQ(shown.kind, row.expected.kind);
        EXPECT_EQ(shown.folder, row.expected.folder);
        EXPECT_EQ(shown.time, row.expected.time);
    }
}

// Copies left by a program that died: each test starts as the next program does.
class LeftoverCopies : public ::testing::Test {
protected:
    void SetUp() override {
        original = folder.path() / "work" / "heading.dct";
        fs::create_directories(original.parent_path());
        CFlowmarDoc onDisk = testing::ductModel(900, 0.76);
        testing::addTypicalFan(onDisk, 0);
        ASSERT_TRUE(writeDuctFile(onDisk, original).ok());
        fileBytes = readAll(original);

        CFlowmarDoc edited = onDisk;
        edited.ductLength = 1400;
        edited.notepadText = "extended to the new face";
        CFlowmarDoc unnamed = testing::ductModel(300, 0.6);
        CFanDatabaseDoc db;
        db.fanCount = 1;
        db.fans[1].manufacturer = "Acme";
        {
            RecoveryStore dead(recovery);
            ASSERT_TRUE(dead.write(1, RecoveryKind::DuctModel, RecoveryStore::copyBytes(edited),
                                   original.string(), "heading.dct", 300)
                            .ok());
            ASSERT_TRUE(dead.write(2, RecoveryKind::DuctModel, RecoveryStore::copyBytes(unnamed),
                                   "", "DuctData3", 200)
                            .ok());
            ASSERT_TRUE(dead.write(3, RecoveryKind::FanDatabase, RecoveryStore::copyBytes(db), "",
                                   "FanData1", 100)
                            .ok());
        }
        store.emplace(recovery);
        copies = store->leftovers();
        ASSERT_EQ(copies.size(), 3U);
        ASSERT_EQ(copies[0].title, "heading.dct") << "newest first";
    }

public:
    static std::vector<char> readAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::TempFolder folder;
    fs::path recovery = folder.path() / "recovery";
    fs::path original;
    std::vector<char> fileBytes;
    std::optional<RecoveryStore> store;
    std::vector<RecoveryCopy> copies;
    testing::FakeUiPort port;
    OpenDocuments documents{port};
};

TEST_F(LeftoverCopies, RestoreOpensEachModifiedUnderItsOwnNameKeepAndDiscardDoWhatTheySay) {
    int adopted = 0;
    const std::vector<OpenDocument*> restored = applyRecoveryChoices(
        copies, {RecoveryChoice::Restore, RecoveryChoice::Keep, RecoveryChoice::Discard}, documents,
        [&adopted](OpenDocument&) { ++adopted; });
    ASSERT_EQ(restored.size(), 1U);
    EXPECT_EQ(adopted, 1);
    const OpenDocument& model = *restored[0];
    ASSERT_TRUE(model.model);
    EXPECT_EQ(model.path, original) << "the save question writes it back to its own file";
    EXPECT_EQ(model.state().title(), "heading.dct *");
    EXPECT_TRUE(model.state().isModified());
    EXPECT_EQ(model.model->notepadText, "extended to the new face");
    EXPECT_DOUBLE_EQ(model.model->ductLength, 1400);
    EXPECT_EQ(readAll(original), fileBytes) << "restoring never writes the model's own file";
    EXPECT_EQ(documents.findFile(original), &model) << "opening the file finds it, not a twin";

    // Restored and discarded copies are gone; the kept one is asked about at the next start.
    const std::vector<RecoveryCopy> left = store->leftovers();
    ASSERT_EQ(left.size(), 1U);
    EXPECT_EQ(left[0].title, "DuctData3");
    EXPECT_FALSE(fs::exists(copies[0].copy));
    EXPECT_FALSE(fs::exists(copies[2].note));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(LeftoverCopies, DocumentsNeverSavedComeBackUnderTheirTitlesAndNewOnesDoNotTakeThem) {
    const std::vector<OpenDocument*> restored = applyRecoveryChoices(
        copies, {RecoveryChoice::Keep, RecoveryChoice::Restore, RecoveryChoice::Restore}, documents,
        {});
    ASSERT_EQ(restored.size(), 2U);
    EXPECT_TRUE(restored[0]->path.empty()) << "still unnamed: Save asks where";
    EXPECT_EQ(restored[0]->state().title(), "DuctData3 *");
    ASSERT_TRUE(restored[1]->database);
    EXPECT_EQ(restored[1]->database->fans[1].manufacturer, "Acme");
    EXPECT_TRUE(restored[1]->state().isModified());
    EXPECT_EQ(documents.newDuctModel().state().title(), "DuctData4");
    EXPECT_EQ(documents.newFanDatabase().state().title(), "FanData2");
}

TEST_F(LeftoverCopies, ACopyThatCannotBeReadSaysWhyOpensNothingAndStays) {
    fs::resize_file(copies[0].copy, 40); // cut short, as a full disk would leave it
    const std::vector<OpenDocument*> restored =
        applyRecoveryChoices(copies, {RecoveryChoice::Restore}, documents, {});
    EXPECT_TRUE(restored.empty());
    EXPECT_TRUE(documents.documents().empty());
    ASSERT_EQ(port.messages.size(), 1U);
    EXPECT_NE(port.messages[0].find("recovery copy of \"heading.dct\" cannot be restored"),
              std::string::npos)
        << port.messages[0];
    EXPECT_NE(port.messages[0].find(copies[0].copy.string()), std::string::npos);
    EXPECT_EQ(store->leftovers().size(), 3U) << "nothing is lost for a failed restore";
}

TEST_F(LeftoverCopies, AModelWithDesignCriteriaIsCopiedAsJsonAndRestoredWithThem) {
    CFlowmarDoc withCriteria = testing::ductModel(800, 0.9);
    withCriteria.designCriteria.requiredFaceQuantity = 6.5;
    withCriteria.designCriteria.velocityMax = 20;
    const RecoveryBytes bytes = RecoveryStore::copyBytes(withCriteria);
    EXPECT_TRUE(bytes.json) << "a .dct cannot hold design criteria";
    {
        RecoveryStore dead(recovery);
        ASSERT_TRUE(dead.write(4, RecoveryKind::DuctModel, bytes, "", "DuctData9", 400).ok());
    }
    const std::vector<RecoveryCopy> now = store->leftovers();
    ASSERT_EQ(now.size(), 4U);
    ASSERT_EQ(now[0].title, "DuctData9");
    EXPECT_EQ(now[0].copy.extension(), ".json");
    const std::vector<OpenDocument*> restored =
        applyRecoveryChoices({now[0]}, {RecoveryChoice::Restore}, documents, {});
    ASSERT_EQ(restored.size(), 1U) << (port.messages.empty() ? "" : port.messages[0]);
    const DesignCriteria& criteria = restored[0]->model->designCriteria;
    EXPECT_EQ(criteria.requiredFaceQuantity, 6.5);
    EXPECT_EQ(criteria.velocityMax, 20);
}

TEST_F(LeftoverCopies, AFileNameThatIsNotUtf8ComesBackByteForByte) {
    const std::string latin1 = (folder.path() / "work" / "gal\xE9ria.dct").string();
    {
        RecoveryStore dead(recovery);
        ASSERT_TRUE(dead.write(5, RecoveryKind::DuctModel,
                               RecoveryStore::copyBytes(testing::ductModel(500, 0.7)), latin1,
                               "gal\xE9ria.dct", 500)
                        .ok());
    }
    const std::vector<RecoveryCopy> now = store->leftovers();
    ASSERT_EQ(now.size(), 4U);
    ASSERT_TRUE(now[0].readable()) << now[0].fault;
    EXPECT_EQ(now[0].originalFile, latin1);
}

// A recovery folder anyone could have written to: each note below is damaged or hostile. In each
// the listing goes on, the row says "cannot be read", Restore does nothing, Discard removes only
// the note's own files, and the files outside the folder stay as they were.
TEST(HostileRecoveryFolder, ADamagedNoteIsListedNeverFollowedAndDiscardRemovesOnlyItsOwnFiles) {
    const std::string goodNote =
        R"({"copy": "p1x1n0-1.dct", "file": "", "title": "t", "kind": "model", "savedAt": 1})";
    const auto noteWith = [](const std::string& field, const std::string& value) {
        std::string note = R"({"copy": "p1x1n0-1.dct", "file": "/w/other.dct", "title": "other.dct",
                               "kind": "model", "savedAt": 1700000000})";
        const std::size_t at = note.find("\"" + field + "\"");
        const std::size_t colon = note.find(':', at);
        const std::size_t end = note.find_first_of(",}", colon);
        return note.substr(0, colon + 1) + " " + value + note.substr(end);
    };
    using Setup = std::function<void(const fs::path& recovery, const fs::path& outside)>;
    const auto writeNote = [](const std::string& text) {
        return [text](const fs::path& recovery, const fs::path&) {
            std::ofstream(recovery / "p1x1n0-1.recovery.json") << text;
        };
    };
    const auto withCopy = [](Setup setup) {
        return [setup](const fs::path& recovery, const fs::path& outside) {
            setup(recovery, outside);
            std::ofstream(recovery / "p1x1n0-1.dct") << "not a model";
        };
    };
    const struct {
        const char* why;
        Setup setup;
    } folders[] = {
        {"copy outside, relative", withCopy(writeNote(noteWith("copy", R"("../victim.dct")")))},
        {"copy outside, absolute",
         [&](const fs::path& recovery, const fs::path& outside) {
             writeNote(noteWith("copy", "\"" + (outside / "victim.dct").string() + "\""))(recovery,
                                                                                          outside);
         }},
        {"copy of another note", withCopy(writeNote(noteWith("copy", R"("p2x2n0-1.dct")")))},
        {"copy of the wrong kind", withCopy(writeNote(noteWith("copy", R"("p1x1n0-1.fdb")")))},
        {"copy is a number", withCopy(writeNote(noteWith("copy", "5")))},
        {"file is a number", withCopy(writeNote(noteWith("file", "5")))},
        {"title is a list", withCopy(writeNote(noteWith("title", "[1]")))},
        {"kind is unknown", withCopy(writeNote(noteWith("kind", R"("virus")")))},
        {"kind is null", withCopy(writeNote(noteWith("kind", "null")))},
        {"savedAt is a text", withCopy(writeNote(noteWith("savedAt", R"("noon")")))},
        {"savedAt is a fraction", withCopy(writeNote(noteWith("savedAt", "1.5")))},
        {"not JSON", withCopy(writeNote("{\"copy\": "))},
        {"a JSON list", withCopy(writeNote("[]"))},
        {"note is a FIFO",
         [](const fs::path& recovery, const fs::path&) {
             ASSERT_EQ(::mkfifo((recovery / "p1x1n0-1.recovery.json").c_str(), 0600), 0);
         }},
        {"note is a link to /dev/zero",
         [](const fs::path& recovery, const fs::path&) {
             fs::create_symlink("/dev/zero", recovery / "p1x1n0-1.recovery.json");
         }},
        {"note is a link to a good note outside",
         [&](const fs::path& recovery, const fs::path& outside) {
             std::ofstream(outside / "note.json") << goodNote;
             fs::create_symlink(outside / "note.json", recovery / "p1x1n0-1.recovery.json");
         }},
        {"note larger than the limit",
         withCopy(writeNote(goodNote + std::string(kMaxRecoveryNoteSize, ' ')))},
        {"copy is a folder",
         [&](const fs::path& recovery, const fs::path& outside) {
             writeNote(goodNote)(recovery, outside);
             fs::create_directory(recovery / "p1x1n0-1.dct");
         }},
        {"copy is a link outside",
         [&](const fs::path& recovery, const fs::path& outside) {
             writeNote(goodNote)(recovery, outside);
             fs::create_symlink(outside / "victim.dct", recovery / "p1x1n0-1.dct");
         }},
        {"copy is missing", writeNote(goodNote)},
    };
    for (const auto& folderCase : folders) {
        SCOPED_TRACE(folderCase.why);
        testing::TempFolder folder;
        const fs::path recovery = folder.path() / "recovery";
        const fs::path outside = folder.path() / "work";
        fs::create_directories(recovery);
        fs::create_directories(outside);
        std::ofstream(outside / "victim.dct") << "the engineer's model";
        std::ofstream(outside / "other.dct") << "another model";
        folderCase.setup(recovery, outside);

        const RecoveryStore store(recovery);
        const std::vector<RecoveryCopy> copies = store.leftovers();
        ASSERT_EQ(copies.size(), 1U);
        EXPECT_FALSE(copies[0].readable());
        const RecoveryRow row = recoveryRow(copies[0]);
        EXPECT_EQ(row.kind, "cannot be read");
        EXPECT_EQ(row.name, "p1x1n0-1.recovery.json");
        EXPECT_FALSE(row.folder.empty()) << "the reason";
        EXPECT_FALSE(row.restorable);

        testing::FakeUiPort port;
        OpenDocuments documents{port};
        EXPECT_TRUE(applyRecoveryChoices(copies, {RecoveryChoice::Restore}, documents, {}).empty());
        EXPECT_TRUE(documents.documents().empty());
        EXPECT_TRUE(fs::exists(fs::symlink_status(recovery / "p1x1n0-1.recovery.json")))
            << "Restore of a damaged note keeps it";

        applyRecoveryChoices(copies, {RecoveryChoice::Discard}, documents, {});
        EXPECT_TRUE(store.leftovers().empty());
        EXPECT_FALSE(fs::exists(fs::symlink_status(recovery / "p1x1n0-1.recovery.json")));
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(recovery / "p1x1n0-1.dct")))
            << "its own copy goes with it";
        const std::vector<char> victim = LeftoverCopies::readAll(outside / "victim.dct");
        EXPECT_EQ(std::string(victim.begin(), victim.end()), "the engineer's model");
        EXPECT_TRUE(fs::exists(outside / "other.dct"));
        EXPECT_TRUE(fs::exists("/dev/zero"));
        EXPECT_TRUE(port.messages.empty());
    }
}

} // namespace
} // namespace flowmar
