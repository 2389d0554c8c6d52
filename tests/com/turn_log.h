// One computer turn through the real search, with every scoring it made, so
// that a test reads the scores the search itself gave its candidates.
#pragma once

#include <optional>
#include <vector>

#include "com/com_search.h"
#include "com/com_turn.h"
#include "core/game_state.h"
#include "tests/support/search_corpus.h"

namespace kumora::testing {

struct Scoring {
  int fx, fy, tx, ty, placed;
  Score score;
  bool operator==(const Scoring&) const = default;
};

struct ScoringLog : CandidateSink, TurnTicker {
  std::vector<Scoring> entries;
  int ticks = 0;

  void scored(int fx, int fy, int tx, int ty, int placed, Score score) override {
    entries.push_back({fx, fy, tx, ty, placed, score});
  }
  void tick() override { ++ticks; }

  bool any_drop() const {
    for (const Scoring& e : entries)
      if (e.fx == UPPER_HAND_COLUMN) return true;
    return false;
  }

  // The score of one version of one candidate; nothing if the search never scored it.
  std::optional<Score> score_of(int fx, int fy, int tx, int ty, int placed) const {
    for (const Scoring& e : entries)
      if (e.fx == fx && e.fy == fy && e.tx == tx && e.ty == ty && e.placed == placed)
        return e.score;
    return std::nullopt;
  }
};

struct PlayedTurn {
  ComMove move;
  ScoringLog log;
  Board board_after;  // as the search left it
};

// The computer's turn on the position at the level: prepare_turn, then the search.
inline PlayedTurn play_turn(const GameState& position, int level) {
  ComPosition turn(position, level);
  PlayedTurn played;
  played.move = com_turn(turn.world, &played.log, &played.log);
  played.board_after = turn.state.board;
  return played;
}

}  // namespace kumora::testing
