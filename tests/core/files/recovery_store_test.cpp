#include "core/fans/fan_database_doc.h"
#include "core/files/dct_file.h"
#include "core/files/model_file.h"
#include "core/files/recovery_store.h"
#include "core/model/flowmar_doc.h"
#include "support/models.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace flowmar {
namespace {

namespace fs = std::filesystem;

CFlowmarDoc editedModel() {
    CFlowmarDoc doc = testing::ductModel(1234, 0.85);
    testing::addTypicalFan(doc, 0);
    doc.notepadText = "an hour of typing";
    return doc;
}

TEST(RecoveryStore, ACopyReadsBackAsTheDocumentAndGoesWhenDiscarded) {
    testing::TempFolder folder;
    RecoveryStore store(folder.path() / "recovery");
    ASSERT_TRUE(store.usable()) << store.lockError();
    const CFlowmarDoc doc = editedModel();
    const auto bytes = RecoveryStore::copyBytes(doc);
    ASSERT_FALSE(bytes.empty());
    ASSERT_TRUE(store
                    .write(7, RecoveryKind::DuctModel, bytes, "/home/eng/heading.dct",
                           "heading.dct", 1'700'000'000)
                    .ok());

    const auto copies = store.ownCopies();
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_EQ(copies[0].originalFile, "/home/eng/heading.dct");
    EXPECT_EQ(copies[0].title, "heading.dct");
    EXPECT_EQ(copies[0].kind, RecoveryKind::DuctModel);
    EXPECT_EQ(copies[0].savedAt, 1'700'000'000);
    EXPECT_EQ(copies[0].copy.extension(), ".dct");
    // The copy is a model file of its own, equal byte for byte when written again.
    const FileRead<CFlowmarDoc> read = readModelFile(copies[0].copy);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.document->notepadText, "an hour of typing");
    EXPECT_FALSE(bytes.json);
    EXPECT_EQ(ductFileBytes(*read.document), bytes.bytes);

    // A second write replaces the copy rather than adding one.
    ASSERT_TRUE(store
                    .write(7, RecoveryKind::DuctModel, bytes, "/home/eng/heading.dct",
                           "heading.dct", 1'700'000'005)
                    .ok());
    EXPECT_EQ(store.ownCopies().size(), 1U);
    store.discard(7);
    EXPECT_TRUE(store.ownCopies().empty());
    EXPECT_FALSE(fs::exists(copies[0].copy));
}

TEST(RecoveryStore, ALiveProgramsCopiesAreNoLeftoversADeadOnesAre) {
    testing::TempFolder folder;
    const fs::path recovery = folder.path() / "recovery";
    RecoveryStore second(recovery);
    CFanDatabaseDoc db;
    {
        RecoveryStore first(recovery);
        ASSERT_TRUE(first
                        .write(1, RecoveryKind::DuctModel, RecoveryStore::copyBytes(editedModel()),
                               "", "DuctData1", 100)
                        .ok());
        ASSERT_TRUE(first
                        .write(2, RecoveryKind::FanDatabase, RecoveryStore::copyBytes(db),
                               "/data/fans.fdb", "fans.fdb", 200)
                        .ok());
        EXPECT_TRUE(second.leftovers().empty()) << "the first program still runs";
        // The first program dies without a normal exit: its lock goes, its copies stay.
    }
    const auto leftovers = second.leftovers();
    ASSERT_EQ(leftovers.size(), 2U);
    EXPECT_EQ(leftovers[0].kind, RecoveryKind::FanDatabase) << "newest first";
    EXPECT_EQ(leftovers[0].copy.extension(), ".fdb");
    EXPECT_EQ(leftovers[1].originalFile, "") << "a new model belongs to no file";
    EXPECT_TRUE(second.ownCopies().empty());
    RecoveryStore::discardLeftover(leftovers[0]);
    EXPECT_EQ(second.leftovers().size(), 1U);
}

TEST(RecoveryStore, ANormalExitLeavesNoCopy) {
    testing::TempFolder folder;
    const fs::path recovery = folder.path() / "recovery";
    {
        RecoveryStore store(recovery);
        ASSERT_TRUE(store
                        .write(3, RecoveryKind::DuctModel, RecoveryStore::copyBytes(editedModel()),
                               "", "DuctData1", 1)
                        .ok());
        store.discardAll();
    }
    RecoveryStore next(recovery);
    EXPECT_TRUE(next.leftovers().empty());
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(recovery)) {
        ++files;
    }
    EXPECT_EQ(files, 1U) << "only the running program's own lock";
}

TEST(RecoveryStore, AFolderThatCannotBeWrittenKeepsNothingAndSaysWhy) {
    testing::TempFolder folder;
    const fs::path blocked = folder.path() / "file";
    { std::ofstream(blocked) << "x"; }
    RecoveryStore store(blocked / "recovery"); // a folder under a file cannot be made
    EXPECT_FALSE(store.usable());
    EXPECT_NE(store.lockError().find("Cannot keep recovery copies"), std::string::npos);
    EXPECT_FALSE(
        store.write(1, RecoveryKind::DuctModel, RecoveryStore::copyBytes(editedModel()), "", "x", 1)
            .ok());
}

} // namespace
} // namespace flowmar
