// Scores of the computer, kept exact in whole tenths so that ties are real ties.
#pragma once

#include <cstdint>
#include <string>

namespace kumora {

using Score = int32_t;  // tenths: 12 means 1.2

constexpr Score tenths(int whole) { return whole * 10; }

constexpr Score KING_CAPTURE_SCORE = 99990;  // 9999
constexpr Score MATE_SCORE = 99980;          // 9998
constexpr Score FORBIDDEN_SCORE = -99980;    // -9998
constexpr Score NO_SCORE_YET = -999990;      // -99999

// The score with exactly one decimal: "-5.1", "9999.0".
std::string score_text(Score score);

}  // namespace kumora
