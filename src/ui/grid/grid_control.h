// GridControl: the spreadsheet-like grid of the input pages, the fan dialogs, the grid views and
// the Study dialog's table of steps. It shows a GridContent (the core's cells, styles, headers,
// widths and tool tips) and hands a person's entries back to it. Row 0 is the header row and
// column 0 the header column; data cells are (row, column) from (1, 1). The owner fills the grid,
// here or as a content of its own that it shows with setContent, and reads the cells back when its
// OK, Apply or Calculate runs; the grid tells nobody when a cell changes.
#pragma once

#include "core/views/grid_content.h"

#include <QUndoStack>
#include <QWidget>

namespace flowmar {

class GridModel;
class GridTableView;

class GridControl : public QWidget {
    Q_OBJECT
public:
    explicit GridControl(QWidget* parent = nullptr);
    ~GridControl() override;

    // Puts a new grid where the placeholder is (same parent, place in the layout, geometry, name
    // and size policy) and deletes the placeholder. Returns the grid, owned by that parent.
    static GridControl* attach(QWidget* placeholder);

    // What the grid holds, a value a person is still typing included.
    const GridContent& content() const;
    // Shows the content in place of the grid's own: cells, styles, headers, widths and the
    // read-only lock. The undo history is dropped; undo recording stays as it was.
    void setContent(const GridContent& content);

    // Data rows and columns, headers not counted; cells that stay keep their values and styles.
    void setRowCount(int rows);
    int rowCount() const;
    void setColumnCount(int columns);
    int columnCount() const;

    // The text of header cell (0, column); column 0 is the corner above the row numbers.
    void setHeaderText(int column, const QString& text);

    // Applies the style to every cell of rows top..bottom and columns left..right (headers
    // included when the range reaches row or column 0). While the read-only lock is on, a
    // read-only cell refuses the style. False when some cell refused it or lay outside the grid.
    bool applyStyle(int top, int left, int bottom, int right, const GridStyle& style);
    // A one-cell range with a style that carries only the value.
    bool setValue(int row, int column, const QString& text);
    bool setValue(int row, int column, double number);

    // The cell's value as text: a number as its "%.13g" text, not as shown; empty for a blank
    // cell or a cell outside the grid. A value a person is still typing counts.
    QString valueText(int row, int column) const;
    // valueText converted as every typed number is (parseNumber): a blank cell gives 0.
    double number(int row, int column) const;
    // The text the cell shows: numbers in the cell's number format; row numbers in column 0.
    QString shownText(int row, int column) const;
    // Everything the cell holds (a default cell outside the grid).
    GridCell cell(int row, int column) const;

    // Makes the data cell current and selected and gives the grid the focus, so that a person sees
    // which cell a message names and can type over it.
    void selectCell(int row, int column);

    // A person's entry, as if typed or pasted into the cell: refused (false) for a read-only
    // cell and, in a drop-down list cell, for a text that is not one of its choices.
    bool enterText(int row, int column, const QString& text);

    // Widths in grid units (column 0 is the header column). A unit is a pixel at a font whose
    // digits are 6 pixels wide, and grows with the grid's font, so that a width chosen for a
    // number of digits keeps room for them; it is never less than a pixel. A width a person
    // drags a column to reaches the content too.
    void setColumnWidth(int column, int width);
    void setColumnWidths(int firstColumn, int lastColumn, int width);
    // Each data column as wide as its header and the cells it shows need on the screen.
    void fitColumnsToContents();
    int columnWidth(int column) const;
    // Sizes on the screen, in pixels.
    int columnPixelWidth(int column) const;
    int rowHeight() const;

    // Undo recording (on at first): while it is on every value change, typed or written by the
    // program, can be undone; a fill with recording off leaves nothing to undo.
    void setUndoRecording(bool on);
    bool undoRecording() const;
    // The read-only lock (on at first): while it is on, the program cannot change read-only
    // cells. A person can never type into them.
    void setReadOnlyLock(bool on);
    bool readOnlyLock() const;

    // For a window's Edit > Undo and Redo actions (createUndoAction, createRedoAction).
    QUndoStack& undoStack() { return m_undoStack; }

    GridTableView& view() { return *m_view; }
    const GridTableView& view() const { return *m_view; }

    QSize sizeHint() const override;

private:
    double pixelsPerUnit() const;
    // Sizes the view's column to a width in grid units; none: the header column fits its texts.
    void showColumnWidth(int column, std::optional<int> width);

    QUndoStack m_undoStack;
    GridModel* m_model;
    GridTableView* m_view;
};

} // namespace flowmar
