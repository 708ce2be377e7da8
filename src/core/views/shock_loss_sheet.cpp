#include "core/views/shock_loss_sheet.h"

#include "core/model/flowmar_doc.h"
#include "core/model/units.h"

#include <string>
#include <vector>

namespace flowmar {

namespace {

using namespace shock_loss_sheet;

enum class ColumnKind {
    Distance,     // fixed format, 1 decimal
    Choice1,      // drop-down list: r/D, angle of bend or degree closed
    Choice2,      // drop-down list: the smooth elbow's angle
    Factor,       // C: fixed format, 2 decimals, read-only grey
    ScreenFactor, // the screens' fixed factor as a text, read-only grey
    Resistance,   // fixed format, 5 decimals
};

struct Column {
    ColumnKind kind;
    std::string header;
    std::optional<int> width; // grid units; none keeps the grid's default
    std::string choices;      // the drop-down columns' list
};

struct PageLayout {
    int headerWidth = 20;
    std::vector<Column> columns; // columns 1, 2, ...
};

constexpr int kDistanceDecimals = 1;
constexpr int kFactorDecimals = 2;
constexpr int kResistanceDecimals = 5;

PageLayout pageLayout(ShockLossPage page, int unitSystem) {
    const std::string distance = distanceHeader(unitSystem);
    switch (page) {
    case ShockLossPage::SmoothElbow:
        return {20,
                {{ColumnKind::Distance, distance, 75, {}},
                 {ColumnKind::Choice1, std::string(kRatioHeader), 55,
                  choiceListText(smoothElbowRatios())},
                 {ColumnKind::Choice2, std::string(kAngleHeader), 50,
                  choiceListText(smoothElbowAngles())},
                 {ColumnKind::Factor, std::string(kFactorHeader), std::nullopt, {}}}};
    case ShockLossPage::ElbowMiter:
        return {20,
                {{ColumnKind::Distance, distance, 75, {}},
                 {ColumnKind::Choice1, std::string(kAngleOfBendHeader), 85,
                  choiceListText(mitredElbowAngles())},
                 {ColumnKind::Factor, std::string(kShockLossHeader), 90, {}}}};
    case ShockLossPage::Dampers:
        return {20,
                {{ColumnKind::Distance, distance, 70, {}},
                 {ColumnKind::Choice1, std::string(kDegreeClosedHeader), 90,
                  choiceListText(damperSettings())},
                 {ColumnKind::Factor, std::string(kShockLossHeader), 90, {}}}};
    case ShockLossPage::Screen:
        return {20,
                {{ColumnKind::Distance, distance, 100, {}},
                 {ColumnKind::ScreenFactor, std::string(kShockLossHeader), 100, {}}}};
    case ShockLossPage::FixedResistance:
        return {20,
                {{ColumnKind::Distance, distance, 100, {}},
                 {ColumnKind::Resistance,
                  resistanceHeader(unitSystem),
                  isImperial(unitSystem) ? 150 : 140,
                  {}}}};
    case ShockLossPage::EntryExit:
        break;
    }
    return {};
}

double distanceOf(const ShockLossRowValues& row, ShockLossPage page) {
    if (const auto fitting = fittingOfPage(page)) {
        return fittingRow(row, *fitting).distance;
    }
    return page == ShockLossPage::Screen ? row.screenDistance : row.fixedResistanceDistance;
}

// The screen and fixed-resistance pages' distance.
void setDistance(ShockLossRowValues& row, ShockLossPage page, double distance) {
    if (page == ShockLossPage::Screen) {
        row.screenDistance = distance;
    } else if (page == ShockLossPage::FixedResistance) {
        row.fixedResistanceDistance = distance;
    }
}

// The value a row shows in a column.
GridStyle cellValue(const ShockLossRowValues& row, ShockLossPage page, ColumnKind kind) {
    const auto fitting = fittingOfPage(page);
    const FittingRow values = fitting ? fittingRow(row, *fitting) : FittingRow{};
    switch (kind) {
    case ColumnKind::Distance:
        return GridStyle().setValue(distanceOf(row, page));
    case ColumnKind::Choice1:
        return GridStyle().setValue(values.choice1);
    case ColumnKind::Choice2:
        return GridStyle().setValue(values.choice2);
    case ColumnKind::Factor:
        return GridStyle().setValue(values.factor);
    case ColumnKind::ScreenFactor:
        return GridStyle().setValue(std::string(kScreenShockFactorText));
    case ColumnKind::Resistance:
        return GridStyle().setValue(row.fixedResistanceValue);
    }
    return {};
}

bool isGrey(ColumnKind kind) {
    return kind == ColumnKind::Factor || kind == ColumnKind::ScreenFactor;
}

} // namespace

std::optional<GridContent> shockLossPageGrid(const ShockLossValues& values, ShockLossPage page) {
    const PageLayout layout = pageLayout(page, values.unitSystem);
    if (layout.columns.empty()) {
        return std::nullopt;
    }
    const int columns = int(layout.columns.size());
    GridContent grid(kShockLossRows, columns);
    grid.setColumnWidth(0, layout.headerWidth);
    for (int c = 1; c <= columns; ++c) {
        const Column& column = layout.columns[std::size_t(c - 1)];
        GridStyle style;
        style.setAlignment(GridAlignment::Right);
        switch (column.kind) {
        case ColumnKind::Distance:
            style.setDecimals(kDistanceDecimals);
            break;
        case ColumnKind::Factor:
            style.setDecimals(kFactorDecimals);
            break;
        case ColumnKind::Resistance:
            style.setDecimals(kResistanceDecimals);
            break;
        case ColumnKind::Choice1:
        case ColumnKind::Choice2:
            style.setDropDownList(column.choices);
            break;
        case ColumnKind::ScreenFactor:
            break;
        }
        grid.applyStyle(1, c, kShockLossRows, c, style);
        if (column.width) {
            grid.setColumnWidth(c, *column.width);
        }
        grid.setHeaderText(c, column.header);
    }
    writeShockLossRows(grid, values, page);
    // The computed columns become read-only only after their values are in.
    const bool lock = grid.readOnlyLock();
    grid.setReadOnlyLock(false);
    for (int c = 1; c <= columns; ++c) {
        if (isGrey(layout.columns[std::size_t(c - 1)].kind)) {
            grid.applyStyle(1, c, kShockLossRows, c,
                            GridStyle().setReadOnly().setInterior(GridStyle::readOnlyGrey()));
        }
    }
    grid.setReadOnlyLock(lock);
    return grid;
}

void writeShockLossRows(GridContent& grid, const ShockLossValues& values, ShockLossPage page) {
    const PageLayout layout = pageLayout(page, values.unitSystem);
    const bool lock = grid.readOnlyLock();
    grid.setReadOnlyLock(false);
    for (int r = 1; r <= kShockLossRows; ++r) {
        const ShockLossRowValues& row = values.rows[std::size_t(r)];
        for (int c = 1; c <= int(layout.columns.size()); ++c) {
            grid.applyStyle(r, c, r, c,
                            cellValue(row, page, layout.columns[std::size_t(c - 1)].kind));
        }
    }
    grid.setReadOnlyLock(lock);
}

void readShockLossRows(const GridContent& grid, ShockLossPage page, ShockLossValues& values) {
    const PageLayout layout = pageLayout(page, values.unitSystem);
    const auto fitting = fittingOfPage(page);
    for (int r = 1; r <= kShockLossRows; ++r) {
        ShockLossRowValues& row = values.rows[std::size_t(r)];
        FittingRow read = fitting ? fittingRow(row, *fitting) : FittingRow{};
        for (int c = 1; c <= int(layout.columns.size()); ++c) {
            switch (layout.columns[std::size_t(c - 1)].kind) {
            case ColumnKind::Distance:
                read.distance = grid.number(r, c);
                break;
            case ColumnKind::Choice1:
                read.choice1 = grid.valueText(r, c);
                break;
            case ColumnKind::Choice2:
                read.choice2 = grid.valueText(r, c);
                break;
            case ColumnKind::Factor:
                read.factor = grid.number(r, c);
                break;
            case ColumnKind::Resistance:
                row.fixedResistanceValue = grid.number(r, c);
                break;
            case ColumnKind::ScreenFactor:
                break;
            }
        }
        if (fitting) {
            setFittingRow(row, *fitting, read);
        } else {
            setDistance(row, page, read.distance);
        }
    }
}

ShockLossSheet::ShockLossSheet(const ShockLossValues& values) : m_values(values) {}

void ShockLossSheet::openPage(ShockLossPage page) {
    if (m_opened[index(page)]) {
        return;
    }
    m_opened[index(page)] = true;
    if (auto grid = shockLossPageGrid(m_values, page)) {
        m_grids[index(page)] = std::move(*grid);
    }
}

bool ShockLossSheet::isOpened(ShockLossPage page) const {
    return m_opened[index(page)];
}

GridContent& ShockLossSheet::grid(ShockLossPage page) {
    return m_grids[index(page)];
}

const GridContent& ShockLossSheet::grid(ShockLossPage page) const {
    return m_grids[index(page)];
}

void ShockLossSheet::calculate(ShockLossPage page) {
    const auto fitting = fittingOfPage(page);
    if (!fitting || !isOpened(page)) {
        return;
    }
    readShockLossRows(grid(page), page, m_values);
    lookUpFactors(m_values, *fitting);
    writeShockLossRows(grid(page), m_values, page);
}

void ShockLossSheet::clearForm(ShockLossPage page) {
    if (page == ShockLossPage::EntryExit || !isOpened(page)) {
        return;
    }
    clearPage(m_values, page);
    writeShockLossRows(grid(page), m_values, page);
}

std::optional<int> ShockLossSheet::checkedButton(EntryExitGroup group) const {
    return checkedEntryExitButton(m_values, group);
}

void ShockLossSheet::clickButton(int buttonId) {
    clickEntryExitButton(m_values, buttonId);
}

const ShockLossValues& ShockLossSheet::accept() {
    for (const ShockLossPageInfo& info : shockLossPages()) {
        if (info.page == ShockLossPage::EntryExit || !isOpened(info.page)) {
            continue;
        }
        readShockLossRows(grid(info.page), info.page, m_values);
        pageOkStep(m_values, info.page);
    }
    return m_values;
}

} // namespace flowmar
