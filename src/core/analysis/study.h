// Studies: how a solved duct changes as one input (or two) runs through a range. Each step runs
// Execute on a copy of the model with the input set, so the document is never touched; the steps
// run on every core and give exactly what running them one by one gives.
#pragma once

#include "core/engine/execute_result.h"

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace flowmar {

class CFlowmarDoc;

// The inputs a study can vary, named as the JSON model names them.
enum class StudyInput {
    DuctLength,           // "ductLength", m
    DuctDiameter,         // "ductDiameter", m
    FrictionFactor,       // "frictionFactor", Ns²/m⁴
    LeakageResistance100, // "leakageResistance100", Ns²/m⁸ per 100 m, a whole number
    AirDensity,           // "airDensity", kg/m³
    FixedQuantity,        // "fixedQuantity", m³/s
    FanDistance,          // "fanDistance:N", m
    FanFixedPressure,     // "fanFixedPressure:N", Pa
};

// One varied input and its linear range: steps values from `from` to `to` inclusive, in SI.
struct StudyRange {
    StudyInput input = StudyInput::DuctLength;
    int fan = 0; // 1-based, for the fan inputs
    double from = 0;
    double to = 0;
    int steps = 1;

    // The step'th value (0-based), rounded to a whole number for an integer input.
    double value(int step) const;
};

// "ductLength", "fanDistance:2", ...
std::string studyInputName(StudyInput input, int fan);

// "NAME=FROM:TO:STEPS" as the command line takes it, or the message saying what is wrong.
std::variant<StudyRange, std::string> parseStudyRange(std::string_view text);

// The input as a whole number (held within the int range), else unchanged.
double studyInputValue(StudyInput input, double value);

// Sets the input of the model to value (rounded for an integer input).
void applyStudyValue(CFlowmarDoc& doc, StudyInput input, int fan, double value);

struct StudyRequest {
    StudyRange first;
    std::optional<StudyRange> second;           // a grid: every second value with every first value
    std::optional<double> requiredFaceQuantity; // m³/s: search where the face quantity crosses it
};

inline constexpr int kMaxStudySteps = 100'000;
// The bisection stops once the crossing lies within this share of the first range's width.
inline constexpr double kCrossingTolerance = 1e-6;

struct StudyFan {
    int number = 0;
    int segment = 0;
    bool usesCurve = false;
    bool usesFixedPressure = false;
    double quantity = 0;   // m³/s
    double pressure = 0;   // Pa
    double efficiency = 0; // %
    bool offCurve = false;
};

struct StudyStep {
    double value = 0;
    std::optional<double> value2;
    SolutionStatus status = SolutionStatus::Stopped;
    std::vector<std::string> messages;
    int iterationCount = 0;
    double faceQuantity = 0;      // m³/s
    double fanEndQuantity = 0;    // m³/s
    double boosterPressure = 0;   // kPa
    double minStaticPressure = 0; // Pa, and where along the duct (m)
    double minStaticPressureAt = 0;
    double maxStaticPressure = 0;
    double maxStaticPressureAt = 0;
    std::vector<StudyFan> fans;
};

// Where the face quantity crosses the requirement along the first input, for one second value.
struct StudyCrossing {
    std::optional<double> value2;
    std::optional<double> value; // none where the sweep never crosses it
};

struct StudyResult {
    std::vector<StudyStep> steps; // every first value for the first second value, then the next
    std::vector<StudyCrossing> crossings; // one per second value (one in all without a grid)
    bool cancelled = false;
};

// Progress and cancellation, shared with whoever watches the study run.
struct StudyControl {
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false};
};

// Why the request cannot run on this model (an unknown fan, too many steps, a range reaching
// values no duct can have), or nothing.
std::optional<std::string> checkStudy(const CFlowmarDoc& doc, const StudyRequest& request);

// Runs the request on `threads` threads (0: every core). Throws nothing; a request that fails
// checkStudy runs nothing (check it first). A step that Execute stops reports its messages; the
// others go on.
StudyResult runStudy(const CFlowmarDoc& doc, const StudyRequest& request,
                     StudyControl* control = nullptr, unsigned threads = 0);

// One step: Execute on a copy of the model with the inputs set.
StudyStep runStudyStep(const CFlowmarDoc& doc, const StudyRequest& request, double value,
                       std::optional<double> value2);

} // namespace flowmar
