// GridStyle: the attributes a grid applies to a rectangular range of cells, and GridCell, what one
// cell holds. A style carries only the attributes that were set on it, so a caller can change the
// alignment of a column without touching its values, or write one value without its format.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

namespace flowmar {

enum class GridAlignment { Left, Centre, Right };

enum class GridCellKind {
    Plain,       // an edit cell
    DropDownList // takes only one of its choices (or nothing) from a person
};

// A cell's value: a text, or a number kept as its "%.13g" text so that no digit is lost while the
// cell shows it in its number format.
struct GridValue {
    QString text;
    bool isNumber = false;

    static GridValue fromText(const QString& text);
    // A value that is not finite becomes the no-number text, which reads back as 0.
    static GridValue fromNumber(double number);

    bool operator==(const GridValue&) const = default;
};

class GridStyle {
public:
    // The interior of read-only computed columns.
    static QColor readOnlyGrey() { return QColor(192, 192, 192); }

    GridStyle& setAlignment(GridAlignment alignment);
    // Fixed-decimal number format: numbers show with this many decimals (0 to 15).
    GridStyle& setDecimals(int decimals);
    GridStyle& setReadOnly(bool readOnly = true);
    GridStyle& setInterior(const QColor& colour);
    GridStyle& setPlainCell();
    // A drop-down list cell; the choices are one text separated by newlines ("45\n90\n135").
    GridStyle& setDropDownList(const QString& choices);
    GridStyle& setValue(const QString& text);
    GridStyle& setValue(double number);

    const std::optional<GridAlignment>& alignment() const { return m_alignment; }
    const std::optional<int>& decimals() const { return m_decimals; }
    const std::optional<bool>& readOnly() const { return m_readOnly; }
    const std::optional<QColor>& interior() const { return m_interior; }
    const std::optional<GridCellKind>& kind() const { return m_kind; }
    const QStringList& choices() const { return m_choices; }
    const std::optional<GridValue>& value() const { return m_value; }

private:
    std::optional<GridAlignment> m_alignment;
    std::optional<int> m_decimals;
    std::optional<bool> m_readOnly;
    std::optional<QColor> m_interior;
    std::optional<GridCellKind> m_kind;
    QStringList m_choices;
    std::optional<GridValue> m_value;
};

// Everything one cell holds. Header cells (row 0 or column 0) use the value and the alignment only.
struct GridCell {
    GridValue value;
    bool written = false; // a header-column cell shows its row number until the program writes it
    std::optional<GridAlignment> alignment;
    std::optional<int> decimals;
    bool readOnly = false;
    QColor interior; // invalid: the grid's own background
    GridCellKind kind = GridCellKind::Plain;
    QStringList choices;

    // The text a person sees: a number in the cell's number format, anything else as stored.
    QString shownText() const;
    // Whether a person may put this text in the cell: any text in a plain cell; in a drop-down
    // list cell one of the choices, exactly, or nothing.
    bool accepts(const QString& text) const;
    // The value a person's text becomes: in a cell with a number format a text that is wholly a
    // number becomes that number, so that it shows in the format; any other text stays as typed.
    GridValue entered(const QString& text) const;
    // Every attribute the style sets except its value, which the grid writes on its own path.
    void applyFormat(const GridStyle& style);
};

} // namespace flowmar
