#include "ui/views/fan_grid_view.h"

#include "ui/core_text.h"
#include "ui/grid/grid_control.h"
#include "ui/views/page_printing.h"

#include <QVBoxLayout>

namespace flowmar {

FanGridView::FanGridView(CFlowmarDoc& document, std::string_view statusText, Content content,
                         Pages pages, QWidget* parent)
    : DuctView(document, parent), m_grid(new GridControl), m_statusText(statusText),
      m_content(content), m_pages(pages) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    followDocument();
}

QString FanGridView::statusCaption() const {
    return coreText(m_statusText);
}

QSize FanGridView::sizeHint() const {
    return m_grid->sizeHint();
}

void FanGridView::refill() {
    m_grid->setContent(m_content(document(), !m_shown));
    m_shown = true;
}

void FanGridView::print(QPrinter& printer) {
    printPages(printer, QPageLayout::Portrait,
               [this](const PageRect& page, const TextMetrics& metrics) {
                   return m_pages(document(), page, metrics);
               });
}

} // namespace flowmar
