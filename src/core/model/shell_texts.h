// The texts of the program's main window and its file questions.
#pragma once

#include <string_view>

namespace flowmar::shell_texts {

inline constexpr std::string_view kProgramName = "Flowmar";
inline constexpr std::string_view kReady = "Ready";
inline constexpr std::string_view kOpenTitle = "Open";
inline constexpr std::string_view kSaveAsTitle = "Save As";
// "<what> is not part of this version.", in the status bar.
inline constexpr std::string_view kNotInThisVersion = " is not part of this version.";
inline constexpr std::string_view kFanDatabaseView = "the fan database view";
inline constexpr std::string_view kHelpFile = "the help file";
inline constexpr std::string_view kGraphPictureFilter =
    "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";

} // namespace flowmar::shell_texts
