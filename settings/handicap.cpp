#include "settings/handicap.h"

#include "core/constants.h"
#include "core/translation.h"

namespace kumora {

namespace {
const char* const GRADE_NAMES[21] = {
    tr_noop("Board", "名人"), tr_noop("Board", "８段"), tr_noop("Board", "７段"),
    tr_noop("Board", "６段"), tr_noop("Board", "５段"), tr_noop("Board", "４段"),
    tr_noop("Board", "３段"), tr_noop("Board", "２段"), tr_noop("Board", "初段"),
    tr_noop("Board", "１級"), tr_noop("Board", "２級"), tr_noop("Board", "３級"),
    tr_noop("Board", "４級"), tr_noop("Board", "５級"), tr_noop("Board", "６級"),
    tr_noop("Board", "７級"), tr_noop("Board", "８級"), tr_noop("Board", "９級"),
    tr_noop("Board", "10級"), tr_noop("Board", "11級"), tr_noop("Board", "12級"),
};

// Grades -9..10.
constexpr HandicapSquare SQUARES[20] = {
    {6, 9, -110}, {4, 9, -110}, {7, 9, -100}, {3, 9, -100}, {8, 9, -30}, {2, 9, -30}, {9, 9, -20},
    {1, 9, -20},  {8, 8, -900}, {2, 8, -800}, {8, 2, 800},  {2, 2, 900}, {9, 1, 20},  {1, 1, 20},
    {8, 1, 30},   {2, 1, 30},   {7, 1, 100},  {3, 1, 100},  {6, 1, 110}, {4, 1, 110},
};
}  // namespace

HandicapSquare handicap_square(int grade) { return SQUARES[grade + 9]; }

int contents_after_step_up(int grade) { return grade <= 0 ? handicap_square(grade).piece : EMPTY; }

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

std::string grade_name(int grade) { return tr_text("Board", GRADE_NAMES[grade - LOWEST_GRADE]); }

std::string caption_text(int code) {
  if (code == MOVE_NUMBER_CAPTION) return tr_text("Board", "手目");
  if (code < LOWEST_GRADE || code > HIGHEST_GRADE) return {};
  return fill_in(tr_text("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:%1"), {grade_name(code)});
}

std::string japanese_caption(int grade) {
  if (grade < LOWEST_GRADE || grade > HIGHEST_GRADE) return {};
  return fill_in("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:%1", {GRADE_NAMES[grade - LOWEST_GRADE]});
}

}  // namespace kumora
