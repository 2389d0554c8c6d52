// The computer's turn as the person sees it: the thinking caption, the search,
// the move shown link by link along its chain, and what follows from it.
#include "analysis/analyze_board.h"
#include "com/chain_path.h"
#include "com/com_search.h"
#include "com/movable.h"
#include "core/make_move.h"
#include "kifu/record.h"
#include "view/main_window.h"

namespace kumora {

namespace {

// Keeps the clock display moving while the search runs.
class ClockTicker : public TurnTicker {
 public:
  explicit ClockTicker(MainWindow& window) : window_(window) {}
  void tick() override { window_.Timer1_Timer(); }

 private:
  MainWindow& window_;
};

}  // namespace

void MainWindow::analyze_position() { analyze_board(state, tables); }

void MainWindow::show_thinking() {
  paint_cell(state.background, -2, 8);
  paint_cell(state.background, -1, 8);
  paint_cell(state.background, 0, 8);
  frame_cell(WINDOW_COLOUR, -1, 7);
  print_at(-1.5, 8.5, "思考中", SHADOW_COLOUR, 0, 12);
  print_at(-1.6, 8.4, "思考中", TEXT_COLOUR, 0, 12);
  frame_cell(WINDOW_COLOUR, 1, 8);
}

void MainWindow::com_ban() {
  turn_start_time = host_.now();
  if (is_checked(MenuId::KEIKA)) set_timer1(true);
  show_thinking();

  ComWorld world{state, tables, com_context, reach};
  prepare_turn(world);
  canvas_.refresh();
  ClockTicker ticker(*this);
  const ComMove best = search_best_move(world, nullptr, &ticker);
  if (!best.found) {
    // Drops the person could not make are no candidates of the computer, so
    // a hand that only allows such drops leaves it without a move.
    set_timer1(false);
    tell("ＣＯＭの移動できる駒が無くなりました", "警告");
    game_over_prompt("あなた");
    return;
  }
  if (kifu_is_full(kifu)) {
    // The record holds no more moves: the turn goes back to the person, whose
    // moves are refused the same way until the game is stepped back or restarted.
    refuse("棋譜が一杯です（５００手）。これ以上は指せません", "警告");
    hand_turn_back();
    return;
  }
  play_com_move(best);
  after_com_move(best);
}

void MainWindow::show_com_path(const ComMove& best) {
  if (find_chain_path(reach, state.board, best.from_x, best.from_y, best.to_x, best.to_y,
                      best.moved) == OFF) {
    // A chain longer than the search looks is shown as its two ends.
    reach.path_x[1] = best.from_x;
    reach.path_y[1] = best.from_y;
    reach.path_x[2] = best.to_x;
    reach.path_y[2] = best.to_y;
  }
  if (observer_) {
    int count = 1;
    while (count < 8 && !(reach.path_x[count] == best.to_x && reach.path_y[count] == best.to_y)) {
      ++count;
    }
    observer_->path_shown(reach.path_x + 1, reach.path_y + 1, count);
  }
  draw_chain_path(best.to_x, best.to_y);
}

void MainWindow::play_com_move(const ComMove& best) {
  record_move(kifu, state.board, best.from_x, best.from_y, best.to_x, best.to_y, best.moved,
              best.placed, state.lower_clock, state.lower_clock, state.upper_clock,
              state.upper_clock + state.turn_elapsed);
  show_com_path(best);
  state.move_count += 1;
  show_move_number(state.move_count);
  const MoveRedraw redraw =
      make_move(state, best.from_x, best.from_y, best.to_x, best.to_y, best.placed);
  draw_move(best.from_x, best.from_y, best.to_x, best.to_y, best.placed, redraw.capture_hand,
            redraw.drop_hand);
  report_move(kifu.entry[kifu.kifu_pos]);
  sound_.play(snd_click);
  set_timer1(false);
}

void MainWindow::after_com_move(const ComMove& best) {
  if (has_movable_piece(reach, state, state.lower_side) == OFF) {
    tell("移動できる駒が無くなりました", "警告");
    game_over_prompt("ｺﾝﾋﾟｭｰﾀ");
    return;
  }
  analyze_position();
  if (state.winner == state.upper_side) {
    game_over_prompt("ｺﾝﾋﾟｭｰﾀ");
    return;
  }
  if (tables.upper_attack_count(state.lower_king_x, state.lower_king_y) > 0) {
    tell("   ** 王手 **", "");
  }
  show_last_move(state.upper_side, best.to_x, best.to_y, best.placed, TEXT_COLOUR);
  frame_cell(REFUSED_COLOUR, best.to_x, best.to_y);
  hand_turn_back();
}

void MainWindow::hand_turn_back() {
  state.upper_clock += state.turn_elapsed;
  turn_start_time = host_.now();
  state.turn = state.lower_side;
  if (is_checked(MenuId::KEIKA)) set_timer1(true);
}

}  // namespace kumora
