#include "window/hint.h"

#include "core/translation.h"
#include "window/cell.h"
#include "window/drawing.h"
#include "window/messages.h"
#include "window/move_clicks.h"
#include "window/strong_search.h"

namespace kumora {

void Hint::show_hint() {
  pending_input_.hide_file_panel();
  const GameState& state = game_.state;
  if (state.turn == NO_GAME) {
    reporter_.set_status(tr_noop("Status", "「対局」で対局を始めて下さい"));
    messages_.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  pending_input_.drop_selection();
  drawing_.clear_marks();
  reporter_.set_status(tr_noop("Status", "ヒントを考えています"));
  const int side = state.turn == state.lower_side ? -1 : +1;
  const EngineResult result = search_.best_move(side, hint_limits());
  if (!result.found) {
    reporter_.set_status(tr_noop("Status", "指せる手がありません"));
    return;
  }
  frame_chain(result.best);
  const Candidate& move = result.best;
  reporter_.set_status(tr_noop("Status", "ヒント：%1"), Drawing::value_text(10 - move.to_x) +
                                                            Drawing::value_text(1000 + move.to_y) +
                                                            Drawing::value_text(move.placed));
}

void Hint::frame_chain(const Candidate& move) {
  Drawing& d = drawing_;
  const std::vector<Cell> cells = move_clicks(game_.state.board, move);
  ChainNumbers numbers;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) d.wait(0.2);
    d.frame_cell(HINT_COLOUR, cells[i].x, cells[i].y);
    numbers.cells.push_back(cells[i]);
    numbers.ends_at_destination = i + 1 == cells.size();
    d.show_numbers(numbers);
    d.refresh();
  }
}

}  // namespace kumora
