// The points the evaluation graph draws from the positions' values.
//
// A small search values the side to move higher, by more the deeper it
// looks, so the raw values of a game alternate with every ply. Each point is
// therefore the mean of the position's value and the value of the position
// before it: one value with each side to move, and the alternation cancels.
// A value that sees a king capture ahead is drawn as it is.
#pragma once

#include <optional>
#include <vector>

namespace kumora {

// Values from the lower player's side, one per position of the record, in
// order; a point is unknown while its value or the one before it is.
std::vector<std::optional<int>> graph_points(const std::vector<std::optional<int>>& values);

}  // namespace kumora
