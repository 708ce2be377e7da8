#include "core/analysis/study_chart.h"

#include "core/model/number_text.h"
#include "core/views/graph_drawing.h"
#include "core/views/nice_axis_step.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace flowmar {

namespace {

constexpr double kLeft = 90;
constexpr double kRight = 760;
constexpr double kTop = -60;
constexpr double kBottom = -450;
constexpr double kLegendTop = -505;
constexpr double kLegendRow = 18;
constexpr int kLegendRows = 3;
constexpr double kLegendColumn = 340;
constexpr int kDivisions = 10;

constexpr Pen kFramePen = graph_view::kBlackPen;
constexpr Pen kGridPen = graph_view::kGridPen;
constexpr Pen kRequiredPen{PenStyle::Dotted, {0, 0, 0}, 1};
constexpr Rgb kCrossingColour{255, 0, 0};

// Face quantity curves in strong colours, one per second value; the fan-end curve of the same
// second value dotted in the same colour.
constexpr std::array<Rgb, 6> kCurveColours{
    {{0, 0, 255}, {0, 160, 0}, {200, 0, 0}, {160, 0, 160}, {0, 150, 150}, {120, 90, 0}}};

// The Graph View's round steps for any span: scaled by a power of ten into the range its list of
// round numbers holds, and back.
double roundStep(double span) {
    if (!(span > 0) || !std::isfinite(span)) {
        return 1;
    }
    const double factor = std::pow(10.0, 3 - std::floor(std::log10(span)));
    const double step = NiceAxisStep(span * factor, kDivisions) / factor;
    return step > 0 ? step : span / kDivisions;
}

struct Axis {
    double low = 0;
    double step = 1;
    int divisions = kDivisions;
    double from = 0; // logical ends
    double to = 0;

    double at(double value) const {
        const double high = low + step * divisions;
        return from + (value - low) / (high - low) * (to - from);
    }
};

Axis axisFor(double low, double high, double from, double to, bool fromZero) {
    if (fromZero) {
        low = std::min(low, 0.0);
    }
    if (high == low) {
        high = low + (low == 0 ? 1 : std::abs(low) * 0.1);
    }
    Axis axis;
    axis.step = roundStep(high - low);
    axis.low = std::floor(low / axis.step) * axis.step;
    axis.divisions = std::max(1, static_cast<int>(std::ceil((high - axis.low) / axis.step - 1e-9)));
    axis.from = from;
    axis.to = to;
    return axis;
}

// The decimals that show every multiple of step exactly (2.5 needs one), at most six.
int decimalsFor(double step) {
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled)) {
            return decimals;
        }
    }
    return 6;
}

std::string valueText(double value, double step) {
    const std::string format = "%." + std::to_string(decimalsFor(std::abs(step))) + "f";
    return formatDouble(format.c_str(), value + 0.0);
}

std::string quantityTitle(int unitSystem) {
    return withUnit("Q", Quantity::AirQuantity, unitSystem);
}

std::string unitOf(Quantity quantity, int unitSystem) {
    return std::string(unitSymbol(quantity, unitSystem));
}

// A number for the sentence, with decimals by its size, grouped in threes: "1,840".
std::string readable(double value) {
    const double magnitude = std::abs(value);
    return groupedNumber(value, magnitude >= 100 ? 0 : magnitude >= 1 ? 2 : 4);
}

double rangeStep(const StudyRange& range) {
    return range.steps > 1 ? std::abs(range.to - range.from) / (range.steps - 1) : 0.0;
}

} // namespace

Quantity studyInputQuantity(StudyInput input) {
    switch (input) {
    case StudyInput::DuctLength:
    case StudyInput::FanDistance:
        return Quantity::Length;
    case StudyInput::DuctDiameter:
        return Quantity::Diameter;
    case StudyInput::FrictionFactor:
        return Quantity::FrictionFactor;
    case StudyInput::LeakageResistance100:
        return Quantity::LeakagePer100;
    case StudyInput::AirDensity:
        return Quantity::Density;
    case StudyInput::FixedQuantity:
        return Quantity::AirQuantity;
    case StudyInput::FanFixedPressure:
        return Quantity::FanPressure;
    }
    return Quantity::Dimensionless;
}

std::string studyInputUnit(StudyInput input, int unitSystem) {
    return unitOf(studyInputQuantity(input), unitSystem);
}

double shownStudyValue(StudyInput input, double siValue, int unitSystem) {
    return toShown(studyInputQuantity(input), siValue, unitSystem);
}

std::string studyInputLabel(StudyInput input, int fan) {
    std::string name;
    switch (input) {
    case StudyInput::DuctLength:
        name = "Duct Length";
        break;
    case StudyInput::DuctDiameter:
        name = "Duct Diameter";
        break;
    case StudyInput::FrictionFactor:
        name = "Friction Factor";
        break;
    case StudyInput::LeakageResistance100:
        name = "Leakage Resistance";
        break;
    case StudyInput::AirDensity:
        name = "Air Density";
        break;
    case StudyInput::FixedQuantity:
        name = "Fixed Quantity";
        break;
    case StudyInput::FanDistance:
        name = "Distance of Fan " + std::to_string(fan);
        break;
    case StudyInput::FanFixedPressure:
        name = "Fixed Pressure of Fan " + std::to_string(fan);
        break;
    }
    return name;
}

std::string studyInputTitle(StudyInput input, int fan, int unitSystem) {
    return studyInputLabel(input, fan) + " (" + unitOf(studyInputQuantity(input), unitSystem) + ")";
}

std::string shownStudyText(StudyInput input, double siValue, double siStep, int unitSystem) {
    const double step = shownStudyValue(input, siStep, unitSystem);
    const std::string unit = unitOf(studyInputQuantity(input), unitSystem);
    return (step > 0 ? valueText(shownStudyValue(input, siValue, unitSystem), step)
                     : readable(shownStudyValue(input, siValue, unitSystem))) +
           " " + unit;
}

std::string crossingSentence(const StudyRequest& request, const StudyCrossing& crossing,
                             int unitSystem) {
    if (!request.requiredFaceQuantity) {
        return "";
    }
    const std::string required =
        readable(toShown(Quantity::AirQuantity, *request.requiredFaceQuantity, unitSystem)) + " " +
        unitOf(Quantity::AirQuantity, unitSystem);
    std::string prefix;
    if (request.second && crossing.value2) {
        const StudyRange& second = *request.second;
        prefix = studyInputLabel(second.input, second.fan) + " " +
                 shownStudyText(second.input, *crossing.value2, rangeStep(second), unitSystem) +
                 ": ";
    }
    if (!crossing.value) {
        return prefix + "the face quantity does not cross " + required + " within the range.";
    }
    const StudyInput input = request.first.input;
    const std::string at = readable(shownStudyValue(input, *crossing.value, unitSystem)) + " " +
                           unitOf(studyInputQuantity(input), unitSystem);
    if (input == StudyInput::DuctLength) {
        return prefix + (prefix.empty() ? "This" : "this") + " duct and its fans reach " + at +
               " with " + required + " at the face.";
    }
    return prefix + (prefix.empty() ? "The" : "the") + " face quantity crosses " + required +
           " at " + studyInputLabel(input, request.first.fan) + " " + at + ".";
}

Drawing studyChart(const StudyResult& result, const StudyRequest& request, int unitSystem) {
    Drawing drawing(graph_view::kExtent);
    const StudyInput input = request.first.input;
    const auto x = [&](double si) { return shownStudyValue(input, si, unitSystem); };
    const auto q = [&](double si) { return toShown(Quantity::AirQuantity, si, unitSystem); };

    double xLow = std::numeric_limits<double>::max();
    double xHigh = std::numeric_limits<double>::lowest();
    double qHigh = 0;
    for (const StudyStep& step : result.steps) {
        if (step.status == SolutionStatus::Stopped) {
            continue;
        }
        for (const double v : {q(step.faceQuantity), q(step.fanEndQuantity)}) {
            if (std::isfinite(v)) {
                qHigh = std::max(qHigh, v);
            }
        }
        xLow = std::min(xLow, x(step.value));
        xHigh = std::max(xHigh, x(step.value));
    }
    if (xLow > xHigh) {
        return drawing;
    }
    if (request.requiredFaceQuantity) {
        qHigh = std::max(qHigh, q(*request.requiredFaceQuantity));
    }
    const Axis xAxis = axisFor(xLow, xHigh, kLeft, kRight, false);
    const Axis yAxis = axisFor(0, qHigh, kBottom, kTop, true);
    const Font font = graphFont();

    // The grid and the ticks.
    for (int k = 0; k <= xAxis.divisions; ++k) {
        const double value = xAxis.low + k * xAxis.step;
        const double at = xAxis.at(value);
        drawing.addLine({at, kTop}, {at, kBottom}, k == 0 ? kFramePen : kGridPen);
        drawing.addText({at - 15, kBottom - 6}, valueText(value, xAxis.step), font);
    }
    for (int k = 0; k <= yAxis.divisions; ++k) {
        const double value = yAxis.low + k * yAxis.step;
        const double at = yAxis.at(value);
        drawing.addLine({kLeft, at}, {kRight, at}, k == 0 ? kFramePen : kGridPen);
        drawing.addText({kLeft - 60, at + 6}, valueText(value, yAxis.step), font);
    }
    drawing.addRectangle({kLeft, kTop}, {kRight, kBottom}, kFramePen);
    drawing.addText({kLeft - 60, kTop + 30}, quantityTitle(unitSystem), font);
    drawing.addText({(kLeft + kRight) / 2 - 80, kBottom - 30},
                    studyInputTitle(input, request.first.fan, unitSystem), font);

    // The curves: a stopped step breaks them.
    const int firstSteps = std::max(request.first.steps, 1);
    const int curves = static_cast<int>(result.steps.size()) / firstSteps;
    for (int c = 0; c < curves; ++c) {
        const Rgb colour = kCurveColours[static_cast<std::size_t>(c) % kCurveColours.size()];
        for (const bool face : {true, false}) {
            const Pen pen{face ? PenStyle::Solid : PenStyle::Dotted, colour, 1};
            std::vector<Point> run;
            auto flush = [&] {
                if (run.size() > 1) {
                    drawing.addPolyline(run, pen);
                }
                run.clear();
            };
            for (int i = 0; i < firstSteps; ++i) {
                const StudyStep& step = result.steps[static_cast<std::size_t>(c * firstSteps + i)];
                const double value = q(face ? step.faceQuantity : step.fanEndQuantity);
                if (step.status == SolutionStatus::Stopped || !std::isfinite(value)) {
                    flush();
                    continue;
                }
                run.push_back({xAxis.at(x(step.value)), yAxis.at(value)});
            }
            if (firstSteps == 1 && run.size() == 1) {
                const Point p = run.front();
                drawing.addEllipse({p.x - 3, p.y - 3}, {p.x + 3, p.y + 3}, pen, colour);
            }
            flush();
        }
        if (c < 2 * kLegendRows) {
            std::string legend = "Face quantity (solid), fan-end quantity (dotted)";
            if (request.second) {
                const StudyRange& second = *request.second;
                const StudyStep& first = result.steps[static_cast<std::size_t>(c * firstSteps)];
                legend = studyInputLabel(second.input, second.fan) + " " +
                         shownStudyText(second.input, first.value2.value_or(0), rangeStep(second),
                                        unitSystem);
            }
            drawing.addLine({kLeft + (c / kLegendRows) * kLegendColumn,
                             kLegendTop - (c % kLegendRows) * kLegendRow - 7},
                            {kLeft + (c / kLegendRows) * kLegendColumn + 30,
                             kLegendTop - (c % kLegendRows) * kLegendRow - 7},
                            {PenStyle::Solid, colour, 2});
            drawing.addText({kLeft + (c / kLegendRows) * kLegendColumn + 36,
                             kLegendTop - (c % kLegendRows) * kLegendRow},
                            legend, font, colour);
        } else if (c == 2 * kLegendRows) {
            drawing.addText({kRight - 120, kLegendTop},
                            "+" + std::to_string(curves - c) + " more curves", font);
        }
    }
    if (request.second) {
        drawing.addText({kLeft + 120, kTop + 22}, "Face quantity solid, fan-end quantity dotted",
                        font);
    }

    // The requirement and where each curve crosses it.
    if (request.requiredFaceQuantity) {
        const double at = yAxis.at(q(*request.requiredFaceQuantity));
        drawing.addLine({kLeft, at}, {kRight, at}, kRequiredPen);
        drawing.addText({kRight - 110, at + 18}, "Required face quantity", font);
        for (const StudyCrossing& crossing : result.crossings) {
            if (!crossing.value) {
                continue;
            }
            const double cx = xAxis.at(x(*crossing.value));
            drawing.addEllipse({cx - 4, at - 4}, {cx + 4, at + 4},
                               {PenStyle::Solid, kCrossingColour, 1}, kCrossingColour);
            drawing.addText({cx + 6, at - 4}, readable(x(*crossing.value)), font, kCrossingColour);
        }
    }
    return drawing;
}

} // namespace flowmar
