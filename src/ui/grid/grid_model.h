// GridModel: the cells of a grid, header row and header column included, as a Qt table model.
// Row 0 and column 0 are the headers; model row r is grid row r + 1. Every value change passes
// here, so this is where the read-only lock, the drop-down choices and undo recording are kept.
#pragma once

#include "ui/grid/grid_style.h"

#include <QAbstractTableModel>

#include <vector>

class QUndoStack;

namespace flowmar {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The choices of a drop-down list cell, as a QStringList (empty for a plain cell).
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    explicit GridModel(QUndoStack& undoStack, QObject* parent = nullptr);

    // A cell's alignment as Qt flags; fallback when no style set one.
    static Qt::Alignment alignmentFlags(const GridCell& cell, GridAlignment fallback);

    // Data rows and columns, headers not counted. Cells that stay keep their values and styles;
    // the undo history is dropped, since it may name cells that are gone or moved.
    int gridRowCount() const { return int(m_cells.size()) - 1; }
    int gridColumnCount() const { return int(m_cells.front().size()) - 1; }
    void setGridRowCount(int rows);
    void setGridColumnCount(int columns);

    bool contains(int row, int column) const;
    // A copy of a cell; a default cell outside the grid.
    GridCell cell(int row, int column) const;

    // The program's write: the style reaches every cell of the range that lies in the grid. With
    // the read-only lock on, a read-only cell refuses the whole style. False when any cell of the
    // range refused it or lay outside the grid.
    bool applyStyle(int top, int left, int bottom, int right, const GridStyle& style);

    // A person's entry in a data cell, typed or pasted: refused for a read-only cell and, in a
    // drop-down list cell, for a text that is not one of its choices.
    bool enterText(int row, int column, const QString& text);

    struct Entry {
        int row;
        int column;
        QString text;
    };
    // Several entries of a person as one undo step; returns how many cells took their text.
    int enterTexts(const std::vector<Entry>& entries);

    bool readOnlyLock() const { return m_readOnlyLock; }
    void setReadOnlyLock(bool on) { m_readOnlyLock = on; }
    bool undoRecording() const { return m_undoRecording; }
    void setUndoRecording(bool on) { m_undoRecording = on; }

    // Stores a value without checks or recording: for undo and redo only.
    void restoreValue(int row, int column, const GridValue& value, bool written);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The text of cell (0, 0), which no header view shows, changed.
    void cornerChanged();

private:
    GridCell& at(int row, int column) { return m_cells[std::size_t(row)][std::size_t(column)]; }
    const GridCell& at(int row, int column) const {
        return m_cells[std::size_t(row)][std::size_t(column)];
    }
    struct Write {
        int row;
        int column;
        GridValue value;
    };
    // Writes the values that change a cell, recorded as one undo step while recording is on.
    void writeValues(const std::vector<Write>& writes);
    void cellChanged(int row, int column);

    QUndoStack& m_undoStack;
    std::vector<std::vector<GridCell>> m_cells{std::vector<GridCell>(1)};
    bool m_readOnlyLock = true;
    bool m_undoRecording = true;
};

} // namespace flowmar
