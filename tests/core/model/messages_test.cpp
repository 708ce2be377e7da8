#include "core/model/messages.h"

#include <gtest/gtest.h>

#include <string_view>

namespace flowmar {
namespace {

// The messages that state a limit are composed from the limit's constant; they must still read
// exactly as a person has always read them.
struct ComposedCase {
    std::string_view composed;
    std::string_view reads;
};

TEST(Messages, LimitsComposedIntoTheirMessagesReadAsWritten) {
    const ComposedCase cases[] = {
        {messages::kZoneDiameter,
         "A diameter in the Zones section is less than or equal to zero or greater than 20 m."},
        {messages::kZoneFrictionFactor,
         "A k factor in the Zones section is less than or equal to zero or greater than 1 kg/m³."},
        {messages::kZoneLeakage, // thousands grouped
         "A leakage resistance in the Zones section is less than or equal to zero or greater than "
         "500,000 Ns²/m^8."},
        {messages::kFixedResistanceValue,
         "An input resistance for a shock loss is either greater than 100 or less than zero. "
         "Execution terminated."},
        {messages::kNotepadTooLong, "Enter no more than 1000 characters."},
        {messages::kFanNumberOutOfRange, "Enter a fan number between 1 and 100."},
    };
    for (const ComposedCase& c : cases) {
        EXPECT_EQ(c.composed, c.reads);
    }
}

TEST(Messages, ComposingGroupsThousandsAndKeepsSigns) {
    constexpr MessageText text =
        composeMessage(Grouped{1234567}, " ", Grouped{999}, " ", -42, " ", Grouped{-1000});
    EXPECT_EQ(text.view(), "1,234,567 999 -42 -1,000");
}

// A JSON reader's fault is whole sentences with their own full stop; a binary reader's a phrase.
TEST(Messages, FileMessagesEndInExactlyOneFullStop) {
    EXPECT_EQ(messages::cannotOpenFile("m.json", "The key \"ductType\" must be a number."),
              "Cannot open \"m.json\": The key \"ductType\" must be a number.");
    EXPECT_EQ(messages::cannotOpenFile("m.dct", messages::kFileEndsEarly),
              "Cannot open \"m.dct\": the file ends early.");
    EXPECT_EQ(messages::cannotSaveFile("m.dct", messages::kDiskFull),
              "Cannot save \"m.dct\": there is no room left on the disk.");
}

} // namespace
} // namespace flowmar
