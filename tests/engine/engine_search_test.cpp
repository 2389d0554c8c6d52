// The engine's search: king captures found at any budget, the variant's ends,
// repeatable results under a node budget, and a legal move however it stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

#include "engine/engine.h"
#include "engine/search_position.h"
#include "rules/reverse.h"
#include "tests/com/test_positions.h"
#include "tests/support/random_positions.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

EnginePosition to_move(const GameState& state, int side) { return engine_position(state, side, 0); }

EngineResult think_nodes(const EnginePosition& position, std::int64_t nodes) {
  static Engine engine;
  EngineLimits limits;
  limits.nodes = nodes;
  return engine.think(position, limits, nullptr);
}

bool is_candidate(const EnginePosition& position, const Candidate& move) {
  static CandidateList list;
  const int* hand = position.side > 0 ? position.upper_hand : position.lower_hand;
  generate_candidates(position.board, hand, position.side, list);
  return std::find(list.move, list.move + list.count, move) != list.move + list.count;
}

// A silver dropped next to the gold on (2, 8) takes the cornered king next
// move, whatever the lower pawns do.
GameState capture_in_three() {
  GameState state =
      position_of({{9, 1, KING}, {2, 8, GOLD}, {1, 9, -KING}, {9, 5, -PAWN}, {9, 6, -PAWN}});
  state.upper_hand[4] = 1;
  recompute_hand_totals(state);
  return state;
}

TEST(EngineSearch, KingCaptureInOnePlyAtAnyBudgetForBothSides) {
  GameState state = king_capture_in_one();
  for (int side : {+1, -1}) {
    for (std::int64_t nodes : {1, 2, 10, 1000, 100000}) {
      const EngineResult result = think_nodes(to_move(state, side), nodes);
      ASSERT_TRUE(result.found);
      EXPECT_EQ(state.board(result.best.to_x, result.best.to_y), -side * KING)
          << "side " << side << " budget " << nodes;
    }
    reverse_position(state);
  }
}

// After the engine's move every reply of the other side leaves its king to be taken.
bool every_reply_loses_the_king(const EnginePosition& position, const Candidate& move) {
  SearchPosition after =
      search_position(position.board, position.lower_hand, position.upper_hand, position.side);
  MoveUndo undo;
  play(after, move, undo);
  static CandidateList replies;
  generate_candidates(after.board, after.hand_of(after.side), after.side, replies);
  for (int i = 0; i < replies.count; ++i) {
    SearchPosition reply = after;
    play(reply, replies.move[i], undo);
    SideReach reach;
    build_side_reach(reply.board, reply.side, reach);
    bool takes_king = false;
    for (SquareSet ends = reach.reached; ends != 0; ends &= ends - 1)
      takes_king |= cell_of(reply.board, lowest_square(ends)) == -reply.side * KING;
    if (!takes_king) return false;
  }
  return replies.count > 0;
}

TEST(EngineSearch, KingCaptureInThreePliesAtAnyBudgetForBothSides) {
  GameState state = capture_in_three();
  for (int side : {+1, -1}) {
    for (std::int64_t nodes : {3000, 30000, 300000}) {
      const EnginePosition position = to_move(state, side);
      const EngineResult result = think_nodes(position, nodes);
      ASSERT_TRUE(result.found);
      EXPECT_EQ(result.score_cp, ENGINE_MATE - 2) << "side " << side << " budget " << nodes;
      EXPECT_TRUE(every_reply_loses_the_king(position, result.best)) << side << ' ' << nodes;
    }
    reverse_position(state);
  }
}

TEST(EngineSearch, ASideWithoutCandidatesHasNoMoveAndIsLost) {
  const GameState state = position_of({{5, 1, KING}, {5, 2, GOLD}, {5, 9, -KING}});
  const EngineResult lower = think_nodes(to_move(state, -1), 1000);
  EXPECT_FALSE(lower.found);
  EXPECT_LE(engine_value_for_lower(to_move(state, -1), 1000), -ENGINE_MATE_BOUND);
  // The upper side wins by moving: the lower king can never move.
  const EngineResult upper = think_nodes(to_move(state, +1), 1000);
  ASSERT_TRUE(upper.found);
  EXPECT_GE(upper.score_cp, ENGINE_MATE_BOUND);
  EXPECT_LE(engine_value_for_lower(to_move(state, +1), 1000), -ENGINE_MATE_BOUND);
}

// The upper side is a rook and a bishop behind but every move it has leads
// to a position the game has seen: each counts as a draw.
TEST(EngineSearch, RepeatedPositionsAndTheFullRecordAreDraws) {
  GameState state = position_of({{1, 1, KING},
                                 {2, 1, GOLD},
                                 {5, 9, -KING},
                                 {4, 9, -GOLD},
                                 {6, 9, -GOLD},
                                 {2, 8, -BISHOP},
                                 {8, 8, -ROOK}});
  const EnginePosition plain = to_move(state, +1);
  EXPECT_LT(think_nodes(plain, 20000).score_cp, -500);

  EnginePosition seen = plain;
  CandidateList moves;
  generate_candidates(state.board, state.upper_hand, +1, moves);
  ASSERT_GT(moves.count, 0);
  for (int i = 0; i < moves.count; ++i) {
    SearchPosition after = search_position(state.board, state.lower_hand, state.upper_hand, +1);
    MoveUndo undo;
    play(after, moves.move[i], undo);
    seen.remember(engine_key(after.board, after.hand[0], after.hand[1], after.side));
  }
  EXPECT_EQ(think_nodes(seen, 20000).score_cp, 0);

  EnginePosition last_move = plain;
  last_move.moves_played = RECORD_LIMIT - 1;
  EXPECT_EQ(think_nodes(last_move, 20000).score_cp, 0);
}

// Whatever the lower side moves, the upper gold takes its king next; with
// one move left before the record is full that capture never comes.
TEST(EngineSearch, TheLastMoveOfTheRecordCannotBeAnsweredByAKingCapture) {
  GameState state = king_capture_in_one();
  state.board(1, 8) = -PAWN;
  EnginePosition position = to_move(state, -1);
  EXPECT_EQ(think_nodes(position, 20000).score_cp, -(ENGINE_MATE - 1));
  position.moves_played = RECORD_LIMIT - 2;
  EXPECT_EQ(think_nodes(position, 20000).score_cp, -(ENGINE_MATE - 1));
  position.moves_played = RECORD_LIMIT - 1;
  EXPECT_EQ(think_nodes(position, 20000).score_cp, 0);
  // Three plies from a king capture, two moves before the record is full:
  // the capture would be the 501st move, so the line is a draw.
  EnginePosition three_away = to_move(capture_in_three(), +1);
  three_away.moves_played = RECORD_LIMIT - 2;
  EXPECT_EQ(think_nodes(three_away, 30000).score_cp, 0);
}

TEST(EngineSearch, ANodeBudgetGivesTheSameMoveEveryTime) {
  const std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  for (size_t n = 0; n < corpus.size(); n += 40) {
    const EnginePosition position = to_move(corpus[n], +1);
    const EngineResult first = think_nodes(position, 20000);
    think_nodes(to_move(corpus[(n + 1) % corpus.size()], -1), 5000);  // something else between
    const EngineResult second = think_nodes(position, 20000);
    Engine fresh;
    EngineLimits limits;
    limits.nodes = 20000;
    const EngineResult third = fresh.think(position, limits, nullptr);
    EXPECT_EQ(first.best, second.best) << n;
    EXPECT_EQ(first.best, third.best) << n;
    EXPECT_EQ(first.score_cp, third.score_cp) << n;
    EXPECT_EQ(first.nodes, third.nodes) << n;
  }
}

TEST(EngineSearch, EveryMoveIsACandidateOfTheSharedGeneratorForBothSides) {
  std::mt19937 rng(99);
  int searched = 0;
  for (int n = 0; n < 150; ++n) {
    const GameState state = testing::random_position(rng, 60);
    for (int side : {+1, -1}) {
      const EnginePosition position = to_move(state, side);
      const int* hand = side > 0 ? state.upper_hand : state.lower_hand;
      const EngineResult result = think_nodes(position, 400);
      ASSERT_EQ(result.found, side_has_candidate(state.board, hand, side)) << n;
      if (!result.found) continue;
      ++searched;
      ASSERT_TRUE(is_candidate(position, result.best)) << n << ' ' << side;
      for (int i = 0; i < result.pv_length && i < 1; ++i) EXPECT_EQ(result.pv[0], result.best);
    }
  }
  EXPECT_GT(searched, 250);
}

TEST(EngineSearch, AStoppedSearchStillReturnsALegalMove) {
  const std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  Engine engine;
  for (size_t n = 0; n < corpus.size(); n += 64) {
    const EnginePosition position = to_move(corpus[n], +1);
    const std::atomic<bool> stopped{true};
    const EngineResult at_once = engine.think(position, {}, &stopped);
    ASSERT_TRUE(at_once.found);
    EXPECT_TRUE(is_candidate(position, at_once.best)) << n;

    EngineLimits short_time;
    short_time.seconds = 0.001;
    const EngineResult timed = engine.think(position, short_time, nullptr);
    ASSERT_TRUE(timed.found);
    EXPECT_TRUE(is_candidate(position, timed.best)) << n;
  }
  // Stopped from another thread while searching without a limit.
  std::atomic<bool> stop{false};
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop = true;
  });
  const EnginePosition position = to_move(corpus[5], +1);
  const EngineResult result = engine.think(position, {}, &stop);
  stopper.join();
  ASSERT_TRUE(result.found);
  EXPECT_TRUE(is_candidate(position, result.best));
}

}  // namespace
}  // namespace kumora
