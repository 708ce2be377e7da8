// Fan databases in the program: made with File New, filled through the curve editor, saved,
// opened again, shown in their view; the fan commands on the active database.
#include "core/commands/command_table.h"
#include "core/fans/fan_database_doc.h"
#include "core/model/units.h"
#include "support/example_models.h"
#include "support/modal_steps.h"
#include "ui/app/main_frame.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/dialog_fan_database.h"
#include "ui/dialogs/dialog_fan_number.h"
#include "ui/grid/grid_control.h"
#include "ui/views/fan_database_view.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolBar>

namespace flowmar {
namespace {

using testing::clickOk;
using testing::DialogPort;
using testing::retype;
using testing::whenOpen;

class SaveQuestions : public ShellQuestions {
public:
    QString savePath;
    std::optional<int> newKind = templates::kFanDatabase;
    SaveAnswer answer = SaveAnswer::Discard;
    std::vector<std::string> asked;
    SaveAnswer askSaveChanges(std::string_view title) override {
        asked.emplace_back(title);
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
    std::optional<int> chooseNewDocument() override { return newKind; }
};

// Types a fan into the curve editor the Add Fan command opens.
void addFanThroughTheEditor(CMainFrame& frame, const QString& model, const char* pressureScale) {
    int opened = 0;
    whenOpen<CDialogFanDatabase>(
        [&](CDialogFanDatabase& editor) {
            retype(editor.manufacturerEdit(), QStringLiteral("Quarrystone Air"));
            retype(editor.modelEdit(), model);
            retype(editor.densityEdit(), QStringLiteral("1.2"));
            GridControl& grid = editor.grid();
            EXPECT_TRUE(grid.enterText(1, 1, QStringLiteral("2") + QLatin1String(pressureScale)));
            EXPECT_TRUE(grid.enterText(1, 2, QStringLiteral("5")));
            EXPECT_TRUE(grid.enterText(2, 1, QStringLiteral("1") + QLatin1String(pressureScale)));
            EXPECT_TRUE(grid.enterText(2, 2, QStringLiteral("9")));
            clickOk(editor);
        },
        opened);
    frame.commandAction(commands::kDatabaseAddFan)->trigger();
    EXPECT_EQ(opened, 1);
}

class FanDatabaseWindow : public ::testing::Test {
protected:
    DialogPort port;
    SaveQuestions questions;
    CMainFrame frame{&port, &questions};
    QTemporaryDir folder;
};

TEST_F(FanDatabaseWindow, NewDatabaseWithTwoFansSavesAndReopensWithBoth) {
    frame.commandAction(commands::kFileNew)->trigger();
    CFanDatabase* view = frame.activeDatabaseView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(frame.databaseToolBar()->isVisibleTo(&frame));
    EXPECT_FALSE(frame.ductToolBar()->isVisibleTo(&frame));
    EXPECT_TRUE(frame.commandAction(commands::kDatabaseAddFan)->isEnabled());
    EXPECT_FALSE(frame.commandAction(commands::kAddFan)->isEnabled());
    EXPECT_TRUE(frame.commandAction(commands::kSave)->isEnabled());

    addFanThroughTheEditor(frame, QStringLiteral("AF-760"), "000");
    addFanThroughTheEditor(frame, QStringLiteral("AF-900"), "500");
    EXPECT_TRUE(port.messages.empty()) << port.messages.front();
    EXPECT_EQ(view->grid().rowCount(), 2) << "the view follows every change";
    EXPECT_TRUE(view->document().isModified());

    questions.savePath = folder.filePath(QStringLiteral("library"));
    ASSERT_TRUE(frame.saveActive());
    const QString saved = folder.filePath(QStringLiteral("library.fdb"));
    EXPECT_TRUE(QFile::exists(saved)) << "the extension is added";
    EXPECT_FALSE(view->document().isModified());
    ASSERT_TRUE(frame.closeActiveDocument());
    EXPECT_EQ(frame.documentCount(), 0);

    ASSERT_TRUE(frame.openFile(saved));
    view = frame.activeDatabaseView();
    ASSERT_NE(view, nullptr);
    const GridControl& grid = view->grid();
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.shownText(1, 2), QStringLiteral("AF-760"));
    EXPECT_EQ(grid.shownText(2, 2), QStringLiteral("AF-900"));
    EXPECT_EQ(grid.shownText(2, 4), QStringLiteral("1.2"));
    EXPECT_EQ(view->document().fans[2].points[1].pressure, 2500) << "sorted by pressure";
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Flowmar - library.fdb"));
}

TEST_F(FanDatabaseWindow, ExampleDatabaseShowsItsFiveFansAndPrints) {
    ASSERT_TRUE(
        frame.openFile(QString::fromStdString(testing::examplePath("fan-database.fdb").string())));
    CFanDatabase* view = frame.activeDatabaseView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->grid().rowCount(), 5);
    EXPECT_EQ(view->grid().shownText(5, 3), QStringLiteral("110 kW two-stage"));
    EXPECT_EQ(view->grid().shownText(0, 4), QStringLiteral("Fan Curve Density"));
    EXPECT_EQ(view->findChild<QLabel*>()->text(), QStringLiteral("Fan Database"));
    EXPECT_TRUE(frame.commandAction(commands::kPrint)->isEnabled());
    const QString pdf = folder.filePath(QStringLiteral("fans.pdf"));
    ASSERT_TRUE(frame.printActive(pdf));
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_FALSE(view->document().isModified()) << "opening changes nothing";
}

// Delete Fan beyond the count, Edit Fan of a fan, Unit Conversion: each on the active database.
TEST_F(FanDatabaseWindow, FanCommandsActOnTheActiveDatabase) {
    ASSERT_TRUE(
        frame.openFile(QString::fromStdString(testing::examplePath("fan-database.fdb").string())));
    CFanDatabase* view = frame.activeDatabaseView();
    ASSERT_NE(view, nullptr);
    CFanDatabaseDoc& db = view->document();
    const auto before = db.fans;

    int opened = 0;
    whenOpen<CDialogFanNumber>(
        [](CDialogFanNumber& dialog) {
            retype(dialog.numberEdit(), QStringLiteral("7"));
            clickOk(dialog);
        },
        opened);
    frame.commandAction(commands::kDeleteFan)->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(db.fanCount, 5) << "fan 7 of 5 deletes nothing";
    EXPECT_EQ(db.fans, before);

    whenOpen<CDialogFanNumber>(
        [&](CDialogFanNumber& dialog) {
            retype(dialog.numberEdit(), QStringLiteral("4"));
            whenOpen<CDialogFanDatabase>(
                [](CDialogFanDatabase& editor) {
                    EXPECT_EQ(editor.modelEdit()->text(), QStringLiteral("AF-1400"));
                    retype(editor.settingEdit(), QStringLiteral("90 kW"));
                    clickOk(editor);
                },
                opened);
            clickOk(dialog);
        },
        opened);
    frame.commandAction(commands::kEditFan)->trigger();
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(view->grid().shownText(4, 3), QStringLiteral("90 kW"));

    port.unitSystem = kImperial;
    frame.commandAction(commands::kUnitConversion)->trigger();
    EXPECT_EQ(db.unitSystem, kImperial);
    EXPECT_EQ(view->grid().shownText(1, 4), QStringLiteral("0.075")) << "lb/ft³";
    EXPECT_EQ(port.messages.back(),
              "The units have been changed and the input data have been converted.");
}

// Closing a modified database asks to save it by its title; Cancel keeps it open, Discard closes
// it; closing one that is not modified asks nothing.
TEST_F(FanDatabaseWindow, ClosingAModifiedDatabaseAsksToSaveIt) {
    ASSERT_TRUE(frame.newFanDatabase());
    addFanThroughTheEditor(frame, QStringLiteral("AF-760"), "000");
    questions.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(frame.closeActiveDocument());
    EXPECT_EQ(frame.documentCount(), 1);
    EXPECT_FALSE(frame.mdiArea()->currentSubWindow()->close()) << "closing its window asks too";
    EXPECT_EQ(questions.asked, (std::vector<std::string>{"FanData1", "FanData1"}));
    questions.answer = SaveAnswer::Discard;
    EXPECT_TRUE(frame.closeActiveDocument());
    EXPECT_EQ(frame.documentCount(), 0);

    ASSERT_TRUE(
        frame.openFile(QString::fromStdString(testing::examplePath("fan-database.fdb").string())));
    EXPECT_TRUE(frame.closeActiveDocument());
    EXPECT_EQ(questions.asked.size(), 3U) << "an unchanged database closes without a question";
}

} // namespace
} // namespace flowmar
