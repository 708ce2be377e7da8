#include "ui/app/frame_factory.h"

#include "core/model/document_templates.h"
#include "ui/app/child_frame.h"
#include "ui/app/split_frame.h"
#include "ui/views/view_factory.h"

namespace flowmar {

CChildFrame* createChildFrame(int templateId, CFlowmarDoc& document) {
    if (templateId == templates::kFanCurve) {
        return new CSplitFrame(document);
    }
    DuctView* view = createDuctView(templateId, document);
    return view == nullptr ? nullptr : new CChildFrame(view);
}

} // namespace flowmar
