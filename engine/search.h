// The engine's search: iterative deepening over a principal variation
// search with a transposition table, null move, late move reductions and a
// quiescence search over captures, on the variant's own ends.
#pragma once

#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/move_ordering.h"
#include "engine/search_position.h"
#include "engine/transposition_table.h"
#include "rules/side_reach_move.h"

namespace kumora {

constexpr int MAX_PLY = 64;

// How the position of a ply was reached from the ply before it.
enum class Arrival { Root, Move, Pass };

// What one ply of the search keeps while its moves are tried.
struct PlyData {
  Arrival arrival = Arrival::Root;
  BoardChange change;    // of Arrival::Move
  int on_board[2] = {};  // the values of each side's pieces on the board: [0] lower, [1] upper
  SideReach mover;
  SideReach other;
  CandidateList moves;
  int order[CANDIDATE_CAPACITY];
  Killers killers;
  int pv_length = 0;
  Candidate pv[MAX_PLY + 1];
};

// Everything a search writes, allocated once with the engine.
struct SearchWorkspace {
  PlyData ply[MAX_PLY + 1];
  MoveHistory history;
};

// Iterative deepening from `first_depth` on (a helper thread starts deeper
// than the search that decides the move, so that they part ways).  The
// caller starts a new generation of the table first.
EngineResult run_search(const EnginePosition& position, const EngineLimits& limits,
                        const std::atomic<bool>* stop, const EngineParameters& parameters,
                        TranspositionTable& table, SearchWorkspace& workspace, int first_depth = 1);

}  // namespace kumora
