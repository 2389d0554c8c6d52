#include "tools/soak/self_play.h"

#include <algorithm>
#include <random>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "core/text_file.h"
#include "engine/engine.h"
#include "engine/ladder.h"
#include "kifu/record.h"
#include "kifu/record_file.h"
#include "kifu/turned_entry.h"
#include "rules/make_move.h"
#include "rules/reverse.h"
#include "settings/handicap.h"

namespace kumora {

namespace {

// One game's world: the computer is always the upper player; the position is
// turned round after each move so that the other army becomes the upper one.
struct Game {
  GameState state;
  AttackTables tables;
  ComContext context;
  ReachState reach;
  MoveRecord record;  // every move, in the orientation of the first position
  bool flipped = false;
  int level[2] = {3, 3};  // of the army that moves first, and of the other
};

// LEVEL4 and LEVEL5 with small node budgets, so that many games are played.
constexpr std::int64_t ENGINE_SOAK_NODES[2] = {300, 600};
// The ladder's steps play with their own variety and king guard, their
// budgets capped here so that the upper steps do not slow the soak down.
constexpr std::int64_t LADDER_SOAK_NODES = 1500;

class Checker {
 public:
  explicit Checker(SoakFigures& figures) : figures_(figures) {}

  void expect(bool holds, const std::string& what) {
    ++figures_.checks;
    if (holds) return;
    ++figures_.violations;
    if (figures_.problems.size() < 20) figures_.problems.push_back(what);
  }

 private:
  SoakFigures& figures_;
};

int hand_sum(const int* hand) {
  int sum = 0;
  for (int slot = 1; slot <= 7; ++slot) sum += hand[slot];
  return sum;
}

void check_position(const GameState& s, Checker& check) {
  check.expect(s.lower_hand_total == hand_sum(s.lower_hand),
               "lower hand total differs from its sum");
  check.expect(s.upper_hand_total == hand_sum(s.upper_hand),
               "upper hand total differs from its sum");
  int lower_kings = 0, upper_kings = 0;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      lower_kings += s.board(x, y) == -KING;
      upper_kings += s.board(x, y) == KING;
    }
  }
  check.expect(lower_kings <= 1 && upper_kings <= 1, "a side has more than one king");
  for (int slot = 1; slot <= 7; ++slot) {
    check.expect(s.lower_hand[slot] >= 0 && s.upper_hand[slot] >= 0, "a hand count below zero");
  }
}

// Steps the record back to the start and forward again on a copy of the
// game's first position; the result must be the position now on the board.
void check_record_replays(const Game& game, const GameState& start, Checker& check) {
  GameState replay = start;
  for (int i = 1; i <= game.record.length; ++i) redo_entry(replay, game.record.entry[i]);
  GameState now = game.state;
  if (game.flipped) reverse_position(now);
  check.expect(replay.board == now.board, "forward replay differs from the game");
  for (int i = game.record.length; i >= 1; --i) undo_entry(replay, game.record.entry[i]);
  check.expect(replay.board == start.board, "stepping back does not reach the start");
  bool hands_back = true;
  for (int slot = 1; slot <= 7; ++slot) {
    hands_back = hands_back && replay.lower_hand[slot] == start.lower_hand[slot] &&
                 replay.upper_hand[slot] == start.upper_hand[slot];
  }
  check.expect(hands_back, "stepping back does not restore the hands");
}

// A game from the even position, as the save writes it, reads back whole.
void check_record_file_reads_back(const Game& game, Checker& check) {
  std::string bytes;
  check.expect(cp932_text(record_file_lines({"自己対局", "上", "下"}, false, game.record), bytes),
               "the record file cannot be written");
  static RecordFileContents read;
  const LoadOutcome loaded = load_record_text(bytes, read);
  check.expect(loaded.ok && read.record.length == game.record.length,
               "the record file does not read back: " + loaded.message);
}

enum class GameEnd { KingCaptured, NoMove, RecordFull };

// The engine's move for the upper side, which must be one of its candidates.
ComMove engine_move(const Game& game, int level, Checker& check) {
  static Engine engine(1);
  const GameState& s = game.state;
  EngineLimits limits;
  if (is_ladder_level(level)) {
    limits = limits_of_level(level, static_cast<std::uint32_t>(game.record.length));
    limits.nodes = std::min(limits.nodes, LADDER_SOAK_NODES);
  } else {
    limits.nodes = ENGINE_SOAK_NODES[level - 4];
  }
  const EnginePosition position = engine_position(s, +1, game.record.length);
  const EngineResult result = engine.think(position, limits, nullptr);
  ComMove move;
  if (!result.found) return move;
  const Candidate& c = result.best;
  move = {c.from_x, c.from_y, c.to_x, c.to_y, c.moved, c.placed, 0, true};
  static CandidateList list;
  generate_candidates(s.board, s.upper_hand, +1, list);
  bool listed = false;
  for (int i = 0; i < list.count; ++i) listed = listed || list.move[i] == c;
  check.expect(listed, "the engine chose a move that is no candidate");
  if (is_ladder_level(level) && leaves_king_capturable(position, c)) {
    bool all_leave_it = true;
    for (int i = 0; i < list.count && all_leave_it; ++i)
      all_leave_it = leaves_king_capturable(position, list.move[i]);
    check.expect(all_leave_it, "a ladder level left its king capturable where a move avoids it");
  }
  return move;
}

GameEnd play_one_game(Game& game, Checker& check, long& moves) {
  const GameState start = game.state;
  while (true) {
    if (record_is_full(game.record)) return GameEnd::RecordFull;
    GameState& s = game.state;
    if (!side_has_candidate(s.board, s.upper_hand, +1)) return GameEnd::NoMove;
    const int level = game.level[game.flipped ? 1 : 0];
    s.level = level <= 3 ? level : 3;
    ComMove best;
    if (is_engine_level(level)) {
      best = engine_move(game, level, check);
    } else {
      ComWorld world{s, game.tables, game.context, game.reach};
      best = com_turn(world);
    }
    // A hand may show drop squares where no drop is allowed: the side then
    // has no candidate and loses like a side without a movable piece.
    check.expect(best.found == upper_has_candidate(s),
                 "the search's answer differs from the candidates");
    if (!best.found) return GameEnd::NoMove;
    record_move(game.record, s.board, best.from_x, best.from_y, best.to_x, best.to_y, best.moved,
                best.placed, 0, 0, 0, 0);
    if (game.flipped) {
      RecordEntry& e = game.record.entry[game.record.shown];
      e = turned_round(e);
    }
    make_move(s, best.from_x, best.from_y, best.to_x, best.to_y, best.placed);
    ++moves;
    if (s.winner != NO_GAME) return GameEnd::KingCaptured;
    check_position(s, check);
    check_record_replays(game, start, check);
    reverse_position(s);
    game.flipped = !game.flipped;
  }
}

}  // namespace

SoakFigures run_self_play(const SoakOptions& options) {
  SoakFigures figures;
  Checker check(figures);
  std::mt19937 random(options.seed);
  for (int g = 0; g < options.games; ++g) {
    static Game game;
    game = Game{};
    set_initial_position(game.state);
    game.state.turn = game.state.upper_side();
    const int grade =
        options.random_handicaps ? std::uniform_int_distribution<int>(-10, 10)(random) : 0;
    set_handicap_position(game.state.board, grade);
    if (options.mixed_levels) {  // one army on an engine level, the other on LEVEL1-3
      const int engine_army = g % 2;
      // LEVEL4, LEVEL5 and every step of the ladder in turn.
      const int engine_level = (g / 2) % (2 + LADDER_STEPS);
      game.level[engine_army] =
          engine_level < 2 ? 4 + engine_level : LADDER_LEVEL_BASE + engine_level - 1;
      game.level[1 - engine_army] = 1 + g % 3;
    }
    switch (play_one_game(game, check, figures.moves)) {
      case GameEnd::KingCaptured:
        ++figures.king_captures;
        break;
      case GameEnd::NoMove:
        ++figures.no_move_ends;
        break;
      case GameEnd::RecordFull:
        ++figures.full_records;
        break;
    }
    // Record files start from the even position; a handicap game is never saved.
    if (grade == 0) check_record_file_reads_back(game, check);
    ++figures.games;
  }
  return figures;
}

}  // namespace kumora
