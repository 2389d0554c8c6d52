#include "window/levels_handicap.h"

#include "core/levels.h"
#include "core/translation.h"
#include "settings/handicap.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

void LevelsHandicap::choose_level(int n) {
  Drawing& d = drawing_;
  d.paint_cell(appearance_.background, -2, 0);
  d.paint_cell(appearance_.background, -1, 0);
  d.paint_cell(appearance_.background, 0, 0);
  set_level(n);
}

void LevelsHandicap::set_level(int n) {
  GameState& state = game_.state;
  for (int level = 1; level <= LADDER_LEVEL_BASE + LADDER_STEPS; ++level)
    if (is_known_level(level)) ticks_.set_checked(level_item(level), false);
  if (is_known_level(n)) {
    ticks_.set_checked(level_item(n), true);
    game_.set_level(n);
  }
  if (state.vs_com == MODE_COM) show_level(state.level);
}

void LevelsHandicap::show_level(int n) {
  Drawing& d = drawing_;
  d.print_at(-1.4, 0.2, "LEVEL", SHADOW_COLOUR, 0, 10);
  d.print_at(-1.5, 0.1, "LEVEL", TEXT_COLOUR, 0, 10);
  if (is_ladder_level(n)) {  // "3.1": a smaller size, so that it stays beside the board
    d.print_at(0.1, 0.1, level_name(n), SHADOW_COLOUR, 0, 10);
    d.print_at(0, 0, level_name(n), TEXT_COLOUR, 0, 10);
    return;
  }
  d.print_at(0.1, 0.1, n, SHADOW_COLOUR, 0, 12);
  d.print_at(0, 0, n, TEXT_COLOUR, 0, 12);
}

void LevelsHandicap::show_handicap_caption(int grade) {
  Drawing& d = drawing_;
  for (int x = 11; x <= 14; ++x) d.paint_cell(appearance_.background, x, 2);
  d.print_caption(grade, 11.1, 2.1, SHADOW_COLOUR, 10);
  d.print_caption(grade, 11, 2, TEXT_COLOUR, 10);
}

void LevelsHandicap::handicap_refusal(int code) {
  static const char* const REASONS[4] = {"", tr_noop("Game", "棋譜ﾓｰﾄﾞではできません"),
                                         tr_noop("Game", "対局途中ではできません"),
                                         tr_noop("Game", "反転後ではできません")};
  messages_.tell(
      fill_in(tr_text("Game", "%1\r\r局面→最初にして下さい"), {tr_text("Game", REASONS[code])}),
      tr_text("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
}

bool LevelsHandicap::handicap_allowed() {
  pending_input_.hide_file_panel();
  const GameState& state = game_.state;
  int refusal = 0;
  if (state.record_mode) {
    refusal = 1;
  } else if (game_.record.shown > 0) {
    refusal = 2;
  } else if (state.reversed) {
    refusal = 3;
  }
  if (refusal != 0) {
    messages_.play_forbid();
    handicap_refusal(refusal);
    return false;
  }
  game_.record.length = 0;
  return true;
}

void LevelsHandicap::set_handicap_square(int grade, int contents) {
  const HandicapSquare square = handicap_square(grade);
  game_.set_square(square.x, square.y, contents);
  drawing_.paint_cell(contents, square.x, square.y);
  drawing_.frame_cell(WINDOW_COLOUR, square.x, square.y);
  messages_.play_click();
}

void LevelsHandicap::raise_handicap() {
  if (!handicap_allowed()) return;
  const GameState& state = game_.state;
  if (state.handicap_grade < HIGHEST_GRADE) {
    game_.change_handicap(+1);
    show_handicap_caption(state.handicap_grade);
    set_handicap_square(state.handicap_grade, contents_after_step_up(state.handicap_grade));
  }
  game_.mark_handicap_chosen();
}

void LevelsHandicap::lower_handicap() {
  if (!handicap_allowed()) return;
  const GameState& state = game_.state;
  if (state.handicap_grade > LOWEST_GRADE) {
    game_.change_handicap(-1);
    show_handicap_caption(state.handicap_grade);
    const int old_grade = state.handicap_grade + 1;
    set_handicap_square(old_grade, contents_after_step_down(old_grade));
  }
  game_.mark_handicap_chosen();
}

}  // namespace kumora
