// Stepping through the record agrees with making the moves.
#include "kifu/record.h"

#include <gtest/gtest.h>

#include "rules/make_move.h"

namespace kumora {
namespace {

void expect_same_hands(const GameState& a, const GameState& b, int code) {
  for (int slot = 0; slot <= 7; ++slot) {
    EXPECT_EQ(a.lower_hand[slot], b.lower_hand[slot]) << code << " slot " << slot;
    EXPECT_EQ(a.upper_hand[slot], b.upper_hand[slot]) << code << " slot " << slot;
  }
  EXPECT_EQ(a.lower_hand_total, b.lower_hand_total) << code;
  EXPECT_EQ(a.upper_hand_total, b.upper_hand_total) << code;
}

// "進" of a capture gives the hands make_move gave, for every kind taken,
// a king included; "戻" takes the capture out again.
TEST(RecordSteps, ACaptureStepsForwardAsMadeAndBackToNothing) {
  const int kinds[] = {
      PAWN,   TOKIN, LANCE, PROMOTED_LANCE, KNIGHT, PROMOTED_KNIGHT, SILVER, PROMOTED_SILVER, GOLD,
      BISHOP, HORSE, ROOK,  DRAGON,         KING};
  for (const int kind : kinds) {
    for (const int sign : {1, -1}) {
      GameState before;
      before.board(5, 5) = sign * kind;
      before.board(5, 6) = -sign * GOLD;
      MoveRecord record;
      record_move(record, before.board, 5, 6, 5, 5, -sign * GOLD, -sign * GOLD, 0, 0, 0, 0);

      GameState made = before;
      make_move(made, 5, 6, 5, 5, -sign * GOLD);
      // A king decides the game and enters no hand total either.
      EXPECT_EQ(made.lower_hand_total + made.upper_hand_total, kind == KING ? 0 : 1);
      GameState stepped = before;
      redo_entry(stepped, record.entry[1]);
      EXPECT_EQ(stepped.board, made.board) << sign * kind;
      expect_same_hands(stepped, made, sign * kind);

      undo_entry(stepped, record.entry[1]);
      EXPECT_EQ(stepped.board, before.board) << sign * kind;
      expect_same_hands(stepped, before, sign * kind);
    }
  }
}

}  // namespace
}  // namespace kumora
