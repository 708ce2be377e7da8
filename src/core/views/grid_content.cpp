#include "core/views/grid_content.h"

#include "core/model/number_text.h"

#include <algorithm>
#include <clocale>
#include <utility>

namespace flowmar {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Whether the text, blanks aside, is one number and nothing else, in the form the run-time
// library's conversion reads (the locale's decimal point, an optional exponent). parseNumber
// takes the leading number of any text; this tells a typed "12" from a typed "12 m".
bool isWholeNumber(std::string_view text) {
    const std::string_view number = trimmed(text);
    const char decimalPoint = *std::localeconv()->decimal_point;
    std::size_t i = 0;
    const std::size_t n = number.size();
    if (i < n && (number[i] == '+' || number[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < n && isDigit(number[i]); ++i) {
        ++digits;
    }
    if (i < n && number[i] == decimalPoint) {
        for (++i; i < n && isDigit(number[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < n && (number[i] == '+' || number[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        for (; i < n && isDigit(number[i]); ++i) {
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == n;
}

} // namespace

GridValue GridValue::fromText(std::string text) {
    return {std::move(text), false};
}

GridValue GridValue::fromNumber(double number) {
    std::string text = formatDouble("%.13g", number);
    if (text == kNoNumber) {
        return fromText(std::move(text));
    }
    return {std::move(text), true, number};
}

GridStyle& GridStyle::setAlignment(GridAlignment alignment) {
    m_alignment = alignment;
    return *this;
}

GridStyle& GridStyle::setDecimals(int decimals) {
    m_decimals = std::clamp(decimals, 0, kMaxDecimals);
    return *this;
}

GridStyle& GridStyle::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    return *this;
}

GridStyle& GridStyle::setInterior(Rgb colour) {
    m_interior = colour;
    return *this;
}

GridStyle& GridStyle::setPlainCell() {
    m_kind = GridCellKind::Plain;
    m_choices.clear();
    return *this;
}

GridStyle& GridStyle::setDropDownList(std::string_view choices) {
    m_kind = GridCellKind::DropDownList;
    m_choices.clear();
    // A choice list typed on Windows may carry carriage returns; they are no part of a choice.
    while (!choices.empty()) {
        const std::size_t end = std::min(choices.find('\n'), choices.size());
        std::string_view choice = choices.substr(0, end);
        if (!choice.empty() && choice.back() == '\r') {
            choice.remove_suffix(1);
        }
        if (!choice.empty()) {
            m_choices.emplace_back(choice);
        }
        choices.remove_prefix(std::min(end + 1, choices.size()));
    }
    return *this;
}

GridStyle& GridStyle::setValue(std::string text) {
    m_value = GridValue::fromText(std::move(text));
    return *this;
}

GridStyle& GridStyle::setValue(double number) {
    m_value = GridValue::fromNumber(number);
    return *this;
}

GridStyle& GridStyle::setToolTip(std::string text) {
    m_toolTip = std::move(text);
    return *this;
}

std::string GridCell::shownText() const {
    if (!value.isNumber || !decimals) {
        return value.text;
    }
    const std::string format = "%." + std::to_string(*decimals) + "f";
    return formatDouble(format.c_str(), value.number);
}

bool GridCell::accepts(std::string_view text) const {
    return kind == GridCellKind::Plain || text.empty() ||
           std::find(choices.begin(), choices.end(), text) != choices.end();
}

GridValue GridCell::entered(std::string_view text) const {
    if (kind == GridCellKind::Plain && decimals && isWholeNumber(text)) {
        return GridValue::fromNumber(parseNumber(trimmed(text)));
    }
    return GridValue::fromText(std::string(text));
}

void GridCell::applyFormat(const GridStyle& style) {
    if (style.alignment()) {
        alignment = style.alignment();
    }
    if (style.decimals()) {
        decimals = style.decimals();
    }
    if (style.readOnly()) {
        readOnly = *style.readOnly();
    }
    if (style.interior()) {
        interior = style.interior();
    }
    if (style.kind()) {
        kind = *style.kind();
        choices = style.choices();
    }
    if (style.toolTip()) {
        toolTip = *style.toolTip();
    }
}

GridContent::GridContent(int rows, int columns) {
    setColumnCount(columns);
    setRowCount(rows);
}

void GridContent::setRowCount(int rows) {
    const std::size_t width = m_cells.front().size();
    m_cells.resize(std::size_t(std::max(rows, 0)) + 1, std::vector<GridCell>(width));
}

void GridContent::setColumnCount(int columns) {
    const std::size_t width = std::size_t(std::max(columns, 0)) + 1;
    for (auto& row : m_cells) {
        row.resize(width);
    }
    m_widths.resize(width, kDefaultColumnWidth);
}

bool GridContent::contains(int row, int column) const {
    return row >= 0 && column >= 0 && row <= rowCount() && column <= columnCount();
}

const GridCell& GridContent::cell(int row, int column) const {
    static const GridCell outside;
    return contains(row, column) ? at(row, column) : outside;
}

bool GridContent::applyStyle(int top, int left, int bottom, int right, const GridStyle& style,
                             std::vector<GridValueChange>* changes) {
    bool allTaken = contains(top, left) && contains(bottom, right);
    const int firstRow = std::max(top, 0);
    const int lastRow = std::min(bottom, rowCount());
    const int firstColumn = std::max(left, 0);
    const int lastColumn = std::min(right, columnCount());
    if (firstRow > lastRow || firstColumn > lastColumn) {
        return false;
    }
    std::vector<Write> writes;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            GridCell& target = at(row, column);
            if (m_readOnlyLock && target.readOnly) {
                allTaken = false;
                continue;
            }
            target.applyFormat(style);
            if (style.value()) {
                writes.push_back({row, column, *style.value()});
            }
        }
    }
    writeValues(writes, changes);
    return allTaken;
}

bool GridContent::setValue(int row, int column, std::string text,
                           std::vector<GridValueChange>* changes) {
    return applyStyle(row, column, row, column, GridStyle().setValue(std::move(text)), changes);
}

bool GridContent::setValue(int row, int column, double number,
                           std::vector<GridValueChange>* changes) {
    return applyStyle(row, column, row, column, GridStyle().setValue(number), changes);
}

bool GridContent::setHeaderText(int column, std::string text,
                                std::vector<GridValueChange>* changes) {
    return setValue(0, column, std::move(text), changes);
}

bool GridContent::enterText(int row, int column, std::string_view text,
                            std::vector<GridValueChange>* changes) {
    return enterTexts({{row, column, std::string(text)}}, changes) == 1;
}

int GridContent::enterTexts(const std::vector<GridEntry>& entries,
                            std::vector<GridValueChange>* changes) {
    std::vector<Write> writes;
    for (const GridEntry& entry : entries) {
        if (entry.row < 1 || entry.column < 1 || !contains(entry.row, entry.column)) {
            continue;
        }
        const GridCell& target = at(entry.row, entry.column);
        if (!target.readOnly && target.accepts(entry.text)) {
            writes.push_back({entry.row, entry.column, target.entered(entry.text)});
        }
    }
    writeValues(writes, changes);
    return int(writes.size());
}

void GridContent::writeValues(const std::vector<Write>& writes,
                              std::vector<GridValueChange>* changes) {
    for (const Write& write : writes) {
        GridCell& target = at(write.row, write.column);
        // A header-column cell changes from its row number to a text even when the text is "".
        if (target.value == write.value && (write.column != 0 || target.written)) {
            continue;
        }
        if (changes) {
            changes->push_back(
                {write.row, write.column, target.value, target.written, write.value});
        }
        target.value = write.value;
        target.written = true;
    }
}

void GridContent::restoreValue(int row, int column, const GridValue& value, bool written) {
    if (!contains(row, column)) {
        return;
    }
    GridCell& target = at(row, column);
    target.value = value;
    target.written = written;
}

double GridContent::number(int row, int column) const {
    const GridValue& value = cell(row, column).value;
    return value.isNumber ? value.number : parseNumber(value.text);
}

std::optional<double> GridContent::enteredNumber(int row, int column, double filledFrom) const {
    const GridValue& value = cell(row, column).value;
    const std::string& text = value.text;
    if (text == GridValue::fromNumber(filledFrom).text) {
        return filledFrom;
    }
    if (value.isNumber) {
        return value.number;
    }
    if (trimmed(text).empty()) {
        return 0.0;
    }
    return parseWholeNumber(text);
}

std::string GridContent::shownText(int row, int column) const {
    if (column == 0 && row > 0 && contains(row, column) && !at(row, column).written) {
        return std::to_string(row);
    }
    return cell(row, column).shownText();
}

void GridContent::setColumnWidth(int column, int width) {
    if (column >= 0 && column <= columnCount()) {
        m_widths[std::size_t(column)] = std::max(width, 0);
    }
}

void GridContent::setColumnWidths(int firstColumn, int lastColumn, int width) {
    for (int column = std::max(firstColumn, 0); column <= std::min(lastColumn, columnCount());
         ++column) {
        setColumnWidth(column, width);
    }
}

std::optional<int> GridContent::columnWidth(int column) const {
    if (column < 0 || column > columnCount()) {
        return std::nullopt;
    }
    return m_widths[std::size_t(column)];
}

} // namespace flowmar
