#include "ui/app/child_frame.h"

#include "ui/views/duct_view.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace flowmar {

namespace {

// A form scrolls inside a frame smaller than itself; a chart fills the frame instead.
QWidget* scrolling(DuctView* view) {
    if (view->fillsWindow()) {
        return view;
    }
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(view);
    return scroll;
}

} // namespace

CChildFrame::CChildFrame(DuctView* view, QWidget* parent)
    : QWidget(parent), m_view(view), m_views{view}, m_caption(new QLabel) {
    build(scrolling(view));
    m_wholeBody = [view] { return view->sizeHint(); };
}

CChildFrame::CChildFrame(QWidget* body, std::vector<DuctView*> views, QWidget* parent)
    : QWidget(parent), m_view(views.front()), m_views(std::move(views)), m_caption(new QLabel) {
    build(body);
    m_wholeBody = [body] { return body->sizeHint(); };
}

void CChildFrame::build(QWidget* body) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(body, 1);
    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    // One pane as wide as the longest caption a view gives.
    m_caption->setFixedWidth(status->fontMetrics().horizontalAdvance(
        QStringLiteral("Fan Operating Characteristics   ")));
    m_caption->setText(m_view->statusCaption());
    status->addWidget(m_caption);
    layout->addWidget(status);
    m_status = status;
}

QSize CChildFrame::wholeSize() const {
    const QSize body = m_wholeBody();
    const QSize status = m_status->sizeHint();
    return {std::max(body.width(), status.width()), body.height() + status.height()};
}

CFlowmarDoc& CChildFrame::document() const {
    return m_view->document();
}

QString CChildFrame::caption() const {
    return m_caption->text();
}

} // namespace flowmar
