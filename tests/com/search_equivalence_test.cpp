// The program's search against the literal one and against the stored
// signature, on every stored position; and those positions could stand in a game.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/analyze_board.h"
#include "com/com_turn.h"
#include "com/evaluations.h"
#include "tests/com/turn_log.h"
#include "tests/support/literal_search.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

// Records every scoring; on checking candidates also compares the mate test
// with the literal one while the candidate stands on the board.
struct Recorder : testing::ScoringLog {
  ComWorld& world;
  int checks = 0;
  int mate_differences = 0;
  explicit Recorder(ComWorld& w) : world(w) {}
  void scored(int fx, int fy, int tx, int ty, int placed, Score score) override {
    ScoringLog::scored(fx, fy, tx, ty, placed, score);
    const GameState& s = world.state;
    if (world.tables.upper_attack_count(s.lower_king_x, s.lower_king_y) == 0) return;
    ++checks;
    if (lower_king_mated(world) != literal::lower_king_mated(world)) ++mate_differences;
  }
};

using Search = ComMove (*)(ComWorld&, CandidateSink*, TurnTicker*);

struct TurnRecord {
  ComMove move;
  std::vector<testing::Scoring> entries;
  int checks = 0;
  int mate_differences = 0;
};

TurnRecord run(const GameState& position, int level, Search search) {
  ComPosition turn(position, level);
  prepare_turn(turn.world);
  Recorder recorder(turn.world);
  TurnRecord result;
  result.move = search(turn.world, &recorder, nullptr);
  result.entries = std::move(recorder.entries);
  result.checks = recorder.checks;
  result.mate_differences = recorder.mate_differences;
  return result;
}

const std::vector<GameState>& corpus() {
  static const std::vector<GameState> positions = testing::stored_positions();
  return positions;
}

// One set of pieces between the board and both hands, both kings, no second
// unpromoted pawn of a side in a column, no piece on a row it could never leave.
::testing::AssertionResult could_stand_in_a_game(const GameState& s) {
  constexpr int ONE_SET[8] = {0, 18, 4, 4, 4, 4, 2, 2};
  int pieces[8] = {};
  int kings[2] = {};
  for (int k = 1; k <= 7; ++k) pieces[k] = s.lower_hand[k] + s.upper_hand[k];
  for (int x = 1; x <= 9; ++x) {
    int pawns[2] = {};
    for (int y = 1; y <= 9; ++y) {
      const int c = s.board(x, y);
      if (c == EMPTY) continue;
      const int rows_ahead = c > 0 ? 9 - y : y - 1;
      const int kind = std::abs(c);
      if (kind == KING) ++kings[c > 0];
      if (kind == PAWN) ++pawns[c > 0];
      ++pieces[hand_index(c)];
      if (((kind == PAWN || kind == LANCE) && rows_ahead < 1) || (kind == KNIGHT && rows_ahead < 2))
        return ::testing::AssertionFailure() << c << " stuck on (" << x << ", " << y << ")";
    }
    if (pawns[0] > 1 || pawns[1] > 1)
      return ::testing::AssertionFailure() << "two pawns of a side in column " << x;
  }
  if (kings[0] != 1 || kings[1] != 1) return ::testing::AssertionFailure() << "kings";
  for (int k = 1; k <= 7; ++k)
    if (pieces[k] > ONE_SET[k]) return ::testing::AssertionFailure() << "too many of kind " << k;
  return ::testing::AssertionSuccess();
}

TEST(SearchEquivalence, EveryStoredPositionCouldStandInAGame) {
  for (size_t n = 0; n < corpus().size(); ++n)
    EXPECT_TRUE(could_stand_in_a_game(corpus()[n])) << "position " << n;
}

TEST(SearchEquivalence, EveryCandidateAndTheChoiceEqualTheLiteralSearch) {
  ASSERT_GE(corpus().size(), 300u);
  int checks = 0;
  for (size_t n = 0; n < corpus().size(); ++n) {
    const int level = corpus()[n].level;
    const TurnRecord fast = run(corpus()[n], level, &search_best_move);
    const TurnRecord slow = run(corpus()[n], level, &literal::search_best_move);
    ASSERT_EQ(fast.entries.size(), slow.entries.size()) << "position " << n;
    for (size_t i = 0; i < fast.entries.size(); ++i)
      ASSERT_EQ(fast.entries[i], slow.entries[i]) << "position " << n << " candidate " << i;
    ASSERT_EQ(fast.move.score, slow.move.score) << n;
    ASSERT_EQ(fast.move.placed, slow.move.placed) << n;
    ASSERT_EQ(fast.move.to_x * 10 + fast.move.to_y, slow.move.to_x * 10 + slow.move.to_y) << n;
    ASSERT_EQ(fast.move.from_x * 10 + fast.move.from_y, slow.move.from_x * 10 + slow.move.from_y)
        << n;
    ASSERT_EQ(fast.mate_differences, 0) << "mate test differs on position " << n;
    checks += fast.checks;
  }
  EXPECT_GT(checks, 100) << "the corpus should hold many checking candidates";
}

TEST(SearchEquivalence, ChoicesEqualTheStoredSignature) {
  std::ifstream in(testing::signature_file());
  ASSERT_TRUE(in) << "run kumora-search-corpus --regenerate";
  std::string stored;
  for (size_t n = 0; n < corpus().size(); ++n)
    for (int level = 1; level <= 3; ++level) {
      ASSERT_TRUE(std::getline(in, stored));
      ASSERT_EQ(testing::search_signature(corpus()[n], static_cast<int>(n), level), stored);
    }
  EXPECT_FALSE(std::getline(in, stored)) << "the signature has more lines than the corpus";
}

}  // namespace
}  // namespace kumora
