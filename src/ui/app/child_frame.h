// CChildFrame: the frame of one view inside the main window: the view (scrolling when the frame
// is smaller than it) and a status bar of one pane that shows the view's caption. A frame of
// several panes (CSplitFrame) lays out its own views and says which of them is active.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QSplitter;
class QVBoxLayout;

namespace flowmar {

class CFlowmarDoc;
class DuctView;

// The smallest pane of a split frame.
inline constexpr QSize kMinimumPane{10, 10};

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    explicit CChildFrame(DuctView* view, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The view that commands and printing act on: the frame's one view, or the active pane.
    DuctView* view() const { return m_view; }
    // Every view the frame shows.
    const std::vector<DuctView*>& views() const { return m_views; }
    // The view that stands for the frame's template when it is named from outside (printing a
    // template's view from the command line): the frame's first view unless a frame says other.
    virtual DuctView* templateView() const { return m_views.front(); }
    CFlowmarDoc& document() const;
    QString caption() const;
    // The size that shows every view whole, without scrolling, with the status bar.
    QSize wholeSize() const;

    // Window > Split: a frame of one view splits into 2 x 2 panes, each a view of the same
    // template and document, whose dividers the person drags (no pane smaller than kMinimumPane);
    // Split again goes back to the one view. Frames that lay out their own panes do not split.
    bool canSplit() const { return m_splittable; }
    bool isSplit() const { return m_rows != nullptr; }
    void toggleSplit();
    // F6 and Shift+F6: the focus, and with it the active view, moves to the next or the previous
    // pane, round the frame.
    void movePane(int step);

protected:
    // For frames that place their views themselves: `body` takes the place of the scrolling
    // view above the status bar; views are the views inside it, the first one active.
    CChildFrame(QWidget* body, std::vector<DuctView*> views, QWidget* parent = nullptr);
    void setActiveView(DuctView* view) { m_view = view; }

private:
    void build(QWidget* body);
    void split();
    void unsplit();
    void paneFocused(QWidget* now);

    DuctView* m_view;
    std::vector<DuctView*> m_views;
    QLabel* m_caption;
    QWidget* m_status = nullptr;
    QWidget* m_body = nullptr;
    QVBoxLayout* m_layout = nullptr;
    bool m_splittable = false;
    QSplitter* m_rows = nullptr;
    QMetaObject::Connection m_focusWatch;
    std::function<QSize()> m_wholeBody;
};

} // namespace flowmar
