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

std::optional<Candidate> LevelComputerPlayer::choose_move(GameState& state, AttackTables& tables,
                                                          ReachState& reach,
                                                          ThinkingTicker& ticker) {
  ComWorld world{state, tables, context_, reach};
  TickerOfTurn turn_ticker(ticker);
  const ComMove best = com_turn(world, nullptr, &turn_ticker);
  if (!best.found) return std::nullopt;
  return candidate_of(best);
}

}  // namespace kumora
