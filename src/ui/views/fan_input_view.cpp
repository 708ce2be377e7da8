#include "ui/views/fan_input_view.h"

#include "core/model/document_templates.h"
#include "core/views/fan_input.h"

namespace flowmar {

CFanInputView::CFanInputView(CFlowmarDoc& document, QWidget* parent)
    : FanGridView(
          document, fan_input::kStatusText,
          [](const CFlowmarDoc& doc, bool) { return fanInputGrid(doc); },
          [](const CFlowmarDoc& doc, const PageRect& page, const TextMetrics& metrics) {
              return fanInputPages(doc, page, metrics);
          },
          parent) {}

int CFanInputView::templateId() const {
    return templates::kFanInput;
}

} // namespace flowmar
