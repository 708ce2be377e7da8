// What a study says when it cannot run, and what a step notes about a fan its duct no longer
// reaches.
#pragma once

#include <string>
#include <string_view>

namespace flowmar::study_texts {

inline constexpr std::string_view kInputNames =
    "ductLength, ductDiameter, frictionFactor, leakageResistance100, airDensity, fixedQuantity, "
    "fanDistance:N or fanFixedPressure:N";

std::string unknownInput(std::string_view name);
std::string badRange(std::string_view text);
std::string stepsBelowOne(std::string_view name);
std::string tooManySteps(long long steps);
std::string noSuchFan(std::string_view name, int fan, int fanCount);
std::string meaninglessValue(std::string_view name, double value, std::string_view accepted);
std::string requiredFaceRefused(double value);

} // namespace flowmar::study_texts
