#include "ui/app/child_frame.h"

#include "ui/views/duct_view.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

namespace flowmar {

CChildFrame::CChildFrame(DuctView* view, QWidget* parent)
    : QWidget(parent), m_view(view), m_caption(new QLabel) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(view);
    layout->addWidget(scroll, 1);
    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    // One pane as wide as the longest caption a view gives.
    m_caption->setFixedWidth(status->fontMetrics().horizontalAdvance(
        QStringLiteral("Fan Operating Characteristics   ")));
    m_caption->setText(view->statusCaption());
    status->addWidget(m_caption);
    layout->addWidget(status);
}

CFlowmarDoc& CChildFrame::document() const {
    return m_view->document();
}

QString CChildFrame::caption() const {
    return m_caption->text();
}

} // namespace flowmar
