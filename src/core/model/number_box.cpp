#include "core/model/number_box.h"

#include "core/model/number_text.h"

#include <cmath>

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

std::optional<int> NumberBox::integer() const {
    if (!changed() && std::isfinite(m_value) && std::trunc(m_value) == m_value &&
        std::abs(m_value) <= 2147483647.0) {
        return static_cast<int>(m_value);
    }
    return parseWholeInteger(m_text);
}

} // namespace flowmar
