// One computer turn (prepare_turn and the search, no drawing) on every stored
// position, at each level, for the program's search and the literal one.
// Reports the median and the maximum time of a turn, and the literal median
// over the program's median.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "com/com_search.h"
#include "com/com_turn.h"
#include "tests/support/literal_search.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

using SearchFunction = ComMove (*)(ComWorld&, CandidateSink*, TurnTicker*);

const std::vector<GameState>& corpus() {
  static const std::vector<GameState> positions = testing::read_corpus(testing::corpus_file());
  return positions;
}

double turn_ms(const GameState& position, int level, SearchFunction search) {
  auto turn = std::make_unique<ComPosition>(position, level);
  const auto start = std::chrono::steady_clock::now();
  prepare_turn(turn->world);
  const ComMove move = search(turn->world, nullptr, nullptr);
  const auto end = std::chrono::steady_clock::now();
  benchmark::DoNotOptimize(move);
  return std::chrono::duration<double, std::milli>(end - start).count();
}

std::map<int, double>& fast_medians() {
  static std::map<int, double> medians;
  return medians;
}

void turns(benchmark::State& bench, SearchFunction search, bool literal) {
  const int level = static_cast<int>(bench.range(0));
  std::vector<double> samples;
  for (auto _ : bench)
    for (const GameState& position : corpus()) samples.push_back(turn_ms(position, level, search));
  std::sort(samples.begin(), samples.end());
  const double median = samples[samples.size() / 2];
  bench.counters["median_ms"] = median;
  bench.counters["max_ms"] = samples.back();
  bench.counters["turns"] = static_cast<double>(samples.size());
  if (!literal) fast_medians()[level] = median;
  if (literal && fast_medians().count(level) != 0)
    bench.counters["literal_over_fast"] = median / fast_medians()[level];
}

void program_turn(benchmark::State& bench) { turns(bench, &search_best_move, false); }
void literal_turn(benchmark::State& bench) { turns(bench, &literal::search_best_move, true); }

BENCHMARK(program_turn)->DenseRange(1, 3)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(literal_turn)->DenseRange(1, 3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kumora

BENCHMARK_MAIN();
