// The command ids of the documents' menus and toolbars, and which of them a document allows.
#pragma once

namespace flowmar {

namespace commands {
inline constexpr int kDuctDetails = 32771;
inline constexpr int kShockLosses = 32778;
inline constexpr int kFixedQuantityTool = 32793;
inline constexpr int kExecute = 32773;
inline constexpr int kAddFan = 160;
inline constexpr int kDatabaseAddFan = 157;
inline constexpr int kEditFan = 158;
inline constexpr int kDeleteFan = 159;
inline constexpr int kNotepad = 168;
inline constexpr int kUnitConversion = 32804;
inline constexpr int kSortFans = 32803;
inline constexpr int kDefineGraph = 141;
inline constexpr int kClose = 57602;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
} // namespace commands

enum class DocumentKind { Duct, FanDatabase };

// A duct model is written only through the question to save a modified model when it closes:
// Save and Save As stay disabled while one is active. Everything else is enabled.
constexpr bool isCommandEnabled(int command, DocumentKind active) {
    if (active == DocumentKind::Duct) {
        return command != commands::kSave && command != commands::kSaveAs;
    }
    return true;
}

} // namespace flowmar
