// The window around the board, as a new user meets it: the first start at
// 80% of the screen's height at the board's proportions, the side panel
// following a game and taking clicks on its moves, 待った in both modes, the
// keyboard shortcuts, and the size remembered for the next start.
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTime>
#include <memory>

#include "archive/game_archive.h"
#include "core/text_file.h"
#include "tests/gui/box_answerer.h"
#include "tests/gui/panel_widgets.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/screenshots.h"
#include "tests/gui/window_test_case.h"
#include "view/eval_graph.h"
#include "view/game_window.h"
#include "view/rules_window.h"
#include "view/side_panel.h"
#include "view/surface_view.h"

namespace kumora {

namespace {
QString u8(const char* text) { return QString::fromUtf8(text); }
}  // namespace

class WindowLayout : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void first_start_fills_most_of_the_screen_height();
  void the_side_panel_follows_a_game();
  void a_click_on_a_move_shows_that_position();
  void the_graph_values_the_moves_and_takes_clicks();
  void take_back_between_two_people();
  void take_back_against_the_computer();
  void shortcuts_open_the_file_panel();
  void a_read_record_shows_its_title_inside_the_window();
  void f1_opens_the_rules();
  void the_list_keeps_the_game_across_a_turn();
  void any_size_keeps_the_board_whole();
  void the_size_is_remembered();

 private:
  MainWindow& logic() { return window_->logic(); }
  QListWidget& moves() { return window_->side_panel().move_list(); }
  void play(std::initializer_list<std::pair<int, int>> clicks);
  void expect_boxes(const Boxes& expected);
};

void WindowLayout::play(std::initializer_list<std::pair<int, int>> clicks) {
  for (const auto& [x, y] : clicks) driver_->click_cell(x, y);
}

void WindowLayout::expect_boxes(const Boxes& expected) {
  const QString unexpected = unexpected_boxes(boxes_, expected);
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void WindowLayout::initTestCase() {
  QVERIFY(enter_fresh_folder());
  QVERIFY(open_window(set_up_like_the_program()));
}

void WindowLayout::first_start_fills_most_of_the_screen_height() {
  const QRect available = window_->screen()->availableGeometry();
  const double share = static_cast<double>(window_->height()) / available.height();
  QVERIFY2(share > 0.77 && share < 0.83,
           qPrintable(QString("window at %1 of the height").arg(share)));
  QVERIFY(window_->side_panel().isVisible());
  // The board's view has the surface's proportions: no empty bands at first.
  const QSize view = driver_->view().size();
  QVERIFY2(std::abs(view.width() * 7200.0 / 9000.0 - view.height()) <= 3,
           qPrintable(QString("view of %1 x %2").arg(view.width()).arg(view.height())));
  QVERIFY(window_->geometry().intersects(available));
  QCOMPARE(window_->windowTitle(), u8("雲羅将棋 Kumora Shogi"));
  // Its clock reads the time of day in seconds; kept games are named by it.
  QVERIFY(std::abs(window_->now() - QTime::currentTime().msecsSinceStartOfDay() / 1000.0) < 5);
  const std::string stamp = window_->timestamp();
  QVERIFY(is_archive_file_name(stamp + RECORD_FILE_EXTENSION));
  QCOMPARE(QString::fromStdString(stamp.substr(0, 10)), QDate::currentDate().toString(Qt::ISODate));
}

void WindowLayout::the_side_panel_follows_a_game() {
  QVERIFY(driver_->choose({u8("対局"), u8("対局(人間)"), u8("スタート")}));
  expect_boxes({{" ", u8("先手の番です")}});
  play({{8, 8}, {8, 7}, {8, 6}, {2, 2}, {2, 3}, {2, 4}});
  QCOMPARE(moves().count(), 3);
  QCOMPARE(moves().item(1)->text(), u8("1 ▲２六飛"));
  QCOMPARE(moves().item(2)->text(), u8("2 △８四飛"));
  QCOMPARE(moves().currentRow(), 2);
  QCOMPARE(window_->status_line().text(), u8("先手の番です"));
  QStringList captions;
  for (const QLabel* label : window_->side_panel().findChildren<QLabel*>())
    captions << label->text();
  QVERIFY2(captions.contains(u8("先手の番")) && captions.contains(u8("人間対局")),
           qPrintable(captions.join(", ")));
}

void WindowLayout::a_click_on_a_move_shows_that_position() {
  const QRect row = moves().visualItemRect(moves().item(1));
  QTest::mouseClick(moves().viewport(), Qt::LeftButton, {}, row.center());
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 1, WAIT_MS);
  QCOMPARE(logic().game().state.board(2, 4), 0);
  QCOMPARE(moves().currentRow(), 1);
  // The start of the list is the initial position; the end, the last move again.
  QTest::mouseClick(moves().viewport(), Qt::LeftButton, {},
                    moves().visualItemRect(moves().item(0)).center());
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 0, WAIT_MS);
  QTest::mouseClick(moves().viewport(), Qt::LeftButton, {},
                    moves().visualItemRect(moves().item(2)).center());
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 2, WAIT_MS);
  QCOMPARE(logic().game().state.board(2, 4), 900);
  expect_boxes({});
}

void WindowLayout::the_graph_values_the_moves_and_takes_clicks() {
  EvalGraph& graph = window_->side_panel().graph();
  // The start and both moves get a value, in the background.
  QTRY_COMPARE_WITH_TIMEOUT(graph.known_values(), 3, WAIT_MS);
  save_screenshot_if_asked(*window_, "side-panel");
  QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(std::lround(graph.x_of(1)), 20));
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 1, WAIT_MS);
  QCOMPARE(moves().currentRow(), 1);
  QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(std::lround(graph.x_of(2)), 20));
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 2, WAIT_MS);
}

void WindowLayout::take_back_between_two_people() {
  driver_->press_key_combination(Qt::Key_Z, Qt::ControlModifier);
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.length, 1, WAIT_MS);
  QCOMPARE(logic().game().state.turn, logic().game().state.gote());
  QCOMPARE(moves().count(), 2);
  // The game goes on from there: the upper player moves again.
  play({{8, 2}, {7, 3}, {7, 4}});
  QCOMPARE(logic().game().record.length, 2);
  expect_boxes({});
}

void WindowLayout::take_back_against_the_computer() {
  QVERIFY(driver_->choose({u8("局面"), u8("最初")}));
  QVERIFY(driver_->choose({u8("対局"), u8("対局(COM)"), u8("先手")}));
  expect_boxes({{" ", u8("MANの番です")}});
  play({{8, 8}, {8, 7}, {8, 6}});
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.length, 2, WAIT_MS);
  driver_->press_key_combination(Qt::Key_Z, Qt::ControlModifier);
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.length, 0, WAIT_MS);
  QCOMPARE(logic().game().state.turn, logic().game().state.lower_side);
  QCOMPARE(logic().game().state.board(8, 8), -900);
  // Nothing more to take back.
  driver_->press_key_combination(Qt::Key_Z, Qt::ControlModifier);
  expect_boxes({{u8("待った"), u8("待ったできる手がありません")}});
}

void WindowLayout::shortcuts_open_the_file_panel() {
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(panel.complete());
  driver_->press_key_combination(Qt::Key_O, Qt::ControlModifier);
  QTRY_VERIFY_WITH_TIMEOUT(panel.file1->isVisible(), WAIT_MS);
  driver_->press_key(Qt::Key_Escape);
  QTRY_VERIFY_WITH_TIMEOUT(!panel.file1->isVisible(), WAIT_MS);
  QVERIFY(!logic().program_ended());
  driver_->press_key_combination(Qt::Key_S, Qt::ControlModifier);
  QTRY_VERIFY_WITH_TIMEOUT(panel.command1->isVisible(), WAIT_MS);
  driver_->press_key(Qt::Key_Escape);
  QTRY_VERIFY_WITH_TIMEOUT(!panel.command1->isVisible(), WAIT_MS);
  // The menus show the keys beside their items.
  QCOMPARE(window_->action(MenuId::READ_RECORD)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  QCOMPARE(window_->action(MenuId::TAKE_BACK)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  QCOMPARE(window_->action(MenuId::HOW_TO_PLAY)->shortcut(), QKeySequence(Qt::Key_F1));
}

void WindowLayout::a_read_record_shows_its_title_inside_the_window() {
  // A short title, printed where the record layout would put it off the
  // window's left edge: it is centred under the board instead.
  std::string error;
  QVERIFY(write_text_file_atomic(
      "王取り.棋譜",
      {"王取りテスト", "山田太郎名人", "田中花子", " 8886-900-900   0    0    0    0    0"},
      error));
  QVERIFY(driver_->choose({u8("棋譜"), u8("読込")}));
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(click_listed_file(*driver_, panel, u8("王取り.棋譜"), WAIT_MS));
  expect_boxes(
      {{u8("棋譜"), u8(" 読み込みました")}, {u8("棋譜"), u8("棋譜を '進 'で進めて下さい")}});
  QCOMPARE(logic().game().state.record_mode, true);
  driver_->press_key(Qt::Key_Right);
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 1, WAIT_MS);
  // The title is red (QBColor 12) and lies under the board, wholly inside.
  const QImage shown = driver_->grab_view();
  const QRect below = driver_->twips_in_grab(0, 6350, 9000, 500);
  int red_left = shown.width(), red_right = -1;
  for (int y = below.top(); y < below.bottom(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb p = shown.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80) {
        red_left = std::min(red_left, x);
        red_right = std::max(red_right, x);
      }
    }
  }
  const QRect board = driver_->twips_in_grab(1545, 715, 4455, 5535);
  QVERIFY2(red_right > 0, "no title shown");
  QVERIFY2(red_left > board.left() && red_right < board.right(),
           qPrintable(QString("title from %1 to %2").arg(red_left).arg(red_right)));
  save_screenshot_if_asked(*window_, "record-title");
}

void WindowLayout::f1_opens_the_rules() {
  driver_->press_key(Qt::Key_F1);
  RulesWindow* rules = nullptr;
  QTRY_VERIFY_WITH_TIMEOUT((rules = window_->findChild<RulesWindow*>()) && rules->isVisible(),
                           WAIT_MS);
  QCOMPARE(rules->section_headings().size(), size_t{8});
  rules->close();
  QVERIFY(!logic().program_ended());
}

void WindowLayout::the_list_keeps_the_game_across_a_turn() {
  QVERIFY(driver_->choose({u8("局面"), u8("最初")}));
  QVERIFY(driver_->choose({u8("対局"), u8("対局(人間)"), u8("スタート")}));
  play({{8, 8}, {8, 7}, {8, 6}, {2, 2}, {2, 3}, {2, 4}});
  QVERIFY(driver_->choose({u8("局面"), u8("反転")}));
  QCOMPARE(moves().count(), 3);
  play({{2, 3}, {2, 4}, {2, 5}});  // the first player's pawn, now above
  QCOMPARE(moves().count(), 4);
  QCOMPARE(moves().item(3)->text(), u8("3 ▲２五歩"));
  QCOMPARE(moves().currentRow(), 3);
  save_screenshot_if_asked(*window_, "turned-board");
  // A move from before the turn is refused as 戻 refuses at the record's start.
  driver_->click_list_row(moves(), 1);
  QTRY_COMPARE_WITH_TIMEOUT(moves().currentRow(), 2, WAIT_MS);
  expect_boxes({{" ", u8("先手の番です")}, {u8("戻る"), u8("できません")}});
}

// Last: closing the window ends the program.
// The window cannot be made smaller than a board that shows whole, with both
// hands and clocks; where the side panel would leave the board too narrow it
// steps aside, its menu item still ticked, and comes back when there is room.
// In a tall window its texts grow.
void WindowLayout::any_size_keeps_the_board_whole() {
  const QSize usual = window_->size();
  const double usual_font = window_->side_panel().font().pointSizeF();
  window_->resize(300, 200);
  QTRY_COMPARE_WITH_TIMEOUT(window_->size(), window_->minimumSize(), WAIT_MS);
  const SurfaceView& view = driver_->view();
  QTRY_COMPARE_WITH_TIMEOUT(view.width(), window_->width(), WAIT_MS);
  QVERIFY2(view.fit_factor() >= 0.6 - 1e-9, qPrintable(QString::number(view.fit_factor())));
  QVERIFY(!window_->side_panel().isVisible());
  QVERIFY(window_->action(MenuId::SIDE_PANEL)->isChecked());
  window_->resize(480, 360);
  QTRY_COMPARE_WITH_TIMEOUT(window_->size(), QSize(480, 360), WAIT_MS);
  QVERIFY(!window_->side_panel().isVisible());  // the board would be 220 pixels wide
  window_->resize(usual);
  QTRY_VERIFY_WITH_TIMEOUT(window_->side_panel().isVisible(), WAIT_MS);
  QCOMPARE(window_->side_panel().font().pointSizeF(), usual_font);
  const QRect available = window_->screen()->availableGeometry();
  window_->resize(available.width(), available.height());
  if (available.height() >= 1000) {  // a screen tall enough for larger texts
    QTRY_VERIFY_WITH_TIMEOUT(window_->side_panel().font().pointSizeF() > usual_font * 1.15,
                             WAIT_MS);
    QVERIFY(window_->side_panel().width() > 300);
  }
  window_->resize(usual);
  QTRY_COMPARE_WITH_TIMEOUT(window_->size(), usual, WAIT_MS);
  QTRY_COMPARE_WITH_TIMEOUT(driver_->view().width() + window_->side_panel().width(),
                            window_->width(), WAIT_MS);
}

void WindowLayout::the_size_is_remembered() {
  const QSize board_view = driver_->view().size();
  window_->action(MenuId::SIDE_PANEL)->trigger();
  QVERIFY(!window_->side_panel().isVisible());
  QTRY_COMPARE_WITH_TIMEOUT(driver_->view().size(), board_view, WAIT_MS);  // the window shrank
  window_->resize(700, 560);
  window_->move(40, 30);
  QTRY_COMPARE_WITH_TIMEOUT(window_->size(), QSize(700, 560), WAIT_MS);
  const QRect closed_at = window_->geometry();
  window_->close();
  QTRY_VERIFY_WITH_TIMEOUT(logic().program_ended(), WAIT_MS);

  GameWindow again(*sound_, set_up_like_the_program());
  again.load();
  again.show();
  QVERIFY(QTest::qWaitForWindowExposed(&again, WAIT_MS));
  QCOMPARE(again.size(), closed_at.size());
  QVERIFY(!again.side_panel().isVisible());
}

}  // namespace kumora

QTEST_MAIN(kumora::WindowLayout)
#include "window_layout_test.moc"
