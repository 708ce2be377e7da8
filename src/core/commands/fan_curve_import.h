// "Import Fan Curve" of the Add/Edit Fan dialog: copies one fan's curve from a fan database file
// into the fan being edited, converted to the units the model shows.
#pragma once

namespace flowmar {

struct AddFanValues;
class UiPort;

// Asks for a ".fdb" file, reads it, lets the person choose one of its fans and copies that fan's
// texts, point count, density and 15 points into `values` (not validated again). A file that
// cannot be opened or is damaged, or a number beyond the file's fans, shows its message; on
// every failure and on Cancel `values` stay as they were. Returns true when a curve was copied.
bool importFanCurve(AddFanValues& values, UiPort& port);

} // namespace flowmar
