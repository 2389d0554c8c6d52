// What the engine finds under a node budget on stored positions, for both
// sides, with the game's parameters and with every switchable term on (score,
// depth reached, line of best play), equals the stored signature: any change
// to what the search explores or how it judges a position shows. After a
// deliberate change (a tuning that is kept) the signature is rewritten with
//   KUMORA_UPDATE_SIGNATURE=1 build/tests/test_engine --gtest_filter=EngineSignature.*
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/engine.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

EngineParameters every_term_on() {
  EngineParameters p;
  p.internal_reduction = 1;
  p.quiet_futility = 60;
  p.late_move_pruning = 4;
  return p;
}

TEST(EngineSignature, NodeBudgetResultsEqualTheStoredSignature) {
  const std::string path = (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" /
                            "engine_signature.txt")
                               .string();
  const std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  Engine shipped(4), switched_on(4, every_term_on());
  std::ostringstream lines;
  for (size_t n = 0; n < corpus.size(); n += 8)
    for (Engine* engine : {&shipped, &switched_on})
      for (int side : {+1, -1}) {
        const EngineResult r =
            engine->think(engine_position(corpus[n], side, 0), {8000, 0}, nullptr);
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
