// The rules' constants: piece codes, the hand slots, a drop's origin and the
// record limit.
#pragma once

namespace kumora {

// The most moves a game's record holds; a game whose record is full ends
// in a draw.
constexpr int RECORD_LIMIT = 500;

// An empty square.
constexpr int EMPTY = 0;

// Piece codes of the upper player; the lower player's are their negatives.
// A promoted piece is one step further from zero.
constexpr int PAWN = 10;
constexpr int LANCE = 20;
constexpr int KNIGHT = 30;
constexpr int SILVER = 100;
constexpr int GOLD = 110;
constexpr int BISHOP = 800;
constexpr int ROOK = 900;
constexpr int KING = 950;
constexpr int TOKIN = 11;
constexpr int PROMOTED_LANCE = 21;
constexpr int PROMOTED_KNIGHT = 31;
constexpr int PROMOTED_SILVER = 101;
constexpr int PROMOTED_GOLD = 111;  // defined but never produced
constexpr int HORSE = 801;
constexpr int DRAGON = 901;

// The origin column of a drop, as a move and the record name it: the lower
// hand is column 11 (rows 3..9 for slots 1..7), the upper hand column -1
// (rows 7..1 for slots 1..7).
constexpr int LOWER_HAND_COLUMN = 11;
constexpr int UPPER_HAND_COLUMN = -1;

// The upper hand's rows mirror its slots: slot 1 is row 7, slot 7 row 1.
constexpr int upper_hand_row_of_slot(int slot) { return 8 - slot; }
constexpr int upper_hand_slot_of_row(int row) { return 8 - row; }

// The piece codes of hand slots 1..7 for the upper player (negate for the lower).
constexpr int HAND_SLOT_CODES[8] = {0, PAWN, LANCE, KNIGHT, SILVER, GOLD, BISHOP, ROOK};

}  // namespace kumora
