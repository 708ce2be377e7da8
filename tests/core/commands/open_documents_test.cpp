#include "core/commands/open_documents.h"
#include "core/files/dct_file.h"
#include "core/files/fdb_file.h"
#include "core/files/model_file.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "support/file_models.h"
#include "support/models.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using testing::FakeUiPort;
using testing::TempFolder;

class ScriptedQuestions : public DocumentQuestions {
public:
    SaveAnswer answer = SaveAnswer::Discard;
    std::optional<std::filesystem::path> savePath;
    std::vector<std::string> asked;
    std::vector<std::string> suggested;

    SaveAnswer askSaveChanges(std::string_view title) override {
        asked.emplace_back(title);
        return answer;
    }
    std::optional<std::filesystem::path> chooseSavePath(std::string_view name,
                                                        std::string_view) override {
        suggested.emplace_back(name);
        return savePath;
    }
};

class OpenDocumentsTest : public ::testing::Test {
protected:
    std::filesystem::path savedModel(const std::string& name) {
        CFlowmarDoc model = testing::smallWorkingModel();
        model.ductLength = 600;
        model.zoneEnd[2] = 600;
        const auto path = folder / name;
        EXPECT_TRUE(writeDuctFile(model, path).ok());
        return path;
    }

    TempFolder folder;
    FakeUiPort port;
    OpenDocuments documents{port};
    ScriptedQuestions questions;
};

TEST_F(OpenDocumentsTest, OpenReadsExecutesAfterTheFirstViewAndLeavesTheFileAlone) {
    const auto path = savedModel("drive3.dct");
    const auto onDisk = testing::fileContents(path);
    const auto written = std::filesystem::last_write_time(path);
    int notifiedViews = 0;
    DocumentObservers::Subscription view;
    const auto opened = documents.open(path, [&](OpenDocument& document) {
        EXPECT_EQ(document.model->ductArea, 0) << "not executed before its first view";
        view = document.model->observers().subscribe([&](DocumentEvent) { ++notifiedViews; });
    });
    ASSERT_NE(opened.document, nullptr);
    EXPECT_FALSE(opened.wasOpen);
    const CFlowmarDoc& model = *opened.document->model;
    EXPECT_EQ(model.ductLength, 600);
    EXPECT_GT(testing::faceQuantity(model), 0) << "Execute ran";
    EXPECT_TRUE(port.messages.empty());
    EXPECT_GT(notifiedViews, 0) << "the first view hears of the results";
    EXPECT_EQ(model.title(), "drive3.dct *") << "executing marks the model modified";
    EXPECT_EQ(opened.document->plainTitle(), "drive3.dct");
    EXPECT_EQ(testing::fileContents(path), onDisk);
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
}

TEST_F(OpenDocumentsTest, TheSameFileTwiceIsFoundNotReadAgain) {
    const auto path = savedModel("drive3.dct");
    const auto first = documents.open(path);
    ASSERT_NE(first.document, nullptr);
    first.document->model->notepadText = "edited since";
    const auto again = documents.open(folder / "." / "drive3.dct");
    EXPECT_TRUE(again.wasOpen);
    EXPECT_EQ(again.document, first.document);
    EXPECT_EQ(again.document->model->notepadText, "edited since");
    EXPECT_EQ(documents.documents().size(), 1u);
}

TEST_F(OpenDocumentsTest, AFileThatCannotBeReadLeavesNothingOpenAndSaysWhy) {
    const auto path = folder / "cut.dct";
    testing::writeContents(path, std::vector<std::uint8_t>(100, 0));
    const auto opened = documents.open(path);
    EXPECT_EQ(opened.document, nullptr);
    EXPECT_TRUE(documents.documents().empty());
    EXPECT_EQ(port.messages, std::vector<std::string>{messages::cannotOpenFile(
                                 path.string(), messages::kFileEndsEarly)});
    EXPECT_TRUE(documents.recentFiles().files().empty());
}

TEST_F(OpenDocumentsTest, AFanDatabaseOpensWithoutExecute) {
    const auto path = folder / "fans.fdb";
    ASSERT_TRUE(writeFanDatabaseFile(testing::fanDatabase(3), path).ok());
    const auto opened = documents.open(path);
    ASSERT_NE(opened.document, nullptr);
    ASSERT_NE(opened.document->database, nullptr);
    EXPECT_EQ(opened.document->model, nullptr);
    EXPECT_EQ(opened.document->database->fanCount, 3);
    EXPECT_FALSE(opened.document->state().isModified());
    EXPECT_EQ(opened.document->state().title(), "fans.fdb");
    EXPECT_EQ(opened.execution.status, SolutionStatus::Stopped) << "nothing executed";
}

TEST_F(OpenDocumentsTest, WhereOnlyModelsAreWantedAFanDatabaseIsRefused) {
    const auto path = folder / "fans.fdb";
    ASSERT_TRUE(writeFanDatabaseFile(testing::fanDatabase(1), path).ok());
    const auto opened = documents.open(path, {}, OpenDocuments::Accept::DuctModel);
    EXPECT_EQ(opened.document, nullptr);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0], readModelFile(path).error);
    EXPECT_TRUE(documents.documents().empty());
}

TEST_F(OpenDocumentsTest, NewModelsAreNumberedInTheUnitSystemChosen) {
    port.onSelectUnits = [](int) { return kImperial; };
    OpenDocument& first = documents.newDuctModel();
    port.onSelectUnits = nullptr;
    OpenDocument& second = documents.newDuctModel();
    EXPECT_EQ(first.state().title(), "DuctData1");
    EXPECT_EQ(second.state().title(), "DuctData2");
    EXPECT_EQ(first.model->unitSystem, kImperial);
    EXPECT_EQ(second.model->unitSystem, kSI);
    EXPECT_TRUE(first.path.empty());
}

// The save question when a document closes, answer by answer.
TEST_F(OpenDocumentsTest, TheSaveQuestionDecidesWhetherADocumentMayClose) {
    OpenDocument& document = documents.newDuctModel();
    EXPECT_TRUE(documents.maybeSave(document, questions)) << "unmodified: nothing to ask";
    EXPECT_TRUE(questions.asked.empty());

    document.model->setModifiedFlag();
    questions.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(documents.maybeSave(document, questions));
    questions.answer = SaveAnswer::Discard;
    EXPECT_TRUE(documents.maybeSave(document, questions));
    EXPECT_EQ(questions.asked, (std::vector<std::string>{"DuctData1", "DuctData1"}));

    questions.answer = SaveAnswer::Save;
    questions.savePath.reset(); // the person cancels the file dialog
    EXPECT_FALSE(documents.maybeSave(document, questions));
    EXPECT_TRUE(document.model->isModified());

    questions.savePath = folder / "heading12"; // no extension: the model's is added
    EXPECT_TRUE(documents.maybeSave(document, questions));
    EXPECT_EQ(questions.suggested.back(), "DuctData1.dct");
    EXPECT_EQ(document.path, folder / "heading12.dct");
    EXPECT_FALSE(document.model->isModified());
    EXPECT_EQ(document.state().title(), "heading12.dct");
    EXPECT_TRUE(readModelFile(folder / "heading12.dct").ok());
    EXPECT_EQ(documents.recentFiles().files().front(), (folder / "heading12.dct").string());
}

TEST_F(OpenDocumentsTest, AFailedSaveSaysWhyAndKeepsTheDocumentModified) {
    OpenDocument& document = documents.newDuctModel();
    document.model->setModifiedFlag();
    questions.answer = SaveAnswer::Save;
    questions.savePath = folder / "gone" / "model.dct";
    EXPECT_FALSE(documents.maybeSave(document, questions));
    EXPECT_EQ(port.messages, std::vector<std::string>{messages::cannotSaveFile(
                                 questions.savePath->string(), messages::kFolderDoesNotExist)});
    EXPECT_TRUE(document.model->isModified());
    EXPECT_TRUE(document.path.empty());
}

TEST_F(OpenDocumentsTest, NewFanDatabasesAreNumberedAndSaveAsKeepsTheFileOnCancel) {
    port.onSelectUnits = [](int) { return kImperial; };
    OpenDocument& first = documents.newFanDatabase();
    EXPECT_EQ(first.state().title(), "FanData1");
    EXPECT_EQ(first.database->unitSystem, kImperial);
    EXPECT_EQ(documents.newFanDatabase().state().title(), "FanData2");

    questions.savePath = folder / "library";
    ASSERT_TRUE(documents.save(first, questions));
    EXPECT_EQ(first.path, folder / "library.fdb");
    EXPECT_EQ(questions.suggested.back(), "FanData1.fdb");

    // Save As asks again, suggesting the file's own name, not "library.fdb.fdb".
    questions.savePath.reset();
    EXPECT_FALSE(documents.saveAs(first, questions));
    EXPECT_EQ(questions.suggested.back(), "library.fdb");
    EXPECT_EQ(first.path, folder / "library.fdb") << "Cancel keeps the file";

    questions.savePath = folder / "copy.fdb";
    ASSERT_TRUE(documents.saveAs(first, questions));
    EXPECT_EQ(first.path, folder / "copy.fdb");
    EXPECT_EQ(first.state().title(), "copy.fdb");
    const FanDatabaseFileRead copy = readFanDatabaseFile(folder / "copy.fdb");
    ASSERT_TRUE(copy.ok());
    EXPECT_EQ(copy.document->unitSystem, kImperial);
}

TEST_F(OpenDocumentsTest, CloseForgetsTheDocument) {
    OpenDocument& first = documents.newDuctModel();
    OpenDocument& second = documents.newDuctModel();
    const DocumentState* kept = &second.state();
    documents.close(&first.state());
    ASSERT_EQ(documents.documents().size(), 1u);
    EXPECT_EQ(&documents.documents().front()->state(), kept);
    EXPECT_EQ(documents.find(kept), documents.documents().front().get());
}

TEST(RecentFiles, KeepsTheFourNewestEachOnceAndTellsOfEveryChange) {
    RecentFiles recent;
    std::vector<std::string> told;
    recent.changed = [&](const std::vector<std::string>& files) { told = files; };
    for (const char* file : {"/m/a.dct", "/m/b.dct", "/m/c.dct", "/m/d.dct", "/m/e.dct"}) {
        recent.add(file);
    }
    recent.add("/m/c.dct");
    const std::vector<std::string> expected{"/m/c.dct", "/m/e.dct", "/m/d.dct", "/m/b.dct"};
    EXPECT_EQ(recent.files(), expected);
    EXPECT_EQ(told, expected);

    recent.setFiles({"/x.dct", "/x.dct", "", "/y.dct", "/z.dct", "/w.dct", "/v.dct"});
    EXPECT_EQ(recent.files(), (std::vector<std::string>{"/x.dct", "/y.dct", "/z.dct", "/w.dct"}))
        << "a stored list with repeats, blanks and too many files";
}

TEST(RecentFiles, RemovingAnEntryTellsOfTheChangeAndAnUnlistedFileChangesNothing) {
    RecentFiles recent;
    recent.setFiles({"/m/a.dct", "/m/b.dct"});
    int told = 0;
    recent.changed = [&](const std::vector<std::string>&) { ++told; };
    recent.remove("/m/gone.dct");
    EXPECT_EQ(told, 0);
    recent.remove("/m/a.dct");
    EXPECT_EQ(recent.files(), std::vector<std::string>{"/m/b.dct"});
    EXPECT_EQ(told, 1);
}

struct ShownCase {
    const char* why;
    std::vector<std::string> files;
    std::vector<std::string> shown;
};

TEST(RecentFiles, ShowJustEnoughOfEachPathToTellSameNamedFilesApart) {
    const ShownCase cases[] = {
        {"different names need no folder",
         {"/mine/north/a.dct", "/mine/south/b.dct"},
         {"a.dct", "b.dct"}},
        {"two of one name show their folders",
         {"/mine/north/model.dct", "/mine/south/model.dct", "/mine/other.dct"},
         {"north/model.dct", "south/model.dct", "other.dct"}},
        {"folders of one name too: as far back as they differ",
         {"/site-a/panel/model.dct", "/site-b/panel/model.dct"},
         {"site-a/panel/model.dct", "site-b/panel/model.dct"}},
        {"one path inside the other's tree shows whole when it has no more parts",
         {"/model.dct", "/old/model.dct"},
         {"/model.dct", "old/model.dct"}},
    };
    for (const ShownCase& c : cases) {
        RecentFiles recent;
        recent.setFiles(c.files);
        EXPECT_EQ(recent.shownNames(), c.shown) << c.why;
    }
}

} // namespace
} // namespace flowmar
