// The game the window holds: the position and its flags, the move record,
// and the tables the rules and the computer compute on it.
#pragma once

#include "analysis/attack_tables.h"
#include "com/search_context.h"
#include "core/game_state.h"
#include "kifu/kifu.h"
#include "rules/reach_state.h"
#include "settings/time_control.h"

namespace kumora {

// What the record no longer holds once the board was turned round (反転
// drops it): the moves up to the position then shown, in the orientation the
// game began in, so that the archive and the side panel keep the whole game.
struct TurnedHistory {
  Kifu before;          // entries 1..kifu_len; kifu_pos is not used
  bool turned = false;  // the board shows the game turned round from its start
  // The side codes name the armies as shown (a network game shown with 後手
  // below), not as the game began: there 先手 was below.
  bool sides_as_shown = false;
};

struct Game {
  GameState state;
  Kifu kifu;
  AttackTables tables;
  ComContext com_context;
  ReachState reach;
  TurnedHistory history;
  // The time control the game was started with; none for most games.
  TimeControl time_control;
};

}  // namespace kumora
