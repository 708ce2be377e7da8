// GridTableView: the table view inside a GridControl. It shows the header row and column as Qt's
// header views and the text of cell (0, 0) in their corner, and gives the grid its keyboard:
// copy, paste, delete and undo act on the grid while it has the focus.
#pragma once

#include <QTableView>

class QAbstractButton;
class QUndoStack;

namespace flowmar {

class GridModel;

class GridTableView : public QTableView {
public:
    GridTableView(GridModel& model, QUndoStack& undoStack, QWidget* parent = nullptr);

    // Hands an open editor's text to its cell, so that a value typed but not yet confirmed is
    // read back too; the editor stays open.
    void commitOpenEditor();

    // The header column's width: fixed once the program sets it, otherwise (and again after a
    // negative width) wide enough for the row numbers and the corner text.
    void setHeaderColumnWidth(int width);
    int headerColumnWidth() const;

    // The text of the selected cells, tab between cells and newline after each row, as a
    // spreadsheet copies it.
    QString selectedText() const;
    // A person's paste at the current cell: a single value fills every selected cell, a block is
    // laid out from the current cell. Cells that refuse their text keep theirs; one undo step.
    void pasteText(const QString& text);
    // A person's Delete: every selected cell that takes an empty text is emptied; one undo step.
    void clearSelectedCells();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitHeaderColumn();

    GridModel& m_model;
    QUndoStack& m_undoStack;
    QAbstractButton* m_corner = nullptr;
    int m_headerColumnWidth = -1; // -1: as wide as its texts
};

} // namespace flowmar
