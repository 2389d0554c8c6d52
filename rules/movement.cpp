#include "rules/movement.h"

#include <cstdlib>

namespace kumora {

namespace {

// Forward direction of a piece: lower pieces move up the screen.
int forward_of(int piece) { return piece <= -10 ? -1 : 1; }

// Walks from the origin toward the target by (step_x, step_y) and answers
// whether every square strictly between is empty.
int squares_between_empty(const Board& board, int from_x, int from_y, int to_x, int to_y) {
  const int step_x = (to_x > from_x) - (to_x < from_x);
  const int step_y = (to_y > from_y) - (to_y < from_y);
  int x = from_x + step_x;
  int y = from_y + step_y;
  while (x != to_x || y != to_y) {
    if (board.at_or_empty(x, y) != EMPTY) return OFF;
    x += step_x;
    y += step_y;
  }
  return ON;
}

// Drop restrictions of the last rows; the target is already known to be empty.
int drop_allowed(int to_y, int piece) {
  switch (piece) {
    case -PAWN:
    case -LANCE:
      return to_y == 1 ? OFF : ON;
    case PAWN:
    case LANCE:
      return to_y == 9 ? OFF : ON;
    case -KNIGHT:
      return to_y <= 2 ? OFF : ON;
    case KNIGHT:
      return to_y >= 8 ? OFF : ON;
    default:
      return std::abs(piece) >= 10 ? ON : OFF;
  }
}

int within_one(int dx, int dy) { return (std::abs(dx) <= 1 && std::abs(dy) <= 1) ? ON : OFF; }

int board_step(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  const int dx = to_x - from_x;
  const int dy = to_y - from_y;
  const int f = forward_of(piece);
  switch (std::abs(piece)) {
    case PAWN:
      return (dx == 0 && dy == f) ? ON : OFF;
    case LANCE:
      if (dx != 0 || dy * f <= 0) return OFF;
      return squares_between_empty(board, from_x, from_y, to_x, to_y);
    case KNIGHT:
      return (dy == 2 * f && std::abs(dx) == 1) ? ON : OFF;
    case SILVER:
      return ((std::abs(dx) <= 1 && dy == f) || (dy == -f && std::abs(dx) == 1)) ? ON : OFF;
    case GOLD:
    case TOKIN:
    case PROMOTED_LANCE:
    case PROMOTED_KNIGHT:
    case PROMOTED_SILVER:
      return ((std::abs(dx) <= 1 && (dy == f || dy == 0)) || (dy == -f && dx == 0)) ? ON : OFF;
    case BISHOP:
      return diagonal_path_clear(board, from_x, from_y, to_x, to_y);
    case HORSE:
      return within_one(dx, dy) ? ON : diagonal_path_clear(board, from_x, from_y, to_x, to_y);
    case ROOK:
      return orthogonal_path_clear(board, from_x, from_y, to_x, to_y);
    case DRAGON:
      return within_one(dx, dy) ? ON : orthogonal_path_clear(board, from_x, from_y, to_x, to_y);
    case KING:
      return within_one(dx, dy);
    default:
      return OFF;
  }
}

}  // namespace

int orthogonal_path_clear(const Board& board, int from_x, int from_y, int to_x, int to_y) {
  if (from_x != to_x && from_y != to_y) return OFF;
  return squares_between_empty(board, from_x, from_y, to_x, to_y);
}

int diagonal_path_clear(const Board& board, int from_x, int from_y, int to_x, int to_y) {
  const int dx = to_x - from_x;
  const int dy = to_y - from_y;
  if (dy != dx && dy != -dx) return OFF;
  return squares_between_empty(board, from_x, from_y, to_x, to_y);
}

int can_step_with_target(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece,
                         int target_code) {
  if (!Board::on_board(to_x, to_y) || (to_x == from_x && to_y == from_y)) return OFF;
  if (same_owner(piece, target_code)) return OFF;
  if (is_hand_column(from_x)) {
    if (target_code != EMPTY) return OFF;
    return drop_allowed(to_y, piece);
  }
  return board_step(board, from_x, from_y, to_x, to_y, piece);
}

int can_step(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  return can_step_with_target(board, from_x, from_y, to_x, to_y, piece,
                              board.at_or_empty(to_x, to_y));
}

int can_step_onto_own(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece) {
  const int target = board.at_or_empty(to_x, to_y);
  if ((piece >= 10 && target <= 0) || (piece <= -10 && target >= 0)) return OFF;
  return can_step_with_target(board, from_x, from_y, to_x, to_y, piece, EMPTY);
}

int can_step_or_chain(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece,
                      int chain_count) {
  if (chain_count > 0 && can_step(board, from_x, from_y, to_x, to_y, piece) == ON) return ON;
  return can_step_onto_own(board, from_x, from_y, to_x, to_y, piece);
}

}  // namespace kumora
