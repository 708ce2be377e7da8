#include "core/views/results_json.h"

#include "core/model/flowmar_doc.h"
#include "core/views/fan_chart_data.h"
#include "core/views/json_stream.h"
#include "core/views/segment_profile.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace flowmar {

std::string_view statusName(SolutionStatus status) {
    switch (status) {
    case SolutionStatus::Converged:
        return "converged";
    case SolutionStatus::IterationLimit:
        return "iteration-limit";
    case SolutionStatus::FixedQuantity:
        return "fixed-quantity";
    case SolutionStatus::Stopped:
        break;
    }
    return "stopped";
}

void writeResultsJson(std::string& out, std::string_view file, SolutionStatus status,
                      const std::vector<std::string>& messages, const CFlowmarDoc& doc,
                      int indent) {
    JsonStream j(out, indent);
    j.beginObject();
    writeResultsFields(j, file, status, messages, doc);
    j.endObject();
}

void writeResultsFields(JsonStream& j, std::string_view file, SolutionStatus status,
                        const std::vector<std::string>& messages, const CFlowmarDoc& doc) {
    const DuctResults& r = doc.results;
    const int n = std::clamp(doc.segmentCount, 0, kMaxSegments);
    const bool solved = status != SolutionStatus::Stopped;
    const auto at = [&r](int k) { return r.branchFlow[static_cast<std::size_t>(k)]; };
    j.key("file").value(file);
    j.key("status").value(statusName(status));
    j.key("messages").value(messages);
    j.key("convergenceTolerance").value(doc.convergenceTolerance);
    j.key("segmentCount").value(doc.segmentCount);
    j.key("segmentLength").value(doc.segmentLength);
    j.key("ductArea").value(doc.ductArea);
    j.key("ductPerimeter").value(doc.ductPerimeter);
    j.key("frictionFactorUsed").value(doc.frictionFactorUsed);
    j.key("totalDuctResistance").value(doc.totalDuctResistance);
    j.key("segmentResistance").value(doc.segmentResistance);
    j.key("leakageResistanceScaled").value(doc.leakageResistanceScaled);
    j.key("leakagePathResistance").value(doc.leakagePathResistance);
    j.key("entryResistance").value(doc.entryResistance);
    j.key("exitResistance").value(doc.exitResistance);
    j.key("totalShockFactor").value(doc.totalShockFactor);
    j.key("methodText").value(doc.methodText);
    j.key("iterationCount").value(r.iterationCount);
    j.key("lastMeshCorrection").value(r.lastMeshCorrection);
    j.key("boosterPressure").value(r.boosterPressure);
    j.key("faceQuantity").value(n > 0 ? at(2 * n) : 0.0);
    j.key("fanEndQuantity").value(n > 0 ? at(n + 1) : 0.0);
    j.key("segments").beginArray();
    if (solved) {
        for (const SegmentProfileRow& row : segmentProfile(doc)) {
            j.beginObject();
            j.key("segment").value(row.segment);
            j.key("start").value(row.start);
            j.key("end").value(row.end);
            j.key("quantity").value(row.quantity);
            j.key("leakage").value(row.leakage);
            j.key("totalPressure").value(row.totalPressure);
            j.key("staticPressure").value(row.staticPressure);
            j.key("velocity").value(row.velocity);
            j.endObject();
        }
    }
    j.endArray();
    j.key("fans").beginArray();
    if (solved) {
        const int count = std::clamp(doc.fanCount, 0, kMaxFans);
        for (int i = 1; i <= count; ++i) {
            const auto f = static_cast<std::size_t>(i);
            const int segment = r.fanSegment[f];
            // A fan in none of the duct's segments has no quantity of its own.
            const FanOperatingPoint point = fanOperatingPoint(doc, i);
            j.beginObject();
            j.key("number").value(i);
            j.key("segment").value(segment);
            j.key("usesCurve").value(r.fanUsesCurve[f] == 1);
            j.key("usesFixedPressure").value(r.fanUsesFixedPressure[f] == 1);
            j.key("quantity").value(point.inSegment ? point.quantity : 0.0);
            j.key("pressure").value(r.fanPressure[f]);
            j.key("efficiency").value(r.fanEfficiency[f]);
            j.key("offCurve").value(r.fanOffCurve[f] == 1);
            j.endObject();
        }
    }
    j.endArray();
}

std::string segmentTableCsv(const CFlowmarDoc& doc, SolutionStatus status) {
    std::string csv = "segment,start_m,end_m,quantity_m3s,leakage_m3s,total_pressure_Pa,"
                      "static_pressure_Pa,velocity_ms\n";
    if (status == SolutionStatus::Stopped) {
        return csv;
    }
    for (const SegmentProfileRow& row : segmentProfile(doc)) {
        csv += std::to_string(row.segment);
        for (const double x : {row.start, row.end, row.quantity, row.leakage, row.totalPressure,
                               row.staticPressure, row.velocity}) {
            csv += ',';
            if (std::isfinite(x)) {
                // Shortest text that reads back exactly, with '.' whatever the locale.
                char buffer[32];
                const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
                csv.append(buffer, end);
            }
        }
        csv += '\n';
    }
    return csv;
}

} // namespace flowmar
