// The evaluation graph shades the side ahead on its own half: the lower
// player's lead (positive values) blue above the middle line, the upper
// player's red below it. Its marker stands on the position the board shows.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <array>
#include <cmath>

#include "tests/view/qt_app.h"
#include "view/eval_graph.h"
#include "view/side_panel.h"

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

// How far the mean column of the marker's orange pixels lies from where the
// graph draws `position` (a large number when no marker is drawn).
double marker_offset(EvalGraph& graph, int position) {
  const QImage image = graph.grab().toImage();
  double sum = 0;
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 180 && c.green() > 110 && c.green() < 200 && c.blue() < 80) {
        sum += x;
        ++count;
      }
    }
  // The graph's size is read after grabbing: a layout may set it only then.
  return count < 20 ? 1e9 : sum / count - graph.x_of(position);
}

TEST(EvalGraph, TheMarkerStandsOnTheCurrentPositionTheStartIncluded) {
  ensure_qt_app();
  EvalGraph graph;
  graph.resize(240, 140);
  graph.set_values({0, 0, 0});
  for (const int position : {0, 2}) {
    graph.set_current(position);
    EXPECT_NEAR(marker_offset(graph, position), 0, 1.5) << position;
  }
}

TEST(EvalGraph, TheSidePanelMovesTheMarkerWithTheBoard) {
  ensure_qt_app();
  SidePanel panel;
  panel.show_values({0, 0, 0});
  GameSummary summary;
  summary.moves = {"1 ▲７六歩", "2 △３四歩"};
  for (const int position : {2, 1}) {
    summary.position = position;
    panel.show_summary(summary);
    EXPECT_NEAR(marker_offset(panel.graph(), position), 0, 1.5) << position;
  }
}

TEST(EvalGraph, AClickChoosesThePositionUnderThePointer) {
  ensure_qt_app();
  EvalGraph graph;
  graph.resize(300, 140);
  graph.set_values(std::vector<std::optional<int>>(61, 0));
  graph.show();
  int chosen = -1;
  graph.on_position_chosen = [&](int position) { chosen = position; };
  for (int position : {0, 1, 30, 59, 60}) {
    QTest::mouseClick(&graph, Qt::LeftButton, {},
                      QPoint(static_cast<int>(std::lround(graph.x_of(position))), 20));
    EXPECT_EQ(chosen, position);
  }
  // With nothing valued yet there is no position to choose.
  chosen = -1;
  graph.set_values({});
  QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(5, 20));
  QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(150, 20));
  EXPECT_EQ(chosen, -1);
}

}  // namespace
}  // namespace kumora

namespace kumora {
namespace {

// The graph names who leads in the position marked, in pawns, and calls a
// lead under a pawn even.
TEST(EvalGraph, NamesWhoLeadsInThePositionMarked) {
  ensure_qt_app();
  EvalGraph graph;
  graph.set_sides("先手", "後手");
  graph.set_values({0, 99, -350, std::nullopt, 1234});
  const std::pair<int, QString> cases[] = {
      {1, "互角"}, {2, "後手 +3.5"}, {3, ""}, {4, "先手 +12.3"}, {5, ""}};
  for (const auto& [position, verdict] : cases) {
    graph.set_current(position);
    EXPECT_EQ(graph.verdict(), verdict) << position;
  }
}

}  // namespace
}  // namespace kumora
