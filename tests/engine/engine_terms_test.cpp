// The engine with the game's parameters and with every switchable term on:
// its judgement of a position does not depend on the army it is drawn for,
// and what the search finds under a node budget on stored positions (score,
// depth reached, line of best play) equals the stored signature, so that any
// change to what it explores shows. After a deliberate change (a tuning that
// is kept) the signature is rewritten with
//   KUMORA_UPDATE_SIGNATURE=1 build/tests/test_engine --gtest_filter=EngineTerms.*
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/reverse.h"
#include "engine/engine.h"
#include "engine/evaluation.h"
#include "tests/com/search_corpus.h"
#include "tests/oracle/random_positions.h"

namespace kumora {
namespace {

EngineParameters every_term_on() {
  EngineParameters p;
  p.king_mobility = 6;
  p.king_advance = 15;
  p.aspiration_window = 40;
  p.check_extension = 1;
  p.quiescence_table = 1;
  p.late_move_pruning = 4;
  p.threat_percent = 40;
  return p;
}

int value_for(const GameState& state, int side) {
  static const EngineParameters parameters = every_term_on();
  const PieceValues values(parameters);
  SideReach upper, lower;
  build_side_reach(state.board, +1, upper);
  build_side_reach(state.board, -1, lower);
  return evaluate(search_position(state.board, state.lower_hand, state.upper_hand, side),
                  side > 0 ? upper : lower, side > 0 ? lower : upper, parameters, values);
}

TEST(EngineTerms, APositionTurnedRoundIsWorthTheSameToTheOtherArmy) {
  std::mt19937 rng(7);
  for (int n = 0; n < 300; ++n) {
    GameState state = testing::random_position(rng, 60);
    const int upper_to_move = value_for(state, +1);
    const int lower_to_move = value_for(state, -1);
    reverse_position(state);
    ASSERT_EQ(value_for(state, -1), upper_to_move) << n;
    ASSERT_EQ(value_for(state, +1), lower_to_move) << n;
  }
}

TEST(EngineTerms, NodeBudgetResultsEqualTheStoredSignature) {
  const std::string path = (std::filesystem::path(__FILE__).parent_path().parent_path() /
                            "data" / "engine_signature.txt").string();
  const std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  Engine shipped(4), switched_on(4, every_term_on());
  std::ostringstream lines;
  for (size_t n = 0; n < corpus.size(); n += 8)
    for (Engine* engine : {&shipped, &switched_on})
      for (int side : {+1, -1}) {
        const EngineResult r = engine->think(engine_position(corpus[n], side, 0), {8000, 0}, nullptr);
        lines << n << ' ' << side << ' ' << r.score_cp << ' ' << r.depth;
        for (const Candidate& m : std::vector<Candidate>(r.pv, r.pv + r.pv_length))
          lines << ' ' << int(m.from_x) << ',' << int(m.from_y) << ',' << int(m.to_x) << ','
                << int(m.to_y) << ',' << m.placed;
        lines << '\n';
      }
  if (std::getenv("KUMORA_UPDATE_SIGNATURE") != nullptr) {
    std::ofstream(path) << lines.str();
    GTEST_SKIP() << "rewrote " << path;
  }
  std::stringstream stored;
  stored << std::ifstream(path).rdbuf();
  EXPECT_EQ(lines.str(), stored.str());
}

}  // namespace
}  // namespace kumora
