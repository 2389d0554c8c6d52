#include "rules/drops_promotion.h"

#include "rules/movement.h"

namespace kumora {

bool second_pawn_in_file(const Board& board, int from_x, int to_x, int piece) {
  if (piece != PAWN && piece != -PAWN) return false;
  if (from_x == to_x) return false;
  for (int y = 1; y <= 9; ++y) {
    if (board.at_or_empty(to_x, y) == piece) return true;
  }
  return false;
}

bool may_stay_unpromoted(int to_y, int piece) {
  switch (piece) {
    case PAWN:
    case LANCE:
      return to_y != 9;
    case KNIGHT:
      return to_y < 8;
    case -PAWN:
    case -LANCE:
      return to_y != 1;
    case -KNIGHT:
      return to_y > 2;
    default:
      return true;
  }
}

int promoted_code(int from_x, int from_y, int /*to_x*/, int to_y, int piece) {
  if (is_hand_column(from_x)) return piece;
  switch (piece) {
    case -PAWN:
    case -LANCE:
    case -KNIGHT:
      return to_y < 4 ? piece - 1 : piece;
    case -SILVER:
    case -BISHOP:
    case -ROOK:
      return (to_y < 4 || from_y < 4) ? piece - 1 : piece;
    case PAWN:
    case LANCE:
    case KNIGHT:
      return to_y > 6 ? piece + 1 : piece;
    case SILVER:
    case BISHOP:
    case ROOK:
      return (to_y > 6 || from_y > 6) ? piece + 1 : piece;
    default:
      return piece;
  }
}

}  // namespace kumora
