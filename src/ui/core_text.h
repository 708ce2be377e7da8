// A text of the core's string and message tables as a Qt string: the core keeps its texts in
// UTF-8.
#pragma once

#include <QString>

#include <string_view>

namespace flowmar {

inline QString coreText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace flowmar
