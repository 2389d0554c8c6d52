// The match tool: its figures, the paired openings, moves turned round, and
// whole games between its players ending by the rules.
#include <gtest/gtest.h>

#include <random>

#include "rules/reverse.h"
#include "tests/com/test_positions.h"
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

// Random, LEVEL1-3, the yardstick and the engine play whole
// games; every move is checked by play_game, so none may end as illegal.
TEST(MatchGame, GamesBetweenEveryKindOfPlayerEndByTheRules) {
  PlayerOptions options;
  options.nodes = 300;
  const char* pairs[][2] = {{"R", "L1"}, {"L3", "L4"},   {"L5", "R"},
                            {"D3", "R"}, {"L3.1", "L3"}, {"R", "L3.2"}};
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
  EXPECT_EQ(make_player("L3.0", options, 1, error), nullptr);
  EXPECT_EQ(make_player("L3.10", options, 1, error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(make_player("L4:no_such=1", options, 1, error), nullptr);
}

MatchGame game_of(const GameState& state, int side) {
  MatchGame game;
  game.state = state;
  game.side = side;
  return game;
}

// The move D3 plays for `side`, and the same position turned round for the other side.
void d3_moves_for_both_sides(GameState state, Candidate moves[2]) {
  std::string error;
  auto d3 = make_player("D3", {}, 1, error);
  ASSERT_TRUE(d3) << error;
  ASSERT_TRUE(d3->choose(game_of(state, +1), moves[0]));
  reverse_position(state);
  ASSERT_TRUE(d3->choose(game_of(state, -1), moves[1]));
}

// The gold on (4, 7) takes the king over the pawn on (5, 8); quiet moves
// that keep the capture for later must not look better.
TEST(Yardstick, TakesTheKingAtOnce) {
  const GameState state = king_capture_in_one();
  Candidate moves[2];
  d3_moves_for_both_sides(state, moves);
  EXPECT_EQ(moves[0].to_x, 5);
  EXPECT_EQ(moves[0].to_y, 9);
  EXPECT_EQ(moves[1].to_x, 5);
  EXPECT_EQ(moves[1].to_y, 1);
}

// A silver dropped next to the gold on (2, 8) takes the cornered king next
// move, whatever the lower pawns do; the upper side has nothing else to win with.
TEST(Yardstick, FindsAKingCaptureThreePliesAhead) {
  GameState state =
      position_of({{9, 1, KING}, {2, 8, GOLD}, {1, 9, -KING}, {9, 5, -PAWN}, {9, 6, -PAWN}});
  state.upper_hand[4] = 1;
  recompute_hand_totals(state);
  Candidate moves[2];
  d3_moves_for_both_sides(state, moves);
  EXPECT_TRUE(moves[0].is_drop());
  EXPECT_EQ(moves[0].placed, SILVER);
  EXPECT_LE(std::abs(moves[0].to_x - 2) + std::abs(moves[0].to_y - 8), 2);
  EXPECT_EQ(turned_round(moves[1]), moves[0]);
}

}  // namespace
}  // namespace kumora::match
