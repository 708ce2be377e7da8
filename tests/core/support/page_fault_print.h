// Failed checks on a page's fault show its message and box.
#pragma once

#include "core/input/page_fault.h"

#include <ostream>

namespace flowmar {

inline void PrintTo(const PageFault& fault, std::ostream* os) {
    *os << "\"" << fault.message << "\" at " << fault.control;
    if (fault.row > 0) {
        *os << " cell " << fault.row << "," << fault.column;
    }
}

} // namespace flowmar
