#include "window/computer_turn.h"

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
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
class ClockTicker : public TurnTicker {
 public:
  explicit ClockTicker(Clocks& clocks) : clocks_(clocks) {}
  void tick() override { clocks_.on_clock_tick(); }

 private:
  Clocks& clocks_;
};

}  // namespace

void ComputerTurn::show_thinking() {
  Drawing& d = s_.drawing;
  const int background = s_.appearance.background;
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
  s_.clocks.restart_turn_clock();
  show_thinking();
  thinking_ = true;
  s_.reporter.set_status(tr_noop("Status", "ＣＯＭが考えています"));

  s_.drawing.refresh();
  Game& game = s_.game;
  const ComMove best = is_engine_level(game.state.level) ? strong_move() : one_ply_move();
  thinking_ = false;
  if (out_of_time()) return;
  thinking_ = best.found && !whole_game_full(game);
  if (!best.found) {
    // Drops the person could not make are no candidates of the computer, so
    // a hand that only allows such drops leaves it without a move.
    s_.clocks.set_clock_timer(false);
    s_.messages.tell(tr_text("Game", "ＣＯＭの移動できる駒が無くなりました"),
                     tr_text("Game", "警告"));
    s_.flow.game_over_prompt(Winner::PERSON);
    return;
  }
  if (whole_game_full(game)) {
    // The record holds no more moves: the turn goes back to the person, whose
    // moves are refused the same way until the game is stepped back or restarted.
    s_.messages.refuse(tr_text("Game", "棋譜が一杯です（５００手）。これ以上は指せません"),
                       tr_text("Game", "警告"));
    hand_turn_back();
    return;
  }
  play_com_move(best);
  after_com_move(best);
}

ComMove ComputerTurn::one_ply_move() {
  Game& game = s_.game;
  ComWorld world{game.state, game.tables, game.com_context, game.reach};
  ClockTicker ticker(s_.clocks);
  return com_turn(world, nullptr, &ticker);
}

bool ComputerTurn::out_of_time() {
  const Countdown& countdown = s_.clocks.countdown();
  if (!countdown.active()) return false;
  s_.clocks.settle_turn_time();
  const GameState& state = s_.game.state;
  if (countdown.time_left(state.upper_side, state.turn_elapsed) > 0) return false;
  s_.clocks.lose_on_time(state.upper_side);
  return true;
}

EngineLimits ComputerTurn::limits_on_clock() const {
  const EngineLimits limits = limits_of_level(s_.game.state.level, strong_.variety_seed());
  const Countdown& countdown = s_.clocks.countdown();
  return countdown.active() ? limits_within(limits, countdown.computer_seconds()) : limits;
}

ComMove ComputerTurn::strong_move() {
  const EngineResult result = strong_.best_move(+1, limits_on_clock());
  // The time the search took reaches the computer's clock, as the ticks
  // during the one-ply search bring it there.
  s_.clocks.on_clock_tick();
  ComMove move;
  if (!result.found) return move;
  const Candidate& c = result.best;
  move.from_x = c.from_x;
  move.from_y = c.from_y;
  move.to_x = c.to_x;
  move.to_y = c.to_y;
  move.moved = c.moved;
  move.placed = c.placed;
  move.found = true;
  return move;
}

void ComputerTurn::show_com_path(const ComMove& best) {
  ReachState& reach = s_.game.reach;
  if (!find_chain_path(reach, s_.game.state.board, best.from_x, best.from_y, best.to_x, best.to_y,
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
  s_.reporter.path_shown(reach.path_x + 1, reach.path_y + 1, count);
  s_.drawing.draw_chain_path(count);
}

void ComputerTurn::play_com_move(const ComMove& best) {
  GameState& state = s_.game.state;
  Kifu& kifu = s_.game.kifu;
  // The move is decided: on time, the computer's clock stops here and does
  // not count the showing of the move.
  if (s_.clocks.countdown().active()) s_.clocks.set_clock_timer(false);
  // The thinking time ends where the showing begins; the record, and with it
  // the side panel's move list, gains the move once the board shows it.
  const double upper_clock_after = state.upper_clock + state.turn_elapsed;
  show_com_path(best);
  thinking_ = false;
  record_move(kifu, state.board, best.from_x, best.from_y, best.to_x, best.to_y, best.moved,
              best.placed, state.lower_clock, state.lower_clock, state.upper_clock,
              upper_clock_after);
  s_.game.count_move();
  s_.drawing.show_move_number(state.move_count);
  const MoveRedraw redraw =
      s_.game.play(best.from_x, best.from_y, best.to_x, best.to_y, best.placed);
  draw_move(s_.drawing, best.from_x, best.from_y, best.to_x, best.to_y, best.placed, redraw);
  report_move(s_.reporter, kifu.entry[kifu.kifu_pos]);
  s_.flow.move_recorded();
  s_.messages.play_click();
  s_.clocks.set_clock_timer(false);
}

void ComputerTurn::after_com_move(const ComMove& best) {
  Game& game = s_.game;
  GameState& state = game.state;
  if (!side_can_move(state, state.lower_side)) {
    s_.messages.tell(tr_text("Game", "移動できる駒が無くなりました"), tr_text("Game", "警告"));
    s_.flow.game_over_prompt(Winner::COMPUTER);
    return;
  }
  analyze_board(state, game.tables);
  if (state.winner == state.upper_side) {
    s_.flow.game_over_prompt(Winner::COMPUTER);
    return;
  }
  if (game.tables.upper_attack_count(state.lower_king_x, state.lower_king_y) > 0) {
    s_.messages.tell(tr_text("Game", "   ** 王手 **"), "");
  }
  s_.drawing.show_last_move(state.upper_side, best.to_x, best.to_y, best.placed, TEXT_COLOUR);
  s_.drawing.frame_cell(REFUSED_COLOUR, best.to_x, best.to_y);
  hand_turn_back();
}

void ComputerTurn::hand_turn_back() {
  s_.clocks.charge_turn(true);
  s_.clocks.start_turn();
  s_.game.give_turn_to(s_.game.state.lower_side);
  if (s_.ticks.is_checked(MenuId::ELAPSED_TIME) || s_.clocks.countdown().active()) {
    s_.clocks.set_clock_timer(true);
  }
  s_.reporter.set_status(tr_noop("Status", "あなたの番です"));
}

}  // namespace kumora
