#include "ui/grid/grid_printer.h"

#include "ui/grid/grid_control.h"
#include "ui/grid/grid_model.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace flowmar {

namespace {

constexpr double kMinimumMarginMm = 15;
constexpr double kMmPerInch = 25.4;
constexpr double kCellPadding = 3; // screen pixels between a cell's border and its text
const QColor kHeaderFill(235, 235, 235);
const QColor kLineColour(128, 128, 128);

} // namespace

struct GridPrinter::Layout {
    QFont font;
    QRectF content;              // inside the margins, in the painter's coordinates
    double scale = 1;            // printer pixels per screen pixel
    double rowHeight = 0;        // printer pixels, for the header row and every data row
    double titleHeight = 0;      // room above the grid
    double footerHeight = 0;     // room below it for the page number
    std::vector<double> widths;  // printer pixels, index = grid column, 0 the header column
    std::vector<int> bandStarts; // first grid column of each run of columns that fits a page
    int rowsPerPage = 1;
    int rowPages = 1;

    int pageCount() const { return int(bandStarts.size()) * rowPages; }
};

GridPrinter::GridPrinter(const GridControl& grid) : m_grid(grid) {}

GridPrinter::Layout GridPrinter::layoutFor(const QPrinter& printer) const {
    Layout layout;
    const int dpi = printer.resolution();
    layout.scale = double(dpi) / std::max(m_grid.logicalDpiX(), 1);
    layout.font = QFont(m_grid.font(), &printer);
    const QFontMetricsF metrics(layout.font, &printer);

    const QPageLayout page = printer.pageLayout();
    const QRectF paintRect = page.paintRectPixels(dpi);
    const QMarginsF margins = page.margins(QPageLayout::Millimeter);
    const auto inset = [dpi](double marginMm) {
        return std::max(0.0, kMinimumMarginMm - marginMm) / kMmPerInch * dpi;
    };
    QRectF content(printer.fullPage() ? paintRect.topLeft() : QPointF(0, 0), paintRect.size());
    content.adjust(inset(margins.left()), inset(margins.top()), -inset(margins.right()),
                   -inset(margins.bottom()));
    layout.content = content;

    layout.rowHeight = std::max(m_grid.rowHeight() * layout.scale, metrics.height() * 1.2);
    layout.titleHeight = m_title.isEmpty() ? 0 : metrics.height() * 2;
    layout.footerHeight = metrics.height() * 2;

    for (int column = 0; column <= m_grid.columnCount(); ++column) {
        layout.widths.push_back(m_grid.columnPixelWidth(column) * layout.scale);
    }
    // A column wider than the page gets a page of its own and is cut at the margin.
    const double room = content.width() - layout.widths[0];
    double used = 0;
    for (int column = 1; column <= m_grid.columnCount(); ++column) {
        if (column == 1 || (used > 0 && used + layout.widths[std::size_t(column)] > room)) {
            layout.bandStarts.push_back(column);
            used = 0;
        }
        used += layout.widths[std::size_t(column)];
    }
    if (layout.bandStarts.empty()) {
        layout.bandStarts.push_back(1);
    }

    const double rowRoom =
        content.height() - layout.titleHeight - layout.footerHeight - layout.rowHeight;
    layout.rowsPerPage = std::max(1, int(std::floor(rowRoom / layout.rowHeight)));
    layout.rowPages =
        std::max(1, (m_grid.rowCount() + layout.rowsPerPage - 1) / layout.rowsPerPage);
    return layout;
}

int GridPrinter::pageCount(const QPrinter& printer) const {
    return layoutFor(printer).pageCount();
}

bool GridPrinter::print(QPrinter& printer) const {
    const Layout layout = layoutFor(printer);
    int first = 1;
    int last = layout.pageCount();
    if (printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage(), 1, last);
        last = std::clamp(std::max(printer.toPage(), first), first, last);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            printer.newPage();
        }
        printPage(painter, layout, page);
    }
    painter.end();
    return true;
}

void GridPrinter::printPage(QPainter& painter, const Layout& layout, int page) const {
    const int band = (page - 1) / layout.rowPages;
    const int firstRow = 1 + ((page - 1) % layout.rowPages) * layout.rowsPerPage;
    const int lastRow = std::min(m_grid.rowCount(), firstRow + layout.rowsPerPage - 1);
    const int firstColumn = layout.bandStarts[std::size_t(band)];
    const int lastColumn = std::size_t(band) + 1 < layout.bandStarts.size()
                               ? layout.bandStarts[std::size_t(band) + 1] - 1
                               : m_grid.columnCount();
    const QRectF& content = layout.content;
    const double padding = kCellPadding * layout.scale;

    painter.setFont(layout.font);
    painter.save();
    painter.setClipRect(content);
    if (!m_title.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(content.left(), content.top(), content.width(), layout.titleHeight),
                         Qt::AlignLeft | Qt::AlignTop, m_title);
    }

    QPen line(kLineColour);
    line.setWidthF(std::max(1.0, layout.scale * 0.75));
    const auto drawCell = [&](const QRectF& rect, int row, int column) {
        const GridCell cell = m_grid.cell(row, column);
        const bool header = row == 0 || column == 0;
        if (header) {
            painter.fillRect(rect, kHeaderFill);
        } else if (cell.interior.isValid()) {
            painter.fillRect(rect, cell.interior);
        }
        painter.setPen(line);
        painter.drawRect(rect);
        painter.setPen(Qt::black);
        const Qt::Alignment alignment =
            GridModel::alignmentFlags(cell, header ? GridAlignment::Centre : GridAlignment::Left);
        painter.drawText(rect.adjusted(padding, 0, -padding, 0), int(alignment),
                         m_grid.shownText(row, column));
    };

    double y = content.top() + layout.titleHeight;
    const auto drawRow = [&](int row) {
        double x = content.left();
        drawCell(QRectF(x, y, layout.widths[0], layout.rowHeight), row, 0);
        x += layout.widths[0];
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const double width = layout.widths[std::size_t(column)];
            drawCell(QRectF(x, y, width, layout.rowHeight), row, column);
            x += width;
        }
        y += layout.rowHeight;
    };
    drawRow(0);
    for (int row = firstRow; row <= lastRow; ++row) {
        drawRow(row);
    }
    painter.restore();

    painter.setPen(Qt::black);
    painter.drawText(QRectF(content.left(), content.bottom() - layout.footerHeight, content.width(),
                            layout.footerHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(page));
}

QPrintPreviewDialog* createGridPrintPreview(const GridControl& grid, const QString& title,
                                            QPrinter& printer, QWidget* parent) {
    auto* dialog = new QPrintPreviewDialog(&printer, parent);
    const QPointer<const GridControl> watched(&grid);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [watched, title](QPrinter* target) {
                         if (!watched) {
                             return;
                         }
                         GridPrinter gridPrinter(*watched);
                         gridPrinter.setTitle(title);
                         gridPrinter.print(*target);
                     });
    return dialog;
}

} // namespace flowmar
