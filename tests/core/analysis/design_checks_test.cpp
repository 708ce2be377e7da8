#include "core/analysis/design_checks.h"
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/input/graph_options.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/graph_drawing.h"
#include "support/models.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using ::testing::HasSubstr;

struct Solved {
    std::unique_ptr<CFlowmarDoc> doc;
    SolutionStatus status = SolutionStatus::Stopped;
};

Solved solvedExample(const std::string& name) {
    FileRead<CFlowmarDoc> read = readModelFile(std::string(FLOWMAR_EXAMPLES) + "/" + name);
    EXPECT_TRUE(read.ok()) << name;
    Solved solved{std::move(read.document)};
    solved.status = Execute(*solved.doc).status;
    return solved;
}

SolutionStatus solve(CFlowmarDoc& doc) {
    return Execute(doc).status;
}

std::vector<DesignFinding> withCode(const std::vector<DesignFinding>& findings, FindingCode code) {
    std::vector<DesignFinding> kept;
    std::ranges::copy_if(findings, std::back_inserter(kept),
                         [code](const DesignFinding& f) { return f.code == code; });
    return kept;
}

TEST(DesignChecks, BoostersDrawOnTheSuctionAheadOfThem) {
    const Solved boosters = solvedExample("boosters.json");
    ASSERT_EQ(boosters.status, SolutionStatus::Converged);
    const auto suction =
        withCode(designChecks(*boosters.doc, boosters.status, {}), FindingCode::Suction);
    // Ahead of boosters 2 (1,000 m) and 3 (2,000 m) the static pressure falls below zero: the
    // profile crosses zero within the segments ending at 690 m and 1,680 m. The dip at the open
    // end is the discharge's velocity pressure and is not reported.
    ASSERT_EQ(suction.size(), 2U);
    EXPECT_EQ(suction[0].severity, FindingSeverity::Warning);
    EXPECT_EQ(suction[0].fan, 2);
    EXPECT_GT(*suction[0].from, 660.0);
    EXPECT_LT(*suction[0].from, 690.0);
    EXPECT_DOUBLE_EQ(*suction[0].to, 1000.0);
    EXPECT_THAT(suction[0].text, HasSubstr("Fan 2"));
    EXPECT_THAT(suction[0].text, HasSubstr("-708 Pa at 990 m"));
    EXPECT_EQ(suction[1].fan, 3);
    EXPECT_GT(*suction[1].from, 1650.0);
    EXPECT_LT(*suction[1].from, 1680.0);
    EXPECT_DOUBLE_EQ(*suction[1].to, 2000.0);
    EXPECT_THAT(suction[1].text, HasSubstr("2,000 m"));
}

TEST(DesignChecks, TheGraphShadesTheFlaggedStretchesBehindItsCurves) {
    const Solved boosters = solvedExample("boosters.json");
    const auto ranges = pressureSignRanges(designChecks(*boosters.doc, boosters.status, {}));
    ASSERT_EQ(ranges.size(), 2U);
    const Drawing plain = graphDrawing(*boosters.doc);
    const Drawing shaded = graphDrawing(*boosters.doc, graphOptionsOf(*boosters.doc), ranges);
    ASSERT_EQ(shaded.primitives().size(), plain.primitives().size() + 2);
    // Right after the frame's white background, before any grid line or curve: 3,000 m fill
    // 700 units from x = 50, so 1,000 m ends at x = 50 + 700 / 3.
    for (std::size_t k = 1; k <= 2; ++k) {
        const auto* band = std::get_if<Rectangle>(&shaded.primitives()[k]);
        ASSERT_NE(band, nullptr);
        ASSERT_TRUE(band->fill.has_value());
        EXPECT_NE(*band->fill, kWhite);
    }
    const auto& first = std::get<Rectangle>(shaded.primitives()[1]);
    EXPECT_NEAR(std::max(first.corner1.x, first.corner2.x), 50 + 700.0 / 3, 1.0);
}

TEST(DesignChecks, ASingleForcingFanGivesNoSuctionAndNotesItsLeakage) {
    const Solved one = solvedExample("forcing-one-fan.json");
    const auto findings = designChecks(*one.doc, one.status, {});
    EXPECT_TRUE(withCode(findings, FindingCode::Suction).empty());
    const auto leakage = withCode(findings, FindingCode::Leakage);
    ASSERT_EQ(leakage.size(), 1U);
    EXPECT_EQ(leakage[0].severity, FindingSeverity::Note);
    EXPECT_THAT(leakage[0].text, HasSubstr("m³/s per 100 m"));
    // No requirement set: none asserted.
    EXPECT_TRUE(withCode(findings, FindingCode::FaceBelowRequired).empty());
    EXPECT_TRUE(withCode(findings, FindingCode::Velocity).empty());
}

TEST(DesignChecks, AnExhaustingDuctIsMirroredAroundItsBooster) {
    const Solved exhausting = solvedExample("exhausting.json");
    CFlowmarDoc& doc = *exhausting.doc;
    EXPECT_TRUE(withCode(designChecks(doc, exhausting.status, {}), FindingCode::Suction).empty());

    // A strong booster halfway lifts the duct between it and the main fan above atmospheric:
    // contaminated air blows out through the leaks on its outlet side, towards distance 0.
    const int booster = testing::addCurveFan(
        doc, 300, {{4000, 3, 60}, {3500, 5, 70}, {3000, 7, 76}, {2000, 9, 72}, {800, 11, 60}});
    ASSERT_NE(solve(doc), SolutionStatus::Stopped);
    const auto pressure =
        withCode(designChecks(doc, SolutionStatus::Converged, {}), FindingCode::Suction);
    ASSERT_FALSE(pressure.empty());
    EXPECT_EQ(pressure[0].severity, FindingSeverity::Warning);
    EXPECT_EQ(pressure[0].fan, booster);
    EXPECT_EQ(pressure[0].title, "Booster discharges into a duct under pressure");
    EXPECT_DOUBLE_EQ(*pressure[0].to, 300.0);
    EXPECT_LT(*pressure[0].from, 300.0);
}

TEST(DesignChecks, AFanLeftOfItsCurveIsAWarningBeyondItANote) {
    // A long narrow duct holds the fan back below its first point; a short wide one lets it run
    // past its last.
    CFlowmarDoc narrow = testing::ductModel(3000, 0.4);
    testing::addCurveFan(narrow, 0, {{3000, 8, 60}, {2500, 10, 75}, {1500, 14, 70}});
    CFlowmarDoc wide = testing::ductModel(50, 1.2);
    testing::addCurveFan(wide, 0, {{3000, 2, 60}, {2500, 3, 75}, {1500, 4, 70}});
    struct Case {
        CFlowmarDoc* doc;
        FindingCode code;
        FindingSeverity severity;
        const char* words;
    };
    for (const Case& c : {Case{&narrow, FindingCode::OffCurveLow, FindingSeverity::Warning,
                               "left of its first curve point at 8.00 m³/s"},
                          Case{&wide, FindingCode::OffCurveHigh, FindingSeverity::Note,
                               "beyond its last curve point at 4.00 m³/s"}}) {
        const SolutionStatus status = solve(*c.doc);
        ASSERT_NE(status, SolutionStatus::Stopped);
        ASSERT_EQ(c.doc->results.fanOffCurve[1], 1);
        const auto found = withCode(designChecks(*c.doc, status, {}), c.code);
        ASSERT_EQ(found.size(), 1U) << c.words;
        EXPECT_EQ(found[0].severity, c.severity);
        EXPECT_EQ(found[0].fan, 1);
        EXPECT_THAT(found[0].text, HasSubstr(c.words));
    }
}

TEST(DesignChecks, EfficiencyIsJudgedAgainstTheBestOnTheFansOwnCurve) {
    const Solved one = solvedExample("forcing-one-fan.json");
    const double efficiency = one.doc->results.fanEfficiency[1];
    double best = 0;
    for (int m = 1; m <= one.doc->fanCurvePointCount[1]; ++m) {
        best = std::max(best, one.doc->fanCurveEfficiency[m][1]);
    }
    ASSERT_GT(efficiency, 0);
    const double ratio = efficiency / best;
    DesignCriteria strict;
    strict.minEfficiencyFraction = ratio + 0.01;
    DesignCriteria lenient;
    lenient.minEfficiencyFraction = ratio - 0.01;
    EXPECT_EQ(
        withCode(designChecks(*one.doc, one.status, strict), FindingCode::LowEfficiency).size(),
        1U);
    EXPECT_TRUE(
        withCode(designChecks(*one.doc, one.status, lenient), FindingCode::LowEfficiency).empty());
}

TEST(DesignChecks, LeakageAtTheSetShareIsANoteAboveItAWarning) {
    const Solved one = solvedExample("forcing-one-fan.json");
    const CFlowmarDoc& doc = *one.doc;
    const double fanEnd = doc.results.branchFlow[doc.segmentCount + 1];
    const double share = (fanEnd - doc.results.branchFlow[2 * doc.segmentCount]) / fanEnd;
    ASSERT_GT(share, 0);
    DesignCriteria atShare;
    atShare.maxLeakageShare = share;
    DesignCriteria belowShare;
    belowShare.maxLeakageShare = share * 0.99;
    const auto at = withCode(designChecks(doc, one.status, atShare), FindingCode::Leakage);
    const auto above = withCode(designChecks(doc, one.status, belowShare), FindingCode::Leakage);
    ASSERT_EQ(at.size(), 1U);
    ASSERT_EQ(above.size(), 1U);
    EXPECT_EQ(at[0].severity, FindingSeverity::Note);
    EXPECT_EQ(above[0].severity, FindingSeverity::Warning);
    EXPECT_EQ(above[0].title, "High leakage");
}

TEST(DesignChecks, RequirementsAreCheckedOnlyWhenSet) {
    const Solved one = solvedExample("forcing-one-fan.json");
    const double face = one.doc->results.branchFlow[2 * one.doc->segmentCount];
    DesignCriteria wantsMore;
    wantsMore.requiredFaceQuantity = face + 1;
    DesignCriteria gets;
    gets.requiredFaceQuantity = face - 1;
    DesignCriteria slowOnly;
    slowOnly.velocityMax = 1.0; // every real duct runs faster
    EXPECT_EQ(
        withCode(designChecks(*one.doc, one.status, wantsMore), FindingCode::FaceBelowRequired)
            .size(),
        1U);
    EXPECT_TRUE(
        withCode(designChecks(*one.doc, one.status, gets), FindingCode::FaceBelowRequired).empty());
    const auto velocity =
        withCode(designChecks(*one.doc, one.status, slowOnly), FindingCode::Velocity);
    ASSERT_EQ(velocity.size(), 1U);
    EXPECT_THAT(velocity[0].text, HasSubstr("up to 1.0 m/s"));
}

TEST(DesignChecks, AStoppedExecuteFindsNothingEvenOverOldResults) {
    Solved boosters = solvedExample("boosters.json");
    ASSERT_FALSE(designChecks(*boosters.doc, boosters.status, {}).empty());
    boosters.doc->ductLength = -1; // the next Execute stops on its duct check
    const SolutionStatus stopped = solve(*boosters.doc);
    ASSERT_EQ(stopped, SolutionStatus::Stopped);
    EXPECT_TRUE(designChecks(*boosters.doc, stopped, {}).empty());
    // The model remembers how its last Execute ended.
    EXPECT_EQ(boosters.doc->lastRun, SolutionStatus::Stopped);
    EXPECT_TRUE(designChecks(*boosters.doc, {}).empty());
}

TEST(DesignChecks, AFixedQuantityBeyondEveryFanCurveIsNoted) {
    Solved fixed = solvedExample("fixed-quantity-face.json");
    ASSERT_EQ(fixed.status, SolutionStatus::FixedQuantity);
    CFlowmarDoc& doc = *fixed.doc;
    // The face segment carries the fixed 8 m³/s; the open-end branch holds nothing in this mode.
    const auto leakage = withCode(designChecks(doc, fixed.status, {}), FindingCode::Leakage);
    ASSERT_EQ(leakage.size(), 1U);
    EXPECT_EQ(leakage[0].severity, FindingSeverity::Note);
    EXPECT_THAT(leakage[0].text, HasSubstr("3.77 m³/s of 11.77 m³/s"));
    // A curve whose shut-off lies far below what the face quantity needs, and one far above.
    testing::addCurveFan(doc, 0, {{10, 1, 50}, {5, 2, 60}});
    auto findings = withCode(designChecks(doc, fixed.status, {}), FindingCode::BoosterPressure);
    ASSERT_EQ(findings.size(), 1U);
    EXPECT_THAT(findings[0].text, HasSubstr("kPa"));
    testing::addCurveFan(doc, 0, {{1e7, 1, 50}, {5e6, 2, 60}});
    EXPECT_TRUE(
        withCode(designChecks(doc, fixed.status, {}), FindingCode::BoosterPressure).empty());
}

TEST(DesignChecks, TextsAreInTheModelsUnits) {
    Solved boosters = solvedExample("boosters.json");
    boosters.doc->unitSystem = kImperial;
    const auto suction =
        withCode(designChecks(*boosters.doc, boosters.status, {}), FindingCode::Suction);
    ASSERT_FALSE(suction.empty());
    EXPECT_THAT(suction[0].text, HasSubstr("3,281 ft")); // 1,000 m
    EXPECT_THAT(suction[0].text, HasSubstr("in.w.g."));
    const auto leakage =
        withCode(designChecks(*boosters.doc, boosters.status, {}), FindingCode::Leakage);
    ASSERT_EQ(leakage.size(), 1U);
    EXPECT_THAT(leakage[0].text, HasSubstr("kcfm per 100 ft"));
}

TEST(DesignChecks, CriteriaFallBackOneByOne) {
    DesignCriteria commandLine;
    commandLine.requiredFaceQuantity = 12;
    DesignCriteria model;
    model.requiredFaceQuantity = 10;
    model.maxLeakageShare = 0.3;
    const DesignCriteria merged = commandLine.over(model);
    EXPECT_EQ(merged.requiredFaceQuantity, 12);
    EXPECT_DOUBLE_EQ(merged.leakageShare(), 0.3);
    EXPECT_DOUBLE_EQ(merged.efficiencyFraction(), DesignCriteria::kDefaultMinEfficiencyFraction);
    EXPECT_FALSE(merged.velocityMin.has_value());
}

} // namespace
} // namespace flowmar
