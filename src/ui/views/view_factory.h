// The views of a duct model by template id: which exist in this version, and making one.
#pragma once

namespace flowmar {

class CFlowmarDoc;
class DuctView;

bool ductViewAvailable(int templateId);

// A new view of the template for the model, or nullptr when this version has no such view.
DuctView* createDuctView(int templateId, CFlowmarDoc& document);

} // namespace flowmar
