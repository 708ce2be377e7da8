// Values no duct can have. A damaged or hand-made file may hold them, and the sweeps would turn
// them into results that look like numbers (a negative face quantity from a negative air density,
// pressures of -5e300 from an entry factor of 1e308), so Execute refuses them before it derives
// anything.
#pragma once

#include "core/engine/execute_result.h"

namespace flowmar {

class CFlowmarDoc;

// Stops the run at the first value without physical meaning, naming it and the sheet where it is
// mended; true when there is none. Values that make physical sense but lie outside what a sheet
// takes still run.
bool checkPhysicalInput(const CFlowmarDoc& doc, ExecuteResult& run);

} // namespace flowmar
