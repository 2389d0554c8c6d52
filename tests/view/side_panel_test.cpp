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

// A click on a row asks for its position; showing a summary asks for none.
TEST(SidePanel, AClickedRowAsksForItsPosition) {
  ensure_qt_app();
  SidePanel panel;
  std::vector<int> asked;
  panel.on_position_chosen = [&](int position) { asked.push_back(position); };
  GameSummary summary;
  summary.turn = "先手の番";
  summary.moves = {"1 ▲７六歩", "2 △３四歩"};
  summary.position = 2;
  panel.show_summary(summary);
  EXPECT_TRUE(asked.empty());
  QListWidget& list = panel.move_list();
  emit list.itemClicked(list.item(0));
  emit list.itemClicked(list.item(1));
  EXPECT_EQ(asked, std::vector<int>({0, 1}));
  EXPECT_EQ(list.item(0)->text(), QStringLiteral("開始局面"));
  EXPECT_EQ(list.item(2)->text(), QStringLiteral("2 △３四歩"));
}

}  // namespace
}  // namespace kumora
