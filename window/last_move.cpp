#include "window/last_move.h"

#include "kifu/record.h"
#include "rules/chain_path.h"

namespace kumora {

namespace {

// The hand cell a drop came from. The person's drops keep the hand row they
// were picked from; the computer's upper-hand drops record the hand slot.
Cell hand_cell(const GameState& state, const RecordEntry& e) {
  if (e.from_x == LOWER_HAND_COLUMN) return {e.from_x, e.from_y};
  const bool slot_recorded = state.vs_com == MODE_COM && e.placed > 0;
  return {e.from_x, slot_recorded ? upper_hand_row_of_slot(e.from_y) : e.from_y};
}

}  // namespace

LastMoveSquares last_move_squares(const Game& game) {
  LastMoveSquares squares;
  const MoveRecord& record = game.record;
  if (record.shown < 1 || record.shown > record.length) return squares;
  const RecordEntry& e = record.entry[record.shown];
  if (!Board::on_board(e.to_x, e.to_y)) return squares;
  squares.present = true;
  squares.to = {e.to_x, e.to_y};
  const bool drop = !Board::on_board(e.from_x, e.from_y);
  squares.from = drop ? hand_cell(game.state, e) : Cell{e.from_x, e.from_y};

  // The chain is found on the position before the move.
  GameState before = game.state;
  undo_entry(before, e);
  ReachState reach;
  if (find_chain_path(reach, before.board, e.from_x, e.from_y, e.to_x, e.to_y, e.moved)) {
    for (int i = 2; i <= 8; ++i) {
      if (reach.path_x[i] == e.to_x && reach.path_y[i] == e.to_y) break;
      squares.links.push_back({reach.path_x[i], reach.path_y[i]});
    }
  }
  return squares;
}

}  // namespace kumora
