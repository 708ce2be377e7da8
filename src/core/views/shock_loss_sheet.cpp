#include "core/views/shock_loss_sheet.h"

#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
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

std::optional<PageFault> readShockLossRows(const GridContent& grid, ShockLossPage page,
                                           ShockLossValues& values) {
    const PageLayout layout = pageLayout(page, values.unitSystem);
    const auto fitting = fittingOfPage(page);
    for (int r = 1; r <= kShockLossRows; ++r) {
        ShockLossRowValues& row = values.rows[std::size_t(r)];
        FittingRow read = fitting ? fittingRow(row, *fitting) : FittingRow{};
        if (!fitting) {
            read.distance = distanceOf(row, page);
        }
        std::optional<PageFault> fault;
        const auto number = [&](int c, double& value) {
            if (const std::optional<double> entered = grid.enteredNumber(r, c, value)) {
                value = *entered;
            } else if (!fault) {
                fault = PageFault{messages::cellNumberNeeded(grid.valueText(0, c), r),
                                  shockLossPageInfo(page).gridId, r, c};
            }
        };
        for (int c = 1; c <= int(layout.columns.size()); ++c) {
            switch (layout.columns[std::size_t(c - 1)].kind) {
            case ColumnKind::Distance:
                number(c, read.distance);
                break;
            case ColumnKind::Choice1:
                read.choice1 = grid.valueText(r, c);
                break;
            case ColumnKind::Choice2:
                read.choice2 = grid.valueText(r, c);
                break;
            case ColumnKind::Factor:
                number(c, read.factor);
                break;
            case ColumnKind::Resistance:
                number(c, row.fixedResistanceValue);
                break;
            case ColumnKind::ScreenFactor:
                break;
            }
        }
        if (fault) {
            return fault;
        }
        if (fitting) {
            setFittingRow(row, *fitting, read);
        } else {
            setDistance(row, page, read.distance);
        }
    }
    return std::nullopt;
}

ShockLossSheet::ShockLossSheet(const ShockLossValues& values) : m_given(values), m_values(values) {}

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

std::optional<PageFault> ShockLossSheet::calculate(ShockLossPage page) {
    const auto fitting = fittingOfPage(page);
    if (!fitting || !isOpened(page)) {
        return std::nullopt;
    }
    ShockLossValues read = m_values;
    if (auto fault = readShockLossRows(grid(page), page, read)) {
        return fault;
    }
    m_values = std::move(read);
    lookUpFactors(m_values, *fitting);
    writeShockLossRows(grid(page), m_values, page);
    return std::nullopt;
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

std::optional<ShockLossEntryFault> ShockLossSheet::entryFault() const {
    ShockLossValues read = m_values;
    for (const ShockLossPageInfo& info : shockLossPages()) {
        if (info.page == ShockLossPage::EntryExit || !isOpened(info.page)) {
            continue;
        }
        if (auto fault = readShockLossRows(grid(info.page), info.page, read)) {
            return ShockLossEntryFault{info.page, std::move(*fault)};
        }
    }
    return std::nullopt;
}

const ShockLossValues& ShockLossSheet::accept() {
    for (const ShockLossPageInfo& info : shockLossPages()) {
        if (info.page == ShockLossPage::EntryExit || !isOpened(info.page)) {
            continue;
        }
        readShockLossRows(grid(info.page), info.page, m_values);
        const ShockLossValues read = m_values;
        pageOkStep(m_values, info.page);
        keepFactorsOfUnchangedChoices(info.page, read);
    }
    return m_values;
}

void ShockLossSheet::keepFactorsOfUnchangedChoices(ShockLossPage page,
                                                   const ShockLossValues& read) {
    const auto fitting = fittingOfPage(page);
    if (!fitting) {
        return;
    }
    for (int r = 1; r <= kShockLossRows; ++r) {
        const FittingRow given = fittingRow(m_given.rows[std::size_t(r)], *fitting);
        const FittingRow before = fittingRow(read.rows[std::size_t(r)], *fitting);
        ShockLossRowValues& row = m_values.rows[std::size_t(r)];
        FittingRow after = fittingRow(row, *fitting);
        if (before.choice1 == given.choice1 && before.choice2 == given.choice2) {
            after.factor = before.factor;
            setFittingRow(row, *fitting, after);
        }
    }
}

} // namespace flowmar
