#include "engine/search_position.h"

namespace kumora {

namespace {

void change_hand(SearchPosition& position, int owner, int slot, int by) {
  int& count = position.hand_of(owner)[slot];
  position.key ^= hand_key(owner, slot, count);
  count += by;
  position.key ^= hand_key(owner, slot, count);
}

void put(SearchPosition& position, int code, int x, int y) {
  position.key ^= square_key(position.board(x, y), x, y) ^ square_key(code, x, y);
  position.board(x, y) = code;
  if (code == EMPTY)
    position.occupied &= ~square_bit(x, y);
  else
    position.occupied |= square_bit(x, y);
}

}  // namespace

SearchPosition search_position(const Board& board, const int* lower_hand, const int* upper_hand,
                               int side_to_move) {
  SearchPosition position;
  position.board = board;
  for (int slot = 1; slot <= 7; ++slot) {
    position.hand[0][slot] = lower_hand[slot];
    position.hand[1][slot] = upper_hand[slot];
  }
  position.side = side_to_move > 0 ? +1 : -1;
  position.key = position_key(board, lower_hand, upper_hand, position.side);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (board(x, y) != EMPTY) position.occupied |= square_bit(x, y);
  return position;
}

void play(SearchPosition& position, const Candidate& move, MoveUndo& undo) {
  const int mover = position.side;
  undo.key = position.key;
  if (move.is_drop()) {
    change_hand(position, mover, drop_slot(move), -1);
  } else {
    put(position, EMPTY, move.from_x, move.from_y);
  }
  undo.captured = position.board(move.to_x, move.to_y);
  if (const int slot = hand_index(undo.captured); slot != 0) change_hand(position, mover, slot, +1);
  put(position, move.placed, move.to_x, move.to_y);
  pass_turn(position);
}

void take_back(SearchPosition& position, const Candidate& move, const MoveUndo& undo) {
  position.side = -position.side;
  const int mover = position.side;
  position.board(move.to_x, move.to_y) = undo.captured;
  if (undo.captured == EMPTY) position.occupied &= ~square_bit(move.to_x, move.to_y);
  if (const int slot = hand_index(undo.captured); slot != 0) position.hand_of(mover)[slot] -= 1;
  if (move.is_drop()) {
    position.hand_of(mover)[drop_slot(move)] += 1;
  } else {
    position.board(move.from_x, move.from_y) = move.moved;
    position.occupied |= square_bit(move.from_x, move.from_y);
  }
  position.key = undo.key;
}

void pass_turn(SearchPosition& position) {
  position.side = -position.side;
  position.key ^= lower_to_move_key();
}

}  // namespace kumora
