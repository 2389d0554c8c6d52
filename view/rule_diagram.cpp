#include "view/rule_diagram.h"

#include "rules/drops_promotion.h"
#include "rules/make_move.h"

namespace kumora {

DiagramSquare from_hand(int code) { return {LOWER_HAND_COLUMN, hand_index(code) + 2}; }

GameState diagram_state(const RuleDiagram& diagram) {
  GameState state;
  for (const DiagramPiece& piece : diagram.pieces)
    state.board(piece.square.x, piece.square.y) = piece.code;
  for (int code : diagram.hand) ++state.lower_hand[hand_index(code)];
  recompute_hand_totals(state);
  state.turn = state.lower_side;
  return state;
}

GameState diagram_result(const RuleDiagram& diagram) {
  GameState state = diagram_state(diagram);
  if (diagram.clicks.size() < 2) return state;
  const DiagramSquare from = diagram.clicks.front();
  const DiagramSquare to = diagram.clicks.back();
  int piece =
      from.x == LOWER_HAND_COLUMN ? -HAND_SLOT_CODES[from.y - 2] : state.board(from.x, from.y);
  if (diagram.right_button) piece = promoted_code(from.x, from.y, to.x, to.y, piece);
  make_move(state, from.x, from.y, to.x, to.y, piece);
  return state;
}

std::vector<DiagramPiece> initial_pieces(int left_file, int right_file, int top_rank,
                                         int bottom_rank) {
  GameState initial;
  set_initial_position(initial);
  std::vector<DiagramPiece> pieces;
  for (int y = top_rank; y <= bottom_rank; ++y)
    for (int x = 10 - left_file; x <= 10 - right_file; ++x)
      if (initial.board(x, y) != EMPTY) pieces.push_back({{x, y}, initial.board(x, y)});
  return pieces;
}

}  // namespace kumora
