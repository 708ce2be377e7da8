#include "core/commands/command_table.h"
#include "core/files/json_model.h"
#include "core/files/model_file.h"
#include "core/input/graph_options.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/fake_ui_port.h"
#include "ui/app/flowmar_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/shell_questions.h"
#include "ui/views/duct_view.h"
#include "ui/views/graph_view.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace flowmar {
namespace {

const QString kExamples = QStringLiteral(FLOWMAR_EXAMPLES);

class ScriptedQuestions : public ShellQuestions {
public:
    SaveAnswer answer = SaveAnswer::Discard;
    QString savePath;
    QStringList asked;

    SaveAnswer askSaveChanges(std::string_view title) override {
        asked << QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
        return answer;
    }
    std::optional<std::filesystem::path> chooseSavePath(std::string_view,
                                                        std::string_view) override {
        if (savePath.isEmpty()) {
            return std::nullopt;
        }
        return std::filesystem::path(savePath.toStdString());
    }
    QString chooseOpenPath(const QString&) override { return {}; }
};

int pdfPageCount(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string pdf = bytes.str();
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    }
    return pages;
}

class MainFrameTest : public ::testing::Test {
protected:
    QString copyOfExample(const QString& name) {
        const QString path = m_folder.filePath(name);
        QFile::copy(kExamples + QLatin1Char('/') + name, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    testing::FakeUiPort port;
    ScriptedQuestions questions;
    CMainFrame frame{&port, &questions};
    QTemporaryDir m_folder;
};

TEST_F(MainFrameTest, StartsWithNoDocumentAndTheFanDatabaseToolbar) {
    EXPECT_EQ(frame.documentCount(), 0);
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(frame.databaseToolBar()->isHidden());
    EXPECT_TRUE(frame.ductToolBar()->isHidden());
    EXPECT_FALSE(frame.commandAction(templates::kGraph)->isEnabled())
        << "view buttons do nothing without a document";
    EXPECT_FALSE(frame.showView(templates::kSummaryOfResults));
}

// The menus and toolbars come from the command table, and follow its states.
TEST_F(MainFrameTest, MenusAndToolbarsFollowTheActiveDocumentAndTheToolbarSwitch) {
    for (const CommandInfo& command : commandTable()) {
        ASSERT_NE(frame.commandAction(command.id), nullptr) << command.id;
    }
    QAction* toolbar = frame.commandAction(commands::kToolbar);
    EXPECT_TRUE(toolbar->isChecked());
    toolbar->trigger();
    EXPECT_FALSE(toolbar->isChecked());
    EXPECT_TRUE(frame.databaseToolBar()->isHidden());
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("forcing-one-fan.dct"))));
    EXPECT_TRUE(frame.ductToolBar()->isHidden()) << "a hidden toolbar stays hidden";
    EXPECT_TRUE(frame.commandAction(commands::kExecute)->isEnabled());
    toolbar->trigger();
    EXPECT_FALSE(frame.ductToolBar()->isHidden());
    EXPECT_TRUE(frame.databaseToolBar()->isHidden());
}

TEST_F(MainFrameTest, OpeningAFileShowsTheSummaryOfInputAndExecutes) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("forcing-one-fan.dct"))));
    ASSERT_NE(frame.activeView(), nullptr);
    EXPECT_EQ(frame.activeView()->templateId(), templates::kSummaryOfInput);
    const CFlowmarDoc& doc = *frame.activeDocument();
    EXPECT_GT(doc.results.iterationCount, 0) << "executed on opening";
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), "forcing-one-fan.dct *");
    EXPECT_TRUE(frame.windowTitle().endsWith(QStringLiteral("forcing-one-fan.dct *")));
    EXPECT_FALSE(frame.commandAction(commands::kSave)->isEnabled());
    EXPECT_FALSE(frame.commandAction(commands::kSaveAs)->isEnabled());
    EXPECT_FALSE(frame.ductToolBar()->isHidden());
}

TEST_F(MainFrameTest, ViewCommandTwiceActivatesTheSameFrame) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    ASSERT_TRUE(frame.showView(templates::kSummaryOfResults));
    QMdiSubWindow* results = frame.mdiArea()->activeSubWindow();
    ASSERT_TRUE(frame.showView(templates::kSummaryOfInput));
    ASSERT_TRUE(frame.showView(templates::kSummaryOfResults));
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(frame.mdiArea()->activeSubWindow(), results);
    EXPECT_FALSE(frame.viewMenuEntry(templates::kSummaryOfResults)->isVisible())
        << "the View menu leaves out the active view's own entry";
    EXPECT_TRUE(frame.viewMenuEntry(templates::kSummaryOfInput)->isVisible());
    EXPECT_TRUE(frame.commandAction(templates::kSummaryOfResults)->isVisible())
        << "the toolbar keeps its button";
}

TEST_F(MainFrameTest, GraphViewOpensOnceAndTakesItsOptionsFromDefine) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    ASSERT_TRUE(frame.showView(templates::kGraph));
    QMdiSubWindow* graph = frame.mdiArea()->activeSubWindow();
    ASSERT_TRUE(frame.showView(templates::kSummaryOfInput));
    ASSERT_TRUE(frame.showView(templates::kGraph));
    EXPECT_EQ(frame.mdiArea()->activeSubWindow(), graph);
    EXPECT_TRUE(frame.commandAction(commands::kDefineGraph)->isEnabled());
    port.onGraphOptions = [](GraphOptions& options) {
        options.flowPlotKind = 2;
        options.showSchematic = 0;
        return true;
    };
    frame.commandAction(commands::kDefineGraph)->trigger();
    EXPECT_EQ(frame.activeDocument()->flowPlotKind, 2);
    EXPECT_EQ(frame.activeDocument()->showSchematic, 0);

    auto* view = qobject_cast<CGraphView*>(frame.activeView());
    ASSERT_NE(view, nullptr);
    for (const char* name : {"graph.png", "graph.svg", "graph.pdf"}) {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        QString error;
        EXPECT_TRUE(view->saveGraphAs(path, &error)) << name << " " << error.toStdString();
        EXPECT_GT(QFileInfo(path).size(), 1000) << name;
    }
    QString error;
    EXPECT_FALSE(view->saveGraphAs(m_folder.filePath(QStringLiteral("graph.bmp")), &error));
    EXPECT_FALSE(error.isEmpty());
    const QString pdf = m_folder.filePath(QStringLiteral("printed-graph.pdf"));
    ASSERT_TRUE(frame.printActive(pdf));
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST_F(MainFrameTest, OpeningTheSameFileTwiceActivatesIt) {
    const QString path = copyOfExample(QStringLiteral("boosters.dct"));
    ASSERT_TRUE(frame.openFile(path));
    ASSERT_TRUE(frame.openFile(path));
    EXPECT_EQ(frame.documentCount(), 1);
}

TEST_F(MainFrameTest, SaveQuestionOnClosingWritesAFileThatReadsBackEqual) {
    const QString path = copyOfExample(QStringLiteral("zones-and-losses.dct"));
    ASSERT_TRUE(frame.openFile(path));
    port.onNotepad = [](std::string& text) {
        text = "Checked on site";
        return true;
    };
    frame.commandAction(commands::kNotepad)->trigger();
    const std::string model = writeJsonModel(*frame.activeDocument());
    questions.answer = SaveAnswer::Save;
    ASSERT_TRUE(frame.closeActiveDocument());
    EXPECT_EQ(questions.asked, QStringList{QStringLiteral("zones-and-losses.dct")});
    EXPECT_EQ(frame.documentCount(), 0);
    const FileRead<CFlowmarDoc> reread = readModelFile(path.toStdString());
    ASSERT_TRUE(reread.ok()) << reread.error;
    EXPECT_EQ(reread.document->notepadText, "Checked on site");
    EXPECT_EQ(writeJsonModel(*reread.document), model);
}

TEST_F(MainFrameTest, CancelKeepsTheDocumentOpenAndANewModelAsksWhereToSave) {
    ASSERT_TRUE(frame.newDuctModel());
    EXPECT_EQ(frame.activeDocument()->title(), "DuctData1");
    ASSERT_TRUE(frame.executeActive() == false) << "a new model stops at the duct details";
    questions.answer = SaveAnswer::Cancel;
    frame.mdiArea()->activeSubWindow()->close();
    EXPECT_EQ(frame.documentCount(), 1);
    questions.answer = SaveAnswer::Save;
    questions.savePath = m_folder.filePath(QStringLiteral("first"));
    ASSERT_TRUE(frame.closeActiveDocument());
    EXPECT_TRUE(QFile::exists(m_folder.filePath(QStringLiteral("first.dct"))));
    EXPECT_EQ(frame.documentCount(), 0);
}

TEST_F(MainFrameTest, PrintsEachSummaryAsAOnePagePdf) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("imperial.dct"))));
    for (const int view : {templates::kSummaryOfInput, templates::kSummaryOfResults}) {
        const QString pdf = m_folder.filePath(QStringLiteral("summary-%1.pdf").arg(view));
        ASSERT_TRUE(frame.printActive(pdf, view));
        EXPECT_EQ(pdfPageCount(pdf), 1) << view;
    }
}

TEST_F(MainFrameTest, DamagedFileShowsTheMessageAndTheProgramGoesOn) {
    const QString damaged = m_folder.filePath(QStringLiteral("damaged.dct"));
    std::ofstream(damaged.toStdString()) << "not a model";
    EXPECT_FALSE(frame.openFile(damaged));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].rfind("Cannot open \"", 0), 0u) << port.messages[0];
    EXPECT_EQ(frame.documentCount(), 0);
    EXPECT_TRUE(frame.openFile(copyOfExample(QStringLiteral("exhausting.dct"))));
}

TEST(CommandLine, PrintToAPdfFileWritesEachSummaryOnOnePage) {
    QTemporaryDir folder;
    for (const auto& [view, name] : {std::pair{"input", "input.pdf"}, {"results", "results.pdf"}}) {
        const QString pdf = folder.filePath(QString::fromLatin1(name));
        CFlowmarApp app;
        ASSERT_TRUE(app.initInstance({kExamples + QStringLiteral("/boosters.dct"),
                                      QStringLiteral("--print-to"), pdf,
                                      QStringLiteral("--print-view"), QString::fromLatin1(view)}));
        EXPECT_TRUE(app.finished()) << "printing from the command line ends the program";
        EXPECT_EQ(pdfPageCount(pdf), 1) << view;
    }
    CFlowmarApp app;
    EXPECT_FALSE(app.initInstance({QStringLiteral("--print-to"), QStringLiteral("x.pdf")}));
}

// Printing from the command line has nobody to click a message box away: a model that cannot be
// read or executed must end the program with its message on standard error, never wait.
TEST(CommandLine, PrintingAModelThatFailsReportsOnTheStreamAndFails) {
    QTemporaryDir folder;
    const QString noFans = folder.filePath(QStringLiteral("no-fans.json"));
    std::ofstream(noFans.toStdString()) << R"({"ductLength": 1000, "ductDiameter": 0.9})";
    const QString cut = folder.filePath(QStringLiteral("cut.dct"));
    std::ofstream(cut.toStdString()) << "FLOW";
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    for (const auto& [model, words] : {std::pair{noFans, std::string(messages::kNoFanDefined)},
                                       std::pair{cut, std::string("Cannot open \"")}}) {
        std::ostringstream err;
        CFlowmarApp app(err);
        EXPECT_FALSE(app.initInstance({model, QStringLiteral("--print-to"), pdf}));
        EXPECT_TRUE(app.finished());
        EXPECT_NE(err.str().find(words), std::string::npos) << err.str();
    }
}

TEST(CommandLine, ReadsTheFileAndThePrintRequests) {
    const CommandLine line = parseCommandLine(
        {QStringLiteral("m.dct"), QStringLiteral("--print-to"), QStringLiteral("out.pdf"),
         QStringLiteral("--print-view"), QStringLiteral("results")});
    EXPECT_TRUE(line.valid);
    EXPECT_EQ(line.file, QStringLiteral("m.dct"));
    EXPECT_EQ(line.printTo, QStringLiteral("out.pdf"));
    EXPECT_EQ(line.printView, templates::kSummaryOfResults);
    EXPECT_FALSE(parseCommandLine({QStringLiteral("--print")}).valid) << "nothing to print";
    EXPECT_FALSE(parseCommandLine({QStringLiteral("--bogus")}).valid);
    EXPECT_TRUE(parseCommandLine({}).valid);
}

// The Data Input menu's Shock Losses command and the toolbar's SL button are one action, which
// runs the command on the active model.
TEST_F(MainFrameTest, ShockLossesEditsTheActiveModel) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("forcing-one-fan.dct"))));
    QAction* shockLosses = frame.commandAction(commands::kShockLosses);
    ASSERT_NE(shockLosses, nullptr);
    EXPECT_TRUE(shockLosses->isEnabled());
    EXPECT_TRUE(frame.ductToolBar()->actions().contains(shockLosses));
    port.onShockLosses = [](ShockLossValues& values) {
        values.rows[1].screenDistance = values.ductLength / 2;
        return true;
    };
    shockLosses->trigger();
    EXPECT_EQ(port.dialogs, (std::vector<Dialog>{Dialog::ShockLosses}));
    const CFlowmarDoc& doc = *frame.activeDocument();
    EXPECT_DOUBLE_EQ(doc.screenDistance[1], doc.ductLength / 2);
}

} // namespace
} // namespace flowmar
