// One solved model's JSON results built as an nlohmann tree, key by key, the way the command line
// wrote them before it streamed them: the independent reference the streamed writer is checked
// and measured against.
#pragma once

#include "core/model/flowmar_doc.h"
#include "core/views/results_json.h"
#include "core/views/segment_profile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar::testing {

inline nlohmann::ordered_json finiteOrNull(double x) {
    return std::isfinite(x) ? nlohmann::ordered_json(x) : nlohmann::ordered_json(nullptr);
}

inline nlohmann::ordered_json segmentsJson(const CFlowmarDoc& doc) {
    nlohmann::ordered_json segments = nlohmann::ordered_json::array();
    for (const SegmentProfileRow& row : segmentProfile(doc)) {
        segments.push_back({{"segment", row.segment},
                            {"start", finiteOrNull(row.start)},
                            {"end", finiteOrNull(row.end)},
                            {"quantity", finiteOrNull(row.quantity)},
                            {"leakage", finiteOrNull(row.leakage)},
                            {"totalPressure", finiteOrNull(row.totalPressure)},
                            {"staticPressure", finiteOrNull(row.staticPressure)},
                            {"velocity", finiteOrNull(row.velocity)}});
    }
    return segments;
}

inline nlohmann::ordered_json fansJson(const CFlowmarDoc& doc) {
    nlohmann::ordered_json fans = nlohmann::ordered_json::array();
    const DuctResults& r = doc.results;
    const int n = std::clamp(doc.segmentCount, 0, kMaxSegments);
    const int count = std::clamp(doc.fanCount, 0, kMaxFans);
    for (int i = 1; i <= count; ++i) {
        const int segment = r.fanSegment[i];
        const double quantity = segment >= 1 && segment <= n ? r.branchFlow[n + segment] : 0.0;
        fans.push_back({{"number", i},
                        {"segment", segment},
                        {"usesCurve", r.fanUsesCurve[i] == 1},
                        {"usesFixedPressure", r.fanUsesFixedPressure[i] == 1},
                        {"quantity", finiteOrNull(quantity)},
                        {"pressure", finiteOrNull(r.fanPressure[i])},
                        {"efficiency", finiteOrNull(r.fanEfficiency[i])},
                        {"offCurve", r.fanOffCurve[i] == 1}});
    }
    return fans;
}

inline nlohmann::ordered_json resultsTree(std::string_view file, SolutionStatus status,
                                          const std::vector<std::string>& messages,
                                          const CFlowmarDoc& doc) {
    const DuctResults& r = doc.results;
    const int n = std::clamp(doc.segmentCount, 0, kMaxSegments);
    const bool solved = status != SolutionStatus::Stopped;
    nlohmann::ordered_json j;
    j["file"] = file;
    j["status"] = statusName(status);
    j["messages"] = messages;
    j["convergenceTolerance"] = finiteOrNull(doc.convergenceTolerance);
    j["segmentCount"] = doc.segmentCount;
    j["segmentLength"] = finiteOrNull(doc.segmentLength);
    j["ductArea"] = finiteOrNull(doc.ductArea);
    j["ductPerimeter"] = finiteOrNull(doc.ductPerimeter);
    j["frictionFactorUsed"] = finiteOrNull(doc.frictionFactorUsed);
    j["totalDuctResistance"] = finiteOrNull(doc.totalDuctResistance);
    j["segmentResistance"] = finiteOrNull(doc.segmentResistance);
    j["leakageResistanceScaled"] = doc.leakageResistanceScaled;
    j["leakagePathResistance"] = finiteOrNull(doc.leakagePathResistance);
    j["entryResistance"] = finiteOrNull(doc.entryResistance);
    j["exitResistance"] = finiteOrNull(doc.exitResistance);
    j["totalShockFactor"] = finiteOrNull(doc.totalShockFactor);
    j["methodText"] = doc.methodText;
    j["iterationCount"] = r.iterationCount;
    j["lastMeshCorrection"] = finiteOrNull(r.lastMeshCorrection);
    j["boosterPressure"] = finiteOrNull(r.boosterPressure);
    j["faceQuantity"] = finiteOrNull(n > 0 ? r.branchFlow[2 * n] : 0.0);
    j["fanEndQuantity"] = finiteOrNull(n > 0 ? r.branchFlow[n + 1] : 0.0);
    j["segments"] = solved ? segmentsJson(doc) : nlohmann::ordered_json::array();
    j["fans"] = solved ? fansJson(doc) : nlohmann::ordered_json::array();
    return j;
}

} // namespace flowmar::testing
