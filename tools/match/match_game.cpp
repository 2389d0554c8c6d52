#include "tools/match/match_game.h"

#include <algorithm>
#include <chrono>

#include "rules/make_move.h"
#include "rules/reverse.h"
#include "tools/match/players.h"

namespace kumora::match {

namespace {

bool can_take_king(const MatchGame& game) {
  SideReach reach;
  build_side_reach(game.state.board, game.side, reach);
  for (SquareSet ends = reach.reached; ends != 0; ends &= ends - 1)
    if (cell_of(game.state.board, lowest_square(ends)) == -game.side * KING) return true;
  return false;
}

bool in_list(const CandidateList& list, const Candidate& move) {
  return std::find(list.move, list.move + list.count, move) != list.move + list.count;
}

// A candidate of the side to move, as the board stands or as it stands turned
// round (LEVEL1-3 see it turned round when they play the lower
// side, and the drop maps follow the order of the scan).
bool is_candidate(const MatchGame& game, const Candidate& move) {
  static thread_local CandidateList list;
  candidates_of(game, list);
  if (in_list(list, move)) return true;
  GameState turned = game.state;
  reverse_position(turned);
  const int* hand = game.side > 0 ? turned.lower_hand : turned.upper_hand;
  generate_candidates(turned.board, hand, -game.side, list);
  return in_list(list, turned_round(move));
}

PositionKey key_of(const MatchGame& game) {
  return engine_key(game.state.board, game.state.lower_hand, game.state.upper_hand, game.side);
}

}  // namespace

MatchGame even_game() {
  MatchGame game;
  set_initial_position(game.state);
  game.side = -1;
  return game;
}

void candidates_of(const MatchGame& game, CandidateList& list) {
  generate_candidates(game.state.board, game.hand_to_move(), game.side, list);
}

int play_move(MatchGame& game, const Candidate& move) {
  game.history.push_back(key_of(game));
  const int taken = game.state.board(move.to_x, move.to_y);
  make_move(game.state, move.from_x, move.from_y, move.to_x, move.to_y, move.placed);
  recompute_hand_totals(game.state);
  game.side = -game.side;
  ++game.moves_played;
  return taken;
}

Candidate turned_round(const Candidate& move) {
  Candidate turned = move;
  if (move.from_x == UPPER_HAND_COLUMN) {
    turned.from_x = LOWER_HAND_COLUMN;
    turned.from_y = static_cast<std::int8_t>(move.from_y + 2);
  } else if (move.from_x == LOWER_HAND_COLUMN) {
    turned.from_x = UPPER_HAND_COLUMN;
    turned.from_y = static_cast<std::int8_t>(move.from_y - 2);
  } else {
    turned.from_x = static_cast<std::int8_t>(10 - move.from_x);
    turned.from_y = static_cast<std::int8_t>(10 - move.from_y);
  }
  turned.to_x = static_cast<std::int8_t>(10 - move.to_x);
  turned.to_y = static_cast<std::int8_t>(10 - move.to_y);
  turned.moved = static_cast<std::int16_t>(-move.moved);
  turned.placed = static_cast<std::int16_t>(-move.placed);
  return turned;
}

EnginePosition engine_view(const MatchGame& game) {
  EnginePosition position = engine_position(game.state, game.side, game.moves_played);
  for (PositionKey key : game.history) position.remember(key);
  return position;
}

MatchGame random_opening(std::mt19937& rng) {
  static thread_local CandidateList list;
  while (true) {
    MatchGame game = even_game();
    const int plies = 4 + static_cast<int>(rng() % 5);
    bool over = false;
    for (int ply = 0; ply < plies && !over; ++ply) {
      candidates_of(game, list);
      if (list.count == 0)
        over = true;
      else
        over = std::abs(play_move(game, list.move[rng() % list.count])) == KING;
    }
    if (over || can_take_king(game)) continue;
    if (!side_has_candidate(game.state.board, game.hand_to_move(), game.side)) continue;
    return game;
  }
}

GameOutcome play_game(MatchGame game, Player& a, Player& b, int a_side) {
  GameOutcome outcome;
  a.new_game();
  b.new_game();
  while (true) {
    const bool a_moves = game.side == a_side;
    if (game.moves_played >= RECORD_LIMIT) {
      outcome.end = GameEnd::RecordFull;
      break;
    }
    if (!side_has_candidate(game.state.board, game.hand_to_move(), game.side)) {
      outcome.end = GameEnd::NoMove;
      outcome.a_score = a_moves ? 0 : 1;
      outcome.a_ended_it = a_moves;
      break;
    }
    Candidate move;
    const auto start = std::chrono::steady_clock::now();
    const bool found = (a_moves ? a : b).choose(game, move);
    const auto end = std::chrono::steady_clock::now();
    if (a_moves)
      outcome.a_ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    if (!found || !is_candidate(game, move)) {
      outcome.end = GameEnd::Illegal;
      outcome.a_score = a_moves ? 0 : 1;
      outcome.a_ended_it = a_moves;
      break;
    }
    const int taken = play_move(game, move);
    if (std::abs(taken) == KING) {
      outcome.end = GameEnd::KingTaken;
      outcome.a_score = a_moves ? 1 : 0;
      outcome.a_ended_it = a_moves;
      break;
    }
  }
  outcome.moves = game.moves_played;
  return outcome;
}

}  // namespace kumora::match
