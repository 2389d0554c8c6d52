#include "tools/match/players.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "engine/engine.h"
#include "engine/ladder.h"
#include "rules/reverse.h"
#include "tools/match/yardstick.h"

namespace kumora::match {

namespace {

// The one-ply search of LEVEL1-3, which always plays the upper side: the position is
// turned round for it when the lower side is to move.  Its tables live as
// long as the game, as the window's do.
class LevelPlayer : public Player {
 public:
  explicit LevelPlayer(int level) : level_(level) {}

  void new_game() override { tables_ = AttackTables{}; }

  bool choose(const MatchGame& game, Candidate& move) override {
    GameState state = game.state;
    if (game.side < 0) reverse_position(state);
    state.level = level_;
    recompute_hand_totals(state);
    ComContext context;
    ReachState reach;
    ComWorld world{state, tables_, context, reach};
    analyze_board(state, tables_);
    const ComMove best = com_turn(world);
    if (!best.found) return false;
    move = candidate_of(best);
    if (game.side < 0) move = turned_round(move);
    return true;
  }

 private:
  int level_;
  AttackTables tables_;
};

class EnginePlayer : public Player {
 public:
  EnginePlayer(const EngineLimits& limits, const EngineParameters& parameters)
      : engine_(16, parameters), limits_(limits) {}

  void new_game() override { engine_.clear(); }

  bool choose(const MatchGame& game, Candidate& move) override {
    const EngineResult result = engine_.think(engine_view(game), limits_, nullptr);
    move = result.best;
    return result.found;
  }

 private:
  Engine engine_;
  EngineLimits limits_;
};

// A step of the ladder between LEVEL3 and LEVEL4, a new seed every game.
class LadderPlayer : public Player {
 public:
  LadderPlayer(int level, std::uint32_t seed) : level_(level), seed_(seed) {}

  void new_game() override { ++seed_; }

  bool choose(const MatchGame& game, Candidate& move) override {
    const EngineResult result =
        engine_.think(engine_view(game), limits_of_level(level_, seed_), nullptr);
    move = result.best;
    return result.found;
  }

 private:
  int level_;
  std::uint32_t seed_;
  Engine engine_{1};
};

class RandomPlayer : public Player {
 public:
  explicit RandomPlayer(std::uint32_t seed) : rng_(seed) {}

  bool choose(const MatchGame& game, Candidate& move) override {
    candidates_of(game, list_);
    if (list_.count == 0) return false;
    move = list_.move[std::uniform_int_distribution<int>(0, list_.count - 1)(rng_)];
    return true;
  }

 private:
  std::mt19937 rng_;
  CandidateList list_;
};

// "name=value,name=value" into the parameters.
bool read_parameters(const std::string& text, EngineParameters& parameters, std::string& error) {
  std::stringstream in(text);
  std::string pair;
  while (std::getline(in, pair, ',')) {
    const auto equals = pair.find('=');
    if (equals == std::string::npos ||
        !set_engine_parameter(parameters, pair.substr(0, equals),
                              std::atoi(pair.c_str() + equals + 1))) {
      error = "unknown engine parameter: " + pair;
      return false;
    }
  }
  return true;
}

std::unique_ptr<Player> engine_player(const std::string& player_name, const PlayerOptions& options,
                                      std::string& error) {
  const int level = player_name[1] - '0';
  EngineLimits limits = level_limits(level);
  if (options.threads > 0) limits.threads = options.threads;
  if (options.nodes > 0) limits = {options.nodes, 0};
  EngineParameters parameters;
  std::string rest = player_name.substr(2);
  const auto colon = rest.find(':');
  const std::string changes = colon == std::string::npos ? "" : rest.substr(colon + 1);
  rest = rest.substr(0, colon);
  if (!rest.empty() && rest[0] == '#') {
    limits.threads = std::max(1, std::atoi(rest.c_str() + 1));
    rest.clear();
  }
  if (!rest.empty()) {
    if (rest[0] != '@') {
      error = "unknown player: " + player_name;
      return nullptr;
    }
    limits = {std::atoll(rest.c_str() + 1), 0};
  }
  if (!changes.empty() && !read_parameters(changes, parameters, error)) return nullptr;
  return std::make_unique<EnginePlayer>(limits, parameters);
}

}  // namespace

std::unique_ptr<Player> make_player(const std::string& player_name, const PlayerOptions& options,
                                    std::uint32_t seed, std::string& error) {
  if (player_name == "L1" || player_name == "L2" || player_name == "L3")
    return std::make_unique<LevelPlayer>(player_name[1] - '0');
  if (player_name.rfind("L4", 0) == 0 || player_name.rfind("L5", 0) == 0)
    return engine_player(player_name, options, error);
  if (player_name.size() > 1 && player_name[0] == 'L') {
    const int level = level_named(player_name.substr(1));
    if (is_ladder_level(level)) return std::make_unique<LadderPlayer>(level, seed);
  }
  if (player_name == "R") return std::make_unique<RandomPlayer>(seed);
  if (player_name == "D3") return make_yardstick(3);
  error = "unknown player: " + player_name + " (L1..L5, L3.1..L3.9, R, D3)";
  return nullptr;
}

}  // namespace kumora::match
