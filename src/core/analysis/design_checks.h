// Design checks: what in a solved duct an experienced ventilation engineer would flag. They read
// the results of the last Execute and the model's input, never change either, and find nothing
// after an Execute that stopped on a check.
#pragma once

#include "core/engine/execute_result.h"
#include "core/model/design_criteria.h"
#include "core/views/graph_drawing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

enum class FindingSeverity { Warning, Note };

// In the order the checks run and a person reads them.
enum class FindingCode {
    Suction,           // static pressure of the wrong sign for the duct type
    OffCurveLow,       // a fan left of its first curve point
    OffCurveHigh,      // a fan beyond its last curve point
    LowEfficiency,     // a fan well below its best efficiency
    Leakage,           // the share of the fan-end quantity lost before the face
    FaceBelowRequired, // less air at the face than required
    Velocity,          // the duct's mean velocity outside the set range
    BoosterPressure,   // a fixed quantity that no fan of the model could deliver
};

struct DesignFinding {
    FindingSeverity severity = FindingSeverity::Note;
    FindingCode code = FindingCode::Suction;
    std::string title;
    std::string text;           // one sentence with the numbers, in the model's units
    std::optional<double> from; // m along the duct, where the finding applies to a stretch
    std::optional<double> to;   // m
    std::optional<int> fan;     // the fan it is about
};

// "warning" or "note"; "suction", "off-curve-low", ... as the command line's JSON names them.
std::string_view severityName(FindingSeverity severity);
std::string_view findingCodeName(FindingCode code);

// Every finding on the model as its last Execute (ending with lastRun) left it.
std::vector<DesignFinding> designChecks(const CFlowmarDoc& doc, SolutionStatus lastRun,
                                        const DesignCriteria& criteria);
// The same for the model's own last Execute.
std::vector<DesignFinding> designChecks(const CFlowmarDoc& doc, const DesignCriteria& criteria);

// The stretches of static pressure with the wrong sign, for the Graph View to shade.
std::vector<ShadedRange> pressureSignRanges(const std::vector<DesignFinding>& findings);

} // namespace flowmar
