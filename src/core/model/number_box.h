// An edit box filled from a stored value. It remembers the value and the text it was filled with,
// so a text the person did not change gives the stored value back with every digit (the text
// shows it rounded), and a text they changed is read whole or not at all.
#pragma once

#include <optional>
#include <string>

namespace flowmar {

class NumberBox {
public:
    NumberBox() = default;
    NumberBox(double value, std::string text) { fill(value, std::move(text)); }

    // The program writes the box: a new stored value and the text that shows it.
    void fill(double value, std::string text);
    // A person types (or chooses a preset that writes the box).
    void type(std::string text) { m_text = std::move(text); }

    const std::string& text() const { return m_text; }
    bool changed() const { return m_text != m_filledText; }
    // The value the box was filled from, whatever it shows now.
    double filledValue() const { return m_value; }

    // The stored value while the text is as it was filled; otherwise the whole text as one
    // number in the locale's form (parseWholeNumber), nothing when it is none.
    std::optional<double> value() const;

private:
    double m_value = 0;
    std::string m_filledText;
    std::string m_text;
};

} // namespace flowmar
