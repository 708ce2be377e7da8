#include "core/analysis/design_check_report.h"

#include "core/views/json_stream.h"

#include <algorithm>
#include <cmath>

namespace flowmar {

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

void writeFindingsJson(JsonStream& j, const std::vector<DesignFinding>& findings) {
    const auto orNullValue = [&j](const std::optional<double>& value) {
        if (value) {
            j.value(*value); // a number that is not finite is written as null
        } else {
            j.null();
        }
    };
    j.beginArray();
    for (const DesignFinding& f : findings) {
        j.beginObject();
        j.key("severity").value(severityName(f.severity));
        j.key("code").value(findingCodeName(f.code));
        j.key("title").value(f.title);
        j.key("text").value(f.text);
        j.key("from");
        orNullValue(f.from);
        j.key("to");
        orNullValue(f.to);
        j.key("fan");
        if (f.fan) {
            j.value(*f.fan);
        } else {
            j.null();
        }
        j.endObject();
    }
    j.endArray();
}

bool anyWarning(const std::vector<DesignFinding>& findings) {
    return std::ranges::any_of(
        findings, [](const DesignFinding& f) { return f.severity == FindingSeverity::Warning; });
}

} // namespace flowmar
