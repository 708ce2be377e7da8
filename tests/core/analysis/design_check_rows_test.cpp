// The Design Checks view's rows as the core fills them: a row per finding with where it applies,
// and the one row that says why there is none.
#include "core/analysis/design_check_rows.h"
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace flowmar {
namespace {

using namespace design_check_rows;

DesignFinding finding(std::optional<int> fan, std::optional<double> from,
                      std::optional<double> to) {
    DesignFinding f;
    f.title = "Title";
    f.text = "The whole sentence.";
    f.fan = fan;
    f.from = from;
    f.to = to;
    return f;
}

TEST(DesignCheckRows, WithNoFindingOneRowSaysWhy) {
    for (const auto& [lastRun, title, text] :
         {std::tuple{SolutionStatus::Stopped, "No results",
                     "The last Execute stopped before a solution: there is nothing to check."},
          std::tuple{SolutionStatus::Converged, "Nothing to report",
                     "The design checks find nothing to flag in this duct."}}) {
        const GridContent grid = designCheckRows({}, lastRun, kSI);
        ASSERT_EQ(grid.rowCount(), 1);
        ASSERT_EQ(grid.columnCount(), 3);
        EXPECT_EQ(grid.shownText(0, kTitle), "Finding");
        EXPECT_EQ(grid.shownText(0, kText), "Explanation");
        EXPECT_EQ(grid.shownText(0, kPlace), "Where");
        EXPECT_EQ(grid.shownText(1, kTitle), title);
        EXPECT_EQ(grid.shownText(1, kText), text);
        EXPECT_EQ(grid.shownText(1, kPlace), "");
        EXPECT_EQ(grid.cell(1, kText).toolTip, "") << "the empty state has no tool tip";
    }
}

TEST(DesignCheckRows, WhereNamesTheFanAndTheStretchInTheModelsUnits) {
    EXPECT_EQ(findingPlace(finding(2, 670.4, 999.6), kSI), "Fan 2, 670 – 1000 m");
    EXPECT_EQ(findingPlace(finding(std::nullopt, 304.8, 609.6), kImperial), "1000 – 2000 ft");
    EXPECT_EQ(findingPlace(finding(3, std::nullopt, std::nullopt), kSI), "Fan 3");
    EXPECT_EQ(findingPlace(finding(std::nullopt, 100.0, std::nullopt), kSI), "")
        << "a stretch needs both ends";
}

TEST(DesignCheckRows, EachFindingIsARowOfTitleExplanationAndPlace) {
    const std::vector<DesignFinding> findings{finding(1, std::nullopt, std::nullopt),
                                              finding(std::nullopt, 0.0, 250.0)};
    const GridContent grid = designCheckRows(findings, SolutionStatus::Converged, kSI);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.shownText(2, kTitle), "Title");
    EXPECT_EQ(grid.shownText(2, kText), "The whole sentence.");
    EXPECT_EQ(grid.cell(2, kText).toolTip, "The whole sentence.");
    EXPECT_EQ(grid.shownText(1, kPlace), "Fan 1");
    EXPECT_EQ(grid.shownText(2, kPlace), "0 – 250 m");
    EXPECT_TRUE(grid.cell(2, kPlace).readOnly);
}

TEST(DesignCheckRows, TheBoostersSuctionIsPlacedAtItsFanAndStretch) {
    FileRead<CFlowmarDoc> read = readModelFile(std::string(FLOWMAR_EXAMPLES) + "/boosters.json");
    ASSERT_TRUE(read.ok());
    CFlowmarDoc& doc = *read.document;
    ASSERT_NE(Execute(doc).status, SolutionStatus::Stopped);
    const GridContent grid =
        designCheckRows(designChecks(doc, DesignCriteria{}), doc.lastRun, doc.unitSystem);
    ASSERT_GE(grid.rowCount(), 3);
    EXPECT_EQ(grid.shownText(1, kTitle), "Booster draws on a duct in suction");
    EXPECT_EQ(grid.shownText(1, kPlace), "Fan 2, 670 – 1000 m");
}

} // namespace
} // namespace flowmar
