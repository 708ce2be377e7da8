// What a page of a sheet reports when a person leaves it with an entry it refuses: the message to
// show and the edit box that gets the focus with its whole text selected (for a grid, the cell of
// the row and column named). The page stays in front and nothing of it is taken.
#pragma once

#include <string>

namespace flowmar {

struct PageFault {
    std::string message;
    int control = 0; // the id of the edit box to mend
    int row = 0;     // in a grid: the row and column of the cell to mend, 0 for none
    int column = 0;

    friend bool operator==(const PageFault&, const PageFault&) = default;
};

} // namespace flowmar
