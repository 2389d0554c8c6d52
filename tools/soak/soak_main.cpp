// kumora-soak: self-play games with invariant checks.
//   kumora-soak [GAMES] [SEED]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tools/soak/self_play.h"

int main(int argc, char** argv) {
  kumora::SoakOptions options;
  if (argc > 1) options.games = std::atoi(argv[1]);
  if (argc > 2) options.seed = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
  const auto start = std::chrono::steady_clock::now();
  const kumora::SoakFigures f = kumora::run_self_play(options);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("games %d moves %ld checks %ld violations %d\n", f.games, f.moves, f.checks,
              f.violations);
  std::printf("ends: king captured %d, no move %d, record full %d\n", f.king_captures,
              f.no_move_ends, f.full_records);
  std::printf("time %.1f s, %.3f s per game\n", seconds, f.games ? seconds / f.games : 0.0);
  for (const std::string& problem : f.problems) std::printf("violation: %s\n", problem.c_str());
  return f.violations == 0 ? 0 : 1;
}
