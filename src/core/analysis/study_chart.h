// The chart of a study: the face and fan-end quantity against the varied input, one pair of
// curves per second value of a grid, the required face quantity as a line with its crossing
// marked. Drawn in the Graph View's 800 x 600 logical space (y up, 0 at the top edge) with its
// font and its round axis steps, so that the window, the printed page and the command line's SVG
// show the same picture.
#pragma once

#include "core/analysis/study.h"
#include "core/model/units.h"
#include "core/views/drawing.h"

#include <string>

namespace flowmar {

// The unit the input is shown in, and its label ("m", "in", "kcfm", ...).
Quantity studyInputQuantity(StudyInput input);
std::string studyInputTitle(StudyInput input, int fan, int unitSystem);

// The input's unit in the unit system: "m", "in", "kcfm", ...
std::string studyInputUnit(StudyInput input, int unitSystem);

// "Duct Length", "Distance of Fan 2": the input's name without its unit.
std::string studyInputLabel(StudyInput input, int fan);

// The value with its unit ("0.8 m"), with the decimals a range of that step needs.
std::string shownStudyText(StudyInput input, double siValue, double siStep, int unitSystem);

// The value of the input as a person reads it in the unit system.
double shownStudyValue(StudyInput input, double siValue, int unitSystem);

// The sentence under the chart: "This duct and its fans reach 1,840 m." and the like, or empty.
std::string crossingSentence(const StudyRequest& request, const StudyCrossing& crossing,
                             int unitSystem);

// An empty drawing when no step ran to results.
Drawing studyChart(const StudyResult& result, const StudyRequest& request, int unitSystem);

} // namespace flowmar
