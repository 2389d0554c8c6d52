// The move list of the side panel follows the position on the board, back
// to its first row (the start) as well.
#include <gtest/gtest.h>

#include <QListWidget>

#include "tests/view/qt_app.h"
#include "view/side_panel.h"

namespace kumora {
namespace {

TEST(SidePanel, TheSelectedRowFollowsThePositionBackToTheStart) {
  ensure_qt_app();
  SidePanel panel;
  GameSummary summary;
  summary.moves = {"1 ▲７六歩", "2 △３四歩"};
  for (const int position : {2, 1, 0, 2}) {
    summary.position = position;
    panel.show_summary(summary);
    EXPECT_EQ(panel.move_list().currentRow(), position);
  }
  EXPECT_EQ(panel.move_list().count(), 3);
}

}  // namespace
}  // namespace kumora
