#include "ui/app/child_frame.h"

#include "ui/views/duct_view.h"
#include "ui/views/view_factory.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
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
    m_splittable = true;
}

CChildFrame::~CChildFrame() {
    // The focus leaves the panes while they are taken down: stop watching it first.
    disconnect(m_focusWatch);
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
    m_layout = layout;
    m_body = body;
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

void CChildFrame::toggleSplit() {
    if (!m_splittable) {
        return;
    }
    if (m_rows == nullptr) {
        split();
    } else {
        unsplit();
    }
}

void CChildFrame::split() {
    DuctView* first = m_views.front();
    auto* rows = new QSplitter(Qt::Vertical);
    rows->setChildrenCollapsible(false);
    for (int row = 0; row < 2; ++row) {
        auto* columns = new QSplitter(Qt::Horizontal);
        columns->setChildrenCollapsible(false);
        for (int column = 0; column < 2; ++column) {
            QWidget* pane = m_body;
            if (row != 0 || column != 0) {
                DuctView* view = createDuctView(first->templateId(), first->document());
                m_views.push_back(view);
                // The main window follows the first view's refreshes for the whole frame.
                connect(view, &DuctView::refreshed, first, &DuctView::refreshed);
                pane = scrolling(view);
            }
            pane->setMinimumSize(kMinimumPane);
            columns->addWidget(pane);
        }
        rows->addWidget(columns);
    }
    m_layout->insertWidget(0, rows, 1);
    m_rows = rows;
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { paneFocused(now); });
}

void CChildFrame::unsplit() {
    disconnect(m_focusWatch);
    m_layout->insertWidget(0, m_body, 1);
    m_views.resize(1);
    setActiveView(m_views.front());
    delete m_rows;
    m_rows = nullptr;
}

void CChildFrame::paneFocused(QWidget* now) {
    for (DuctView* pane : m_views) {
        if (now != nullptr && (now == pane || pane->isAncestorOf(now))) {
            setActiveView(pane);
            return;
        }
    }
}

void CChildFrame::movePane(int step) {
    const auto count = static_cast<int>(m_views.size());
    const auto at =
        static_cast<int>(std::find(m_views.begin(), m_views.end(), m_view) - m_views.begin());
    DuctView* next = m_views[std::size_t(((at + step) % count + count) % count)];
    setActiveView(next);
    next->setFocus(Qt::OtherFocusReason);
}

} // namespace flowmar
