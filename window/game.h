// The game the window holds: the position and its flags, the move record,
// and the tables the rules and the computer compute on it.
#pragma once

#include "analysis/attack_tables.h"
#include "com/reach_state.h"
#include "com/search_context.h"
#include "core/game_state.h"
#include "kifu/kifu.h"

namespace kumora {

struct Game {
  GameState state;
  Kifu kifu;
  AttackTables tables;
  ComContext com_context;
  ReachState reach;
};

}  // namespace kumora
