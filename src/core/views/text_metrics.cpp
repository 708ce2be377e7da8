#include "core/views/text_metrics.h"

#include "core/model/utf8.h"

#include <array>
#include <cstdint>

namespace flowmar {

namespace {

constexpr double kAscent = 0.905;  // 1854 / 2048
constexpr double kDescent = 0.212; // 434 / 2048
constexpr double kBoldWidening = 1.07;
constexpr int kUnknownWidth = 556; // a digit's width, the commonest character in our texts

// Advance widths of the printable ASCII characters 32..126, in thousandths of the point size.
constexpr std::array<std::uint16_t, 95> kAsciiWidths{
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // ' '../
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0..?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @..O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P.._
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // `..o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,      // p..~
};

int widthOf(char32_t c) {
    if (c >= 32 && c <= 126) {
        return kAsciiWidths[c - 32];
    }
    switch (c) {
    case U'\u00B2': // superscript two
    case U'\u00B3': // superscript three
        return 333;
    case U'\u00B0': // degree sign
        return 400;
    default:
        return kUnknownWidth;
    }
}

} // namespace

double ApproximateArialMetrics::ascent(const Font& font) const {
    return kAscent * font.pointSize;
}

double ApproximateArialMetrics::height(const Font& font) const {
    return (kAscent + kDescent) * font.pointSize;
}

double ApproximateArialMetrics::width(std::string_view text, const Font& font) const {
    long thousandths = 0;
    for (std::size_t i = 0; i < text.size();) {
        thousandths += widthOf(utf8::next(text, i));
    }
    const double width = static_cast<double>(thousandths) / 1000.0 * font.pointSize;
    return font.bold ? width * kBoldWidening : width;
}

const TextMetrics& defaultTextMetrics() {
    static const ApproximateArialMetrics metrics;
    return metrics;
}

int fontDeviceHeight(int pointSize, int pixelsPerInch) {
    return (pixelsPerInch * 10 * pointSize / 72 + 5) / 10;
}

} // namespace flowmar
