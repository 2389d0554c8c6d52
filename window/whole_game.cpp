#include "window/whole_game.h"

#include <algorithm>

#include "kifu/turned_entry.h"

namespace kumora {

MoveRecord whole_game(const Game& game) {
  const TurnedHistory& history = game.history;
  MoveRecord whole = history.before;
  const int before = history.before.length;
  const int added = std::min(game.record.length, RECORD_LIMIT - before);
  for (int i = 1; i <= added; ++i) {
    const RecordEntry& entry = game.record.entry[i];
    whole.entry[before + i] = history.turned ? turned_round(entry) : entry;
  }
  whole.length = before + added;
  whole.shown = before + std::min(game.record.shown, added);
  return whole;
}

void keep_moves_before_turn(Game& game) {
  MoveRecord kept = whole_game(game);
  kept.length = kept.shown;
  game.history.before = kept;
  game.history.turned = !game.history.turned;
}

bool whole_game_full(const Game& game) {
  return moves_before_record(game) + game.record.shown >= RECORD_LIMIT;
}

}  // namespace kumora
