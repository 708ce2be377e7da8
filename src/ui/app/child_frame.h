// CChildFrame: the frame of one view inside the main window: the view (scrolling when the frame
// is smaller than it) and a status bar of one pane that shows the view's caption.
#pragma once

#include <QWidget>

class QLabel;

namespace flowmar {

class CFlowmarDoc;
class DuctView;

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    explicit CChildFrame(DuctView* view, QWidget* parent = nullptr);

    DuctView* view() const { return m_view; }
    CFlowmarDoc& document() const;
    QString caption() const;

private:
    DuctView* m_view;
    QLabel* m_caption;
};

} // namespace flowmar
