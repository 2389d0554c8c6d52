#include "rules/reach_map.h"

#include "rules/reach_sets.h"

namespace kumora {

void spread_reach(ReachState& reach, const Board& board, int x, int y, int piece, Flood flood,
                  ReachMode mode) {
  ReachSets sets{squares_of(reach.reach_map), squares_of(reach.reach_expanded)};
  spread_sets(sets, board, x, y, piece, flood, mode);
  store_reach(reach, sets);
}

void build_reach_map(ReachState& reach, const Board& board, int x, int y, ReachMode mode) {
  store_reach(reach, reach_sets(board, x, y, mode));
}

}  // namespace kumora
