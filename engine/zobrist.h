// Zobrist keys of a position: a random 64-bit word for every piece code on
// every square, for every count of every kind in each hand, and for the lower
// side to move.  The words are fixed at compile time, so a key is the same on
// every machine.
#pragma once

#include <cstdint>

#include "rules/board.h"

namespace kumora {

using PositionKey = std::uint64_t;

// Counts above this are keyed as this count (no real hand gets near it).
constexpr int MAX_KEYED_HAND_COUNT = 40;

// The word of `code` standing on board square (x, y); 0 for EMPTY or a code
// that is no piece.
PositionKey square_key(int code, int x, int y);

// The word of `count` pieces of hand slot 1..7 in the hand of `side`
// (+1 upper, -1 lower); 0 for a count of 0.
PositionKey hand_key(int side, int slot, int count);

// The word added when the lower side is to move.
PositionKey lower_to_move_key();

// The key computed from scratch.
PositionKey position_key(const Board& board, const int* lower_hand, const int* upper_hand,
                         int side_to_move);

}  // namespace kumora
