#include "ui/views/fan_view.h"

#include "core/model/document_templates.h"
#include "core/views/fan_results.h"

namespace flowmar {

CFanView::CFanView(CFlowmarDoc& document, QWidget* parent)
    : FanGridView(
          document, fan_results::kStatusText,
          [](const CFlowmarDoc& doc, bool firstDisplay) {
              return fanResultsGrid(doc, firstDisplay);
          },
          [](const CFlowmarDoc& doc, const PageRect& page, const TextMetrics& metrics) {
              return fanResultsPages(doc, page, metrics);
          },
          parent) {}

int CFanView::templateId() const {
    return templates::kFanResults;
}

} // namespace flowmar
