#include "core/analysis/study_form.h"

#include "core/analysis/study_chart.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

#include <algorithm>

namespace flowmar {

using namespace study_form;

namespace {

constexpr int kDefaultSteps = 21;
constexpr int kDefaultSecondSteps = 3;

double currentValue(const CFlowmarDoc& doc, const StudyChoice& choice) {
    const auto f = static_cast<std::size_t>(std::clamp(choice.fan, 1, kMaxFans));
    switch (choice.input) {
    case StudyInput::DuctLength:
        return doc.ductLength;
    case StudyInput::DuctDiameter:
        return doc.ductDiameter;
    case StudyInput::FrictionFactor:
        return doc.frictionFactor;
    case StudyInput::LeakageResistance100:
        return doc.leakageResistance100;
    case StudyInput::AirDensity:
        return doc.airDensity;
    case StudyInput::FixedQuantity:
        return doc.fixedQuantity;
    case StudyInput::FanDistance:
        return doc.fanDistance[f];
    case StudyInput::FanFixedPressure:
        return doc.fanFixedPressure[f];
    }
    return 0;
}

std::string shownText(const CFlowmarDoc& doc, StudyInput input, double si) {
    return formatDouble("%g", shownStudyValue(input, si, doc.unitSystem));
}

std::optional<StudyRange> readRange(const CFlowmarDoc& doc, const StudyRangeTexts& texts,
                                    const std::vector<StudyChoice>& choices, Box fromBox,
                                    PageFault& fault) {
    if (texts.choice < 0 || texts.choice >= static_cast<int>(choices.size())) {
        fault = {"Choose the input to vary.", fromBox};
        return std::nullopt;
    }
    const StudyChoice& choice = choices[static_cast<std::size_t>(texts.choice)];
    const std::optional<double> from = parseWholeNumber(texts.from);
    if (!from) {
        fault = {messages::numberNeeded("From"), fromBox};
        return std::nullopt;
    }
    const std::optional<double> to = parseWholeNumber(texts.to);
    if (!to) {
        fault = {messages::numberNeeded("To"), fromBox + 1};
        return std::nullopt;
    }
    const std::optional<int> steps = parseWholeInteger(texts.steps);
    if (!steps) {
        fault = {messages::wholeNumberNeeded("Steps"), fromBox + 2};
        return std::nullopt;
    }
    const Quantity quantity = studyInputQuantity(choice.input);
    StudyRange range;
    range.input = choice.input;
    range.fan = choice.fan;
    range.from = fromShown(quantity, *from, doc.unitSystem);
    range.to = fromShown(quantity, *to, doc.unitSystem);
    range.steps = *steps;
    return range;
}

} // namespace

std::vector<StudyChoice> studyChoices(const CFlowmarDoc& doc) {
    std::vector<StudyChoice> choices;
    const auto add = [&](StudyInput input, int fan) {
        choices.push_back({input, fan, studyInputTitle(input, fan, doc.unitSystem)});
    };
    for (const StudyInput input :
         {StudyInput::DuctLength, StudyInput::DuctDiameter, StudyInput::FrictionFactor,
          StudyInput::LeakageResistance100, StudyInput::AirDensity, StudyInput::FixedQuantity}) {
        add(input, 0);
    }
    for (int i = 1; i <= std::clamp(doc.fanCount, 0, kMaxFans); ++i) {
        add(StudyInput::FanDistance, i);
        add(StudyInput::FanFixedPressure, i);
    }
    return choices;
}

StudyRangeTexts defaultRange(const CFlowmarDoc& doc, const StudyChoice& choice, int index) {
    const double value = currentValue(doc, choice);
    StudyRangeTexts texts;
    texts.choice = index;
    texts.from = shownText(doc, choice.input, value * 0.5);
    texts.to = shownText(doc, choice.input, value * 1.5);
    texts.steps = std::to_string(kDefaultSteps);
    return texts;
}

StudyFormTexts defaultStudyForm(const CFlowmarDoc& doc, std::optional<double> requiredFace) {
    const std::vector<StudyChoice> choices = studyChoices(doc);
    StudyFormTexts texts;
    texts.first = defaultRange(doc, choices[0], 0);
    texts.second = defaultRange(doc, choices[1], 1);
    texts.second.steps = std::to_string(kDefaultSecondSteps);
    if (requiredFace) {
        texts.requiredFaceQuantity =
            formatDouble("%g", toShown(Quantity::AirQuantity, *requiredFace, doc.unitSystem));
    }
    return texts;
}

std::variant<StudyRequest, PageFault> readStudyForm(const CFlowmarDoc& doc,
                                                    const StudyFormTexts& texts) {
    const std::vector<StudyChoice> choices = studyChoices(doc);
    PageFault fault;
    StudyRequest request;
    const std::optional<StudyRange> first = readRange(doc, texts.first, choices, kFirstFrom, fault);
    if (!first) {
        return fault;
    }
    request.first = *first;
    if (texts.useSecond) {
        const std::optional<StudyRange> second =
            readRange(doc, texts.second, choices, kSecondFrom, fault);
        if (!second) {
            return fault;
        }
        request.second = second;
    }
    if (texts.requiredFaceQuantity.find_first_not_of(" \t") != std::string::npos) {
        const std::optional<double> required = parseWholeNumber(texts.requiredFaceQuantity);
        if (!required) {
            return PageFault{messages::numberNeeded("Required face quantity"), kRequired};
        }
        request.requiredFaceQuantity = fromShown(Quantity::AirQuantity, *required, doc.unitSystem);
    }
    if (std::optional<std::string> refused = checkStudy(doc, request)) {
        // Name the box of the range the refusal is about: the second's when it names it.
        const bool second =
            request.second &&
            refused->find(studyInputName(request.second->input, request.second->fan)) !=
                std::string::npos &&
            refused->find(studyInputName(request.first.input, request.first.fan)) ==
                std::string::npos;
        const bool required = refused->find("required face quantity") != std::string::npos;
        return PageFault{*refused, required ? kRequired : second ? kSecondFrom : kFirstFrom};
    }
    return request;
}

} // namespace flowmar
