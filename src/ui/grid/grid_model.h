// GridModel: a GridContent shown as a Qt table model. Grid row 0 and column 0 are the headers, so
// model row r is grid row r + 1. Every change to the content passes here, so that the views hear
// of it and each value change, the program's or a person's, reaches the undo stack.
#pragma once

#include "core/views/grid_content.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

class QUndoStack;

namespace flowmar {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The choices of a drop-down list cell, as a QStringList (nothing for a plain cell).
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    explicit GridModel(QUndoStack& undoStack, QObject* parent = nullptr);

    // A cell's alignment as Qt flags; fallback when no style set one.
    static Qt::Alignment alignmentFlags(const GridCell& cell, GridAlignment fallback);
    static QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

    const GridContent& content() const { return m_content; }
    // Shows another content, lock switch included; the undo history is dropped.
    void setContent(GridContent content);

    // Data rows and columns, headers not counted. Cells that stay keep their values and styles;
    // the undo history is dropped, since it may name cells that are gone or moved.
    int gridRowCount() const { return m_content.rowCount(); }
    int gridColumnCount() const { return m_content.columnCount(); }
    void setGridRowCount(int rows);
    void setGridColumnCount(int columns);

    // The content's own operations (GridContent), recorded for undo while recording is on.
    bool applyStyle(int top, int left, int bottom, int right, const GridStyle& style);
    bool enterText(int row, int column, const QString& text);
    // Several entries of a person as one undo step; returns how many cells took their text.
    int enterTexts(const std::vector<GridEntry>& entries);
    void setColumnWidth(int column, int width) { m_content.setColumnWidth(column, width); }

    bool readOnlyLock() const { return m_content.readOnlyLock(); }
    void setReadOnlyLock(bool on) { m_content.setReadOnlyLock(on); }
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
    // The value changes as one undo step, while recording is on. The content holds the new
    // values already; an undo command's first redo writes them again.
    void record(const std::vector<GridValueChange>& changes);
    // Tells the views that the cells of the range that lie in the grid changed.
    void rangeChanged(int top, int left, int bottom, int right);

    QUndoStack& m_undoStack;
    GridContent m_content;
    bool m_undoRecording = true;
};

} // namespace flowmar
