// GridPrinter: a grid printed with its own layout, for the grid views that print this way (the
// fan database). The pages are planned in the core (GridPagePlan) inside margins of at least
// 15 mm: the title, the header row and the header column on each page, the page number at its
// foot. Column widths and row heights keep their size on screen, scaled from the screen's to the
// printer's resolution, and each cell is printed as it is shown: its text, alignment and interior.
#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace flowmar {

class GridControl;
struct GridPage;

class GridPrinter {
public:
    explicit GridPrinter(const GridControl& grid);

    // A line printed above the grid on every page (the document's title, say); none at first.
    void setTitle(const QString& title) { m_title = title; }

    // The number of pages the grid takes on the printer's page as it is set up; at least 1.
    int pageCount(const QPrinter& printer) const;
    // Prints the pages of the printer's page range (every page when it has none). False when the
    // printer could not be opened.
    bool print(QPrinter& printer) const;

private:
    struct Layout;
    Layout layoutFor(const QPrinter& printer) const;
    void printPage(QPainter& painter, const Layout& layout, const GridPage& page) const;

    const GridControl& m_grid;
    QString m_title;
};

// A print preview of the grid on the printer, which must outlive the dialog; the caller shows
// the dialog (exec) and owns it. A grid deleted meanwhile previews as blank pages.
QPrintPreviewDialog* createGridPrintPreview(const GridControl& grid, const QString& title,
                                            QPrinter& printer, QWidget* parent = nullptr);

} // namespace flowmar
