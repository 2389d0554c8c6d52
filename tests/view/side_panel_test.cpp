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

// In a game longer than the list is high, the current move stays in sight,
// at the end as well as back at the start.
TEST(SidePanel, TheCurrentMoveIsScrolledIntoSight) {
  ensure_qt_app();
  SidePanel panel;
  panel.resize(240, 400);
  panel.show();
  GameSummary summary;
  for (int move = 1; move <= 120; ++move)
    summary.moves.push_back(std::to_string(move) + " ▲５五歩");
  QListWidget& list = panel.move_list();
  for (const int position : {120, 0, 60}) {
    summary.position = position;
    panel.show_summary(summary);
    const QRect row = list.visualItemRect(list.item(position));
    EXPECT_TRUE(list.viewport()->rect().contains(row)) << position;
  }
  // Scrolled away by hand, the list comes back to the current move when the
  // window shows the game again.
  list.scrollToTop();
  panel.show_summary(summary);
  EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.item(60))));
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
