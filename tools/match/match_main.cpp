// kumora-match: plays a match between two players from paired random openings.
//   kumora-match A B GAMES [SEED] [--nodes N] [--threads T] [--jobs J]
// Players: L1 L2 L3 (the one-ply levels), L3.1 .. L3.9, L4, L5 (the engine),
// R (random), D3.
// Each opening is played twice, A taking each colour once.  The last line is
//   result A B games=N wins=W draws=D losses=L score=P elo=E+-M mean_ms=T p99_ms=U max_ms=V
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/match/match_game.h"
#include "tools/match/match_stats.h"
#include "tools/match/players.h"

namespace kumora::match {
namespace {

struct Settings {
  std::string a, b;
  int games = 0;
  std::uint32_t seed = 1;
  int jobs = 1;
  PlayerOptions options;
};

bool read_settings(int argc, char** argv, Settings& s) {
  std::vector<std::string> plain;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--nodes") == 0 && i + 1 < argc) {
      s.options.nodes = std::atoll(argv[++i]);
    } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
      s.options.threads = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) {
      s.jobs = std::max(1, std::atoi(argv[++i]));
    } else {
      plain.push_back(argv[i]);
    }
  }
  if (plain.size() < 3 || plain.size() > 4) return false;
  s.a = plain[0];
  s.b = plain[1];
  s.games = std::atoi(plain[2].c_str());
  if (plain.size() == 4)
    s.seed = static_cast<std::uint32_t>(std::strtoul(plain[3].c_str(), nullptr, 10));
  return s.games > 0;
}

std::unique_ptr<Player> player(const std::string& player_name, const Settings& s,
                               std::uint32_t seed) {
  std::string error;
  auto made = make_player(player_name, s.options, seed, error);
  if (!made) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(2);
  }
  return made;
}

// Game 2k and 2k+1 share opening k; A has the lower side in the first.
GameOutcome play_numbered_game(const Settings& s, int number, Player& a, Player& b) {
  std::mt19937 rng(s.seed * 1000003u + static_cast<std::uint32_t>(number / 2));
  const MatchGame opening = random_opening(rng);
  return play_game(opening, a, b, number % 2 == 0 ? -1 : +1);
}

std::vector<GameOutcome> play_all(const Settings& s) {
  std::vector<GameOutcome> outcomes(s.games);
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::mutex print;
  auto worker = [&](int job) {
    auto a = player(s.a, s, s.seed * 7919u + job * 2u);
    auto b = player(s.b, s, s.seed * 7919u + job * 2u + 1u);
    for (int n; (n = next++) < s.games;) {
      outcomes[n] = play_numbered_game(s, n, *a, *b);
      const int finished = ++done;
      if (finished % 10 == 0 || finished == s.games) {
        std::lock_guard<std::mutex> lock(print);
        std::fprintf(stderr, "\r%d/%d games", finished, s.games);
      }
    }
  };
  std::vector<std::thread> threads;
  for (int job = 1; job < s.jobs; ++job) threads.emplace_back(worker, job);
  worker(0);
  for (std::thread& t : threads) t.join();
  std::fprintf(stderr, "\n");
  return outcomes;
}

void report(const Settings& s, const std::vector<GameOutcome>& outcomes) {
  int wins = 0, draws = 0, losses = 0;
  int a_took = 0, b_took = 0, a_stuck = 0, b_stuck = 0, full = 0, a_illegal = 0, b_illegal = 0;
  long moves = 0;
  std::vector<double> times;
  for (const GameOutcome& o : outcomes) {
    wins += o.a_score == 1;
    draws += o.a_score == 0.5;
    losses += o.a_score == 0;
    moves += o.moves;
    times.insert(times.end(), o.a_ms.begin(), o.a_ms.end());
    switch (o.end) {
      case GameEnd::KingTaken:
        (o.a_ended_it ? a_took : b_took) += 1;
        break;
      case GameEnd::NoMove:
        (o.a_ended_it ? a_stuck : b_stuck) += 1;
        break;
      case GameEnd::Illegal:
        (o.a_ended_it ? a_illegal : b_illegal) += 1;
        break;
      case GameEnd::RecordFull:
        ++full;
        break;
    }
  }
  const double score = 100.0 * (wins + 0.5 * draws) / s.games;
  const EloEstimate elo = elo_estimate(wins, draws, losses);
  const TimeSummary t = summarise_times(times);
  std::printf("%s - %s, %d games from %d openings, seed %u\n", s.a.c_str(), s.b.c_str(), s.games,
              (s.games + 1) / 2, s.seed);
  std::printf("A wins %d, draws %d, losses %d: score %.1f%%\n", wins, draws, losses, score);
  std::printf("Elo difference %+.0f, 95%% interval %+.0f .. %+.0f\n", elo.elo, elo.low, elo.high);
  std::printf(
      "ends: A took the king %d, B took the king %d, A had no move %d, B had no move %d, "
      "record full %d, illegal move by A %d, by B %d; %.1f moves a game\n",
      a_took, b_took, a_stuck, b_stuck, full, a_illegal, b_illegal,
      static_cast<double>(moves) / s.games);
  std::printf(
      "A's time a move: mean %.1f ms, median %.1f ms, 99th percentile %.1f ms, max %.1f ms "
      "(%zu moves)\n",
      t.mean, t.median, t.p99, t.max, times.size());
  std::printf(
      "result %s %s games=%d wins=%d draws=%d losses=%d score=%.1f elo=%.0f+-%.0f "
      "mean_ms=%.1f p99_ms=%.1f max_ms=%.1f\n",
      s.a.c_str(), s.b.c_str(), s.games, wins, draws, losses, score, elo.elo, elo.margin, t.mean,
      t.p99, t.max);
}

}  // namespace
}  // namespace kumora::match

int main(int argc, char** argv) {
  using namespace kumora::match;
  Settings settings;
  if (!read_settings(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: kumora-match A B GAMES [SEED] [--nodes N] [--threads T] [--jobs J]\n"
                 "players: L1 L2 L3 L3.1 .. L3.9 L4 L5 R D3; L4@NODES, L5#THREADS, "
                 "L4:name=value,... for tuning\n");
    return 2;
  }
  report(settings, play_all(settings));
  return 0;
}
