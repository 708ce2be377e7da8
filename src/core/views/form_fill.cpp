#include "core/views/form_fill.h"

#include <algorithm>

namespace flowmar {

// The last entry of a control wins. Reverse iterators rather than a reversed view: clang 14 with
// libstdc++ 12 (the fuzz build) cannot find in a reversed view.
std::optional<std::string> FormFill::textOf(int id) const {
    const auto last = std::find_if(texts.rbegin(), texts.rend(),
                                   [id](const ControlText& t) { return t.id == id; });
    if (last == texts.rend()) {
        return std::nullopt;
    }
    return last->text;
}

std::optional<bool> FormFill::shownOf(int id) const {
    const auto last = std::find_if(visibility.rbegin(), visibility.rend(),
                                   [id](const ControlVisibility& v) { return v.id == id; });
    if (last == visibility.rend()) {
        return std::nullopt;
    }
    return last->shown;
}

} // namespace flowmar
