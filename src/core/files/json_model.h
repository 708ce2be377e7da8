// Duct models as JSON: a readable, diffable form beside the binary ".dct" file, for scripting and
// version control. All values are SI and named as the model names them; a key left out takes the
// new-model default. Fan curves pass the same checks as a curve typed into the curve editor.
#pragma once

#include <string>
#include <string_view>

namespace flowmar {

class CFlowmarDoc;

// Reads a model from JSON text into `doc`, which is replaced only when the whole text is valid.
// Returns an empty text on success, otherwise a message naming the key or fan at fault: unknown
// keys, wrong types, lists beyond the model's capacity and refused fan curves are errors.
std::string readJsonModel(std::string_view text, CFlowmarDoc& doc);

// The model's input as JSON (two-space indentation, keys in a fixed order). Fans list their
// measured points; the free-delivery point is derived again on reading.
std::string writeJsonModel(const CFlowmarDoc& doc);

} // namespace flowmar
