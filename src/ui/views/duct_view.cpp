#include "ui/views/duct_view.h"

#include "core/model/flowmar_doc.h"

namespace flowmar {

DuctView::DuctView(CFlowmarDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document) {}

void DuctView::followDocument() {
    m_subscription = m_document.observers().subscribe([this](DocumentEvent event) {
        if (event == DocumentEvent::ViewsNeedUpdate) {
            refill();
            emit refreshed();
        }
    });
    refill();
}

} // namespace flowmar
