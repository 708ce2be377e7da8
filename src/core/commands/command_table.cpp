#include "core/commands/command_table.h"

#include <algorithm>
#include <array>

namespace flowmar {

namespace {

using namespace commands;

constexpr CommandIcon theme(std::string_view name) {
    return {IconGroup::Theme, name};
}
constexpr CommandIcon badge(IconGroup group, std::string_view text) {
    return {group, text};
}

constexpr std::array kCommands{
    CommandInfo{kFileNew, "&New", StandardKey::New, theme("document-new")},
    CommandInfo{kFileOpen, "&Open...", StandardKey::Open, theme("document-open")},
    CommandInfo{kClose, "&Close"},
    CommandInfo{kSave, "&Save", StandardKey::Save, theme("document-save")},
    CommandInfo{kSaveAs, "Save &As..."},
    CommandInfo{kSaveGraphAs, "Save &Graph As..."},
    CommandInfo{kPrint, "&Print...", StandardKey::Print, theme("document-print")},
    CommandInfo{kPrintPreview, "Print Pre&view"},
    CommandInfo{kPrintSetup, "P&rint Setup..."},
    CommandInfo{kExit, "E&xit"},
    CommandInfo{kUndo, "&Undo", StandardKey::Undo},
    CommandInfo{kCut, "Cu&t", StandardKey::Cut},
    CommandInfo{kCopy, "&Copy", StandardKey::Copy},
    CommandInfo{kPaste, "&Paste", StandardKey::Paste},
    CommandInfo{kToolbar, "&Toolbar", StandardKey::None, {}, false, true},
    CommandInfo{kStatusBar, "&Status Bar", StandardKey::None, {}, false, true},
    CommandInfo{kSummaryOfInput, "Summary of Input", StandardKey::None,
                badge(IconGroup::Views, "In"), true},
    CommandInfo{kFanInput, "Fan Input", StandardKey::None, badge(IconGroup::Views, "FI"), true},
    CommandInfo{kSummaryOfResults, "Summary of Results", StandardKey::None,
                badge(IconGroup::Views, "Re"), true},
    CommandInfo{kFanCurve, "Fan Curve View", StandardKey::None, badge(IconGroup::Views, "FC"),
                true},
    CommandInfo{kFanResults, "Fan Results", StandardKey::None, badge(IconGroup::Views, "FR"), true},
    CommandInfo{kGraph, "Graph View", StandardKey::None, badge(IconGroup::Views, "Gr"), true},
    CommandInfo{kDesignChecks, "Design Checks", StandardKey::None, badge(IconGroup::Views, "DC"),
                true},
    CommandInfo{
        kShadeDesignRanges, "Shade Design Check Ranges", StandardKey::None, {}, false, true},
    CommandInfo{kDuctDetails, "Duct Details", StandardKey::None, badge(IconGroup::Input, "D")},
    CommandInfo{kShockLosses, "Shock Losses", StandardKey::None, badge(IconGroup::Input, "SL")},
    CommandInfo{kFixedQuantityTool, "Fixed Quantity Tool", StandardKey::None,
                badge(IconGroup::Input, "Q")},
    CommandInfo{kAddFan, "Add Fan", StandardKey::None, badge(IconGroup::Fans, "F+")},
    CommandInfo{kDatabaseAddFan, "Add Fan", StandardKey::None, badge(IconGroup::Fans, "F+")},
    CommandInfo{kDeleteFan, "Delete Fan", StandardKey::None, badge(IconGroup::Fans, "F−")},
    CommandInfo{kEditFan, "Edit Fan", StandardKey::None, badge(IconGroup::Fans, "F…")},
    CommandInfo{kNotepad, "&Notepad"},
    CommandInfo{kExecute, "Execute", StandardKey::None, theme("media-playback-start")},
    CommandInfo{kUnitConversion, "&Unit Conversion"},
    CommandInfo{kSortFans, "&Sort Fans"},
    CommandInfo{kStudy, "S&tudy..."},
    CommandInfo{kDesignCriteria, "Design &Criteria..."},
    CommandInfo{kDefineGraph, "&Define"},
    CommandInfo{kNewWindow, "&New Window"},
    CommandInfo{kCascade, "&Cascade"},
    CommandInfo{kTile, "&Tile"},
    CommandInfo{kArrangeIcons, "&Arrange Icons"},
    CommandInfo{kSplit, "S&plit"},
    CommandInfo{kNextWindow, "Ne&xt Window", StandardKey::NextWindow},
    CommandInfo{kPreviousWindow, "Pre&vious Window", StandardKey::PreviousWindow},
    CommandInfo{kNextPane, "Next Pane", StandardKey::NextPane},
    CommandInfo{kPreviousPane, "Previous Pane", StandardKey::PreviousPane},
    CommandInfo{kHelpContents, "Contents", StandardKey::HelpContents},
    CommandInfo{kAbout, "&About Flowmar...", StandardKey::None, theme("help-about")},
};

constexpr std::array kFileMenu{kFileNew,     kFileOpen,    kClose,     kSave,         kSaveAs,
                               kSaveGraphAs, kSeparator,   kPrint,     kPrintPreview, kPrintSetup,
                               kSeparator,   kRecentFiles, kSeparator, kExit};
constexpr std::array kEditMenu{kUndo, kCut, kCopy, kPaste};
constexpr std::array kViewMenu{kToolbar,  kStatusBar,        kSeparator, kSummaryOfInput,
                               kFanInput, kSummaryOfResults, kFanCurve,  kFanResults,
                               kGraph,    kDesignChecks,     kSeparator, kShadeDesignRanges};
constexpr std::array kDataInputMenu{kDuctDetails, kShockLosses, kFixedQuantityTool};
// Each document has its own Add Fan; the other is left out of the menu.
constexpr std::array kFansMenu{kAddFan, kDeleteFan, kEditFan, kDatabaseAddFan};
// Sort Fans belongs to the Fan Input View's Tools menu.
constexpr std::array kToolsMenu{kNotepad,   kExecute, kUnitConversion, kSortFans,
                                kSeparator, kStudy,   kDesignCriteria};
constexpr std::array kPropertiesMenu{kDefineGraph};
constexpr std::array kWindowMenu{kNewWindow, kCascade,      kTile,       kArrangeIcons,
                                 kSplit,     kSeparator,    kNextWindow, kPreviousWindow,
                                 kNextPane,  kPreviousPane, kSeparator,  kWindowList};
constexpr std::array kHelpMenu{kHelpContents, kAbout};

constexpr std::array kMenuBar{
    MenuInfo{"&File", MenuShown::Always, kFileMenu},
    MenuInfo{"&Edit", MenuShown::WithDocument, kEditMenu},
    MenuInfo{"&View", MenuShown::Always, kViewMenu},
    MenuInfo{"Data Input", MenuShown::WithDuctModel, kDataInputMenu},
    MenuInfo{"Fans", MenuShown::WithDocument, kFansMenu},
    MenuInfo{"Tools", MenuShown::WithDocument, kToolsMenu},
    MenuInfo{"&Properties", MenuShown::WithGraphView, kPropertiesMenu},
    MenuInfo{"&Window", MenuShown::WithDocument, kWindowMenu},
    MenuInfo{"&Help", MenuShown::Always, kHelpMenu},
};

constexpr std::array kDuctToolbar{
    kFileNew,   kFileOpen,         kSave,        kSeparator,         kPrint,     kAbout,
    kSeparator, kDuctDetails,      kShockLosses, kFixedQuantityTool, kSeparator, kAddFan,
    kEditFan,   kDeleteFan,        kSeparator,   kExecute,           kSeparator, kSummaryOfInput,
    kFanInput,  kSummaryOfResults, kFanResults,  kFanCurve,          kGraph,     kDesignChecks};
constexpr std::array kDatabaseToolbar{kFileNew, kFileOpen, kSave,      kSeparator,
                                      kPrint,   kAbout,    kSeparator, kDatabaseAddFan,
                                      kEditFan, kDeleteFan};

constexpr std::array kDuctViews{kSummaryOfInput, kFanInput, kSummaryOfResults, kFanCurve,
                                kFanResults,     kGraph,    kDesignChecks};
// The views of a duct model built so far.
constexpr std::array kAvailableDuctViews{
    kSummaryOfInput, kSummaryOfResults, kGraph, kFanInput, kFanResults, kFanCurve, kDesignChecks};

template <typename List>
constexpr bool contains(const List& list, int id) {
    return std::find(list.begin(), list.end(), id) != list.end();
}

} // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

const CommandInfo* findCommand(int id) {
    const auto* found = std::find_if(kCommands.begin(), kCommands.end(),
                                     [id](const CommandInfo& c) { return c.id == id; });
    return found == kCommands.end() ? nullptr : found;
}

std::span<const MenuInfo> mainMenus() {
    return kMenuBar;
}

std::span<const int> toolbarCommands(Toolbar toolbar) {
    switch (toolbar) {
    case Toolbar::Duct:
        return kDuctToolbar;
    case Toolbar::FanDatabase:
        return kDatabaseToolbar;
    case Toolbar::None:
        break;
    }
    return {};
}

std::string_view toolbarTitle(Toolbar toolbar) {
    switch (toolbar) {
    case Toolbar::Duct:
        return "Duct";
    case Toolbar::FanDatabase:
        return "Fan Database";
    case Toolbar::None:
        break;
    }
    return {};
}

bool ductViewAvailable(int templateId) {
    return contains(kAvailableDuctViews, templateId);
}

CommandState commandState(int id, const CommandContext& context) {
    const bool duct = context.document == ActiveDocument::DuctModel;
    const bool graphActive = context.activeView == kGraph;
    const bool database = context.document == ActiveDocument::FanDatabase;
    CommandState state;
    if (contains(kDuctViews, id)) {
        state.enabled = duct && ductViewAvailable(id);
        // The View menu leaves out the entry of the view it belongs to.
        state.visible = context.activeView != id;
        return state;
    }
    switch (id) {
    case kClose:
        state.enabled = context.document != ActiveDocument::None;
        break;
    case kSave:
    case kSaveAs:
        state.enabled = isCommandEnabled(id, context.document);
        break;
    case kPrint:
    case kPrintPreview:
        state.enabled = context.viewCanPrint;
        break;
    case kSaveGraphAs:
    case kDefineGraph:
        state.enabled = graphActive;
        state.visible = graphActive;
        break;
    case kSplit:
        // The Fan Curve View's frame holds its two panes fixed; every other view splits.
        state.enabled = duct && context.activeView != kFanCurve;
        break;
    case kSortFans:
        state.enabled = context.activeView == kFanInput;
        state.visible = state.enabled;
        break;
    case kShadeDesignRanges:
        state.enabled = true;
        state.checked = context.shadeDesignRanges;
        break;
    case kStudy:
        state.enabled = duct;
        break;
    case kToolbar:
        state.enabled = true;
        state.checked = context.toolbarShown;
        break;
    case kStatusBar:
        state.enabled = true;
        state.checked = context.statusBarShown;
        break;
    case kDuctDetails:
    case kShockLosses:
    case kFixedQuantityTool:
        state.enabled = duct;
        break;
    case kAddFan:
    case kNotepad:
    case kExecute:
        // The fan database's menu has none of them.
        state.enabled = duct;
        state.visible = !database;
        break;
    case kDatabaseAddFan:
        state.enabled = database;
        state.visible = database;
        break;
    case kEditFan:
    case kDeleteFan:
    case kUnitConversion:
        state.enabled = duct || database;
        break;
    default:
        // New, Open, Print Setup, Exit, the Edit and Window commands, Help and About.
        state.enabled = findCommand(id) != nullptr;
        break;
    }
    return state;
}

bool menuShown(const MenuInfo& menu, const CommandContext& context) {
    switch (menu.shown) {
    case MenuShown::Always:
        return true;
    case MenuShown::WithDocument:
        return context.document != ActiveDocument::None;
    case MenuShown::WithDuctModel:
        return context.document == ActiveDocument::DuctModel;
    case MenuShown::WithGraphView:
        return context.activeView == kGraph;
    }
    return false;
}

Toolbar toolbarFor(const CommandContext& context) {
    if (!context.toolbarShown) {
        return Toolbar::None;
    }
    return context.document == ActiveDocument::DuctModel ? Toolbar::Duct : Toolbar::FanDatabase;
}

std::string windowListText(int number, std::string_view caption, std::string_view document) {
    std::string text = number <= 9 ? "&" + std::to_string(number) : std::to_string(number);
    text += " ";
    text += caption;
    text += " — ";
    text += document;
    return text;
}

} // namespace flowmar
