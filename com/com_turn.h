// The LEVEL1-3 computer's turn in one call, for everything that runs it: the
// window, the scenario runner, the match players, the soak, the benches and
// the tests.
#pragma once

#include "com/com_search.h"

namespace kumora {

// The move of the upper side of `world`: prepares the turn on the tables as
// they stand (last analysed after the opponent's move), then searches.
// sink and ticker may be null.
ComMove com_turn(ComWorld& world, CandidateSink* sink = nullptr, TurnTicker* ticker = nullptr);

// A position with tables of its own, analysed once as they would stand after
// the opponent's move, so that the free squares counted before the turn and
// the tables carried over come from this same position.
struct ComPosition {
  GameState state;
  AttackTables tables;
  ComContext context;
  ReachState reach;
  ComWorld world{state, tables, context, reach};

  ComPosition(const GameState& position, int level);
  ComPosition(const ComPosition&) = delete;
  ComPosition& operator=(const ComPosition&) = delete;

  ComMove best_move(CandidateSink* sink = nullptr) { return com_turn(world, sink); }
};

}  // namespace kumora
