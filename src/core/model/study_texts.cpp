#include "core/model/study_texts.h"

#include "core/model/number_text.h"

namespace flowmar::study_texts {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string unknownInput(std::string_view name) {
    return "Unknown study input " + quoted(name) + ": use " + std::string(kInputNames) + ".";
}

std::string badRange(std::string_view text) {
    return "Cannot read the study range " + quoted(text) +
           ": write NAME=FROM:TO:STEPS, for example ductLength=500:3000:26.";
}

std::string stepsBelowOne(std::string_view name) {
    return "The study of " + quoted(name) + " needs at least 1 step.";
}

std::string tooManySteps(long long steps) {
    return "A study runs at most 100,000 steps in all; this one asks for " + std::to_string(steps) +
           ".";
}

std::string noSuchFan(std::string_view name, int fan, int fanCount) {
    return "The study input " + quoted(name) + " names fan " + std::to_string(fan) +
           ", but the model has " + std::to_string(fanCount) + (fanCount == 1 ? " fan." : " fans.");
}

std::string meaninglessValue(std::string_view name, double value, std::string_view accepted) {
    return "The study's range of " + quoted(name) + " reaches " + formatDouble("%g", value) +
           ", which no duct can have: " + std::string(accepted) + ".";
}

std::string requiredFaceRefused(double value) {
    return "The required face quantity " + formatDouble("%g", value) +
           " m³/s has no meaning: it must be above 0.";
}

std::string withUnit(std::string_view name, std::string_view unit) {
    return std::string(name) + " (" + std::string(unit) + ")";
}

std::string requiredFaceLabel(bool imperial) {
    return withUnit("Required face quantity", imperial ? kQuantityUnitImperial : kQuantityUnitSI);
}

std::string cannotSave(std::string_view path) {
    return "Cannot save " + quoted(path) + ".";
}

} // namespace flowmar::study_texts
