// The Study dialog's values: which inputs of the model can vary, their ranges as a person types
// them in the model's units, and the request they make. Every rule of the dialog lives here; the
// window only shows the boxes and runs what this gives.
#pragma once

#include "core/analysis/study.h"
#include "core/input/page_fault.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

// One entry of the dialog's input lists.
struct StudyChoice {
    StudyInput input = StudyInput::DuctLength;
    int fan = 0;
    std::string label; // "Duct Length (m)", "Distance of Fan 2 (m)"
};

// The inputs of this model: the duct's, the fixed quantity, each fan's distance and fixed
// pressure.
std::vector<StudyChoice> studyChoices(const CFlowmarDoc& doc);

// One range as typed.
struct StudyRangeTexts {
    int choice = 0; // index into studyChoices
    std::string from;
    std::string to;
    std::string steps;
};

struct StudyFormTexts {
    StudyRangeTexts first;
    bool useSecond = false;
    StudyRangeTexts second;
    std::string requiredFaceQuantity; // empty: no requirement
};

namespace study_form {
// The boxes a fault can name, for the window to focus.
enum Box { kFirstFrom, kFirstTo, kFirstSteps, kSecondFrom, kSecondTo, kSecondSteps, kRequired };
} // namespace study_form

// A start the person can run at once: the duct length from half to one and a half times the
// model's in 21 steps, no second input, the program's required face quantity if one is set.
StudyFormTexts defaultStudyForm(const CFlowmarDoc& doc, std::optional<double> requiredFace);

// The range's current value in the model, as typed texts: the choice's value less and more half.
StudyRangeTexts defaultRange(const CFlowmarDoc& doc, const StudyChoice& choice, int index);

// The request the texts make for this model, or the fault to show with the box to mend.
std::variant<StudyRequest, PageFault> readStudyForm(const CFlowmarDoc& doc,
                                                    const StudyFormTexts& texts);

} // namespace flowmar
