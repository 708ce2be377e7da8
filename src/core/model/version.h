// The program's version as a person reads it: in the About box, on the splash and from
// flowmar-cli --version. The one place to change it is the top CMakeLists.txt (the project's
// version number and the release letter after it), from which the build defines FLOWMAR_VERSION.
#pragma once

#include <string_view>

#ifndef FLOWMAR_VERSION
#error "FLOWMAR_VERSION is defined by the build from the project's version in CMakeLists.txt"
#endif

namespace flowmar {

inline constexpr std::string_view kVersion = FLOWMAR_VERSION;                // "1.01c"
inline constexpr std::string_view kVersionText = "Version " FLOWMAR_VERSION; // "Version 1.01c"

} // namespace flowmar
