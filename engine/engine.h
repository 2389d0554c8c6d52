// The strong computer opponent: an alpha-beta search over the shared
// candidate generator, for the window (LEVEL4, LEVEL5, the hint) and the tools.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "core/game_state.h"
#include "engine/parameters.h"
#include "engine/zobrist.h"
#include "rules/candidates.h"

namespace kumora {

// Seconds a move of each strong level may take (wall time, a hard limit).
constexpr double LEVEL4_SECONDS = 1.0;
constexpr double LEVEL5_SECONDS = 3.0;

// The position to search and what the game says about how it was reached.
struct EnginePosition {
  Board board;
  int lower_hand[8] = {};
  int upper_hand[8] = {};
  int side = +1;         // to move: -1 the lower pieces, +1 the upper pieces
  int moves_played = 0;  // moves already in the record
  static constexpr int HISTORY_CAPACITY = RECORD_LIMIT + 1;
  int history_count = 0;  // keys of the earlier positions of the game, oldest first
  PositionKey history[HISTORY_CAPACITY] = {};

  // Adds the key of an earlier position (ignored once the list is full).
  void remember(PositionKey key) {
    if (history_count < HISTORY_CAPACITY) history[history_count++] = key;
  }
};

// The board and hands of a game state, with `side` to move.
EnginePosition engine_position(const GameState& state, int side, int moves_played);

// The key of a position, as the engine keys it; for the history of a game.
PositionKey engine_key(const Board& board, const int* lower_hand, const int* upper_hand, int side);

// 0 means unlimited.  With only a node budget the search is deterministic: it
// then runs on one thread, however many are asked for.
struct EngineLimits {
  std::int64_t nodes = 0;
  double seconds = 0;            // wall time; the search keeps a margin below it
  double iteration_seconds = 0;  // no new iteration begins after this; 0: a share of seconds
  int threads = 1;               // search threads sharing the table
  // The weaker levels: each position's value moves by up to this many
  // hundredths of a pawn either way, drawn from the position and the seed, so
  // that the level chooses among near-best moves and games against it differ.
  int variety = 0;
  std::uint32_t variety_seed = 0;
};

// The limits of LEVEL4 (one thread, so that the window stays light) and
// LEVEL5 (every core), level 4 or 5.
EngineLimits level_limits(int level);

// The hint: LEVEL4's time on every core.
EngineLimits hint_limits();

// The processor's cores (at least 1).
int core_count();

constexpr int ENGINE_MAX_PV = 32;
// Scores at or beyond these mean a king capture (or no move) ahead.
constexpr int ENGINE_MATE = 30000;
constexpr int ENGINE_MATE_BOUND = 29000;

struct EngineResult {
  bool found = false;  // false only when the side to move has no candidate
  Candidate best;      // as the record writes it
  int score_cp = 0;    // for the side to move, hundredths of a pawn
  int depth = 0;       // of the last finished iteration
  std::int64_t nodes = 0;
  double seconds = 0;
  int pv_length = 0;
  Candidate pv[ENGINE_MAX_PV];
};

struct SearchWorkspace;
class TranspositionTable;
class SearchTeam;

// One engine: its table and work space, allocated once and kept between moves.
class Engine {
 public:
  explicit Engine(int table_megabytes = 16, const EngineParameters& parameters = {});
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Searches until a limit is reached or *stop becomes true (stop may be null).
  // Limited by nodes alone, it forgets earlier searches first, so that the
  // same position and budget always give the same move.  With more than one
  // thread, helpers search the same position on the shared table while this
  // thread's search decides the move and when to stop.
  EngineResult think(const EnginePosition& position, const EngineLimits& limits,
                     const std::atomic<bool>* stop);

  // Forgets what earlier searches stored.
  void clear();

 private:
  EngineParameters parameters_;
  std::unique_ptr<TranspositionTable> table_;
  std::unique_ptr<SearchWorkspace> workspace_;
  std::unique_ptr<SearchTeam> helpers_;
};

// The position's value for the lower side (hundredths of a pawn), from a
// small search of `nodes` nodes: for an evaluation graph.
int engine_value_for_lower(const EnginePosition& position, std::int64_t nodes = 4000);

}  // namespace kumora
