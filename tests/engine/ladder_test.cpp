// The ladder between LEVEL3 and LEVEL4: its steps grow, its seeds give games
// that differ yet repeat, and no step leaves its king to be taken when a move
// avoids that, however little it searches.
#include <gtest/gtest.h>

#include <set>

#include "engine/ladder.h"
#include "tests/com/test_positions.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

TEST(Ladder, LevelsAreNamedBetweenThreeAndFourAndEachStepSearchesMore) {
  EXPECT_EQ(level_name(3), "3");
  EXPECT_EQ(level_name(LADDER_LEVEL_BASE + 1), "3.1");
  EXPECT_EQ(level_name(LADDER_LEVEL_BASE + LADDER_STEPS), "3.9");
  for (int level = 1; level <= LADDER_LEVEL_BASE + LADDER_STEPS; ++level)
    if (is_known_level(level)) {
      EXPECT_EQ(level_named(level_name(level)), level);
    }
  EXPECT_EQ(level_named("3.0"), 0);
  EXPECT_EQ(level_named("6"), 0);
  EXPECT_FALSE(is_engine_level(3));
  EXPECT_TRUE(is_engine_level(LADDER_LEVEL_BASE + 1));
  for (int step = 2; step <= LADDER_STEPS; ++step) {
    const EngineLimits lower = ladder_limits(step - 1, 7), higher = ladder_limits(step, 7);
    EXPECT_GT(higher.nodes, lower.nodes) << step;
    EXPECT_LE(higher.variety, lower.variety) << step;
    EXPECT_GT(higher.variety, 0) << "every step keeps its king safe";
  }
  EXPECT_LT(ladder_limits(LADDER_STEPS, 7).nodes, 100000) << "LEVEL4 searches far more";
}

TEST(Ladder, ASeedRepeatsItsMovesAndOtherSeedsVary) {
  const std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  Engine engine(1);
  int differing = 0, compared = 0;
  for (size_t n = 0; n < corpus.size(); n += 3) {
    const EnginePosition position = engine_position(corpus[n], +1, 0);
    const EngineLimits limits = limits_of_level(LADDER_LEVEL_BASE + 2, 11);
    const Candidate first = engine.think(position, limits, nullptr).best;
    EXPECT_EQ(engine.think(position, limits, nullptr).best, first) << n;
    std::set<std::uint64_t> moves;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      const Candidate m =
          engine.think(position, limits_of_level(LADDER_LEVEL_BASE + 2, seed), nullptr).best;
      moves.insert(std::uint64_t(m.from_x) << 24 | m.from_y << 16 | m.to_x << 8 | m.to_y);
    }
    differing += moves.size() > 1;
    ++compared;
  }
  EXPECT_GT(differing, compared / 5) << "the seeds hardly change the moves";
}

// The gold on (5, 2) shields the upper king on (5, 1) from the chain of the
// lower gold on (4, 9) through the rook on (5, 9), which slides up the column:
// the gold moving aside (over the king to (4, 2)) leaves the king to it.
GameState shielded_king() {
  return position_of({{5, 1, KING}, {5, 2, GOLD}, {5, 9, -ROOK}, {4, 9, -GOLD}, {9, 9, -KING}});
}

TEST(Ladder, AMoveThatLeavesTheKingCapturableIsReplacedBySafeOne) {
  const EnginePosition position = engine_position(shielded_king(), +1, 0);
  const Candidate gold_away{5, 2, 4, 2, GOLD, GOLD};
  ASSERT_TRUE(leaves_king_capturable(position, gold_away));
  const Candidate kept = king_kept_safe(position, gold_away);
  EXPECT_FALSE(leaves_king_capturable(position, kept));
  // Every step of the ladder, searching as little as it does, keeps the king.
  Engine engine(1);
  for (int step = 1; step <= LADDER_STEPS; ++step)
    for (std::uint32_t seed = 0; seed < 8; ++seed) {
      const EngineResult result = engine.think(position, ladder_limits(step, seed), nullptr);
      ASSERT_TRUE(result.found);
      EXPECT_FALSE(leaves_king_capturable(position, result.best)) << step << ' ' << seed;
    }
}

}  // namespace
}  // namespace kumora
