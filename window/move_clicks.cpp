#include "window/move_clicks.h"

#include "rules/chain_path.h"

namespace kumora {

std::vector<Cell> move_clicks(const Board& board, const Candidate& move) {
  ReachState reach;
  const bool found =
      find_chain_path(reach, board, move.from_x, move.from_y, move.to_x, move.to_y, move.moved);
  // An upper-hand drop names its slot; the click is on the slot's row.
  const int from_y =
      move.from_x == UPPER_HAND_COLUMN ? upper_hand_row_of_slot(move.from_y) : move.from_y;
  std::vector<Cell> cells{{move.from_x, from_y}};
  for (int i = 2; found && i <= 8; ++i) {
    if (reach.path_x[i] == move.to_x && reach.path_y[i] == move.to_y) break;
    cells.push_back({reach.path_x[i], reach.path_y[i]});
  }
  cells.push_back({move.to_x, move.to_y});
  return cells;
}

std::unique_ptr<CandidateList> moves_of_side_to_move(const GameState& state) {
  const bool lower = state.turn == state.lower_side;
  auto list = std::make_unique<CandidateList>();
  generate_candidates(state.board, lower ? state.lower_hand : state.upper_hand, lower ? -1 : +1,
                      *list);
  return list;
}

}  // namespace kumora
