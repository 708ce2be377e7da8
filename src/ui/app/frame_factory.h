// Making the child frame of a duct model's template: the Fan Curve View's frame of two panes, or
// a frame around the template's one view.
#pragma once

namespace flowmar {

class CChildFrame;
class CFlowmarDoc;

// A new frame, or nullptr when this version has no view of the template.
CChildFrame* createChildFrame(int templateId, CFlowmarDoc& document);

} // namespace flowmar
