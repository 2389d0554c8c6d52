// The match tool: its figures, the paired openings, moves turned round, and
// whole games between its players ending by the rules.
#include <gtest/gtest.h>

#include <random>

#include "tools/match/match_game.h"
#include "tools/match/match_stats.h"
#include "tools/match/players.h"

namespace kumora::match {
namespace {

TEST(MatchStats, EloOfKnownScoresAndAnIntervalThatStaysFinite) {
  EXPECT_NEAR(elo_of_score(0.5), 0, 1e-9);
  EXPECT_NEAR(elo_of_score(0.75), 190.8, 0.1);
  const EloEstimate even = elo_estimate(40, 20, 40);
  EXPECT_NEAR(even.elo, 0, 1e-9);
  EXPECT_GT(even.margin, 40);
  EXPECT_LT(even.low, 0);
  EXPECT_GT(even.high, 0);
  const EloEstimate all_won = elo_estimate(400, 0, 0);
  EXPECT_TRUE(std::isfinite(all_won.elo) && std::isfinite(all_won.margin));
  EXPECT_GT(all_won.low, 500) << "400 wins out of 400 is a large difference";
  EXPECT_LT(elo_estimate(0, 0, 400).high, -500);
}

TEST(MatchStats, TimeSummaryPercentileAndMaximum) {
  std::vector<double> ms;
  for (int i = 1; i <= 200; ++i) ms.push_back(i);
  const TimeSummary t = summarise_times(ms);
  EXPECT_DOUBLE_EQ(t.mean, 100.5);
  EXPECT_DOUBLE_EQ(t.p99, 198);
  EXPECT_DOUBLE_EQ(t.max, 200);
}

TEST(MatchGame, MovesTurnedRoundTwiceComeBackAndDropsChangeHands) {
  const Candidate drop{UPPER_HAND_COLUMN, 3, 4, 5, KNIGHT, KNIGHT};
  const Candidate turned = turned_round(drop);
  EXPECT_EQ(turned.from_x, LOWER_HAND_COLUMN);
  EXPECT_EQ(turned.from_y, 5);
  EXPECT_EQ(turned.to_x, 6);
  EXPECT_EQ(turned.to_y, 5);
  EXPECT_EQ(turned.placed, -KNIGHT);
  EXPECT_EQ(turned_round(turned), drop);
  const Candidate board_move{2, 8, 2, 3, -ROOK, -DRAGON};
  EXPECT_EQ(turned_round(turned_round(board_move)), board_move);
}

TEST(MatchGame, OpeningsAreRepeatableAndLeaveAGameToPlay) {
  for (std::uint32_t seed = 0; seed < 50; ++seed) {
    std::mt19937 first(seed), second(seed);
    const MatchGame a = random_opening(first);
    const MatchGame b = random_opening(second);
    ASSERT_EQ(a.state.board, b.state.board);
    ASSERT_GE(a.moves_played, 4);
    ASSERT_LE(a.moves_played, 8);
    EXPECT_TRUE(side_has_candidate(a.state.board, a.hand_to_move(), a.side));
  }
}

// Random, the specified levels, the yardstick and the engine play whole
// games; every move is checked by play_game, so none may end as illegal.
TEST(MatchGame, GamesBetweenEveryKindOfPlayerEndByTheRules) {
  PlayerOptions options;
  options.nodes = 300;
  const char* pairs[][2] = {{"R", "L1"}, {"L3", "L4"}, {"L5", "R"}, {"D3", "R"}};
  std::mt19937 rng(7);
  for (const auto& pair : pairs) {
    std::string error;
    auto a = make_player(pair[0], options, 1, error);
    auto b = make_player(pair[1], options, 2, error);
    ASSERT_TRUE(a && b) << error;
    for (int side : {-1, +1}) {
      const GameOutcome outcome = play_game(random_opening(rng), *a, *b, side);
      EXPECT_NE(outcome.end, GameEnd::Illegal) << pair[0] << " - " << pair[1];
      EXPECT_EQ(outcome.a_ms.empty(), false);
      if (outcome.end == GameEnd::RecordFull) {
        EXPECT_EQ(outcome.a_score, 0.5);
      }
    }
  }
  std::string error;
  EXPECT_EQ(make_player("L9", options, 1, error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(make_player("L4:no_such=1", options, 1, error), nullptr);
}

}  // namespace
}  // namespace kumora::match
