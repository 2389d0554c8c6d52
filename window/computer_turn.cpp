#include "window/computer_turn.h"

#include "analysis/analyze_board.h"
#include "core/translation.h"
#include "engine/ladder.h"
#include "kifu/record.h"
#include "rules/chain_path.h"
#include "rules/make_move.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"
#include "window/move_drawing.h"
#include "window/side_moves.h"
#include "window/strong_search.h"
#include "window/whole_game.h"

namespace kumora {

namespace {

// Keeps the clock display moving while the search runs.
class ClockTicker : public ThinkingTicker {
 public:
  explicit ClockTicker(Clocks& clocks) : clocks_(clocks) {}
  void tick() override { clocks_.on_clock_tick(); }

 private:
  Clocks& clocks_;
};

}  // namespace

void ComputerTurn::show_thinking() {
  Drawing& d = drawing_;
  const int background = appearance_.background;
  d.paint_cell(background, -2, 8);
  d.paint_cell(background, -1, 8);
  d.paint_cell(background, 0, 8);
  d.frame_cell(WINDOW_COLOUR, -1, 7);
  const std::string caption = tr_text("Board", "思考中");
  d.print_at(-1.5, 8.5, caption, SHADOW_COLOUR, 0, 12);
  d.print_at(-1.6, 8.4, caption, TEXT_COLOUR, 0, 12);
  d.frame_cell(WINDOW_COLOUR, 1, 8);
}

void ComputerTurn::show_thinking_again() {
  if (thinking_) show_thinking();
}

void ComputerTurn::play_turn() {
  clocks_.restart_turn_clock();
  show_thinking();
  thinking_ = true;
  reporter_.set_status(tr_noop("Status", "ＣＯＭが考えています"));

  drawing_.refresh();
  Game& game = game_;
  const std::optional<Candidate> best =
      is_engine_level(game.state.level) ? strong_move() : one_ply_move();
  thinking_ = false;
  if (out_of_time()) return;
  thinking_ = best && !whole_game_full(game);
  if (!best) {
    // Drops the person could not make are no candidates of the computer, so
    // a hand that only allows such drops leaves it without a move.
    clocks_.set_clock_timer(false);
    messages_.tell(tr_text("Game", "ＣＯＭの移動できる駒が無くなりました"),
                   tr_text("Game", "警告"));
    lifecycle_.game_over_prompt(Winner::PERSON);
    return;
  }
  if (whole_game_full(game)) {
    // The record holds no more moves: the turn goes back to the person, whose
    // moves are refused the same way until the game is stepped back or restarted.
    messages_.refuse(tr_text("Game", "棋譜が一杯です（５００手）。これ以上は指せません"),
                     tr_text("Game", "警告"));
    hand_turn_back();
    return;
  }
  play_com_move(*best);
  after_com_move(*best);
}

std::optional<Candidate> ComputerTurn::one_ply_move() {
  ClockTicker ticker(clocks_);
  return computer_.choose_move(game_.state, game_.tables, game_.reach, ticker);
}

bool ComputerTurn::out_of_time() {
  const Countdown& countdown = clocks_.countdown();
  if (!countdown.active()) return false;
  clocks_.settle_turn_time();
  const GameState& state = game_.state;
  if (countdown.time_left(state.upper_side(), state.turn_elapsed) > 0) return false;
  clocks_.lose_on_time(state.upper_side());
  return true;
}

EngineLimits ComputerTurn::limits_on_clock() const {
  const EngineLimits limits = limits_of_level(game_.state.level, strong_.variety_seed());
  const Countdown& countdown = clocks_.countdown();
  return countdown.active() ? limits_within(limits, countdown.computer_seconds()) : limits;
}

std::optional<Candidate> ComputerTurn::strong_move() {
  const EngineResult result = strong_.best_move(+1, limits_on_clock());
  // The time the search took reaches the computer's clock, as the ticks
  // during the one-ply search bring it there.
  clocks_.on_clock_tick();
  if (!result.found) return std::nullopt;
  return result.best;
}

void ComputerTurn::show_com_path(const Candidate& best) {
  ReachState& reach = game_.reach;
  if (!find_chain_path(reach, game_.state.board, best.from_x, best.from_y, best.to_x, best.to_y,
                       best.moved)) {
    // A chain longer than the search looks is shown as its two ends.
    reach.path_x[1] = best.from_x;
    reach.path_y[1] = best.from_y;
    reach.path_x[2] = best.to_x;
    reach.path_y[2] = best.to_y;
  }
  int count = 1;
  while (count < 8 && !(reach.path_x[count] == best.to_x && reach.path_y[count] == best.to_y)) {
    ++count;
  }
  reporter_.path_shown(reach.path_x + 1, reach.path_y + 1, count);
  drawing_.draw_chain_path(count);
}

void ComputerTurn::play_com_move(const Candidate& best) {
  GameState& state = game_.state;
  MoveRecord& record = game_.record;
  // The move is decided: on time, the computer's clock stops here and does
  // not count the showing of the move.
  if (clocks_.countdown().active()) clocks_.set_clock_timer(false);
  // The thinking time ends where the showing begins; the record, and with it
  // the side panel's move list, gains the move once the board shows it.
  const double upper_clock_after = state.upper_clock + state.turn_elapsed;
  show_com_path(best);
  thinking_ = false;
  record_move(record, state.board, best.from_x, best.from_y, best.to_x, best.to_y, best.moved,
              best.placed, state.lower_clock, state.lower_clock, state.upper_clock,
              upper_clock_after);
  game_.count_move();
  drawing_.show_move_number(state.move_count);
  const MoveRedraw redraw = game_.play(best.from_x, best.from_y, best.to_x, best.to_y, best.placed);
  draw_move(drawing_, best.from_x, best.from_y, best.to_x, best.to_y, best.placed, redraw);
  report_move(reporter_, record.entry[record.shown]);
  record_listener_.move_recorded();
  messages_.play_click();
  clocks_.set_clock_timer(false);
}

void ComputerTurn::after_com_move(const Candidate& best) {
  Game& game = game_;
  GameState& state = game.state;
  if (!side_can_move(state, state.lower_side)) {
    messages_.tell(tr_text("Game", "移動できる駒が無くなりました"), tr_text("Game", "警告"));
    lifecycle_.game_over_prompt(Winner::COMPUTER);
    return;
  }
  analyze_board(state, game.tables);
  if (state.winner == state.upper_side()) {
    lifecycle_.game_over_prompt(Winner::COMPUTER);
    return;
  }
  if (game.tables.upper_attack_count(state.lower_king_x, state.lower_king_y) > 0) {
    messages_.tell(tr_text("Game", "   ** 王手 **"), "");
  }
  drawing_.show_last_move(state.upper_side(), best.to_x, best.to_y, best.placed, TEXT_COLOUR);
  drawing_.frame_cell(REFUSED_COLOUR, best.to_x, best.to_y);
  hand_turn_back();
}

void ComputerTurn::hand_turn_back() {
  clocks_.charge_turn(true);
  clocks_.start_turn();
  game_.give_turn_to(game_.state.lower_side);
  if (ticks_.is_checked(MenuId::ELAPSED_TIME) || clocks_.countdown().active()) {
    clocks_.set_clock_timer(true);
  }
  reporter_.set_status(tr_noop("Status", "あなたの番です"));
}

}  // namespace kumora
