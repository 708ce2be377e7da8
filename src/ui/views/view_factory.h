// Making a view of a duct model by template id (which views exist: ductViewAvailable of the
// command table).
#pragma once

namespace flowmar {

class CFlowmarDoc;
class DuctView;

// A new view of the template for the model, or nullptr when this version has no such view.
DuctView* createDuctView(int templateId, CFlowmarDoc& document);

} // namespace flowmar
