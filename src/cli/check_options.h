// The design checks' options of run: the criteria given on the command line (they win over a
// model's own) and --strict, which turns a warning into an exit status of its own
// (kExitDesignWarning).
#pragma once

#include "core/model/design_criteria.h"

#include <optional>
#include <string>

namespace flowmar::cli {

class Call;

struct CheckOptions {
    std::optional<double> requireFace;
    std::optional<double> minEfficiencyFraction;
    std::optional<double> maxLeakageShare;
    std::string velocityRange; // MIN:MAX in m/s; either side may be empty
    bool strict = false;
};

void defineCheckOptions(Call& call, CheckOptions& options);

// The criteria the options set; a wrong velocity range or fraction is the fault's text.
std::optional<DesignCriteria> criteriaOf(const CheckOptions& options, std::string& fault);

} // namespace flowmar::cli
