// The version a person reads against the build's: CMake's project version number followed by its
// release letter, both set once in the top CMakeLists.txt.
#include "core/model/version.h"

#include <gtest/gtest.h>

#include <string>

namespace flowmar {
namespace {

TEST(Version, IsTheProjectsVersionNumberAndReleaseLetter) {
    EXPECT_EQ(kVersion, std::string(FLOWMAR_PROJECT_VERSION) + FLOWMAR_PROJECT_VERSION_LETTER);
    EXPECT_EQ(kVersionText, "Version " + std::string(kVersion));
}

} // namespace
} // namespace flowmar
