#include "core/commands/command_table.h"
#include "core/model/document_templates.h"

#include <gtest/gtest.h>

#include <set>

namespace flowmar {
namespace {

using namespace commands;

// A duct model's Save and Save As stay disabled: the model is written only through the save
// question when it closes.
static_assert(!isCommandEnabled(kSave, ActiveDocument::DuctModel));
static_assert(!isCommandEnabled(kSaveAs, ActiveDocument::DuctModel));
static_assert(isCommandEnabled(kSave, ActiveDocument::FanDatabase));
static_assert(isCommandEnabled(kUnitConversion, ActiveDocument::DuctModel));
static_assert(!isCommandEnabled(kSave, ActiveDocument::None));

TEST(CommandTable, EveryIdOnceAndEveryMenuAndToolbarEntryInTheTable) {
    std::set<int> ids;
    for (const CommandInfo& command : commandTable()) {
        EXPECT_TRUE(ids.insert(command.id).second) << "id " << command.id << " twice";
        EXPECT_FALSE(command.menuText.empty()) << command.id;
    }
    const auto known = [&](int id) {
        return id == kSeparator || id == kRecentFiles || id == kWindowList || ids.count(id) == 1;
    };
    for (const MenuInfo& menu : mainMenus()) {
        for (const int id : menu.entries) {
            EXPECT_TRUE(known(id)) << menu.title << " holds " << id;
        }
    }
    for (const Toolbar toolbar : {Toolbar::Duct, Toolbar::FanDatabase}) {
        EXPECT_FALSE(toolbarCommands(toolbar).empty());
        for (const int id : toolbarCommands(toolbar)) {
            EXPECT_TRUE(known(id)) << toolbarTitle(toolbar) << " holds " << id;
        }
    }
    for (const DocumentTemplate& t : kDocumentTemplates) {
        if (!t.fanDatabase) {
            ASSERT_NE(findCommand(t.id), nullptr) << "no View command for template " << t.id;
            EXPECT_TRUE(findCommand(t.id)->ownMenuEntry);
        }
    }
    EXPECT_EQ(findCommand(12345), nullptr);
}

TEST(CommandTable, WithoutADocumentOnlyTheFileAndHelpCommandsWork) {
    const CommandContext none;
    for (const int id : {kFileNew, kFileOpen, kPrintSetup, kExit, kAbout, kHelpContents}) {
        EXPECT_TRUE(commandState(id, none).enabled) << id;
    }
    for (const int id : {kClose, kSave, kPrint, kExecute, kNotepad, kGraph, kSummaryOfInput}) {
        EXPECT_FALSE(commandState(id, none).enabled) << id;
    }
    EXPECT_EQ(toolbarFor(none), Toolbar::FanDatabase);
    for (const MenuInfo& menu : mainMenus()) {
        EXPECT_EQ(menuShown(menu, none), menu.shown == MenuShown::Always) << menu.title;
    }
}

struct StateCase {
    const char* why;
    int command;
    CommandContext context;
    bool enabled;
    bool visible;
};

class CommandStateCase : public ::testing::TestWithParam<StateCase> {};

TEST_P(CommandStateCase, FollowsTheActiveDocumentAndView) {
    const StateCase& c = GetParam();
    const CommandState state = commandState(c.command, c.context);
    EXPECT_EQ(state.enabled, c.enabled) << c.why;
    EXPECT_EQ(state.visible, c.visible) << c.why;
}

constexpr CommandContext kSummaryActive{ActiveDocument::DuctModel, kSummaryOfInput, true};
constexpr CommandContext kGraphActive{ActiveDocument::DuctModel, kGraph, true};
constexpr CommandContext kFanInputActive{ActiveDocument::DuctModel, kFanInput, true};
constexpr CommandContext kDatabaseActive{ActiveDocument::FanDatabase, templates::kFanDatabase,
                                         false};

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandStateCase,
    ::testing::Values(
        StateCase{"a model is saved only through the close question", kSave, kSummaryActive, false,
                  true},
        StateCase{"a fan database saves", kSave, kDatabaseActive, true, true},
        StateCase{"Execute needs a duct model", kExecute, kDatabaseActive, false, false},
        StateCase{"Execute on a model", kExecute, kSummaryActive, true, true},
        StateCase{"Duct Details opens on a model", kDuctDetails, kSummaryActive, true, true},
        StateCase{"Add Fan places a fan in the model", kAddFan, kSummaryActive, true, true},
        // Each document has its own Add Fan: the other is neither enabled nor in the menu.
        StateCase{"the model's Add Fan is not the database's", kAddFan, kDatabaseActive, false,
                  false},
        StateCase{"the database's Add Fan is not the model's", kDatabaseAddFan, kSummaryActive,
                  false, false},
        StateCase{"Add Fan to a database", kDatabaseAddFan, kDatabaseActive, true, true},
        StateCase{"Edit Fan in a database", kEditFan, kDatabaseActive, true, true},
        StateCase{"Delete Fan in a database", kDeleteFan, kDatabaseActive, true, true},
        StateCase{"a database changes its units", kUnitConversion, kDatabaseActive, true, true},
        StateCase{"a database has no notepad", kNotepad, kDatabaseActive, false, false},
        StateCase{"no fans without a document", kEditFan, CommandContext{}, false, true},
        StateCase{"the Shock Losses sheet edits a duct model", kShockLosses, kGraphActive, true,
                  true},
        StateCase{"a fan database has no shock losses", kShockLosses, kDatabaseActive, false, true},
        StateCase{"a fan database has no duct details", kDuctDetails, kDatabaseActive, false, true},
        StateCase{"a view built in this version", kGraph, kSummaryActive, true, true},
        StateCase{"a fan database has no fan views", kFanResults, kDatabaseActive, false, true},
        StateCase{"the Fan Curve View opens from any view of a model", kFanCurve, kSummaryActive,
                  true, true},
        StateCase{"the View menu leaves out the active view's own entry", kSummaryOfInput,
                  kSummaryActive, true, false},
        StateCase{"Save Graph As only with the Graph View", kSaveGraphAs, kSummaryActive, false,
                  false},
        StateCase{"Save Graph As with the Graph View", kSaveGraphAs, kGraphActive, true, true},
        StateCase{"Define belongs to the Graph View", kDefineGraph, kGraphActive, true, true},
        StateCase{"printing needs a view that prints", kPrint, kDatabaseActive, false, true},
        StateCase{"the Fan Input View opens from any view of a model", kFanInput, kGraphActive,
                  true, true},
        StateCase{"the Fan Results view opens from the Fan Input View", kFanResults,
                  kFanInputActive, true, true},
        StateCase{"Sort Fans is in the Fan Input View's Tools menu", kSortFans, kFanInputActive,
                  true, true},
        StateCase{"and in no other view's", kSortFans, kSummaryActive, false, false},
        StateCase{"the Design Checks view opens from any view of a model", kDesignChecks,
                  kGraphActive, true, true},
        StateCase{"a study runs on a duct model", kStudy, kGraphActive, true, true},
        StateCase{"a fan database has nothing to study", kStudy, kDatabaseActive, false, true},
        StateCase{"the shading toggle is no view", kShadeDesignRanges, kSummaryActive, true,
                  true}));

// A fan database's menu bar has Fans and Tools but no Data Input.
TEST(CommandTable, DataInputBelongsToDuctModelsOnly) {
    const CommandContext database{ActiveDocument::FanDatabase, templates::kFanDatabase, true};
    const CommandContext model{ActiveDocument::DuctModel, kSummaryOfInput, true};
    for (const MenuInfo& menu : mainMenus()) {
        const bool dataInput = menu.title == "Data Input";
        EXPECT_EQ(menuShown(menu, database), !dataInput && menu.shown != MenuShown::WithGraphView)
            << menu.title;
        EXPECT_EQ(menuShown(menu, model), menu.shown != MenuShown::WithGraphView) << menu.title;
    }
}

TEST(CommandTable, BarTogglesAreCheckedAsTheBarsAreShown) {
    CommandContext context{ActiveDocument::DuctModel, kSummaryOfInput, true};
    EXPECT_TRUE(commandState(kToolbar, context).checked);
    EXPECT_EQ(toolbarFor(context), Toolbar::Duct);
    context.toolbarShown = false;
    context.statusBarShown = false;
    EXPECT_FALSE(commandState(kToolbar, context).checked);
    EXPECT_FALSE(commandState(kStatusBar, context).checked);
    EXPECT_EQ(toolbarFor(context), Toolbar::None) << "a hidden toolbar stays hidden";
    EXPECT_FALSE(commandState(kShadeDesignRanges, context).checked);
    context.shadeDesignRanges = true;
    EXPECT_TRUE(commandState(kShadeDesignRanges, context).checked);
}

// The window list names each window's model, since captions never do; only single digits can be
// access keys.
TEST(WindowList, EntriesNameTheModelAndNumberTheWindows) {
    EXPECT_EQ(windowListText(1, "Graph View", "boosters.dct"), "&1 Graph View — boosters.dct");
    EXPECT_EQ(windowListText(9, "Fan Results", "a.dct"), "&9 Fan Results — a.dct");
    EXPECT_EQ(windowListText(10, "Fan Results", "a.dct"), "10 Fan Results — a.dct");
}

TEST(WindowList, SplitWorksOnEveryDuctViewButTheFanCurveViewsFixedPanes) {
    CommandContext context;
    EXPECT_FALSE(commandState(kSplit, context).enabled) << "nothing to split";
    context.document = ActiveDocument::DuctModel;
    for (const int view : {kSummaryOfInput, kSummaryOfResults, kGraph, kFanInput, kFanResults}) {
        context.activeView = view;
        EXPECT_TRUE(commandState(kSplit, context).enabled) << view;
    }
    context.activeView = kFanCurve;
    EXPECT_FALSE(commandState(kSplit, context).enabled);
}

} // namespace
} // namespace flowmar
