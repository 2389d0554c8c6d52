// The game the window holds: the position and its flags, the move record,
// and the tables the rules and the computer compute on it.
#pragma once

#include "analysis/attack_tables.h"
#include "core/game_state.h"
#include "kifu/move_record.h"
#include "rules/make_move.h"
#include "rules/reach_state.h"
#include "settings/time_control.h"

namespace kumora {

// What the record no longer holds once the board was turned round (反転
// drops it): the moves up to the position then shown, in the orientation the
// game began in, so that the archive and the side panel keep the whole game.
struct TurnedHistory {
  MoveRecord before;    // entries 1..length; shown is not used
  bool turned = false;  // the board shows the game turned round from its start
  // The side codes name the armies as shown (a network game shown with 後手
  // below), not as the game began: there 先手 was below.
  bool sides_as_shown = false;
};

// The game's course and modes are changed only here: who sits on which half,
// who moves first, whose turn it is, the move number, the opponent, record
// mode, the turned board, the level and the handicap. The window's parts ask
// the game for these changes; the clocks are the clock part's own.
struct Game {
  GameState state;
  MoveRecord record;
  AttackTables tables;
  ReachState reach;
  TurnedHistory history;
  // The time control the game was started with; none for most games.
  TimeControl time_control;

  // Everything as when the window opens, before the settings are read.
  void open_afresh();
  // The game's course and modes as after 最初: no game, nothing counted, a
  // two-person board shown as it began, no handicap.
  void clear_course();

  // The position, changed by the rules' own moves.
  void place_initial_position();
  MoveRedraw play(int from_x, int from_y, int to_x, int to_y, int placed);
  void redo(const RecordEntry& entry);
  void undo(const RecordEntry& entry);
  // The board turned round as shown; the same army stays to move.
  void turn_round();

  // `lower` plays the lower half and the other side the upper half.
  void seat(Side lower);
  // 先手 is the side `side`, 後手 the other.
  void name_first_mover(Side side);
  void give_turn_to(Side side);
  // The other side is to move; with no game there is still none.
  void pass_turn();

  void count_move() { state.move_count += 1; }
  void uncount_move() { state.move_count -= 1; }
  void set_move_count(int count) { state.move_count = count; }

  // Another person or the computer.
  void play_against(Opponent opponent) { state.vs_com = opponent; }
  void set_record_mode(bool replaying) { state.record_mode = replaying; }
  // The person stepped through the record (true) or went on playing (false).
  void set_stepped(bool stepped) { state.stepped = stepped; }
  void set_level(int level) { state.level = level; }

  // The game starts from the handicap position of `grade`.
  void set_up_handicap(int grade, const Board& start);
  // 駒落ち raised (+1) or lowered (−1) one grade, before a game.
  void change_handicap(int step) { state.handicap_grade += step; }
  // The handicap menu was used: the game starts from a handicap position.
  void mark_handicap_chosen() { state.handicap_set = true; }
  // One square of the board as a handicap grade leaves it.
  void set_square(int x, int y, int code) { state.board(x, y) = code; }
  // The handicap belongs to the other half once the board is turned round.
  void turn_handicap_round() { state.handicap_grade = -state.handicap_grade; }
};

}  // namespace kumora
