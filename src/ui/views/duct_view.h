// DuctView: the base of every view of a duct model. A view only reads the model: it refills
// itself from the core whenever the model says it changed, and gives its child frame a caption
// and a way to print it.
#pragma once

#include "core/model/document_observers.h"

#include <QString>
#include <QWidget>

class QPrinter;

namespace flowmar {

class CFlowmarDoc;

class DuctView : public QWidget {
    Q_OBJECT
public:
    DuctView(CFlowmarDoc& document, QWidget* parent = nullptr);

    CFlowmarDoc& document() const { return m_document; }

    // The template the view belongs to (103 Summary of Input Data, 107 Results View, 130 Graph
    // View, ...): View commands find an existing view of a document by it.
    virtual int templateId() const = 0;
    // The text of the child frame's one-pane status bar, set once when the view is first shown.
    virtual QString statusCaption() const = 0;

    // Printing: the orientation the view asks for, and the pages drawn on a printer (or a PDF
    // writer) already set up. Views that do not print return false from canPrint.
    virtual bool canPrint() const { return false; }
    virtual bool portrait() const { return true; }
    virtual void print(QPrinter& printer) { (void)printer; }

    // A view that draws itself stretched onto whatever room it has (a chart) never scrolls; a
    // form keeps its size and scrolls in a smaller frame.
    virtual bool fillsWindow() const { return false; }

signals:
    // The view's caption or contents changed in a way its frame shows.
    void refreshed();
    // The view asks for another view of its model (a template id) to be shown.
    void viewRequested(int templateId);

protected:
    // Re-reads everything the view shows from the document.
    virtual void refill() = 0;
    // Subscribes to the document's changes; the derived class calls this once it can refill.
    void followDocument();

private:
    CFlowmarDoc& m_document;
    DocumentObservers::Subscription m_subscription;
};

} // namespace flowmar
