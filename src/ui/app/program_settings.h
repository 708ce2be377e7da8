// What the program keeps between runs beside the recent files: the design criteria asked of
// every model and whether the Graph View shades the stretches the design checks flag.
#pragma once

#include "core/model/design_criteria.h"

namespace flowmar::program_settings {

DesignCriteria designCriteria();
void setDesignCriteria(const DesignCriteria& criteria);

bool shadeDesignRanges();
void setShadeDesignRanges(bool shade);

// The criteria a model is checked against: its own (a JSON model's) over the program's.
DesignCriteria criteriaFor(const DesignCriteria& model);

} // namespace flowmar::program_settings
