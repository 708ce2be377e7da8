#include "ui/grid/grid_printer.h"

#include "core/views/grid_page_plan.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_model.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
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
    QRectF content;    // inside the margins, in the painter's coordinates
    double scale = 1;  // printer pixels per screen pixel
    GridPagePlan plan; // in printer pixels from the content's top left

    int pageCount() const { return int(plan.pages.size()); }
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

    GridPageArea area;
    area.width = content.width();
    area.height = content.height();
    area.rowHeight = std::max(m_grid.rowHeight() * layout.scale, metrics.height() * 1.2);
    area.titleHeight = m_title.isEmpty() ? 0 : metrics.height() * 2;
    area.footerHeight = metrics.height() * 2;
    // The widths as the screen shows them, a person's drags and the fitted header column
    // included.
    std::vector<double> widths;
    for (int column = 0; column <= m_grid.columnCount(); ++column) {
        widths.push_back(m_grid.columnPixelWidth(column) * layout.scale);
    }
    layout.plan = planGridPages(widths, m_grid.rowCount(), area);
    return layout;
}

int GridPrinter::pageCount(const QPrinter& printer) const {
    return layoutFor(printer).pageCount();
}

bool GridPrinter::print(QPrinter& printer) const {
    const Layout layout = layoutFor(printer);
    const GridPageRange range =
        printedPageRange(printer.fromPage(), printer.toPage(), layout.pageCount());
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (int page = range.first; page <= range.last; ++page) {
        if (page > range.first) {
            printer.newPage();
        }
        printPage(painter, layout, layout.plan.pages[std::size_t(page - 1)]);
    }
    painter.end();
    return true;
}

void GridPrinter::printPage(QPainter& painter, const Layout& layout, const GridPage& page) const {
    const QRectF& content = layout.content;
    const GridPageArea& area = layout.plan.area;
    const GridContent& grid = m_grid.content();
    const double padding = kCellPadding * layout.scale;

    painter.setFont(layout.font);
    painter.save();
    painter.setClipRect(content);
    if (!m_title.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(content.left(), content.top(), content.width(), area.titleHeight),
                         Qt::AlignLeft | Qt::AlignTop, m_title);
    }

    QPen line(kLineColour);
    line.setWidthF(std::max(1.0, layout.scale * 0.75));
    for (const GridPageRow& row : page.rows) {
        for (const GridPageColumn& column : page.columns) {
            const QRectF rect(content.left() + column.left, content.top() + row.top, column.width,
                              area.rowHeight);
            const GridCell& cell = grid.cell(row.row, column.column);
            const bool header = row.row == 0 || column.column == 0;
            if (header) {
                painter.fillRect(rect, kHeaderFill);
            } else if (cell.interior) {
                painter.fillRect(rect, GridModel::toQColor(*cell.interior));
            }
            painter.setPen(line);
            painter.drawRect(rect);
            painter.setPen(Qt::black);
            const Qt::Alignment alignment = GridModel::alignmentFlags(
                cell, header ? GridAlignment::Centre : GridAlignment::Left);
            painter.drawText(rect.adjusted(padding, 0, -padding, 0), int(alignment),
                             QString::fromStdString(grid.shownText(row.row, column.column)));
        }
    }
    painter.restore();

    painter.setPen(Qt::black);
    painter.drawText(QRectF(content.left(), content.bottom() - area.footerHeight, content.width(),
                            area.footerHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(page.number));
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
