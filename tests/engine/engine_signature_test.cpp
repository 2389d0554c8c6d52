// What the strong search finds under a node budget on stored positions, for
// both sides, with the game's parameters and with every switchable term on:
// the score, the depth reached and the line of best play. Any change to what
// the search explores shows here. After a deliberate change (a tuning that is
// kept) the file is rewritten with
//   KUMORA_UPDATE_SIGNATURE=1 build/tests/test_engine --gtest_filter=EngineSignature.*
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/engine.h"
#include "tests/com/search_corpus.h"

namespace kumora {
namespace {

std::string signature_path() {
  const std::filesystem::path tests = std::filesystem::path(__FILE__).parent_path().parent_path();
  return (tests / "data" / "engine_signature.txt").string();
}

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

std::vector<std::string> signature_lines() {
  const std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  Engine shipped(4);
  Engine switched_on(4, every_term_on());
  std::vector<std::string> lines;
  for (size_t n = 0; n < corpus.size(); n += 8)
    for (Engine* engine : {&shipped, &switched_on})
      for (int side : {+1, -1}) {
        EngineLimits limits;
        limits.nodes = 8000;
        const EngineResult r = engine->think(engine_position(corpus[n], side, 0), limits, nullptr);
        std::ostringstream line;
        line << n << ' ' << side << ' ' << r.score_cp << ' ' << r.depth;
        for (int i = 0; i < r.pv_length; ++i) {
          const Candidate& m = r.pv[i];
          line << ' ' << int(m.from_x) << ',' << int(m.from_y) << ',' << int(m.to_x) << ','
               << int(m.to_y) << ',' << m.placed;
        }
        lines.push_back(line.str());
      }
  return lines;
}

TEST(EngineSignature, NodeBudgetResultsEqualTheStoredOnes) {
  const std::vector<std::string> lines = signature_lines();
  if (std::getenv("KUMORA_UPDATE_SIGNATURE") != nullptr) {
    std::ofstream out(signature_path());
    for (const std::string& line : lines) out << line << '\n';
    GTEST_SKIP() << "rewrote " << signature_path();
  }
  std::ifstream in(signature_path());
  std::string stored;
  for (const std::string& line : lines) {
    ASSERT_TRUE(std::getline(in, stored)) << "missing line for: " << line;
    ASSERT_EQ(line, stored);
  }
  EXPECT_FALSE(std::getline(in, stored)) << "more stored lines than positions";
}

}  // namespace
}  // namespace kumora
