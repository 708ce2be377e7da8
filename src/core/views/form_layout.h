// FormLayout: which controls a summary form holds and where they sit, named by the control ids its
// fills write, so that one Qt form view builds either summary from its description. The form is a
// grid of titled groups; a group holds rows of caption and value box, or the zone table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace flowmar {

struct FormLayout {
    // The summaries show the first five zones of the model's table.
    static constexpr std::size_t kZoneRows = 5;

    // A label: a fixed text, or, when the text is empty, one whose text the fills write. It is
    // registered under id, so that fills can reach it, unless id is 0.
    struct Label {
        int id = 0;
        std::string_view text;
    };

    // A row of a group: its caption (one label, or several side by side that read as one), its
    // value box, and optionally a label after the box.
    struct Row {
        std::vector<Label> caption;
        int box = 0;
        std::optional<Label> after;
    };

    // A column of the zone table: its head (a label the fills write), the boxes of zones 1 to 5
    // from the top, and optionally a fixed text after each box, registered under afterIds.
    struct ZoneColumn {
        int head = 0;
        std::array<int, kZoneRows> boxes{};
        std::string_view afterText;
        std::array<int, kZoneRows> afterIds{};
    };

    // The order in which Tab visits the zone boxes.
    enum class TabOrder { AlongRows, DownColumns };

    // The zone table: its columns, and below them the box that says whether zones are active.
    struct ZoneTable {
        std::vector<ZoneColumn> columns;
        int activeBox = 0;
        TabOrder tabOrder = TabOrder::AlongRows;

        ZoneTable& addColumn(int head, const std::array<int, kZoneRows>& boxes) {
            columns.push_back({head, boxes, {}, {}});
            return *this;
        }
        ZoneTable& addColumn(int head, const std::array<int, kZoneRows>& boxes,
                             std::string_view afterText,
                             const std::array<int, kZoneRows>& afterIds) {
            columns.push_back({head, boxes, afterText, afterIds});
            return *this;
        }
    };

    // A titled group at a cell of the form's grid, spanning columnSpan columns; it holds either
    // rows or the zone table.
    struct Group {
        std::string_view title;
        int row = 0;
        int column = 0;
        int columnSpan = 1;
        std::vector<Row> rows;
        std::optional<ZoneTable> zones;

        // A row whose caption the fills write, registered under caption.
        Group& addRow(int caption, int box, std::optional<Label> after = std::nullopt) {
            rows.push_back({{{caption, {}}}, box, after});
            return *this;
        }
        // A row with a fixed caption.
        Group& addRow(std::string_view caption, int box) {
            rows.push_back({{{0, caption}}, box, std::nullopt});
            return *this;
        }
        Group& addRow(Label caption, int box) {
            rows.push_back({{caption}, box, std::nullopt});
            return *this;
        }
        Group& addRow(std::vector<Label> caption, int box) {
            rows.push_back({std::move(caption), box, std::nullopt});
            return *this;
        }
        // Makes this group the zone table, with the box that says whether zones are active.
        ZoneTable& makeZoneTable(int activeBox, TabOrder tabOrder) {
            zones = ZoneTable{{}, activeBox, tabOrder};
            return *zones;
        }
    };

    std::string_view statusText; // the one pane of the form's status bar
    std::vector<Group> groups;   // in tab order

    // A new group; the reference holds until the next group is added.
    Group& addGroup(std::string_view title, int row, int column, int columnSpan = 1) {
        groups.push_back({title, row, column, columnSpan, {}, std::nullopt});
        return groups.back();
    }
};

} // namespace flowmar
