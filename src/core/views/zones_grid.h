// The grid of the Zones page: rows 1 to 9 of the zone table with their headings, number formats
// and column widths in the model's unit system, and the reading of a person's entries back into
// the rows.
#pragma once

#include "core/input/zones_page.h"
#include "core/views/grid_content.h"

namespace flowmar {

// Nine rows of five right-aligned number columns: start and end with 1 decimal, diameter and
// friction factor with 3, leakage resistance with 0 in SI and 2 in Imperial; headings "Start (m)",
// "End (m)", "Dia (m)", "k Fac", "Rl/100m" (ft, in and "Rl/100ft" in Imperial).
GridContent zonesGridContent(const ZoneRows& rows, int unitSystem);

// Rows 1 to 9 of the rows take the grid's cells; rows 0 and 10 stay. A cell that still holds the
// value it was filled from leaves the row's value as it was, every digit; a blank cell reads as
// 0; any other text must be one whole number. The first cell that is not is the fault, naming its
// column heading and row.
std::optional<PageFault> readZonesGrid(const GridContent& grid, ZoneRows& rows);

} // namespace flowmar
