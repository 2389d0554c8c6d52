// The "遊び方" window: its sections, its diagrams drawn with pieces and marks,
// every character its texts use, and scrolling in a small window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <functional>

#include "tests/view/qt_app.h"
#include "view/board_diagram.h"
#include "view/rules_window.h"

namespace kumora {
namespace {

bool near(QRgb pixel, QColor colour, int tolerance = 40) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
             std::abs(qBlue(pixel) - colour.blue()) <=
         tolerance;
}

int count_pixels(const QImage& image, const std::function<bool(QRgb)>& test) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y));
  return n;
}

// The light wood of a piece; the board squares are darker and redder.
bool piece_wood(QRgb c) { return qRed(c) >= 240 && qGreen(c) >= 212 && qBlue(c) >= 150; }

GameState drawn_state(const BoardDiagram& diagram) {
  return diagram.shows() == BoardDiagram::Shows::Before ? diagram_state(diagram.diagram())
                                                        : diagram_result(diagram.diagram());
}

int pieces_shown(const BoardDiagram& diagram) {
  const GameState state = drawn_state(diagram);
  int n = state.lower_hand_total > 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += state.board(x, y) != EMPTY;
  return n;
}

void save_if_asked(QWidget& widget, const QString& name) {
  const QString folder = qEnvironmentVariable("KUMORA_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  widget.grab().save(QDir(folder).filePath(name + ".png"));
}

class RulesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ensure_qt_app(); }
};

TEST_F(RulesWindowTest, IsAWindowOfItsOwnWithEverySection) {
  RulesWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("遊び方 - 雲羅将棋"));
  EXPECT_TRUE(window.isWindow());
  EXPECT_FALSE(window.isModal());
  QStringList titles;
  for (const QLabel* heading : window.section_headings()) titles << heading->text();
  EXPECT_EQ(titles, QStringList({"１．駒の動かし方（つなぎ移動）", "２．持駒を打つ", "３．成り",
                                 "４．二歩", "５．勝ち負け", "６．ﾊﾝﾃﾞｨｷｬｯﾌﾟ", "７．移動指導",
                                 "８．マウスとキーの操作"}));
}

// The window stays open beside the game; Esc closes it and nothing else.
TEST_F(RulesWindowTest, OpensAtTheBeginningAndClosesWithEsc) {
  RulesWindow window;
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(window.findChild<QScrollArea*>()->verticalScrollBar()->value(), 0);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(RulesWindowTest, EveryDiagramIsDrawnWithItsPiecesAndMarks) {
  RulesWindow window;
  window.show();
  size_t expected = 0;
  for (const RuleSection& section : rule_sections())
    for (const RuleDiagram& diagram : section.diagrams) expected += diagram.show_result ? 2 : 1;
  const auto diagrams = window.findChildren<BoardDiagram*>();
  ASSERT_EQ(static_cast<size_t>(diagrams.size()), expected);

  for (BoardDiagram* diagram : diagrams) {
    const QImage image = diagram->grab().toImage();
    const RuleDiagram& data = diagram->diagram();
    const int wood = count_pixels(image, piece_wood);
    EXPECT_GT(wood, 150 * pieces_shown(*diagram)) << data.caption;
    if (drawn_state(*diagram).lower_hand_total > 0) {
      // The first kind in hand stands level with the top row, left of its count.
      const QImage top_hand_cell = image.copy(image.width() - 80, 40, 50, 62);
      EXPECT_GT(count_pixels(top_hand_cell, piece_wood), 150) << data.caption;
    }

    auto count = [&](QColor colour) {
      return count_pixels(image, [&](QRgb c) { return near(c, colour); });
    };
    const int orange = count(QColor(255, 140, 0));
    const int white = count(Qt::white);
    const int red = count(QColor(220, 0, 0)) + count(QColor(255, 0, 0));
    if (diagram->shows() == BoardDiagram::Shows::After) {
      EXPECT_GT(orange, 100) << data.caption;
      continue;
    }
    switch (data.marks) {
      case DiagramMarks::Move:
        EXPECT_GT(orange, 100 * static_cast<int>(data.clicks.size())) << data.caption;
        if (data.outcome != MoveOutcome::Played) {
          EXPECT_GT(red, 100) << data.caption;
        }
        break;
      case DiagramMarks::Guidance:
        EXPECT_GT(white, 500) << data.caption;
        EXPECT_GT(red, 100) << data.caption;
        break;
      case DiagramMarks::NoMove:
        EXPECT_GT(red, 100) << data.caption;
        break;
      case DiagramMarks::Numbered:
        EXPECT_GT(white, 100 * static_cast<int>(data.clicks.size())) << data.caption;
        break;
    }
  }
  window.resize(1100, 880);
  QCoreApplication::processEvents();
  window.show_section(0);
  save_if_asked(window, "rules-window");
  save_if_asked(*window.findChild<QScrollArea*>()->widget(), "rules-page");
}

// The pixel rows of an empty excerpt from `top_rank` to rank 6 that the
// promotion-zone tint changes.
int tinted_rows(int top_rank) {
  Pictures pictures;
  RuleDiagram plain;
  plain.left_file = 5;
  plain.right_file = 3;
  plain.top_rank = top_rank;
  plain.bottom_rank = 6;
  plain.marks = DiagramMarks::Numbered;
  RuleDiagram zone = plain;
  zone.promotion_zone = true;
  const QImage without =
      BoardDiagram(plain, BoardDiagram::Shows::Before, pictures).grab().toImage();
  const QImage with = BoardDiagram(zone, BoardDiagram::Shows::Before, pictures).grab().toImage();
  int rows = 0;
  for (int y = 0; y < with.height(); ++y) {
    bool changed = false;
    for (int x = 0; x < with.width() && !changed; ++x)
      changed = with.pixel(x, y) != without.pixel(x, y);
    rows += changed;
  }
  return rows;
}

// The zone is the upper player's three ranks: an excerpt from rank 1 tints three
// times as much as one from rank 3, and one from rank 4 none.
TEST_F(RulesWindowTest, ThePromotionZoneTintCoversRanksOneToThree) {
  const int one_rank = tinted_rows(3);
  EXPECT_GT(one_rank, 40);
  EXPECT_NEAR(tinted_rows(1), 3 * one_rank, 6);
  EXPECT_EQ(tinted_rows(4), 0);
}

TEST_F(RulesWindowTest, TheFontHasEveryCharacterOfTheTexts) {
  RulesWindow window;
  QStringList texts;
  for (const QLabel* heading : window.section_headings()) texts << heading->text();
  for (const std::string& paragraph : rules_introduction())
    texts << QString::fromStdString(paragraph);
  for (const RuleSection& section : rule_sections()) {
    for (const std::string& paragraph : section.paragraphs)
      texts << QString::fromStdString(paragraph);
    for (const RuleDiagram& diagram : section.diagrams)
      texts << QString::fromStdString(diagram.caption);
  }
  QFont font(QString::fromLatin1(JAPANESE_FONT));
  const QFontMetrics metrics(font);
  for (const QString& text : texts) {
    for (QChar c : text) EXPECT_TRUE(c.isSpace() || metrics.inFont(c)) << QString(c).toStdString();
  }
}

TEST_F(RulesWindowTest, ASmallWindowScrollsToEachSection) {
  RulesWindow window;
  window.resize(520, 400);
  window.show();
  QScrollArea* scroll = window.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  QScrollBar* bar = scroll->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 2000);
  const int last = static_cast<int>(window.section_headings().size()) - 1;
  window.show_section(last);
  EXPECT_GT(bar->value(), 0);
  const QLabel* heading = window.section_headings().back();
  const int top = heading->mapTo(scroll->viewport(), QPoint(0, 0)).y();
  EXPECT_TRUE((top >= 0 && top < 60) || bar->value() == bar->maximum()) << top;
  window.show_section(0);
  EXPECT_LT(window.section_headings().front()->mapTo(scroll->viewport(), QPoint(0, 0)).y(), 60);
}

TEST_F(RulesWindowTest, AContentsEntryScrollsToItsOwnSection) {
  RulesWindow window;
  window.resize(520, 400);
  window.show();
  QScrollArea* scroll = window.findChild<QScrollArea*>();
  QListWidget* contents = window.findChild<QListWidget*>();
  ASSERT_TRUE(scroll && contents);
  for (int row : {1, 3}) {
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(contents->item(row)).center());
    const int top = window.section_headings()[row]->mapTo(scroll->viewport(), QPoint(0, 0)).y();
    EXPECT_TRUE(top >= 0 && top < 60) << "section " << row + 1 << " at " << top;
  }
}

}  // namespace
}  // namespace kumora
