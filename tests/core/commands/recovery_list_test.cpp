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
#include <optional>
#include <string>
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
          RecoveryKind::DuctModel, 1'700'000'000},
         {"heading.dct", "Duct model", "/mine/site a", "2023-11-14 22:13"}},
        // Never saved: only its title tells the person which one it is.
        {"new model",
         {"/r/p1x2n0-2.dct", "/r/p1x2n0-2.recovery.json", "", "DuctData2", RecoveryKind::DuctModel,
          0},
         {"DuctData2", "Duct model", "(never saved)", "1970-01-01 00:00"}},
        {"fan database",
         {"/r/p1x2n0-3.fdb", "/r/p1x2n0-3.recovery.json", "/fans/main.fdb", "main.fdb",
          RecoveryKind::FanDatabase, 1'700'000'059},
         {"main.fdb", "Fan database", "/fans", "2023-11-14 22:14"}},
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

} // namespace
} // namespace flowmar
