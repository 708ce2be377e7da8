#include "core/analysis/study_report.h"

#include "core/analysis/study_chart.h"
#include "core/model/number_text.h"
#include "core/model/units.h"
#include "core/views/results_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace flowmar {

namespace {

nlohmann::ordered_json finiteOrNull(double x) {
    return std::isfinite(x) ? nlohmann::ordered_json(x) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json optionalOrNull(const std::optional<double>& x) {
    return x ? finiteOrNull(*x) : nlohmann::ordered_json(nullptr);
}

// The shortest text that reads back to the same double, '.' whatever the locale; empty for a
// number that is not finite.
std::string exact(double x) {
    if (!std::isfinite(x)) {
        return "";
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    return std::string(buffer, end);
}

std::string header(const StudyRange& range) {
    return studyInputName(range.input, range.fan) + " (" + studyInputUnit(range.input, kSI) + ")";
}

std::string cell(const char* format, double value) {
    return formatDouble(format, value);
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

nlohmann::ordered_json fansJson(const StudyStep& step) {
    nlohmann::ordered_json fans = nlohmann::ordered_json::array();
    for (const StudyFan& fan : step.fans) {
        fans.push_back({{"number", fan.number},
                        {"segment", fan.segment},
                        {"usesCurve", fan.usesCurve},
                        {"usesFixedPressure", fan.usesFixedPressure},
                        {"quantity", finiteOrNull(fan.quantity)},
                        {"pressure", finiteOrNull(fan.pressure)},
                        {"efficiency", finiteOrNull(fan.efficiency)},
                        {"offCurve", fan.offCurve}});
    }
    return fans;
}

} // namespace

std::string studyTable(const StudyResult& result, const StudyRequest& request) {
    std::vector<std::string> columns{header(request.first)};
    if (request.second) {
        columns.push_back(header(*request.second));
    }
    for (const char* name :
         {"status", "iterations", "face (m³/s)", "fan end (m³/s)", "booster (kPa)",
          "min static (Pa)", "at (m)", "max static (Pa)", "at (m)"}) {
        columns.emplace_back(name);
    }
    std::vector<std::vector<std::string>> rows;
    for (const StudyStep& step : result.steps) {
        std::vector<std::string> row{exact(step.value)};
        if (request.second) {
            row.push_back(step.value2 ? exact(*step.value2) : "");
        }
        row.emplace_back(statusName(step.status));
        if (step.status == SolutionStatus::Stopped) {
            row.resize(columns.size());
        } else {
            row.push_back(std::to_string(step.iterationCount));
            row.push_back(cell("%.3f", step.faceQuantity));
            row.push_back(cell("%.3f", step.fanEndQuantity));
            row.push_back(cell("%.3f", step.boosterPressure));
            row.push_back(cell("%.0f", step.minStaticPressure));
            row.push_back(cell("%.0f", step.minStaticPressureAt));
            row.push_back(cell("%.0f", step.maxStaticPressure));
            row.push_back(cell("%.0f", step.maxStaticPressureAt));
        }
        rows.push_back(std::move(row));
    }
    // Each column as wide as its widest cell; the UTF-8 of "m³/s" counts one byte too many,
    // which only widens those columns by one.
    std::vector<std::size_t> widths(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        widths[c] = columns[c].size();
        for (const auto& row : rows) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string text;
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            text += (c == 0 ? "" : "  ") + padded(cells[c], widths[c]);
        }
        text.erase(text.find_last_not_of(' ') + 1); // a stopped row ends in empty cells
        text += '\n';
    };
    line(columns);
    for (const auto& row : rows) {
        line(row);
    }
    for (const StudyCrossing& crossing : result.crossings) {
        const std::string sentence = crossingSentence(request, crossing, kSI);
        if (!sentence.empty()) {
            text += sentence + '\n';
        }
    }
    return text;
}

nlohmann::ordered_json studyJson(std::string_view file, const StudyResult& result,
                                 const StudyRequest& request) {
    nlohmann::ordered_json j;
    j["file"] = file;
    j["input"] = studyInputName(request.first.input, request.first.fan);
    j["input2"] =
        request.second
            ? nlohmann::ordered_json(studyInputName(request.second->input, request.second->fan))
            : nlohmann::ordered_json(nullptr);
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const StudyStep& step : result.steps) {
        const bool ran = step.status != SolutionStatus::Stopped;
        steps.push_back(
            {{"value", finiteOrNull(step.value)},
             {"value2", optionalOrNull(step.value2)},
             {"status", statusName(step.status)},
             {"messages", step.messages},
             {"iterationCount", step.iterationCount},
             {"faceQuantity", ran ? finiteOrNull(step.faceQuantity) : nullptr},
             {"fanEndQuantity", ran ? finiteOrNull(step.fanEndQuantity) : nullptr},
             {"boosterPressure", ran ? finiteOrNull(step.boosterPressure) : nullptr},
             {"minStaticPressure", ran ? finiteOrNull(step.minStaticPressure) : nullptr},
             {"minStaticPressureAt", ran ? finiteOrNull(step.minStaticPressureAt) : nullptr},
             {"maxStaticPressure", ran ? finiteOrNull(step.maxStaticPressure) : nullptr},
             {"maxStaticPressureAt", ran ? finiteOrNull(step.maxStaticPressureAt) : nullptr},
             {"fans", fansJson(step)}});
    }
    j["steps"] = std::move(steps);
    if (!request.requiredFaceQuantity) {
        j["crossing"] = nullptr;
    } else if (!request.second) {
        const bool found = !result.crossings.empty() && result.crossings.front().value;
        j["crossing"] = found ? nlohmann::ordered_json{{"value", *result.crossings.front().value}}
                              : nlohmann::ordered_json(nullptr);
    } else {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const StudyCrossing& crossing : result.crossings) {
            list.push_back({{"value2", optionalOrNull(crossing.value2)},
                            {"value", optionalOrNull(crossing.value)}});
        }
        j["crossing"] = std::move(list);
    }
    return j;
}

std::string studyCsv(const StudyResult& result) {
    std::string csv = "value,value2,status,iterations,face_quantity_m3s,fan_end_quantity_m3s,"
                      "booster_pressure_kPa,min_static_pressure_Pa,min_static_pressure_at_m,"
                      "max_static_pressure_Pa,max_static_pressure_at_m\n";
    for (const StudyStep& step : result.steps) {
        csv += exact(step.value) + ',' + (step.value2 ? exact(*step.value2) : "") + ',' +
               std::string(statusName(step.status)) + ',';
        if (step.status != SolutionStatus::Stopped) {
            csv += std::to_string(step.iterationCount);
            for (const double x : {step.faceQuantity, step.fanEndQuantity, step.boosterPressure,
                                   step.minStaticPressure, step.minStaticPressureAt,
                                   step.maxStaticPressure, step.maxStaticPressureAt}) {
                csv += ',' + exact(x);
            }
        } else {
            csv += ",,,,,,,";
        }
        csv += '\n';
    }
    return csv;
}

} // namespace flowmar
