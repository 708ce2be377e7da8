// The titles and sentences of the design checks. The quantities arrive formatted in the model's
// units ("1,000 m", "-708 Pa", "17.54 m³/s"), so the sentences read the same in either system.
#pragma once

#include <string>
#include <string_view>

namespace flowmar::design_check_texts {

inline constexpr std::string_view kSuctionAtFanTitle = "Booster draws on a duct in suction";
inline constexpr std::string_view kPressureAtFanTitle =
    "Booster discharges into a duct under pressure";
inline constexpr std::string_view kSuctionTitle = "Duct in suction";
inline constexpr std::string_view kPressureTitle = "Duct under pressure";
inline constexpr std::string_view kOffCurveLowTitle = "Fan left of its curve";
inline constexpr std::string_view kOffCurveHighTitle = "Fan beyond its curve";
inline constexpr std::string_view kLowEfficiencyTitle = "Fan far from its best efficiency";
inline constexpr std::string_view kLeakageTitle = "Leakage";
inline constexpr std::string_view kHighLeakageTitle = "High leakage";
inline constexpr std::string_view kFaceBelowRequiredTitle = "Face quantity below the requirement";
inline constexpr std::string_view kVelocityTitle = "Duct velocity outside the set range";
inline constexpr std::string_view kBoosterPressureTitle = "Booster pressure beyond every fan";

// A forcing duct below atmospheric pressure up to a fan's inlet.
std::string suctionAtFan(int fan, std::string_view from, std::string_view to,
                         std::string_view extreme, std::string_view extremeAt);
// An exhausting duct above atmospheric pressure from a fan's outlet.
std::string pressureAtFan(int fan, std::string_view from, std::string_view to,
                          std::string_view extreme, std::string_view extremeAt);
// A stretch of the wrong sign that no fan explains.
std::string suctionRange(std::string_view from, std::string_view to, std::string_view extreme,
                         std::string_view extremeAt);
std::string pressureRange(std::string_view from, std::string_view to, std::string_view extreme,
                          std::string_view extremeAt);

std::string offCurveLow(int fan, std::string_view quantity, std::string_view firstPoint);
std::string offCurveHigh(int fan, std::string_view quantity, std::string_view lastPoint);
std::string lowEfficiency(int fan, std::string_view efficiency, std::string_view best,
                          std::string_view fraction);
std::string leakage(std::string_view share, std::string_view lost, std::string_view fanEnd,
                    std::string_view per100);
std::string faceBelowRequired(std::string_view face, std::string_view required);
std::string velocityOutside(std::string_view mean, std::string_view range);
std::string boosterPressure(std::string_view needed, std::string_view highest, int fan);

// The Design Checks view: its status caption, the headings of its list and the one row it shows
// when there is no finding.
inline constexpr std::string_view kViewCaption = "Design Checks of the Last Execute";
inline constexpr std::string_view kFindingHeading = "Finding";
inline constexpr std::string_view kExplanationHeading = "Explanation";
inline constexpr std::string_view kWhereHeading = "Where";
inline constexpr std::string_view kNoResultsTitle = "No results";
inline constexpr std::string_view kNoResultsText =
    "The last Execute stopped before a solution: there is nothing to check.";
inline constexpr std::string_view kNothingToReportTitle = "Nothing to report";
inline constexpr std::string_view kNothingToReportText =
    "The design checks find nothing to flag in this duct.";

// Where a finding applies: "Fan 2", a stretch "670 – 1000 m" (distances already formatted), and
// both joined as "Fan 2, 670 – 1000 m".
std::string fanPlace(int fan);
std::string stretchPlace(std::string_view from, std::string_view to, bool imperial);
inline constexpr std::string_view kPlaceSeparator = ", ";

} // namespace flowmar::design_check_texts
