// GridPagePlan: how a grid printed with its own layout falls onto pages. Every page repeats the
// header row and the header column and holds as many rows and whole columns as fit; a grid wider
// than a page continues in runs of columns, all rows of the first run before those of the next.
// The plan places every cell; a painter only draws the cells, the title and the page number.
#pragma once

#include <vector>

namespace flowmar {

// The room on a page, in one length unit of the caller's choice (the Qt printer uses its device
// pixels): the area inside the margins, and the heights it is cut into from the top down.
struct GridPageArea {
    double width = 0;
    double height = 0;
    double titleHeight = 0;  // above the grid; 0 without a title
    double footerHeight = 0; // below it, for the page number
    double rowHeight = 0;    // the header row and every data row; must be positive
};

// A column of a page: its grid column (0 the header column), its left edge from the area's left
// and its width. A column wider than the room has a page to itself and runs over the right edge.
struct GridPageColumn {
    int column = 0;
    double left = 0;
    double width = 0;
};

// A row of a page: its grid row (0 the header row) and its top edge from the area's top.
struct GridPageRow {
    int row = 0;
    double top = 0;
};

struct GridPage {
    int number = 1; // from 1, printed at the foot of the page
    // The data cells on the page; last < first when the grid has no data rows or columns.
    int firstRow = 1;
    int lastRow = 0;
    int firstColumn = 1;
    int lastColumn = 0;
    std::vector<GridPageColumn> columns; // the header column, then firstColumn..lastColumn
    std::vector<GridPageRow> rows;       // the header row, then firstRow..lastRow
};

struct GridPagePlan {
    GridPageArea area;
    int rowsPerPage = 1;         // data rows under the header row of each page
    std::vector<GridPage> pages; // at least one, in printing order
};

// Plans the pages of a grid of rowCount data rows whose column widths (index 0 the header column,
// in the area's unit) are given; an empty list of widths is a grid of no data columns and a
// header column of width 0. A page holds at least one data row and one data column.
GridPagePlan planGridPages(const std::vector<double>& columnWidths, int rowCount,
                           const GridPageArea& area);

// The pages a print job prints, first and last, both from 1.
struct GridPageRange {
    int first = 1;
    int last = 1;
};

// A printer's "from" and "to" pages (0 for no range: every page) held within the plan's
// pageCount pages (at least 1): a "to" before the "from" prints the "from" page alone.
GridPageRange printedPageRange(int fromPage, int toPage, int pageCount);

} // namespace flowmar
