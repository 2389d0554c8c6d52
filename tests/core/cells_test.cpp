#include <gtest/gtest.h>

#include "core/game_state.h"

namespace kumora {
namespace {

TEST(MouseToCell, RoundsTowardMinusInfinityAtTheEdges) {
  EXPECT_EQ(cell_column(5999), 9);
  EXPECT_EQ(cell_column(6000), 10);
  EXPECT_EQ(cell_column(1049), -1);
  EXPECT_EQ(cell_column(1050), 0);
  EXPECT_EQ(cell_column(1050 - 495), -1);
  EXPECT_EQ(cell_column(1050 - 496), -2);
  EXPECT_EQ(cell_row(99), -1);
  EXPECT_EQ(cell_row(100 + 615 * 9 + 614), 9);
  EXPECT_EQ(cell_row(100 + 615 * 10), 10);
}

}  // namespace
}  // namespace kumora
