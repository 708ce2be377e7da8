// Values a file may hold that the Duct Details sheet would not take from the keyboard, though
// they make physical sense: the model runs as the file has it, and a batch says so beside the
// results, so nobody mistakes a typo in a script for a design.
#pragma once

#include <string>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

// One note per value outside its page's range, naming the value, the range and the page.
std::vector<std::string> sheetRangeNotes(const CFlowmarDoc& doc);

} // namespace flowmar
