#include "engine/ladder.h"

#include "engine/search_position.h"
#include "rules/candidates.h"

namespace kumora {

namespace {

struct LadderStep {
  std::int64_t nodes;
  int variety;  // hundredths of a pawn
};

// Each step searches about twice the nodes of the one below and strays less
// from the best move.
constexpr LadderStep STEPS[LADDER_STEPS + 1] = {{0, 0},     {120, 40},  {220, 35},  {400, 30},
                                                {800, 25},  {1200, 22}, {3000, 15}, {8000, 10},
                                                {20000, 6}, {50000, 3}};

}  // namespace

EngineLimits ladder_limits(int step, std::uint32_t seed) {
  const LadderStep& s = STEPS[step < 1 ? 1 : step > LADDER_STEPS ? LADDER_STEPS : step];
  EngineLimits limits;
  limits.nodes = s.nodes;
  limits.variety = s.variety;
  limits.variety_seed = seed;
  return limits;
}

EngineLimits limits_of_level(int level, std::uint32_t seed) {
  return is_ladder_level(level) ? ladder_limits(level - LADDER_LEVEL_BASE, seed)
                                : level_limits(level);
}

bool leaves_king_capturable(const EnginePosition& position, const Candidate& move) {
  SearchPosition after =
      search_position(position.board, position.lower_hand, position.upper_hand, position.side);
  MoveUndo undo;
  play(after, move, undo);
  SideReach other;
  build_side_reach(after.board, after.side, other);
  for (SquareSet ends = other.reached; ends != 0; ends &= ends - 1)
    if (cell_of(after.board, lowest_square(ends)) == position.side * KING) return true;
  return false;
}

Candidate king_kept_safe(const EnginePosition& position, const Candidate& move) {
  if (!leaves_king_capturable(position, move)) return move;
  static thread_local CandidateList list;
  const int* hand = position.side > 0 ? position.upper_hand : position.lower_hand;
  generate_candidates(position.board, hand, position.side, list);
  for (int i = 0; i < list.count; ++i)
    if (!leaves_king_capturable(position, list.move[i])) return list.move[i];
  return move;
}

}  // namespace kumora
