#include "com/level_computer_player.h"

namespace kumora {

namespace {

class TickerOfTurn : public TurnTicker {
 public:
  explicit TickerOfTurn(ThinkingTicker& ticker) : ticker_(ticker) {}
  void tick() override { ticker_.tick(); }

 private:
  ThinkingTicker& ticker_;
};

}  // namespace

ComputerMove LevelComputerPlayer::choose_move(GameState& state, AttackTables& tables,
                                              ReachState& reach, ThinkingTicker& ticker) {
  ComWorld world{state, tables, context_, reach};
  TickerOfTurn turn_ticker(ticker);
  const ComMove best = com_turn(world, nullptr, &turn_ticker);
  ComputerMove move;
  move.from_x = best.from_x;
  move.from_y = best.from_y;
  move.to_x = best.to_x;
  move.to_y = best.to_y;
  move.moved = best.moved;
  move.placed = best.placed;
  move.found = best.found;
  return move;
}

}  // namespace kumora
