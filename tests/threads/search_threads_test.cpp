// The search on several threads: a node budget still gives one answer, a
// search by time on several cores gives a legal move and counts every
// thread's nodes, and a search in the background stops when its waiter
// gives up.  Also built with ThreadSanitizer (test_threads_tsan).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/background_search.h"
#include "engine/engine.h"
#include "tests/com/test_positions.h"

namespace kumora {
namespace {

GameState even_position() {
  GameState state;
  set_initial_position(state);
  return state;
}

// A middle game with pieces in both hands.
GameState busy_position() {
  GameState state = position_of({{5, 1, KING},
                                 {4, 1, GOLD},
                                 {6, 1, GOLD},
                                 {3, 2, SILVER},
                                 {2, 2, ROOK},
                                 {5, 3, PAWN},
                                 {4, 3, PAWN},
                                 {6, 4, KNIGHT},
                                 {5, 9, -KING},
                                 {4, 9, -GOLD},
                                 {6, 8, -SILVER},
                                 {8, 8, -ROOK},
                                 {5, 7, -PAWN},
                                 {6, 7, -PAWN},
                                 {3, 6, -BISHOP}});
  state.upper_hand[1] = 2;
  state.lower_hand[4] = 1;
  recompute_hand_totals(state);
  return state;
}

bool is_candidate(const EnginePosition& position, const Candidate& move) {
  static CandidateList list;
  const int* hand = position.side > 0 ? position.upper_hand : position.lower_hand;
  generate_candidates(position.board, hand, position.side, list);
  return std::find(list.move, list.move + list.count, move) != list.move + list.count;
}

TEST(SearchThreads, ANodeBudgetGivesTheSameMoveWithSeveralThreadsAskedFor) {
  for (const GameState& state : {even_position(), busy_position()}) {
    const EnginePosition position = engine_position(state, +1, 0);
    Engine one, many;
    const EngineResult single = one.think(position, {6000, 0, 0, 1}, nullptr);
    const EngineResult first = many.think(position, {6000, 0, 0, 4}, nullptr);
    const EngineResult second = many.think(position, {6000, 0, 0, 4}, nullptr);
    EXPECT_EQ(first.best, single.best);
    EXPECT_EQ(second.best, single.best);
    EXPECT_EQ(first.score_cp, single.score_cp);
    EXPECT_EQ(second.nodes, single.nodes) << "no helper searched";
  }
}

TEST(SearchThreads, ATimedSearchOnThreeThreadsGivesALegalMoveAndCountsEveryThread) {
  const EnginePosition position = engine_position(busy_position(), -1, 0);
  Engine engine(1);
  EngineLimits limits;
  limits.seconds = 0.25;
  limits.threads = 3;
  for (int round = 0; round < 2; ++round) {
    const EngineResult result = engine.think(position, limits, nullptr);
    ASSERT_TRUE(result.found);
    EXPECT_TRUE(is_candidate(position, result.best));
    EXPECT_GT(result.depth, 0);
    EXPECT_GT(result.nodes, 0);
  }
}

TEST(SearchThreads, ABackgroundSearchEndsByItselfOrWhenItsWaiterGivesUp) {
  const EnginePosition position = engine_position(busy_position(), +1, 0);
  Engine engine(1);
  EngineLimits limits;
  limits.seconds = 0.2;
  limits.threads = 2;
  const BackgroundResult finished =
      think_in_background(engine, position, limits, [](const std::function<bool()>& done) {
        while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
      });
  EXPECT_FALSE(finished.given_up);
  EXPECT_TRUE(is_candidate(position, finished.result.best));

  // Without limits only giving up ends it; the move found so far is legal.
  const auto start = std::chrono::steady_clock::now();
  const BackgroundResult stopped = think_in_background(
      engine, position, EngineLimits{0, 0, 0, 2}, [](const std::function<bool()>&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        return false;
      });
  EXPECT_TRUE(stopped.given_up);
  EXPECT_TRUE(is_candidate(position, stopped.result.best));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
}  // namespace kumora
