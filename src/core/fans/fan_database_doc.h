// CFanDatabaseDoc: a fan database, a numbered list of up to 100 fan curves kept for import into
// duct models. Curves are held in SI whatever unit system the database shows.
#pragma once

#include "core/fans/fan_curve.h"
#include "core/model/document_state.h"

#include <array>

namespace flowmar {

inline constexpr int kMaxDatabaseFans = 100;

class CFanDatabaseDoc : public DocumentState {
public:
    int fanCount = 0;       // fans 1..fanCount
    int lastEditedFan = 0;  // the number last typed into the Edit Fan dialog
    int editInProgress = 0; // 1 while Add Fan runs on behalf of Edit Fan
    // Fans 1..100 (element 0 unused). Places after fanCount are not part of the database but
    // keep what they last held.
    std::array<FanCurve, kMaxDatabaseFans + 1> fans{};
    int unitSystem = 1; // 1 SI, 0 Imperial
    int reserved = 0;   // carried in the file
};

} // namespace flowmar
