// What a page of a sheet reports when a person leaves it with an entry it refuses: the message to
// show and the edit box that gets the focus with its whole text selected. The page stays in front
// and nothing of it is taken.
#pragma once

#include <string>

namespace flowmar {

struct PageFault {
    std::string message;
    int control = 0; // the id of the edit box to mend

    friend bool operator==(const PageFault&, const PageFault&) = default;
};

} // namespace flowmar
