#include "ui/views/fan_database_view.h"

#include "core/fans/fan_database_doc.h"
#include "core/views/fan_database_grid.h"
#include "ui/core_text.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_printer.h"

#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace flowmar {

CFanDatabase::CFanDatabase(CFanDatabaseDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_grid(new GridControl), m_caption(new QLabel) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_grid, 1);
    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    m_caption->setText(statusCaption());
    status->addWidget(m_caption);
    layout->addWidget(status);
    m_subscription = m_document.observers().subscribe([this](DocumentEvent event) {
        if (event == DocumentEvent::ViewsNeedUpdate) {
            refill();
            emit refreshed();
        }
    });
    refill();
}

QString CFanDatabase::statusCaption() const {
    return coreText(fan_database_view::kStatusText);
}

QSize CFanDatabase::sizeHint() const {
    // Wide enough for every column with room for the frame's border and a vertical scroll bar
    // when the list grows; tall enough for a dozen fans without scrolling.
    QSize hint = m_grid->sizeHint();
    hint.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                     4 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    hint.setHeight(std::max(hint.height(), m_grid->rowHeight() * 14));
    return hint;
}

void CFanDatabase::refill() {
    m_grid->setUndoRecording(false);
    m_grid->setContent(fanDatabaseGrid(m_document));
    m_grid->setUndoRecording(true);
}

bool CFanDatabase::print(QPrinter& printer) const {
    GridPrinter pages(*m_grid);
    pages.setTitle(QString::fromStdString(m_document.title()));
    return pages.print(printer);
}

} // namespace flowmar
