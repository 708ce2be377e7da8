#include "ui/grid/grid_model.h"

#include <QBrush>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace flowmar {

namespace {

// One cell's value change, undone by putting the old value back; a header-column cell also gets
// back whether it showed its row number.
class CellEdit : public QUndoCommand {
public:
    CellEdit(GridModel& model, int row, int column, const GridCell& before, const GridValue& after)
        : m_model(model), m_row(row), m_column(column), m_before(before.value),
          m_beforeWritten(before.written), m_after(after) {}

    void undo() override { m_model.restoreValue(m_row, m_column, m_before, m_beforeWritten); }
    void redo() override { m_model.restoreValue(m_row, m_column, m_after, true); }

private:
    GridModel& m_model;
    int m_row;
    int m_column;
    GridValue m_before;
    bool m_beforeWritten;
    GridValue m_after;
};

Qt::Alignment qtAlignment(GridAlignment alignment) {
    switch (alignment) {
    case GridAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case GridAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case GridAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

GridModel::GridModel(QUndoStack& undoStack, QObject* parent)
    : QAbstractTableModel(parent), m_undoStack(undoStack) {}

Qt::Alignment GridModel::alignmentFlags(const GridCell& cell, GridAlignment fallback) {
    return qtAlignment(cell.alignment.value_or(fallback));
}

void GridModel::setGridRowCount(int rows) {
    rows = std::max(rows, 0);
    const int old = gridRowCount();
    if (rows == old) {
        return;
    }
    const std::size_t width = m_cells.front().size();
    if (rows > old) {
        beginInsertRows({}, old, rows - 1);
        m_cells.resize(std::size_t(rows) + 1, std::vector<GridCell>(width));
        endInsertRows();
    } else {
        beginRemoveRows({}, rows, old - 1);
        m_cells.resize(std::size_t(rows) + 1);
        endRemoveRows();
    }
    m_undoStack.clear();
}

void GridModel::setGridColumnCount(int columns) {
    columns = std::max(columns, 0);
    const int old = gridColumnCount();
    if (columns == old) {
        return;
    }
    if (columns > old) {
        beginInsertColumns({}, old, columns - 1);
    } else {
        beginRemoveColumns({}, columns, old - 1);
    }
    for (auto& row : m_cells) {
        row.resize(std::size_t(columns) + 1);
    }
    if (columns > old) {
        endInsertColumns();
    } else {
        endRemoveColumns();
    }
    m_undoStack.clear();
}

bool GridModel::contains(int row, int column) const {
    return row >= 0 && column >= 0 && row <= gridRowCount() && column <= gridColumnCount();
}

GridCell GridModel::cell(int row, int column) const {
    return contains(row, column) ? at(row, column) : GridCell{};
}

bool GridModel::applyStyle(int top, int left, int bottom, int right, const GridStyle& style) {
    bool allTaken = contains(top, left) && contains(bottom, right);
    const int firstRow = std::max(top, 0);
    const int lastRow = std::min(bottom, gridRowCount());
    const int firstColumn = std::max(left, 0);
    const int lastColumn = std::min(right, gridColumnCount());
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
            cellChanged(row, column);
            if (style.value()) {
                writes.push_back({row, column, *style.value()});
            }
        }
    }
    writeValues(writes);
    return allTaken;
}

bool GridModel::enterText(int row, int column, const QString& text) {
    return enterTexts({{row, column, text}}) == 1;
}

int GridModel::enterTexts(const std::vector<Entry>& entries) {
    std::vector<Write> writes;
    for (const Entry& entry : entries) {
        if (entry.row < 1 || entry.column < 1 || !contains(entry.row, entry.column)) {
            continue;
        }
        const GridCell& target = at(entry.row, entry.column);
        if (!target.readOnly && target.accepts(entry.text)) {
            writes.push_back({entry.row, entry.column, target.entered(entry.text)});
        }
    }
    writeValues(writes);
    return int(writes.size());
}

void GridModel::writeValues(const std::vector<Write>& writes) {
    std::vector<const Write*> changes;
    for (const Write& write : writes) {
        const GridCell& target = at(write.row, write.column);
        // A header-column cell changes from its row number to a text even when the text is "".
        if (target.value != write.value || (write.column == 0 && !target.written)) {
            changes.push_back(&write);
        }
    }
    if (!m_undoRecording) {
        for (const Write* write : changes) {
            restoreValue(write->row, write->column, write->value, true);
        }
        return;
    }
    // The undo step has no text of its own: its actions are named by whoever shows them.
    const bool macro = changes.size() > 1;
    if (macro) {
        m_undoStack.beginMacro(QString());
    }
    for (const Write* write : changes) {
        m_undoStack.push(new CellEdit(*this, write->row, write->column,
                                      at(write->row, write->column), write->value));
    }
    if (macro) {
        m_undoStack.endMacro();
    }
}

void GridModel::restoreValue(int row, int column, const GridValue& value, bool written) {
    if (!contains(row, column)) {
        return;
    }
    GridCell& target = at(row, column);
    target.value = value;
    target.written = written;
    cellChanged(row, column);
}

void GridModel::cellChanged(int row, int column) {
    if (row > 0 && column > 0) {
        const QModelIndex changed = index(row - 1, column - 1);
        emit dataChanged(changed, changed);
    } else if (row == 0 && column > 0) {
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    } else if (row > 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        emit cornerChanged();
    }
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridRowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridColumnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row() + 1, index.column() + 1)) {
        return {};
    }
    const GridCell& shown = at(index.row() + 1, index.column() + 1);
    switch (role) {
    case Qt::DisplayRole:
        return shown.shownText();
    case Qt::EditRole:
        return shown.value.text;
    case Qt::TextAlignmentRole:
        return QVariant(alignmentFlags(shown, GridAlignment::Left).toInt());
    case Qt::BackgroundRole:
        return shown.interior.isValid() ? QVariant(QBrush(shown.interior)) : QVariant();
    case ChoicesRole:
        return shown.kind == GridCellKind::DropDownList ? QVariant(shown.choices) : QVariant();
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    return enterText(index.row() + 1, index.column() + 1, value.toString());
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !contains(index.row() + 1, index.column() + 1)) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!at(index.row() + 1, index.column() + 1).readOnly) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const int row = orientation == Qt::Vertical ? section + 1 : 0;
    const int column = orientation == Qt::Horizontal ? section + 1 : 0;
    if (!contains(row, column)) {
        return {};
    }
    const GridCell& header = at(row, column);
    switch (role) {
    case Qt::DisplayRole:
        if (orientation == Qt::Vertical && !header.written) {
            return QString::number(row);
        }
        return header.shownText();
    case Qt::TextAlignmentRole:
        return QVariant(alignmentFlags(header, GridAlignment::Centre).toInt());
    default:
        return {};
    }
}

} // namespace flowmar
