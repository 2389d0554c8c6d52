// Games shared by the record-file tests.
#pragma once

#include "core/game_state.h"
#include "kifu/move_record.h"
#include "kifu/record.h"
#include "rules/make_move.h"
#include "tests/temporary_folder.h"

namespace kumora::testing {

// Plays moves on a position and records them as the window does: the
// mover's clock grows by the given seconds, the other stays.
class GameRecorder {
 public:
  GameRecorder() { set_initial_position(state); }

  void play(int from_x, int from_y, int to_x, int to_y, int placed, double seconds) {
    const int moved = Board::on_board(from_x, from_y) ? state.board(from_x, from_y) : placed;
    const bool lower = moved < 0;
    const double lower_after = state.lower_clock + (lower ? seconds : 0);
    const double upper_after = state.upper_clock + (lower ? 0 : seconds);
    record_move(record, state.board, from_x, from_y, to_x, to_y, moved, placed, state.lower_clock,
                lower_after, state.upper_clock, upper_after);
    make_move(state, from_x, from_y, to_x, to_y, placed);
    state.lower_clock = lower_after;
    state.upper_clock = upper_after;
  }

  GameState state;
  MoveRecord record;
};

// Lower first; both sides capture, promote and drop, every move a chain move.
inline GameRecorder game_with_captures_drops_and_promotions() {
  GameRecorder game;
  game.play(5, 9, 7, 6, -KING, 3.25);
  game.play(3, 1, 9, 2, SILVER, 1.5);
  game.play(8, 9, 6, 5, -KNIGHT, 12.75);
  game.play(7, 1, 7, 4, SILVER, 4.0);
  game.play(7, 7, 5, 3, -TOKIN, 2.5);     // takes a pawn and promotes
  game.play(8, 1, 6, 5, KNIGHT, 7.125);   // takes the knight
  game.play(11, 3, 7, 5, -PAWN, 1234.9);  // lower drop from the pawn row
  game.play(8, 2, 7, 5, BISHOP, 0.5);     // takes the pawn
  game.play(8, 8, 3, 6, -ROOK, 0);
  game.play(-1, 3, 4, 4, KNIGHT, 2);  // upper drop, recorded by slot
  game.play(2, 8, 7, 5, -BISHOP, 0);  // takes the bishop
  game.play(7, 3, 5, 7, TOKIN, 1);    // takes a pawn and promotes
  return game;
}

}  // namespace kumora::testing
