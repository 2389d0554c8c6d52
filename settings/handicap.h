// Handicap grades and their captions.
#pragma once

#include <string>

#include "rules/board.h"

namespace kumora {

constexpr int LOWEST_GRADE = -10;
constexpr int HIGHEST_GRADE = 10;
constexpr int MOVE_NUMBER_CAPTION = 99;

// The square and piece a grade other than -10 owns: stepping between grade
// g - 1 and grade g changes exactly that square.
struct HandicapSquare {
  int x;
  int y;
  int piece;
};

// The square of grade g, -9..10.
HandicapSquare handicap_square(int grade);

// The contents of S(g) after "△" has reached grade g (new grade) or after
// "▽" has left grade g (old grade).
int contents_after_step_up(int grade);
int contents_after_step_down(int grade);

// Changes the even position on `board` to that of a grade -10..10, square by
// square as the grade's steps from 0 do.
void set_handicap_position(Board& board, int grade);

// The name of a grade -10..10 ("名人" .. "12級") in the chosen language.
std::string grade_name(int grade);

// The caption of a grade -10..10 ("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"), "手目" for 99, empty for
// anything else, in the chosen language.
std::string caption_text(int code);

// The caption of a grade -10..10 in Japanese whatever the language: what
// files name a grade by.
std::string japanese_caption(int grade);

}  // namespace kumora
