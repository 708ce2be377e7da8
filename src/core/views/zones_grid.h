// The grid of the Zones page: rows 1 to 9 of the zone table with their headings, number formats
// and column widths in the model's unit system, and the reading of a person's entries back into
// the rows (text that is no number reads as 0).
#pragma once

#include "core/input/zones_page.h"
#include "core/views/grid_content.h"

namespace flowmar {

// Nine rows of five right-aligned number columns: start and end with 1 decimal, diameter and
// friction factor with 3, leakage resistance with 0 in SI and 2 in Imperial; headings "Start (m)",
// "End (m)", "Dia (m)", "k Fac", "Rl/100m" (ft, in and "Rl/100ft" in Imperial).
GridContent zonesGridContent(const ZoneRows& rows, int unitSystem);

// Rows 1 to 9 of the rows take the grid's cells, each read as its leading number; rows 0 and 10
// stay.
void readZonesGrid(const GridContent& grid, ZoneRows& rows);

} // namespace flowmar
