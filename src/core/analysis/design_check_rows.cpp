#include "core/analysis/design_check_rows.h"

#include "core/model/design_check_texts.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

namespace flowmar {

namespace texts = design_check_texts;
using namespace design_check_rows;

std::string findingPlace(const DesignFinding& finding, int unitSystem) {
    std::string place;
    if (finding.fan) {
        place = texts::fanPlace(*finding.fan);
    }
    if (finding.from && finding.to) {
        const auto shown = [unitSystem](double metres) {
            return formatDouble("%.0f", toShown(Quantity::Length, metres, unitSystem));
        };
        if (!place.empty()) {
            place += texts::kPlaceSeparator;
        }
        place +=
            texts::stretchPlace(shown(*finding.from), shown(*finding.to), isImperial(unitSystem));
    }
    return place;
}

GridContent designCheckRows(const std::vector<DesignFinding>& findings, SolutionStatus lastRun,
                            int unitSystem) {
    const int rows = findings.empty() ? 1 : int(findings.size());
    GridContent grid(rows, kColumns);
    grid.setHeaderText(kTitle, std::string(texts::kFindingHeading));
    grid.setHeaderText(kText, std::string(texts::kExplanationHeading));
    grid.setHeaderText(kPlace, std::string(texts::kWhereHeading));
    if (findings.empty()) {
        const bool stopped = lastRun == SolutionStatus::Stopped;
        grid.setValue(1, kTitle,
                      std::string(stopped ? texts::kNoResultsTitle : texts::kNothingToReportTitle));
        grid.setValue(1, kText,
                      std::string(stopped ? texts::kNoResultsText : texts::kNothingToReportText));
    }
    for (std::size_t k = 0; k < findings.size(); ++k) {
        const DesignFinding& finding = findings[k];
        const int row = int(k) + 1;
        grid.setValue(row, kTitle, finding.title);
        grid.applyStyle(row, kText, row, kText,
                        GridStyle().setValue(finding.text).setToolTip(finding.text));
        grid.setValue(row, kPlace, findingPlace(finding, unitSystem));
    }
    grid.applyStyle(1, 1, rows, kColumns,
                    GridStyle().setAlignment(GridAlignment::Left).setReadOnly());
    return grid;
}

} // namespace flowmar
