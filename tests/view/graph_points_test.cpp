// The evaluation graph's points: a game whose values alternate with the side
// to move draws as its trend; a king capture ahead is drawn as it is.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "view/graph_points.h"

namespace kumora {
namespace {

TEST(GraphPoints, TheSideToMovesShareCancelsAndTheTrendStays) {
  // A lead growing by 20 a ply, with the side to move valued 150 higher.
  std::vector<std::optional<int>> values;
  for (int ply = 0; ply < 8; ++ply) values.push_back(20 * ply + (ply % 2 ? -150 : 150));
  const auto points = graph_points(values);
  ASSERT_EQ(points.size(), values.size());
  EXPECT_EQ(points[0], values[0]);
  for (int ply = 1; ply < 8; ++ply) EXPECT_EQ(points[ply], 20 * ply - 10) << "ply " << ply;
}

TEST(GraphPoints, AKingCaptureAheadAndUnknownValues) {
  const std::vector<std::optional<int>> values = {
      40, std::nullopt, 60, 80, ENGINE_MATE - 3, -ENGINE_MATE + 2, 100};
  const auto points = graph_points(values);
  EXPECT_EQ(points[1], std::nullopt) << "not valued yet";
  EXPECT_EQ(points[2], std::nullopt) << "the value before it is not known yet";
  EXPECT_EQ(points[3], 70);
  EXPECT_EQ(points[4], ENGINE_MATE - 3) << "a king capture ahead is not halved";
  EXPECT_EQ(points[5], -ENGINE_MATE + 2);
  EXPECT_EQ(points[6], 100) << "nothing is averaged with a king capture";
}

}  // namespace
}  // namespace kumora
