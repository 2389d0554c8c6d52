// One game of a match: the position, its history, the end rules, and the
// random openings the games start from.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "core/game_state.h"
#include "engine/engine.h"
#include "rules/candidates.h"

namespace kumora::match {

struct MatchGame {
  GameState state;  // board and hands (totals kept)
  int side = -1;    // to move: -1 lower, +1 upper
  int moves_played = 0;
  std::vector<PositionKey> history;  // keys of the positions before each move

  const int* hand_to_move() const { return side > 0 ? state.upper_hand : state.lower_hand; }
};

// The even position, the lower side to move.
MatchGame even_game();

// Every candidate of the side to move.
void candidates_of(const MatchGame& game, CandidateList& list);

// Plays a move of the side to move; answers the code it took.
int play_move(MatchGame& game, const Candidate& move);

// The move as it reads on the board turned round (record conventions kept).
Candidate turned_round(const Candidate& move);

// The engine's view of the game.
EnginePosition engine_view(const MatchGame& game);

// The even position after a few random plies (4 to 8), never one where the
// side to move can take the king at once or has no move.
MatchGame random_opening(std::mt19937& rng);

class Player;

enum class GameEnd { KingTaken, NoMove, RecordFull, Illegal };

struct GameOutcome {
  double a_score = 0.5;  // 1 A won, 0.5 draw, 0 A lost
  GameEnd end = GameEnd::RecordFull;
  bool a_ended_it = false;   // A took the king, or A had no move / played an illegal move
  std::vector<double> a_ms;  // A's thinking time of every move, milliseconds (wall time)
  int moves = 0;
};

// Plays the game to its end; A plays the side a_side.
GameOutcome play_game(MatchGame game, Player& a, Player& b, int a_side);

}  // namespace kumora::match
