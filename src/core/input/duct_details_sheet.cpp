#include "core/input/duct_details_sheet.h"

#include "core/model/string_table.h"

namespace flowmar {

using namespace duct_details;

DuctDetailsSheet::DuctDetailsSheet(const DuctDetailsValues& values)
    : m_values(values), m_resistance(values), m_leakage(values), m_zones(values),
      m_general(values) {
    if (values.pageInFront > kResistancePage && values.pageInFront < kPageCount) {
        m_current = values.pageInFront;
    }
    openPage(m_current);
}

std::string_view DuctDetailsSheet::caption() {
    return loadString(strings::kDuctDetailsCaption);
}

std::optional<PageFault> DuctDetailsSheet::showPage(int page) {
    if (page == m_current || page < 0 || page >= kPageCount) {
        return std::nullopt;
    }
    if (auto fault = leaveCurrent()) {
        return fault;
    }
    m_current = page;
    openPage(page);
    return std::nullopt;
}

std::optional<PageFault> DuctDetailsSheet::accept() {
    if (auto fault = leaveCurrent()) {
        return fault;
    }
    if (auto fault = m_zones.accept()) {
        // The page that holds the fault comes to the front, as a tab chosen would.
        m_current = kZonesPage;
        return fault;
    }
    return std::nullopt;
}

DuctDetailsValues DuctDetailsSheet::values() const {
    DuctDetailsValues values = m_values;
    m_resistance.storeInto(values);
    m_leakage.storeInto(values);
    m_zones.storeInto(values);
    m_general.storeInto(values);
    return values;
}

std::optional<PageFault> DuctDetailsSheet::leaveCurrent() {
    switch (m_current) {
    case kResistancePage:
        return m_resistance.leave();
    case kLeakagePage:
        return m_leakage.leave();
    case kGeneralPage:
        return m_general.leave();
    default: // the Zones page checks nothing
        return std::nullopt;
    }
}

void DuctDetailsSheet::openPage(int page) {
    switch (page) {
    case kResistancePage:
        if (!m_resistance.isOpen()) {
            m_resistance.open();
        }
        break;
    case kLeakagePage:
        if (!m_leakage.isOpen()) {
            m_leakage.open();
        }
        break;
    case kZonesPage:
        if (!m_zones.isOpen()) {
            m_zones.open();
        }
        break;
    case kGeneralPage:
        if (!m_general.isOpen()) {
            m_general.open();
        }
        break;
    default:
        break;
    }
}

} // namespace flowmar
