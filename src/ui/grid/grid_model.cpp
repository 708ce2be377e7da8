#include "ui/grid/grid_model.h"

#include <QBrush>
#include <QStringList>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace flowmar {

namespace {

// One cell's value change, undone by putting the old value back; a header-column cell also gets
// back whether it showed its row number.
class CellEdit : public QUndoCommand {
public:
    CellEdit(GridModel& model, const GridValueChange& change) : m_model(model), m_change(change) {}

    void undo() override {
        m_model.restoreValue(m_change.row, m_change.column, m_change.before,
                             m_change.beforeWritten);
    }
    void redo() override {
        m_model.restoreValue(m_change.row, m_change.column, m_change.after, true);
    }

private:
    GridModel& m_model;
    GridValueChange m_change;
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

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

GridModel::GridModel(QUndoStack& undoStack, QObject* parent)
    : QAbstractTableModel(parent), m_undoStack(undoStack) {}

Qt::Alignment GridModel::alignmentFlags(const GridCell& cell, GridAlignment fallback) {
    return qtAlignment(cell.alignment.value_or(fallback));
}

void GridModel::setContent(GridContent content) {
    beginResetModel();
    m_content = std::move(content);
    endResetModel();
    emit cornerChanged();
    m_undoStack.clear();
}

void GridModel::setGridRowCount(int rows) {
    rows = std::max(rows, 0);
    const int old = gridRowCount();
    if (rows == old) {
        return;
    }
    if (rows > old) {
        beginInsertRows({}, old, rows - 1);
        m_content.setRowCount(rows);
        endInsertRows();
    } else {
        beginRemoveRows({}, rows, old - 1);
        m_content.setRowCount(rows);
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
        m_content.setColumnCount(columns);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, columns, old - 1);
        m_content.setColumnCount(columns);
        endRemoveColumns();
    }
    m_undoStack.clear();
}

bool GridModel::applyStyle(int top, int left, int bottom, int right, const GridStyle& style) {
    std::vector<GridValueChange> changes;
    const bool allTaken = m_content.applyStyle(top, left, bottom, right, style, &changes);
    rangeChanged(top, left, bottom, right);
    record(changes);
    return allTaken;
}

bool GridModel::enterText(int row, int column, const QString& text) {
    return enterTexts({{row, column, text.toStdString()}}) == 1;
}

int GridModel::enterTexts(const std::vector<GridEntry>& entries) {
    std::vector<GridValueChange> changes;
    const int taken = m_content.enterTexts(entries, &changes);
    for (const GridValueChange& change : changes) {
        rangeChanged(change.row, change.column, change.row, change.column);
    }
    record(changes);
    return taken;
}

void GridModel::record(const std::vector<GridValueChange>& changes) {
    if (!m_undoRecording || changes.empty()) {
        return;
    }
    // The undo step has no text of its own: its actions are named by whoever shows them.
    const bool macro = changes.size() > 1;
    if (macro) {
        m_undoStack.beginMacro(QString());
    }
    for (const GridValueChange& change : changes) {
        m_undoStack.push(new CellEdit(*this, change));
    }
    if (macro) {
        m_undoStack.endMacro();
    }
}

void GridModel::restoreValue(int row, int column, const GridValue& value, bool written) {
    if (!m_content.contains(row, column)) {
        return;
    }
    m_content.restoreValue(row, column, value, written);
    rangeChanged(row, column, row, column);
}

void GridModel::rangeChanged(int top, int left, int bottom, int right) {
    const int firstRow = std::max(top, 0);
    const int lastRow = std::min(bottom, gridRowCount());
    const int firstColumn = std::max(left, 0);
    const int lastColumn = std::min(right, gridColumnCount());
    if (firstRow > lastRow || firstColumn > lastColumn) {
        return;
    }
    // Data cells, then the parts of the header row and column the range reaches.
    const int firstDataRow = std::max(firstRow, 1);
    const int firstDataColumn = std::max(firstColumn, 1);
    if (firstDataRow <= lastRow && firstDataColumn <= lastColumn) {
        emit dataChanged(index(firstDataRow - 1, firstDataColumn - 1),
                         index(lastRow - 1, lastColumn - 1));
    }
    if (firstRow == 0 && firstDataColumn <= lastColumn) {
        emit headerDataChanged(Qt::Horizontal, firstDataColumn - 1, lastColumn - 1);
    }
    if (firstColumn == 0 && firstDataRow <= lastRow) {
        emit headerDataChanged(Qt::Vertical, firstDataRow - 1, lastRow - 1);
    }
    if (firstRow == 0 && firstColumn == 0) {
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
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    if (!index.isValid() || !m_content.contains(row, column)) {
        return {};
    }
    const GridCell& shown = m_content.cell(row, column);
    switch (role) {
    case Qt::DisplayRole:
        return qtText(m_content.shownText(row, column));
    case Qt::EditRole:
        return qtText(shown.value.text);
    case Qt::TextAlignmentRole:
        return QVariant(alignmentFlags(shown, GridAlignment::Left).toInt());
    case Qt::BackgroundRole:
        return shown.interior ? QVariant(QBrush(toQColor(*shown.interior))) : QVariant();
    case Qt::ToolTipRole:
        return shown.toolTip.empty() ? QVariant() : QVariant(qtText(shown.toolTip));
    case ChoicesRole: {
        if (shown.kind != GridCellKind::DropDownList) {
            return {};
        }
        QStringList choices;
        for (const std::string& choice : shown.choices) {
            choices.append(qtText(choice));
        }
        return choices;
    }
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
    if (!index.isValid() || !m_content.contains(index.row() + 1, index.column() + 1)) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_content.cell(index.row() + 1, index.column() + 1).readOnly) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const int row = orientation == Qt::Vertical ? section + 1 : 0;
    const int column = orientation == Qt::Horizontal ? section + 1 : 0;
    if (!m_content.contains(row, column)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return qtText(m_content.shownText(row, column));
    case Qt::TextAlignmentRole:
        return QVariant(alignmentFlags(m_content.cell(row, column), GridAlignment::Centre).toInt());
    default:
        return {};
    }
}

} // namespace flowmar
