#include "window/hint.h"

#include "com/chain_path.h"
#include "core/translation.h"
#include "window/cell.h"
#include "window/drawing.h"
#include "window/messages.h"
#include "window/strong_search.h"

namespace kumora {

namespace {

// The cell a path entry is shown on: an upper-hand drop names its slot.
Cell shown_cell(int x, int y) { return {x, x == UPPER_HAND_COLUMN ? 8 - y : y}; }

}  // namespace

void Hint::HINT_Click() {
  s_.flow.hide_file_panel();
  GameState& state = s_.game.state;
  if (state.turn == NO_GAME) {
    s_.reporter.set_status(tr_noop("Status", "「対局」で対局を始めて下さい"));
    s_.messages.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  state.select_state = 0;
  s_.drawing.clear_marks();
  s_.reporter.set_status(tr_noop("Status", "ヒントを考えています"));
  const int side = state.turn == state.lower_side ? -1 : +1;
  const EngineResult result = search_.best_move(side, 4);
  if (!result.found) {
    s_.reporter.set_status(tr_noop("Status", "指せる手がありません"));
    return;
  }
  frame_chain(result.best);
  const Candidate& move = result.best;
  s_.reporter.set_status(tr_noop("Status", "ヒント：%1"),
                         Drawing::value_text(10 - move.to_x) +
                             Drawing::value_text(1000 + move.to_y) +
                             Drawing::value_text(move.placed));
}

void Hint::frame_chain(const Candidate& move) {
  Drawing& d = s_.drawing;
  ReachState reach;
  const int found = find_chain_path(reach, s_.game.state.board, move.from_x, move.from_y,
                                    move.to_x, move.to_y, move.moved);
  const Cell from = shown_cell(move.from_x, move.from_y);
  d.frame_cell(HINT_COLOUR, from.x, from.y);
  d.refresh();
  for (int i = 2; found == ON && i <= 8; ++i) {
    if (reach.path_x[i] == move.to_x && reach.path_y[i] == move.to_y) break;
    d.wait(0.2);
    d.frame_cell(HINT_COLOUR, reach.path_x[i], reach.path_y[i]);
    d.refresh();
  }
  d.wait(0.2);
  d.frame_cell(HINT_COLOUR, move.to_x, move.to_y);
  d.refresh();
}

}  // namespace kumora
