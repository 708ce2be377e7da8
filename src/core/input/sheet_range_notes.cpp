#include "core/input/sheet_range_notes.h"

#include "core/model/flowmar_doc.h"
#include "core/model/input_limits.h"
#include "core/model/number_text.h"

namespace flowmar {

namespace {

std::string note(const std::string& what, const std::string& range, const char* page) {
    return "Note: " + what + " lies outside " + range + ", the range the " + page +
           " page takes; the model runs with it as the file holds it.";
}

} // namespace

std::vector<std::string> sheetRangeNotes(const CFlowmarDoc& doc) {
    std::vector<std::string> notes;
    if (doc.airDensity < limits::kMinAirDensitySI || doc.airDensity > limits::kMaxAirDensitySI) {
        notes.push_back(note("the air density (" + groupedNumber(doc.airDensity, 3) + " kg/m³)",
                             "0.5 to 2.0 kg/m³", "General"));
    }
    if (doc.iterationLimit < limits::kMinIterationLimit) {
        notes.push_back(note("the iteration limit (" + std::to_string(doc.iterationLimit) + ")",
                             "100 to 100,000", "General"));
    }
    if (doc.leakageResistance100 < limits::kMinLeakageResistanceSI ||
        doc.leakageResistance100 > limits::kMaxLeakageResistanceSI) {
        notes.push_back(note("the leakage resistance (" +
                                 groupedNumber(doc.leakageResistance100, 0) + " Ns²/m⁸ per 100 m)",
                             "100 to 150,000 Ns²/m⁸", "Leakage"));
    }
    return notes;
}

} // namespace flowmar
