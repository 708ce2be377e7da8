#include "core/analysis/study.h"

#include "core/engine/execute.h"
#include "core/model/flowmar_doc.h"
#include "core/model/input_limits.h"
#include "core/model/study_texts.h"
#include "core/views/fan_chart_data.h"
#include "core/views/segment_profile.h"
#include "core/views/summary_conditions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <thread>

namespace flowmar {

namespace texts = study_texts;

namespace {

struct NamedInput {
    std::string_view name;
    StudyInput input;
};

constexpr std::array kDuctInputs{
    NamedInput{"ductLength", StudyInput::DuctLength},
    NamedInput{"ductDiameter", StudyInput::DuctDiameter},
    NamedInput{"frictionFactor", StudyInput::FrictionFactor},
    NamedInput{"leakageResistance100", StudyInput::LeakageResistance100},
    NamedInput{"airDensity", StudyInput::AirDensity},
    NamedInput{"fixedQuantity", StudyInput::FixedQuantity},
};
constexpr std::array kFanInputs{
    NamedInput{"fanDistance", StudyInput::FanDistance},
    NamedInput{"fanFixedPressure", StudyInput::FanFixedPressure},
};

bool isFanInput(StudyInput input) {
    return input == StudyInput::FanDistance || input == StudyInput::FanFixedPressure;
}

template <typename T>
std::optional<T> wholeText(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<StudyRange> inputByName(std::string_view name) {
    for (const NamedInput& named : kDuctInputs) {
        if (name == named.name) {
            return StudyRange{named.input};
        }
    }
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto fan = wholeText<int>(name.substr(colon + 1));
    for (const NamedInput& named : kFanInputs) {
        if (name.substr(0, colon) == named.name && fan) {
            return StudyRange{named.input, *fan};
        }
    }
    return std::nullopt;
}

// The values no duct can have, and what the input accepts instead.
struct PhysicalBound {
    double low;
    bool lowIncluded;
    double high;
    std::string_view accepted;
};

PhysicalBound physicalBound(StudyInput input) {
    constexpr double kNoLimit = std::numeric_limits<double>::max();
    switch (input) {
    case StudyInput::DuctLength:
    case StudyInput::DuctDiameter:
    case StudyInput::FrictionFactor:
    case StudyInput::LeakageResistance100:
    case StudyInput::AirDensity:
        return {0, false, kNoLimit, "it must be above 0"};
    case StudyInput::FixedQuantity:
        return {0, true, limits::kMaxFixedQuantity, "it must lie from 0 to 1,000,000 m³/s"};
    case StudyInput::FanDistance:
        return {0, true, kNoLimit, "it must be 0 or more"};
    case StudyInput::FanFixedPressure:
        break;
    }
    return {-kNoLimit, true, kNoLimit, "it must be a finite number"};
}

std::optional<std::string> checkRange(const CFlowmarDoc& doc, const StudyRange& range) {
    const std::string name = studyInputName(range.input, range.fan);
    if (range.steps < 1) {
        return texts::stepsBelowOne(name);
    }
    if (isFanInput(range.input) && (range.fan < 1 || range.fan > std::max(doc.fanCount, 0))) {
        return texts::noSuchFan(name, range.fan, std::max(doc.fanCount, 0));
    }
    const PhysicalBound bound = physicalBound(range.input);
    // The range is linear, so its ends hold its extremes.
    for (const double end : {range.value(0), range.value(range.steps - 1)}) {
        const bool aboveLow = bound.lowIncluded ? end >= bound.low : end > bound.low;
        if (!std::isfinite(end) || !aboveLow || end > bound.high) {
            return texts::meaninglessValue(name, end, bound.accepted);
        }
    }
    return std::nullopt;
}

StudyStep readStep(const CFlowmarDoc& solved, ExecuteResult run) {
    StudyStep step;
    step.status = run.status;
    step.messages = std::move(run.messages);
    if (!run) {
        return step;
    }
    const DuctResults& r = solved.results;
    step.iterationCount = r.iterationCount;
    step.faceQuantity = faceSegmentFlow(solved);
    step.fanEndQuantity = furthestSegmentFlow(solved);
    step.boosterPressure = r.boosterPressure;
    const std::vector<SegmentProfileRow> rows = segmentProfile(solved);
    if (!rows.empty()) {
        const auto [low, high] = std::ranges::minmax_element(
            rows, {}, [](const SegmentProfileRow& row) { return row.staticPressure; });
        step.minStaticPressure = low->staticPressure;
        step.minStaticPressureAt = low->end;
        step.maxStaticPressure = high->staticPressure;
        step.maxStaticPressureAt = high->end;
    }
    for (int i = 1; i <= std::clamp(solved.fanCount, 0, kMaxFans); ++i) {
        const auto f = static_cast<std::size_t>(i);
        StudyFan& fan = step.fans.emplace_back();
        fan.number = i;
        fan.segment = r.fanSegment[f];
        fan.usesCurve = r.fanUsesCurve[f] == 1;
        fan.usesFixedPressure = r.fanUsesFixedPressure[f] == 1;
        // A fan in none of the duct's segments has no quantity of its own.
        const FanOperatingPoint point = fanOperatingPoint(solved, i);
        fan.quantity = point.inSegment ? point.quantity : 0.0;
        fan.pressure = r.fanPressure[f];
        fan.efficiency = r.fanEfficiency[f];
        fan.offCurve = r.fanOffCurve[f] == 1;
    }
    return step;
}

bool ran(const StudyStep& step) {
    return step.status != SolutionStatus::Stopped;
}

bool meets(const StudyStep& step, double required) {
    return step.faceQuantity >= required;
}

// The first crossing of the requirement along the first input's sweep, narrowed by bisection to
// kCrossingTolerance of the range (to one unit for a whole-number input). Steps that stopped take
// no part: a crossing needs results on both sides.
std::optional<double> findCrossing(const CFlowmarDoc& doc, const StudyRequest& request,
                                   std::optional<double> value2, const StudyStep* sweep, int count,
                                   double required) {
    const StudyRange& range = request.first;
    const bool whole = range.input == StudyInput::LeakageResistance100;
    const double tolerance = whole ? 1.0 : std::abs(range.to - range.from) * kCrossingTolerance;
    for (int k = 0; k + 1 < count; ++k) {
        const StudyStep& a = sweep[k];
        const StudyStep& b = sweep[k + 1];
        if (!ran(a) || !ran(b) || meets(a, required) == meets(b, required)) {
            continue;
        }
        double low = a.value;
        double high = b.value;
        const bool lowMeets = meets(a, required);
        // Each halving runs one Execute; 200 bounds it whatever the tolerance.
        for (int halvings = 0; halvings < 200 && std::abs(high - low) > tolerance; ++halvings) {
            const double middle = studyInputValue(range.input, low + (high - low) / 2);
            if (middle == low || middle == high) {
                break;
            }
            const StudyStep probe = runStudyStep(doc, request, middle, value2);
            if (!ran(probe)) {
                break;
            }
            (meets(probe, required) == lowMeets ? low : high) = middle;
        }
        // A whole-number input crosses at the last value that still meets the requirement.
        if (whole) {
            return lowMeets ? low : high;
        }
        return low + (high - low) / 2;
    }
    return std::nullopt;
}

} // namespace

double StudyRange::value(int step) const {
    const double v =
        steps <= 1 ? from : from + (to - from) * static_cast<double>(step) / (steps - 1);
    return studyInputValue(input, step == steps - 1 && steps > 1 ? to : v);
}

std::string studyInputName(StudyInput input, int fan) {
    for (const NamedInput& named : kDuctInputs) {
        if (named.input == input) {
            return std::string(named.name);
        }
    }
    for (const NamedInput& named : kFanInputs) {
        if (named.input == input) {
            return std::string(named.name) + ":" + std::to_string(fan);
        }
    }
    return "unknown";
}

std::variant<StudyRange, std::string> parseStudyRange(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return texts::badRange(text);
    }
    const std::string_view name = text.substr(0, equals);
    std::optional<StudyRange> range = inputByName(name);
    if (!range) {
        return texts::unknownInput(name);
    }
    std::array<std::string_view, 3> parts;
    std::string_view rest = text.substr(equals + 1);
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::size_t colon = rest.find(':');
        if ((colon == std::string_view::npos) != (k + 1 == parts.size())) {
            return texts::badRange(text);
        }
        parts[k] = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    const auto from = wholeText<double>(parts[0]);
    const auto to = wholeText<double>(parts[1]);
    const auto steps = wholeText<int>(parts[2]);
    if (!from || !to || !steps) {
        return texts::badRange(text);
    }
    range->from = *from;
    range->to = *to;
    range->steps = *steps;
    return *range;
}

double studyInputValue(StudyInput input, double value) {
    if (input != StudyInput::LeakageResistance100 || !std::isfinite(value)) {
        return value;
    }
    return std::clamp(std::round(value), static_cast<double>(std::numeric_limits<int>::min()),
                      static_cast<double>(std::numeric_limits<int>::max()));
}

void applyStudyValue(CFlowmarDoc& doc, StudyInput input, int fan, double value) {
    const auto f = static_cast<std::size_t>(std::clamp(fan, 1, kMaxFans));
    switch (input) {
    case StudyInput::DuctLength:
        doc.ductLength = value;
        break;
    case StudyInput::DuctDiameter:
        doc.ductDiameter = value;
        break;
    case StudyInput::FrictionFactor:
        doc.frictionFactor = value;
        break;
    case StudyInput::LeakageResistance100:
        doc.leakageResistance100 = static_cast<int>(studyInputValue(input, value));
        break;
    case StudyInput::AirDensity:
        doc.airDensity = value;
        break;
    case StudyInput::FixedQuantity:
        doc.fixedQuantity = value;
        break;
    case StudyInput::FanDistance:
        doc.fanDistance[f] = value;
        break;
    case StudyInput::FanFixedPressure:
        doc.fanFixedPressure[f] = value;
        break;
    }
}

std::optional<std::string> checkStudy(const CFlowmarDoc& doc, const StudyRequest& request) {
    if (auto fault = checkRange(doc, request.first)) {
        return fault;
    }
    long long steps = request.first.steps;
    if (request.second) {
        if (auto fault = checkRange(doc, *request.second)) {
            return fault;
        }
        steps *= request.second->steps;
    }
    if (steps > kMaxStudySteps) {
        return texts::tooManySteps(steps);
    }
    if (request.requiredFaceQuantity &&
        !(*request.requiredFaceQuantity > 0 && std::isfinite(*request.requiredFaceQuantity))) {
        return texts::requiredFaceRefused(*request.requiredFaceQuantity);
    }
    return std::nullopt;
}

StudyStep runStudyStep(const CFlowmarDoc& doc, const StudyRequest& request, double value,
                       std::optional<double> value2) {
    CFlowmarDoc copy = doc;
    applyStudyValue(copy, request.first.input, request.first.fan, value);
    if (request.second && value2) {
        applyStudyValue(copy, request.second->input, request.second->fan, *value2);
    }
    StudyStep step = readStep(copy, Execute(copy));
    step.value = studyInputValue(request.first.input, value);
    step.value2 = value2;
    return step;
}

StudyResult runStudy(const CFlowmarDoc& doc, const StudyRequest& request, StudyControl* control,
                     unsigned threads) {
    StudyResult result;
    const int firstSteps = std::max(request.first.steps, 1);
    const int secondSteps = request.second ? std::max(request.second->steps, 1) : 1;
    const int total = firstSteps * secondSteps;
    result.steps.resize(static_cast<std::size_t>(total));

    // Every step is independent (a fresh copy of the model), so any thread may take any step and
    // the results land where a serial run would put them.
    std::atomic<int> next{0};
    auto work = [&] {
        for (int k = next.fetch_add(1); k < total; k = next.fetch_add(1)) {
            if (control != nullptr && control->cancel.load()) {
                return;
            }
            const int i = k % firstSteps;
            const std::optional<double> value2 =
                request.second ? std::optional(request.second->value(k / firstSteps))
                               : std::nullopt;
            result.steps[static_cast<std::size_t>(k)] =
                runStudyStep(doc, request, request.first.value(i), value2);
            if (control != nullptr) {
                control->done.fetch_add(1);
            }
        }
    };
    const unsigned cores =
        threads != 0 ? threads : std::max(std::thread::hardware_concurrency(), 1U);
    const unsigned workers = std::min(cores, static_cast<unsigned>(total));
    {
        std::vector<std::jthread> pool;
        for (unsigned t = 1; t < workers; ++t) {
            pool.emplace_back(work);
        }
        work();
    }
    if (control != nullptr && control->cancel.load()) {
        result.cancelled = true;
        return result;
    }

    for (int j = 0; j < secondSteps; ++j) {
        StudyCrossing& crossing = result.crossings.emplace_back();
        if (request.second) {
            crossing.value2 = request.second->value(j);
        }
        if (request.requiredFaceQuantity) {
            crossing.value = findCrossing(doc, request, crossing.value2,
                                          &result.steps[static_cast<std::size_t>(j * firstSteps)],
                                          firstSteps, *request.requiredFaceQuantity);
        }
    }
    return result;
}

} // namespace flowmar
