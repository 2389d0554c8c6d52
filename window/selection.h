// The person's selection on the board: the piece picked up and the links of
// the chain clicked so far. The mouse part owns it; the other parts only ask
// the window to drop it.
#pragma once

namespace kumora {

// Elements of Selection::cur_move.
constexpr int CUR_FROM_X = 3;
constexpr int CUR_FROM_Y = 4;
constexpr int CUR_TO_X = 5;
constexpr int CUR_TO_Y = 6;
constexpr int CUR_PIECE = 8;

struct Selection {
  bool piece_picked = false;  // a piece on the board or in a hand is picked up
  int chain_count = 0;        // links passed so far
  int chain_piece = 0;
  int chain_start_x = 0;
  int chain_start_y = 0;
  int cur_move[9] = {};
};

}  // namespace kumora
