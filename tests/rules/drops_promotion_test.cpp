// The two-pawn rule and promotion.
#include <gtest/gtest.h>

#include "rules/drops_promotion.h"

namespace kumora {
namespace {

TEST(SecondPawn, OnlyAnUnpromotedOwnPawnInTheTargetColumnCounts) {
  Board board;
  board(3, 4) = -TOKIN;
  board(4, 6) = PAWN;
  board(5, 6) = -PAWN;
  EXPECT_FALSE(second_pawn_in_file(board, LOWER_HAND_COLUMN, 3, -PAWN));
  EXPECT_FALSE(second_pawn_in_file(board, LOWER_HAND_COLUMN, 4, -PAWN));
  EXPECT_TRUE(second_pawn_in_file(board, LOWER_HAND_COLUMN, 5, -PAWN));
  EXPECT_TRUE(second_pawn_in_file(board, UPPER_HAND_COLUMN, 4, PAWN));
  EXPECT_TRUE(second_pawn_in_file(board, 6, 5, -PAWN));   // carried sideways by a chain
  EXPECT_FALSE(second_pawn_in_file(board, 5, 5, -PAWN));  // staying in its column
  EXPECT_FALSE(second_pawn_in_file(board, 6, 5, -TOKIN));
  EXPECT_FALSE(second_pawn_in_file(board, 6, 5, -LANCE));
}

TEST(ForcedPromotion, LastRowsForPawnLanceAndKnight) {
  EXPECT_FALSE(may_stay_unpromoted(1, -PAWN));
  EXPECT_TRUE(may_stay_unpromoted(2, -PAWN));
  EXPECT_FALSE(may_stay_unpromoted(1, -LANCE));
  EXPECT_FALSE(may_stay_unpromoted(2, -KNIGHT));
  EXPECT_TRUE(may_stay_unpromoted(3, -KNIGHT));
  EXPECT_FALSE(may_stay_unpromoted(9, PAWN));
  EXPECT_FALSE(may_stay_unpromoted(9, LANCE));
  EXPECT_FALSE(may_stay_unpromoted(8, KNIGHT));
  EXPECT_TRUE(may_stay_unpromoted(7, KNIGHT));
  EXPECT_TRUE(may_stay_unpromoted(1, -SILVER));
  EXPECT_TRUE(may_stay_unpromoted(1, PAWN));
}

TEST(Promotion, PawnLanceKnightOnlyByArriving) {
  EXPECT_EQ(promoted_code(5, 4, 5, 3, -PAWN), -TOKIN);
  EXPECT_EQ(promoted_code(5, 3, 5, 5, -PAWN), -PAWN);  // carried out of the zone
  EXPECT_EQ(promoted_code(5, 5, 5, 4, -KNIGHT), -KNIGHT);
  EXPECT_EQ(promoted_code(5, 6, 5, 7, PAWN), TOKIN);
  EXPECT_EQ(promoted_code(5, 7, 5, 6, LANCE), LANCE);
}

TEST(Promotion, SilverBishopRookAlsoByLeaving) {
  EXPECT_EQ(promoted_code(5, 2, 5, 5, -SILVER), -PROMOTED_SILVER);
  EXPECT_EQ(promoted_code(5, 5, 5, 3, -BISHOP), -HORSE);
  EXPECT_EQ(promoted_code(5, 4, 5, 5, -ROOK), -ROOK);
  EXPECT_EQ(promoted_code(5, 7, 5, 4, ROOK), DRAGON);
  EXPECT_EQ(promoted_code(5, 6, 5, 5, SILVER), SILVER);
}

TEST(Promotion, NeverForDropsGoldsKingsOrPromotedPieces) {
  EXPECT_EQ(promoted_code(LOWER_HAND_COLUMN, 5, 5, 2, -KNIGHT), -KNIGHT);
  EXPECT_EQ(promoted_code(UPPER_HAND_COLUMN, 3, 5, 9, PAWN), PAWN);
  EXPECT_EQ(promoted_code(5, 4, 5, 3, -GOLD), -GOLD);
  EXPECT_EQ(promoted_code(5, 4, 5, 3, -KING), -KING);
  EXPECT_EQ(promoted_code(5, 4, 5, 3, -TOKIN), -TOKIN);
  EXPECT_EQ(promoted_code(5, 2, 5, 1, -HORSE), -HORSE);
}

}  // namespace
}  // namespace kumora
