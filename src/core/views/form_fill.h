// FormFill: what a form view writes into its controls at one fill, by control id: the texts of its
// value boxes and labels, and which labels are shown. A control that a fill does not write keeps
// what it showed, which is how a form keeps its previous contents while a model has no results.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace flowmar {

// Texts the summary forms write into their boxes.
inline constexpr const char* kYesText = "YES";
inline constexpr const char* kNoText = "NO";
inline constexpr const char* kNotApplicableText = "NA";

struct ControlText {
    int id = 0;
    std::string text;
};

struct ControlVisibility {
    int id = 0;
    bool shown = true;
};

struct FormFill {
    std::vector<ControlText> texts;            // in the order written; an id may recur
    std::vector<ControlVisibility> visibility; // in the order set

    void setText(int id, std::string text) { texts.push_back({id, std::move(text)}); }
    void setShown(int id, bool shown) { visibility.push_back({id, shown}); }

    // The text a control holds after the fill, when the fill writes it.
    std::optional<std::string> textOf(int id) const;
    // Whether a control is shown after the fill, when the fill sets it.
    std::optional<bool> shownOf(int id) const;
};

} // namespace flowmar
