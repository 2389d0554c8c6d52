// Reach maps of one side, literal sweeps against com's flood, on a fixed set
// of positions reached by seeded random play.  Prints the ratio at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "rules/reach_map.h"
#include "tests/support/literal_reach.h"
#include "tests/support/random_positions.h"

namespace kumora {
namespace {

constexpr int POSITION_COUNT = 200;
constexpr unsigned SEED = 4711;

const std::vector<GameState>& positions() {
  static const std::vector<GameState> list = [] {
    std::mt19937 rng(SEED);
    std::vector<GameState> states;
    for (int n = 0; n < POSITION_COUNT; ++n) states.push_back(testing::random_position(rng, 60));
    return states;
  }();
  return list;
}

using BuildFunction = void (*)(ReachState&, const Board&, int, int, ReachMode);

// Every map the computer builds for its side: each own piece, each kind in hand.
int build_side_maps(ReachState& reach, const GameState& state, BuildFunction build) {
  int maps = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (state.board(x, y) >= 10) {
        build(reach, state.board, x, y, REACH_DESTINATIONS);
        ++maps;
      }
  for (int k = 1; k <= 7; ++k)
    if (state.upper_hand[k] > 0) {
      build(reach, state.board, UPPER_HAND_COLUMN, k, REACH_DESTINATIONS);
      ++maps;
    }
  return maps;
}

void side_maps(benchmark::State& bench, BuildFunction build) {
  ReachState reach;
  std::int64_t maps = 0;
  for (auto _ : bench) {
    for (const GameState& state : positions()) maps += build_side_maps(reach, state, build);
    benchmark::DoNotOptimize(reach.reach_map);
  }
  bench.SetItemsProcessed(maps);
  bench.counters["per_map"] = benchmark::Counter(
      static_cast<double>(maps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SideReachMaps_Literal(benchmark::State& s) { side_maps(s, literal::build_reach_map); }
void BM_SideReachMaps_Fast(benchmark::State& s) { side_maps(s, build_reach_map); }

BENCHMARK(BM_SideReachMaps_Literal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SideReachMaps_Fast)->Unit(benchmark::kMicrosecond);

// Console output plus, at the end, literal CPU time / fast CPU time of each pair
// (the medians when run with repetitions).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& [name, literal_time] : times_) {
      const auto at = name.find("_Literal");
      if (at == std::string::npos) continue;
      std::string fast_name = name;
      fast_name.replace(at, 8, "_Fast");
      const auto fast = times_.find(fast_name);
      if (fast == times_.end() || fast->second <= 0) continue;
      std::printf("%s: fast is %.1f times faster than literal\n", name.substr(0, at).c_str(),
                  literal_time / fast->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace kumora

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::printf("%d positions, seed %u\n", kumora::POSITION_COUNT, kumora::SEED);
  kumora::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
