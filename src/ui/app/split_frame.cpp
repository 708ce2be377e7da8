#include "ui/app/split_frame.h"

#include "ui/views/fan_curve_form_view.h"
#include "ui/views/fan_curve_view.h"

#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QSplitter>

#include <algorithm>

namespace flowmar {

namespace {

QScrollArea* scrolling(QWidget* view) {
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(view);
    return scroll;
}

QSplitter* panes(QWidget* left, QWidget* right) {
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(scrolling(left));
    splitter->addWidget(scrolling(right));
    return splitter;
}

} // namespace

CSplitFrame::CSplitFrame(CFlowmarDoc& document, QWidget* parent)
    : CSplitFrame(new CFanCurveFormView(document), new CFanCurveView(document), parent) {}

// The chart is listed first: it is the active pane until the person turns to the form.
CSplitFrame::CSplitFrame(CFanCurveFormView* form, CFanCurveView* chart, QWidget* parent)
    : CChildFrame(panes(form, chart), {chart, form}, parent),
      m_splitter(qobject_cast<QSplitter*>(layout()->itemAt(0)->widget())), m_form(form),
      m_chart(chart) {
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { focusMoved(now); });
}

CSplitFrame::~CSplitFrame() {
    // The focus leaves the panes while the base classes take them down, when this frame is no
    // longer one: stop watching before that.
    disconnect(m_focusWatch);
}

DuctView* CSplitFrame::templateView() const {
    return m_chart;
}

QSize CSplitFrame::sizeHint() const {
    // Room for both panes at their own sizes, side by side.
    const QSize form = m_form->sizeHint();
    const QSize chart = m_chart->sizeHint();
    const int half = std::max(form.width(), chart.width()) + 24;
    return {2 * half, std::max(form.height(), chart.height()) + 48};
}

void CSplitFrame::showEvent(QShowEvent* event) {
    CChildFrame::showEvent(event);
    // Each pane starts at half the frame's width; after that the person moves the divider.
    if (!m_halved) {
        m_halved = true;
        const int half = width() / 2;
        m_splitter->setSizes({half, width() - half});
    }
}

void CSplitFrame::focusMoved(QWidget* now) {
    for (DuctView* pane : views()) {
        if (now != nullptr && (now == pane || pane->isAncestorOf(now))) {
            setActiveView(pane);
            return;
        }
    }
}

} // namespace flowmar
