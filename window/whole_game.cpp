#include "window/whole_game.h"

#include <algorithm>

#include "kifu/turned_entry.h"

namespace kumora {

Kifu whole_game(const Game& game) {
  const TurnedHistory& history = game.history;
  Kifu whole = history.before;
  const int before = history.before.kifu_len;
  const int added = std::min(game.kifu.kifu_len, RECORD_LIMIT - before);
  for (int i = 1; i <= added; ++i) {
    const KifuEntry& entry = game.kifu.entry[i];
    whole.entry[before + i] = history.turned ? turned_round(entry) : entry;
  }
  whole.kifu_len = before + added;
  whole.kifu_pos = before + std::min(game.kifu.kifu_pos, added);
  return whole;
}

void keep_moves_before_turn(Game& game) {
  Kifu kept = whole_game(game);
  kept.kifu_len = kept.kifu_pos;
  game.history.before = kept;
  game.history.turned = !game.history.turned;
}

bool whole_game_full(const Game& game) {
  return moves_before_record(game) + game.kifu.kifu_pos >= RECORD_LIMIT;
}

}  // namespace kumora
