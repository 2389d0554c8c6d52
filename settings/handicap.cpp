#include "settings/handicap.h"

#include "core/constants.h"

namespace kumora {

namespace {
const char* const GRADE_NAMES[21] = {
    "名人", "８段", "７段", "６段", "５段", "４段", "３段", "２段", "初段", "１級", "２級",
    "３級", "４級", "５級", "６級", "７級", "８級", "９級", "10級", "11級", "12級",
};

// Grades -9..10.
constexpr HandicapSquare SQUARES[20] = {
    {6, 9, -110}, {4, 9, -110}, {7, 9, -100}, {3, 9, -100}, {8, 9, -30},
    {2, 9, -30},  {9, 9, -20},  {1, 9, -20},  {8, 8, -900}, {2, 8, -800},
    {8, 2, 800},  {2, 2, 900},  {9, 1, 20},   {1, 1, 20},   {8, 1, 30},
    {2, 1, 30},   {7, 1, 100},  {3, 1, 100},  {6, 1, 110},  {4, 1, 110},
};
}  // namespace

HandicapSquare handicap_square(int grade) { return SQUARES[grade + 9]; }

int contents_after_step_up(int grade) {
  return grade <= 0 ? handicap_square(grade).piece : EMPTY;
}

int contents_after_step_down(int grade) {
  return grade <= 0 ? EMPTY : handicap_square(grade).piece;
}

void set_handicap_position(Board& board, int grade) {
  for (int g = 1; g <= grade; ++g) {
    const HandicapSquare square = handicap_square(g);
    board(square.x, square.y) = contents_after_step_up(g);
  }
  for (int g = 0; g > grade; --g) {
    const HandicapSquare square = handicap_square(g);
    board(square.x, square.y) = contents_after_step_down(g);
  }
}

std::string caption_text(int code) {
  if (code == MOVE_NUMBER_CAPTION) return "手目";
  if (code < LOWEST_GRADE || code > HIGHEST_GRADE) return {};
  return std::string("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:") + GRADE_NAMES[code - LOWEST_GRADE];
}

}  // namespace kumora
