#include "core/views/form_fill.h"

#include <algorithm>
#include <ranges>

namespace flowmar {

std::optional<std::string> FormFill::textOf(int id) const {
    const auto last = std::ranges::find(texts | std::views::reverse, id, &ControlText::id);
    if (last == std::ranges::end(texts | std::views::reverse)) {
        return std::nullopt;
    }
    return last->text;
}

std::optional<bool> FormFill::shownOf(int id) const {
    const auto last =
        std::ranges::find(visibility | std::views::reverse, id, &ControlVisibility::id);
    if (last == std::ranges::end(visibility | std::views::reverse)) {
        return std::nullopt;
    }
    return last->shown;
}

} // namespace flowmar
