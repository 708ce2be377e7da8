// The duct model's fan commands: Add Fan (with its re-opening after a refused entry), Edit Fan,
// Delete Fan and Sort Fans.
#pragma once

namespace flowmar {

class CFlowmarDoc;
class UiPort;

// Add Fan (160): a new fan after the last, or the fan being edited when Edit Fan runs it. Shows
// the fan in the Add/Edit Fan dialog in shown units and stores it in SI on OK (a distance of 0
// or less becomes 0.00001 m). A fan tagged fixed without a pressure, or untagged without a curve,
// is refused with its message and the dialog opens again with the values just stored.
void runAddFanCommand(CFlowmarDoc& doc, UiPort& port);

// Edit Fan (158): asks for a fan number and runs Add Fan on that fan.
void runEditFanCommand(CFlowmarDoc& doc, UiPort& port);

// Delete Fan (159): asks for a fan number; the fans after it move down one place with all their
// entered data. A number beyond the fans there are deletes nothing and says how many there are.
void runDeleteFanCommand(CFlowmarDoc& doc, UiPort& port);

// Sort Fans (32803): renumbers the fans by ascending distance (a selection sort: the first of
// equal distances is taken, so the order of equal fans may change). Each fan takes its results
// of the last Execute (segment, operating pressure, efficiency, flags) with it, so the results
// still pair every fan with its own operating point. Does not mark the model modified.
void sortFans(CFlowmarDoc& doc);

} // namespace flowmar
