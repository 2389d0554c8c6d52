// The move list of the side panel follows the position on the board, back
// to its first row (the start) as well.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QTextLayout>

#include "tests/view/qt_app.h"
#include "view/phrase_label.h"
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

// The mode line breaks only at the spaces between its phrases, and its label
// still holds the text as the summary gave it.
TEST(SidePanel, TheModeLineWrapsOnlyBetweenItsPhrases) {
  ensure_qt_app();
  const QStringList phrases = {"ＣＯＭ対局", "LEVEL4", "持ち時間5分", "秒読み10秒"};
  QFont font;
  font.setPointSize(12);
  QTextLayout layout(keep_phrases_whole(phrases.join(' ')), font);
  // Narrower than two phrases side by side, so that every phrase gets a line.
  const qreal width = QFontMetricsF(font).horizontalAdvance("持ち時間5分") * 1.3;
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines << layout.text().mid(line.textStart(), line.textLength()).remove(QChar(0x2060)).trimmed();
  }
  layout.endLayout();
  EXPECT_EQ(lines.join(" | ").toStdString(), "ＣＯＭ対局 | LEVEL4 | 持ち時間5分 | 秒読み10秒");

  SidePanel panel;
  GameSummary summary;
  summary.mode = phrases.join(' ').toStdString();
  panel.show_summary(summary);
  bool found = false;
  for (const QLabel* label : panel.findChildren<QLabel*>()) {
    if (label->text() != phrases.join(' ')) continue;
    found = true;
    const int one_line = label->heightForWidth(4000);
    const qreal narrow = QFontMetricsF(label->font()).horizontalAdvance("持ち時間5分") * 1.3;
    EXPECT_GE(label->heightForWidth(static_cast<int>(narrow)), 4 * one_line - 4)
        << "a narrow panel gives each phrase a line of its own";
  }
  EXPECT_TRUE(found) << "the mode label holds the summary's text as it is";
}

}  // namespace
}  // namespace kumora
