// A study as the command line writes it: a table on standard output, one JSON object, or CSV.
// Every value is in SI, as the study's ranges are given.
#pragma once

#include "core/analysis/study.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace flowmar {

// A header and a row per step, then a sentence per crossing where a requirement was set.
std::string studyTable(const StudyResult& result, const StudyRequest& request);

// {file, input, input2, steps: [...], crossing}; numbers that are not finite are null.
nlohmann::ordered_json studyJson(std::string_view file, const StudyResult& result,
                                 const StudyRequest& request);

// A header line and a row per step (value and value2 as the JSON names them); the numbers read
// back to the same doubles.
std::string studyCsv(const StudyResult& result);

} // namespace flowmar
