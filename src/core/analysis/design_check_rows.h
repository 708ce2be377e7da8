// The Design Checks view's list as a grid content: a row per finding with its title, its whole
// explanation and where it applies, or the one row that says why there is none. The view only
// shows the rows; every text and every choice of them is made here.
#pragma once

#include "core/analysis/design_checks.h"
#include "core/engine/execute_result.h"
#include "core/views/grid_content.h"

#include <string>
#include <vector>

namespace flowmar {

namespace design_check_rows {
// The columns of the list.
enum Column { kTitle = 1, kText, kPlace, kColumns = kPlace };
} // namespace design_check_rows

// Where a finding applies, in the model's units: "Fan 2", a stretch of the duct "670 – 1000 m"
// (whole metres or feet), or both as "Fan 2, 670 – 1000 m"; empty for one about the whole duct.
std::string findingPlace(const DesignFinding& finding, int unitSystem);

// Headings "Finding", "Explanation", "Where"; row k holds finding k - 1: its title, its
// explanation (also the cell's tool tip) and its place. With no finding, one row without a
// place: "No results" when the last Execute stopped before a solution (lastRun), "Nothing to
// report" otherwise, each with its sentence. Every data cell is left-aligned and read-only.
GridContent designCheckRows(const std::vector<DesignFinding>& findings, SolutionStatus lastRun,
                            int unitSystem);

} // namespace flowmar
