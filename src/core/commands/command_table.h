// The program's commands in one table: each command's id once, with its menu text, shortcut and
// icon; the menus and toolbars that hold them; and which commands are enabled, checked and shown
// for the active document and view. The main window builds its menus and toolbars from here and
// asks commandState for every command whenever the active document or view changes.
#pragma once

#include "core/model/document_templates.h"

#include <span>
#include <string>
#include <string_view>

namespace flowmar {

namespace commands {
// File
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kClose = 57602;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kRecentFiles = 57616; // where the list of recent files stands in the menu
inline constexpr int kExit = 57665;
inline constexpr int kSaveGraphAs = 32900; // the Graph View's picture as PNG, SVG or PDF
// Edit: passed on to the control that has the focus
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kPaste = 57637;
inline constexpr int kUndo = 57643;
// View: the two bars, then one command per view of a duct model (its template's id)
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kSummaryOfInput = templates::kSummaryOfInput;
inline constexpr int kFanInput = templates::kFanInput;
inline constexpr int kSummaryOfResults = templates::kSummaryOfResults;
inline constexpr int kFanCurve = templates::kFanCurve;
inline constexpr int kFanResults = templates::kFanResults;
inline constexpr int kGraph = templates::kGraph;
inline constexpr int kDesignChecks = templates::kDesignChecks;
// Shades the Graph View's stretches that a design check flags (a program setting).
inline constexpr int kShadeDesignRanges = 32812;
// Data Input
inline constexpr int kDuctDetails = 32771;
inline constexpr int kShockLosses = 32778;
inline constexpr int kFixedQuantityTool = 32793;
// Fans
inline constexpr int kAddFan = 160;
inline constexpr int kDatabaseAddFan = 157;
inline constexpr int kEditFan = 158;
inline constexpr int kDeleteFan = 159;
// Tools
inline constexpr int kNotepad = 168;
inline constexpr int kExecute = 32773;
inline constexpr int kUnitConversion = 32804;
inline constexpr int kSortFans = 32803;
inline constexpr int kStudy = 32811;
inline constexpr int kDesignCriteria = 32810;
// Properties (the Graph View's)
inline constexpr int kDefineGraph = 141;
// Window
inline constexpr int kNewWindow = 57648;
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;
inline constexpr int kArrangeIcons = 57649;
inline constexpr int kSplit = 57653;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kNextWindow = 57690;
inline constexpr int kPreviousWindow = 57691;
inline constexpr int kWindowList = 57692; // where the numbered list of open windows stands
// Help
inline constexpr int kAbout = 57664;
inline constexpr int kHelpContents = 57666;

// A place between entries of a menu or buttons of a toolbar.
inline constexpr int kSeparator = 0;
} // namespace commands

// The platform's own keys for the common commands (Ctrl+N for New, F1 for Help, ...).
enum class StandardKey {
    None,
    New,
    Open,
    Save,
    Print,
    HelpContents,
    Undo,
    Cut,
    Copy,
    Paste,
    NextWindow,     // Ctrl+F6
    PreviousWindow, // Ctrl+Shift+F6
    NextPane,       // F6
    PreviousPane,   // Shift+F6
};

// The picture of a command: an icon of the desktop's theme with the platform's picture in its
// place when the theme has none, or a badge with a short text in the colour of its group.
enum class IconGroup { None, Theme, Input, Fans, Views };
struct CommandIcon {
    IconGroup group = IconGroup::None;
    std::string_view name; // the theme's icon name, or the badge's text
};

struct CommandInfo {
    int id;
    std::string_view menuText; // with "&" before the access key
    StandardKey key = StandardKey::None;
    CommandIcon icon = {};
    // The View menu gives each view its own entry, which leaves out the active view's own while
    // its toolbar button stays.
    bool ownMenuEntry = false;
    bool checkable = false; // shows a check mark: commandState's `checked`
};

// Every command, each once.
std::span<const CommandInfo> commandTable();
// The command of an id, or nullptr.
const CommandInfo* findCommand(int id);

// When a menu of the menu bar is shown.
enum class MenuShown { Always, WithDocument, WithGraphView, WithDuctModel };
struct MenuInfo {
    std::string_view title;
    MenuShown shown;
    std::span<const int> entries; // command ids, kSeparator, kRecentFiles
};
// The menu bar, left to right.
std::span<const MenuInfo> mainMenus();

// The two toolbars, one shown at a time.
enum class Toolbar { None, FanDatabase, Duct };
std::span<const int> toolbarCommands(Toolbar toolbar); // command ids and kSeparator
std::string_view toolbarTitle(Toolbar toolbar);

enum class ActiveDocument { None, DuctModel, FanDatabase };

// What the commands' states depend on.
struct CommandContext {
    ActiveDocument document = ActiveDocument::None;
    int activeView = 0; // the template id of the active view; 0 when there is none
    bool viewCanPrint = false;
    bool toolbarShown = true; // View > Toolbar
    bool statusBarShown = true;
    bool shadeDesignRanges = false; // View > Shade Design Check Ranges
};

struct CommandState {
    bool enabled = false;
    bool checked = false;
    bool visible = true; // in its menu
};

CommandState commandState(int id, const CommandContext& context);
bool menuShown(const MenuInfo& menu, const CommandContext& context);
// The toolbar to show: none when hidden, else the duct toolbar while a duct model is active and
// the fan database toolbar otherwise.
Toolbar toolbarFor(const CommandContext& context);

// The views of a duct model that this version can show.
bool ductViewAvailable(int templateId);

// Whether a document of the kind allows the command. A duct model is written only through the
// question to save a modified model when it closes: Save and Save As stay disabled while one is
// active.
constexpr bool isCommandEnabled(int command, ActiveDocument active) {
    if (active == ActiveDocument::DuctModel) {
        return command != commands::kSave && command != commands::kSaveAs;
    }
    return active != ActiveDocument::None;
}

// An entry of the Window menu's list of open windows, numbered from 1: the window's caption (the
// template's title, which never names the document) and the document's file name, so two models'
// windows tell apart: "&2 Graph View — boosters.dct". Only the first nine get an access key.
std::string windowListText(int number, std::string_view caption, std::string_view document);

} // namespace flowmar
