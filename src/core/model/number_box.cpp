#include "core/model/number_box.h"

#include "core/model/number_text.h"

namespace flowmar {

void NumberBox::fill(double value, std::string text) {
    m_value = value;
    m_filledText = text;
    m_text = std::move(text);
}

std::optional<double> NumberBox::value() const {
    if (!changed()) {
        return m_value;
    }
    return parseWholeNumber(m_text);
}

} // namespace flowmar
