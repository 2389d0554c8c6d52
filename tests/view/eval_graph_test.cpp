// The evaluation graph shades the side ahead on its own half: the lower
// player's lead (positive values) blue above the middle line, the upper
// player's red below it.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/view/qt_app.h"
#include "view/eval_graph.h"

namespace kumora {
namespace {

struct Shading {
  int blue_above = 0, blue_below = 0, red_above = 0, red_below = 0;
};

Shading shading_of(const std::vector<std::optional<int>>& values) {
  ensure_qt_app();
  EvalGraph graph;
  graph.resize(240, 140);
  graph.set_values(values);
  graph.set_current(-1);
  const QImage image = graph.grab().toImage();
  Shading s;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const bool above = y < image.height() / 2;
      if (c.blue() > c.red() + 30) (above ? s.blue_above : s.blue_below) += 1;
      if (c.red() > c.blue() + 30) (above ? s.red_above : s.red_below) += 1;
    }
  return s;
}

TEST(EvalGraph, TheSideAheadIsShadedOnItsOwnHalf) {
  const Shading lower_ahead = shading_of({0, 800, 1500});
  EXPECT_GT(lower_ahead.blue_above, 500);
  EXPECT_EQ(lower_ahead.blue_below + lower_ahead.red_above + lower_ahead.red_below, 0);
  const Shading upper_ahead = shading_of({0, -800, -1500});
  EXPECT_GT(upper_ahead.red_below, 500);
  EXPECT_EQ(upper_ahead.red_above + upper_ahead.blue_above + upper_ahead.blue_below, 0);
}

}  // namespace
}  // namespace kumora
