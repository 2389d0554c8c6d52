#include "window/net_record.h"

#include <cstdlib>
#include <memory>

#include "engine/zobrist.h"
#include "kifu/record.h"
#include "kifu/turned_entry.h"
#include "rules/candidates.h"
#include "window/whole_game.h"

namespace kumora {

namespace {

// 先手, the lower side in the network's view, moves first.
int side_to_move(size_t moves_played) { return moves_played % 2 == 0 ? -1 : +1; }

GameState even_position() {
  GameState state;
  set_initial_position(state);
  recompute_hand_totals(state);
  return state;
}

std::uint64_t key_of(const GameState& state, size_t moves_played) {
  return position_key(state.board, state.lower_hand, state.upper_hand, side_to_move(moves_played));
}

GameState replayed(const std::vector<RecordEntry>& moves) {
  GameState state = even_position();
  for (const RecordEntry& e : moves) redo_entry(state, e);
  return state;
}

// A candidate's drop names the upper hand's slot; the record names its row.
RecordEntry as_recorded(const Candidate& c, const Board& board) {
  RecordEntry e;
  e.from_x = c.from_x;
  e.from_y = c.from_x == UPPER_HAND_COLUMN ? upper_hand_row_of_slot(c.from_y) : c.from_y;
  e.to_x = c.to_x;
  e.to_y = c.to_y;
  e.moved = c.moved;
  e.placed = c.placed;
  e.taken = board.at_or_empty(c.to_x, c.to_y);
  return e;
}

bool king_taken(const std::vector<RecordEntry>& moves) {
  for (const RecordEntry& e : moves) {
    if (std::abs(e.taken) == KING) return true;
  }
  return false;
}

}  // namespace

RecordEntry network_view(const RecordEntry& entry, bool board_turned) {
  return board_turned ? turned_round(entry) : entry;
}

std::vector<RecordEntry> network_moves(const Game& game) {
  const MoveRecord whole = whole_game(game);
  return std::vector<RecordEntry>(whole.entry + 1, whole.entry + 1 + whole.shown);
}

std::vector<std::uint64_t> keys_after(const std::vector<RecordEntry>& moves) {
  GameState state = even_position();
  std::vector<std::uint64_t> keys;
  for (const RecordEntry& e : moves) {
    redo_entry(state, e);
    keys.push_back(key_of(state, keys.size() + 1));
  }
  return keys;
}

bool legal_after(const std::vector<RecordEntry>& moves, const NetMove& move) {
  if (moves.size() >= static_cast<size_t>(RECORD_LIMIT) || king_taken(moves)) return false;
  GameState state = replayed(moves);
  const int side = side_to_move(moves.size());
  auto list = std::make_unique<CandidateList>();
  generate_candidates(state.board, side < 0 ? state.lower_hand : state.upper_hand, side, *list);
  const RecordEntry wanted = to_entry(move);
  for (int i = 0; i < list->count; ++i) {
    if (!same_move(as_recorded(list->move[i], state.board), wanted)) continue;
    redo_entry(state, wanted);
    return key_of(state, moves.size() + 1) == move.key_after;
  }
  return false;
}

NetMove to_net_move(const RecordEntry& e, std::uint64_t key_after) {
  return {e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed, e.taken, key_after};
}

RecordEntry to_entry(const NetMove& move) {
  RecordEntry e;
  e.from_x = move.from_x;
  e.from_y = move.from_y;
  e.to_x = move.to_x;
  e.to_y = move.to_y;
  e.moved = move.moved;
  e.placed = move.placed;
  e.taken = move.taken;
  return e;
}

}  // namespace kumora
