#include "ui/grid/grid_style.h"

#include "core/model/number_text.h"

#include <algorithm>
#include <clocale>
#include <string>

namespace flowmar {

namespace {

constexpr int kMaxDecimals = 15;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Whether the text, blanks aside, is one number and nothing else, in the form the run-time
// library's conversion reads (the locale's decimal point, an optional exponent).
bool isWholeNumber(const QString& text) {
    const QString number = text.trimmed();
    const QChar decimalPoint = QChar::fromLatin1(*std::localeconv()->decimal_point);
    qsizetype i = 0;
    const qsizetype n = number.size();
    if (i < n && (number[i] == u'+' || number[i] == u'-')) {
        ++i;
    }
    qsizetype digits = 0;
    for (; i < n && isDigit(number[i]); ++i) {
        ++digits;
    }
    if (i < n && number[i] == decimalPoint) {
        for (++i; i < n && isDigit(number[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && (number[i] == u'e' || number[i] == u'E')) {
        ++i;
        if (i < n && (number[i] == u'+' || number[i] == u'-')) {
            ++i;
        }
        qsizetype exponentDigits = 0;
        for (; i < n && isDigit(number[i]); ++i) {
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == n;
}

double numberOf(const QString& text) {
    return parseNumber(text.toStdString());
}

} // namespace

GridValue GridValue::fromText(const QString& text) {
    return {text, false};
}

GridValue GridValue::fromNumber(double number) {
    const std::string text = formatDouble("%.13g", number);
    if (text == kNoNumber) {
        return fromText(QString::fromUtf8(kNoNumber.data(), qsizetype(kNoNumber.size())));
    }
    return {QString::fromStdString(text), true};
}

GridStyle& GridStyle::setAlignment(GridAlignment alignment) {
    m_alignment = alignment;
    return *this;
}

GridStyle& GridStyle::setDecimals(int decimals) {
    m_decimals = std::clamp(decimals, 0, kMaxDecimals);
    return *this;
}

GridStyle& GridStyle::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    return *this;
}

GridStyle& GridStyle::setInterior(const QColor& colour) {
    m_interior = colour;
    return *this;
}

GridStyle& GridStyle::setPlainCell() {
    m_kind = GridCellKind::Plain;
    m_choices.clear();
    return *this;
}

GridStyle& GridStyle::setDropDownList(const QString& choices) {
    m_kind = GridCellKind::DropDownList;
    m_choices.clear();
    // A choice list typed on Windows may carry carriage returns; they are no part of a choice.
    for (const QString& choice : choices.split(u'\n', Qt::SkipEmptyParts)) {
        QString text = choice;
        if (text.endsWith(u'\r')) {
            text.chop(1);
        }
        if (!text.isEmpty()) {
            m_choices.append(text);
        }
    }
    return *this;
}

GridStyle& GridStyle::setValue(const QString& text) {
    m_value = GridValue::fromText(text);
    return *this;
}

GridStyle& GridStyle::setValue(double number) {
    m_value = GridValue::fromNumber(number);
    return *this;
}

QString GridCell::shownText() const {
    if (!value.isNumber || !decimals) {
        return value.text;
    }
    const std::string format = "%." + std::to_string(*decimals) + "f";
    return QString::fromStdString(formatDouble(format.c_str(), numberOf(value.text)));
}

bool GridCell::accepts(const QString& text) const {
    return kind == GridCellKind::Plain || text.isEmpty() || choices.contains(text);
}

GridValue GridCell::entered(const QString& text) const {
    if (kind == GridCellKind::Plain && decimals && isWholeNumber(text)) {
        return GridValue::fromNumber(numberOf(text.trimmed()));
    }
    return GridValue::fromText(text);
}

void GridCell::applyFormat(const GridStyle& style) {
    if (style.alignment()) {
        alignment = style.alignment();
    }
    if (style.decimals()) {
        decimals = style.decimals();
    }
    if (style.readOnly()) {
        readOnly = *style.readOnly();
    }
    if (style.interior()) {
        interior = *style.interior();
    }
    if (style.kind()) {
        kind = *style.kind();
        choices = style.choices();
    }
}

} // namespace flowmar
