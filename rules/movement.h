// Single steps, slides and the chain-move tests of one click.
#pragma once

#include "rules/board.h"

namespace kumora {

// Can `piece`, standing on (from_x, from_y) or held in the hand named by the
// origin column (11 lower, -1 upper), reach (to_x, to_y) in one step or slide,
// onto an empty or enemy square?
bool can_step(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece);

// Rook-line slide: the squares strictly between origin and target are empty.
bool orthogonal_path_clear(const Board& board, int from_x, int from_y, int to_x, int to_y);

// Bishop-line slide: the squares strictly between origin and target are empty.
bool diagonal_path_clear(const Board& board, int from_x, int from_y, int to_x, int to_y);

// Does the target hold an own piece of `piece` that `piece` could reach if the
// square were empty?  (The chain's link test.)
bool can_step_onto_own(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece);

// The test of every click of a move under construction: from the second click
// on (chain_count > 0) a plain step ends the move; an own piece always links.
bool can_step_or_chain(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece,
                       int chain_count);

// can_step as if the target held `target_code` instead of what stands there.
bool can_step_with_target(const Board& board, int from_x, int from_y, int to_x, int to_y, int piece,
                          int target_code);

// A hand cell's column: 11 for the lower hand, -1 for the upper hand.
inline bool is_hand_column(int x) { return x == LOWER_HAND_COLUMN || x == UPPER_HAND_COLUMN; }

}  // namespace kumora
