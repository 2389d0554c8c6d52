// Handicap grades and their captions.
#pragma once

#include <string>

namespace kumora {

constexpr int LOWEST_GRADE = -10;
constexpr int HIGHEST_GRADE = 10;
constexpr int MOVE_NUMBER_CAPTION = 99;

// The caption of a grade -10..10, "手目" for 99, empty for anything else.
std::string caption_text(int code);

}  // namespace kumora
