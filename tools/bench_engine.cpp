// The engine on every stored position of the computer's turn, under the
// limits of LEVEL4 (1 s a move): nodes searched per second on one core and
// the depth of the last finished iteration.  Nodes per second are given per
// second of wall time and per second of this thread's processor time.  KUMORA_BENCH_POSITIONS
// limits the number of positions (all by default).
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/engine.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

std::vector<GameState> positions() {
  std::vector<GameState> corpus = testing::read_corpus(testing::corpus_file());
  if (const char* limit = std::getenv("KUMORA_BENCH_POSITIONS"))
    corpus.resize(std::min(corpus.size(), static_cast<size_t>(std::max(1, std::atoi(limit)))));
  return corpus;
}

// This thread's processor time: the machine may be busy with other work.
double thread_seconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

void level4_over_corpus(benchmark::State& bench) {
  const std::vector<GameState> corpus = positions();
  Engine engine;
  std::int64_t nodes = 0;
  double seconds = 0;
  double processor_seconds = 0;
  std::vector<int> depths;
  std::vector<double> ms;
  for (auto _ : bench) {
    for (const GameState& position : corpus) {
      engine.clear();
      const double start = thread_seconds();
      const EngineResult result =
          engine.think(engine_position(position, +1, 0), level_limits(4), nullptr);
      processor_seconds += thread_seconds() - start;
      nodes += result.nodes;
      seconds += result.seconds;
      depths.push_back(result.depth);
      ms.push_back(result.seconds * 1000);
    }
  }
  std::sort(depths.begin(), depths.end());
  std::sort(ms.begin(), ms.end());
  double depth_sum = 0;
  for (int d : depths) depth_sum += d;
  bench.counters["nodes_per_second"] = nodes / seconds;
  bench.counters["nodes_per_cpu_second"] = nodes / processor_seconds;
  bench.counters["mean_depth"] = depth_sum / depths.size();
  bench.counters["min_depth"] = depths.front();
  bench.counters["median_depth"] = depths[depths.size() / 2];
  bench.counters["median_ms"] = ms[ms.size() / 2];
  bench.counters["max_ms"] = ms.back();
  bench.counters["positions"] = static_cast<double>(corpus.size());
}

BENCHMARK(level4_over_corpus)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kumora

BENCHMARK_MAIN();
