#include "core/analysis/design_check_report.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

namespace {

nlohmann::ordered_json orNull(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? nlohmann::ordered_json(*value)
                                          : nlohmann::ordered_json(nullptr);
}

} // namespace

std::string findingsText(const std::vector<DesignFinding>& findings) {
    if (findings.empty()) {
        return "Design checks: nothing to report.\n";
    }
    std::string text = "Design checks:\n";
    for (const DesignFinding& f : findings) {
        std::string severity(severityName(f.severity));
        severity.resize(9, ' ');
        text += "  " + severity + f.title + ": " + f.text + "\n";
    }
    return text;
}

nlohmann::ordered_json findingsJson(const std::vector<DesignFinding>& findings) {
    nlohmann::ordered_json checks = nlohmann::ordered_json::array();
    for (const DesignFinding& f : findings) {
        checks.push_back(
            {{"severity", severityName(f.severity)},
             {"code", findingCodeName(f.code)},
             {"title", f.title},
             {"text", f.text},
             {"from", orNull(f.from)},
             {"to", orNull(f.to)},
             {"fan", f.fan ? nlohmann::ordered_json(*f.fan) : nlohmann::ordered_json(nullptr)}});
    }
    return checks;
}

bool anyWarning(const std::vector<DesignFinding>& findings) {
    return std::ranges::any_of(
        findings, [](const DesignFinding& f) { return f.severity == FindingSeverity::Warning; });
}

} // namespace flowmar
