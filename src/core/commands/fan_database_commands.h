// The fan database's commands: the new-database unit choice, Add Fan (with its re-opening of the
// curve editor after a refused curve), Edit Fan, Delete Fan and Unit Conversion.
#pragma once

namespace flowmar {

class CFanDatabaseDoc;
class UiPort;

// New database: the Select Units dialog preset to SI; the choice becomes the unit flag.
void initialiseNewDatabase(CFanDatabaseDoc& db, UiPort& port);

// Add Fan (157): a new fan after the last, or the fan being edited when Edit Fan runs it. The
// curve editor opens in the database's units; on OK the typed values, converted to SI, must pass
// NormaliseFanCurve before the fan takes them. A refused curve shows its message and the editor
// opens again with everything as typed; Cancel leaves the database's fans and count as they were.
void runDatabaseAddFanCommand(CFanDatabaseDoc& db, UiPort& port);

// Edit Fan (158): asks for a fan number and runs Add Fan on that fan.
void runDatabaseEditFanCommand(CFanDatabaseDoc& db, UiPort& port);

// Delete Fan (159): asks for a fan number; the fans after it move down one place. A number beyond
// the fans there are deletes nothing and says how many there are.
void runDatabaseDeleteFanCommand(CFanDatabaseDoc& db, UiPort& port);

// Unit Conversion (32804): only the unit flag changes; the values stay in SI. Does not mark the
// database modified.
void runDatabaseUnitConversionCommand(CFanDatabaseDoc& db, UiPort& port);

} // namespace flowmar
