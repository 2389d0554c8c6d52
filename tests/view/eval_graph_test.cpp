// The evaluation graph shades the side ahead on its own half: the lower
// player's lead (positive values) blue above the middle line, the upper
// player's red below it.
#include <gtest/gtest.h>

#include <QImage>
#include <array>

#include "tests/view/qt_app.h"
#include "view/eval_graph.h"

namespace kumora {
namespace {

// Pixels clearly blue or red, above and below the middle: {blue above, blue
// below, red above, red below}.
std::array<int, 4> shading_of(const std::vector<std::optional<int>>& values) {
  ensure_qt_app();
  EvalGraph graph;
  graph.resize(240, 140);
  graph.set_values(values);
  graph.set_current(-1);
  const QImage image = graph.grab().toImage();
  std::array<int, 4> counts{};
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int below = y >= image.height() / 2;
      if (c.blue() > c.red() + 30) ++counts[below];
      if (c.red() > c.blue() + 30) ++counts[2 + below];
    }
  return counts;
}

TEST(EvalGraph, TheSideAheadIsShadedOnItsOwnHalf) {
  const std::array<int, 4> lower_ahead = shading_of({0, 800, 1500});
  EXPECT_GT(lower_ahead[0], 500);
  EXPECT_EQ(lower_ahead[1] + lower_ahead[2] + lower_ahead[3], 0);
  const std::array<int, 4> upper_ahead = shading_of({0, -800, -1500});
  EXPECT_GT(upper_ahead[3], 500);
  EXPECT_EQ(upper_ahead[0] + upper_ahead[1] + upper_ahead[2], 0);
}

}  // namespace
}  // namespace kumora
