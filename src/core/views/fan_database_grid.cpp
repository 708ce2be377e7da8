#include "core/views/fan_database_grid.h"

#include "core/fans/fan_database_doc.h"
#include "core/model/messages.h"
#include "core/model/number_text.h"
#include "core/model/units.h"

#include <algorithm>
#include <array>

namespace flowmar {

namespace {

constexpr std::array<std::string_view, fan_database_view::kColumnCount + 1> kDatabaseHeaders{
    "No.", "Fan Manufacturer", "Fan Model", "Fan Curve Setting", "Fan Curve Density"};
constexpr std::array<int, fan_database_view::kColumnCount + 1> kDatabaseWidths{0, 150, 150, 110,
                                                                               150};

constexpr int kSelectFanColumns = 3;
constexpr std::array<std::string_view, kSelectFanColumns + 1> kSelectFanHeaders{
    "No.", "Manufacturer", "Model", "Setting"};
constexpr int kSelectFanWidth = 85;
// Grid units a character of a text needs, and the cell's margins: a column is widened to its
// longest text so that no name is cut.
constexpr int kUnitsPerCharacter = 7;
constexpr int kCellMargin = 12;

constexpr int kCurveColumns = 4;
constexpr int kCurveColumnWidth = 57;

} // namespace

GridContent fanDatabaseGrid(const CFanDatabaseDoc& db) {
    const int count = std::clamp(db.fanCount, 0, kMaxDatabaseFans);
    const int rows = db.fans[1].curveDensity == 0 ? 0 : count;
    GridContent grid(rows, fan_database_view::kColumnCount);
    grid.setReadOnlyLock(false);
    for (int c = 0; c <= fan_database_view::kColumnCount; ++c) {
        grid.setHeaderText(c, std::string(kDatabaseHeaders[std::size_t(c)]));
    }
    grid.applyStyle(0, 1, 0, fan_database_view::kColumnCount,
                    GridStyle().setAlignment(GridAlignment::Centre));
    for (int c = 1; c <= fan_database_view::kColumnCount; ++c) {
        grid.setColumnWidth(c, kDatabaseWidths[std::size_t(c)]);
    }
    if (rows > 0) {
        const int units = db.unitSystem;
        grid.applyStyle(1, 1, rows, fan_database_view::kColumnCount, GridStyle().setReadOnly());
        grid.applyStyle(
            1, 4, rows, 4,
            GridStyle().setDecimals(isImperial(units) ? 3 : 1).setAlignment(GridAlignment::Right));
        for (int i = 1; i <= rows; ++i) {
            const FanCurve& fan = db.fans[std::size_t(i)];
            grid.setValue(i, 1, fan.manufacturer);
            grid.setValue(i, 2, fan.model);
            grid.setValue(i, 3, fan.setting);
            grid.setValue(i, 4, toShown(Quantity::Density, fan.curveDensity, units));
        }
    }
    grid.setReadOnlyLock(true);
    return grid;
}

GridContent selectFanGrid(const SelectFanValues& values) {
    GridContent grid(kSelectFanRows, kSelectFanColumns);
    grid.applyStyle(1, 1, kSelectFanRows, 1, GridStyle().setAlignment(GridAlignment::Left));
    grid.applyStyle(1, 2, kSelectFanRows, kSelectFanColumns,
                    GridStyle().setAlignment(GridAlignment::Right));
    for (int c = 0; c <= kSelectFanColumns; ++c) {
        grid.setHeaderText(c, std::string(kSelectFanHeaders[std::size_t(c)]));
    }
    const std::array<const std::array<std::string, 101>*, kSelectFanColumns> lists{
        &values.manufacturer, &values.model, &values.setting};
    for (int c = 1; c <= kSelectFanColumns; ++c) {
        const auto& list = *lists[std::size_t(c - 1)];
        std::size_t longest = 0;
        for (int i = 1; i <= kSelectFanRows; ++i) {
            grid.setValue(i, c, list[std::size_t(i)]);
            longest = std::max(longest, list[std::size_t(i)].size());
        }
        grid.setColumnWidth(
            c, std::max(kSelectFanWidth, int(longest) * kUnitsPerCharacter + kCellMargin));
    }
    return grid;
}

GridContent curveEditorGrid(const CurveEditorValues& values) {
    GridContent grid(kFanCurvePoints, kCurveColumns);
    grid.setReadOnlyLock(false);
    const auto columns = curveEditorColumns(values.unitSystem);
    for (int c = 0; c <= kCurveColumns; ++c) {
        const CurveEditorColumn& column = columns[std::size_t(c)];
        grid.setHeaderText(c, column.header);
        if (c == 0) {
            continue;
        }
        GridStyle style;
        style.setAlignment(GridAlignment::Right).setDecimals(column.decimals);
        if (column.readOnly) {
            style.setReadOnly().setInterior(GridStyle::readOnlyGrey());
        }
        grid.applyStyle(1, c, kFanCurvePoints, c, style);
    }
    grid.setColumnWidths(1, kCurveColumns, kCurveColumnWidth);
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        const CurveEditorRow& row = values.rows[std::size_t(m)];
        grid.setValue(m, 1, row.pressure);
        grid.setValue(m, 2, row.quantity);
        grid.setValue(m, 3, row.efficiency);
        grid.setValue(m, 4, row.fanInputPower);
    }
    grid.setReadOnlyLock(true);
    return grid;
}

std::optional<CurveCellRefusal> readCurveEditorGrid(const GridContent& grid,
                                                    CurveEditorValues& values) {
    constexpr std::array<double CurveEditorRow::*, kCurveColumns> kFields{
        nullptr, &CurveEditorRow::pressure, &CurveEditorRow::quantity, &CurveEditorRow::efficiency};
    auto read = values.rows;
    for (int m = 1; m <= kFanCurvePoints; ++m) {
        for (int c = 1; c < kCurveColumns; ++c) {
            double& value = read[std::size_t(m)].*kFields[std::size_t(c)];
            const std::optional<double> typed = grid.enteredNumber(m, c, value);
            if (!typed) {
                return CurveCellRefusal{m, c, messages::cellNumberNeeded(grid.shownText(0, c), m)};
            }
            value = *typed;
        }
    }
    values.rows = read;
    return std::nullopt;
}

std::optional<CurveEditorRefusal> acceptCurveEditor(CurveEditorValues& values,
                                                    const CurveEditorTexts& texts,
                                                    std::string_view densityText,
                                                    const GridContent& grid) {
    CurveEditorValues typed = values;
    if (auto refusal = acceptCurveEditorTexts(typed, texts)) {
        const CurveEditorBox box =
            refusal->field == CurveEditorText::Manufacturer ? CurveEditorBox::Manufacturer
            : refusal->field == CurveEditorText::Model      ? CurveEditorBox::Model
                                                            : CurveEditorBox::Setting;
        return CurveEditorRefusal{box, 0, 0, std::move(refusal->message)};
    }
    if (auto refusal = acceptCurveDensityText(typed, densityText)) {
        return CurveEditorRefusal{CurveEditorBox::Density, 0, 0, std::move(*refusal)};
    }
    if (auto refusal = readCurveEditorGrid(grid, typed)) {
        return CurveEditorRefusal{CurveEditorBox::Cell, refusal->row, refusal->column,
                                  std::move(refusal->message)};
    }
    values = typed;
    return std::nullopt;
}

} // namespace flowmar
