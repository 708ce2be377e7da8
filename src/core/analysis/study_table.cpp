#include "core/analysis/study_table.h"

#include "core/analysis/study_chart.h"
#include "core/model/flowmar_doc.h"
#include "core/model/number_text.h"
#include "core/model/study_texts.h"
#include "core/model/units.h"
#include "core/views/results_json.h"

#include <string>
#include <vector>

namespace flowmar {

namespace texts = study_texts;
using namespace study_table;

GridContent studyTableGrid(const CFlowmarDoc& doc, const StudyRequest& request,
                           const StudyResult& result) {
    const int units = doc.unitSystem;
    const bool imperial = isImperial(units);
    // Only a fixed-quantity model has a booster pressure to show.
    const bool booster = doc.solutionMode == kFixedQuantityMode;
    const std::string_view quantityUnit =
        imperial ? texts::kQuantityUnitImperial : texts::kQuantityUnitSI;

    std::vector<std::string> headings{
        studyInputTitle(request.first.input, request.first.fan, units)};
    if (request.second) {
        headings.push_back(studyInputTitle(request.second->input, request.second->fan, units));
    }
    const int statusColumn = int(headings.size()) + 1;
    headings.emplace_back(texts::kStatusHeading);
    headings.push_back(texts::withUnit(texts::kFaceHeading, quantityUnit));
    headings.push_back(texts::withUnit(texts::kFanEndHeading, quantityUnit));
    if (booster) {
        headings.push_back(texts::withUnit(texts::kBoosterHeading, imperial
                                                                       ? texts::kBoosterUnitImperial
                                                                       : texts::kBoosterUnitSI));
    }

    const int rows = int(result.steps.size());
    const int columns = int(headings.size());
    GridContent grid(rows, columns);
    for (int column = 1; column <= columns; ++column) {
        grid.setHeaderText(column, headings[std::size_t(column - 1)]);
    }
    const int faceColumn = statusColumn + 1;
    if (rows > 0) {
        grid.applyStyle(1, faceColumn, rows, faceColumn + 1,
                        GridStyle().setDecimals(kQuantityDecimals));
        if (booster) {
            grid.applyStyle(1, faceColumn + 2, rows, faceColumn + 2,
                            GridStyle().setDecimals(kBoosterDecimals));
        }
    }
    const auto input = [units](StudyInput which, double value) {
        return formatDouble("%g", shownStudyValue(which, value, units));
    };
    for (int row = 1; row <= rows; ++row) {
        const StudyStep& step = result.steps[std::size_t(row - 1)];
        grid.setValue(row, 1, input(request.first.input, step.value));
        if (request.second) {
            grid.setValue(row, 2, input(request.second->input, step.value2.value_or(0)));
        }
        grid.setValue(row, statusColumn, std::string(statusName(step.status)));
        if (step.status == SolutionStatus::Stopped) {
            if (!step.messages.empty()) {
                grid.applyStyle(row, statusColumn, row, statusColumn,
                                GridStyle().setToolTip(step.messages.back()));
            }
            continue;
        }
        grid.setValue(row, faceColumn, toShown(Quantity::AirQuantity, step.faceQuantity, units));
        grid.setValue(row, faceColumn + 1,
                      toShown(Quantity::AirQuantity, step.fanEndQuantity, units));
        if (booster) {
            grid.setValue(row, faceColumn + 2,
                          toShown(Quantity::BoosterPressure, step.boosterPressure, units));
        }
    }
    if (rows > 0) {
        grid.applyStyle(1, 1, rows, columns,
                        GridStyle().setAlignment(GridAlignment::Right).setReadOnly());
    }
    return grid;
}

} // namespace flowmar
