#include "core/input/zones_page.h"

#include "core/model/messages.h"

#include <utility>

namespace flowmar {

namespace {
constexpr int kLastRow = 10;
} // namespace

bool isEmptyZoneRow(const ZoneRowValues& row) {
    return row.start == 0 && row.end == 0;
}

double zoneCell(const ZoneRowValues& row, int column) {
    switch (column) {
    case 1:
        return row.start;
    case 2:
        return row.end;
    case 3:
        return row.diameter;
    case 4:
        return row.frictionFactor;
    case 5:
        return row.leakageResistance100;
    default:
        return 0;
    }
}

void setZoneCell(ZoneRowValues& row, int column, double value) {
    switch (column) {
    case 1:
        row.start = value;
        break;
    case 2:
        row.end = value;
        break;
    case 3:
        row.diameter = value;
        break;
    case 4:
        row.frictionFactor = value;
        break;
    case 5:
        row.leakageResistance100 = value;
        break;
    default:
        break;
    }
}

std::optional<PageFault> zoneRowFault(const ZoneRows& rows) {
    constexpr int kStartColumn = 1;
    constexpr int kEndColumn = 2;
    for (int z = 1; z <= zones_page::kShownRows; ++z) {
        const ZoneRowValues& row = rows[std::size_t(z)];
        if (isEmptyZoneRow(row)) {
            if (row.diameter != 0 || row.frictionFactor != 0 || row.leakageResistance100 != 0) {
                return PageFault{messages::zoneRowWithoutExtent(z), zones_page::kGrid, z,
                                 kStartColumn};
            }
            continue;
        }
        if (row.end < 0) {
            return PageFault{messages::zoneRowEndNegative(z), zones_page::kGrid, z, kEndColumn};
        }
        if (!(row.end > row.start)) {
            return PageFault{messages::zoneRowEndNotBeyondStart(z), zones_page::kGrid, z,
                             kEndColumn};
        }
    }
    return std::nullopt;
}

void clearZoneForm(ZoneRows& rows) {
    for (int i = 1; i <= zones_page::kShownRows; ++i) {
        rows[std::size_t(i)] = ZoneRowValues{};
    }
}

void sortZoneRows(ZoneRows& rows) {
    for (std::size_t i = 0; i < kLastRow; ++i) {
        std::size_t smallest = i;
        for (std::size_t k = i + 1; k <= kLastRow; ++k) {
            if (rows[k].end < rows[smallest].end) {
                smallest = k;
            }
        }
        if (smallest != i) {
            std::swap(rows[i], rows[smallest]);
        }
    }
    int empty = 0;
    for (std::size_t z = 1; z <= kLastRow; ++z) {
        empty += isEmptyZoneRow(rows[z]) ? 1 : 0;
    }
    if (empty == 0 || empty == kLastRow) {
        return;
    }
    // The rows after the first `empty` rows move up; what the bottom rows held is gone.
    for (int to = 1; to <= kLastRow - empty; ++to) {
        rows[std::size_t(to)] = rows[std::size_t(to + empty)];
    }
    for (int z = kLastRow - empty + 1; z <= kLastRow; ++z) {
        rows[std::size_t(z)] = ZoneRowValues{};
    }
}

ZonesPage::ZonesPage(const DuctDetailsValues& values)
    : m_applyZones(values.applyZones), m_autoTransitionLosses(values.autoTransitionLosses) {
    for (int z = 1; z <= kLastRow; ++z) {
        m_rows[std::size_t(z)] = values.zones[std::size_t(z)];
    }
}

std::optional<PageFault> ZonesPage::accept() {
    if (!m_open) {
        return std::nullopt;
    }
    if (m_entryFault) {
        return m_entryFault;
    }
    if (auto fault = zoneRowFault(m_rows)) {
        return fault;
    }
    sortZoneRows(m_rows);
    return std::nullopt;
}

void ZonesPage::storeInto(DuctDetailsValues& values) const {
    for (int z = 1; z <= kLastRow; ++z) {
        values.zones[std::size_t(z)] = m_rows[std::size_t(z)];
    }
    values.applyZones = m_applyZones;
    values.autoTransitionLosses = m_autoTransitionLosses;
}

} // namespace flowmar
