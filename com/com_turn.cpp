#include "com/com_turn.h"

#include "analysis/analyze_board.h"

namespace kumora {

ComMove com_turn(ComWorld& world, CandidateSink* sink, TurnTicker* ticker) {
  prepare_turn(world);
  return search_best_move(world, sink, ticker);
}

ComPosition::ComPosition(const GameState& position, int level) : state(position) {
  state.level = level;
  analyze_board(state, tables);
}

}  // namespace kumora
