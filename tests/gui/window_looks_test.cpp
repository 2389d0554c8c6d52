// The window as it looks at each step of a short session, compared picture by
// picture with the stored looks: the title screen, a game between two people
// with its last move, a selected piece with its guidance, a hint, a step back,
// the record panels with nested folders, a read record's header, the rules
// window, the board turned round and the window in English. Whatever is drawn
// differently (a tint, a frame, an indent, a caption, a margin) shows.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QTest>

#include "core/text_file.h"
#include "tests/gui/panel_widgets.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/stored_looks.h"
#include "tests/gui/window_test_case.h"
#include "view/eval_graph.h"
#include "view/rules_window.h"
#include "view/side_panel.h"
#include "view/surface_view.h"

namespace kumora {

namespace {
QString u8(const char* text) { return QString::fromUtf8(text); }
}  // namespace

class WindowLooks : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void title_screen();
  void a_game_between_two_people();
  void a_selected_piece_and_its_guidance();
  void a_hint();
  void a_step_back();
  void the_record_panels();
  void a_read_record();
  void the_rules();
  void the_board_turned_round();
  void in_english();

 private:
  MainWindow& logic() { return window_->logic(); }
  void enter_named_folder();
  void trigger(MenuId id) { window_->action(id)->trigger(); }
  // Lets the window settle, then compares it with its stored look.
  void expect_look(QWidget& widget, const QString& name);
  void wait_for_the_graph();

  // The file panel shows the folder's path, so it must be the same every run;
  // the lock keeps two runs on one machine out of each other's way.
  QLockFile lock_{QDir::tempPath() + "/kumora-looks.lock"};
  QString folder_ = QDir::tempPath() + "/kumora-looks";
};

void WindowLooks::enter_named_folder() {
  QVERIFY(lock_.lock());
  QDir(folder_).removeRecursively();
  QVERIFY(QDir().mkpath(folder_ + "/棋譜/二〇二六"));
  QVERIFY(QDir().mkpath(folder_ + "/棋譜/練習"));
  QVERIFY(enter_folder(folder_, folder_ + "/棋譜", "dummy"));
}

void WindowLooks::initTestCase() {
  enter_named_folder();
  std::string error;
  // Guidance on; no clock, whose seconds would differ from run to run.
  QVERIFY(write_text_file_atomic("Kumora.ini",
                                 {"背景画像=緑", "移動指導=ON", "経過時間=OFF", "BGM=OFF"}, error));
  QVERIFY(write_text_file_atomic(
      "王取り.棋譜",
      {"王取りテスト", "山田太郎名人", "田中花子", " 8886-900-900   0    0    0    0    0"},
      error));
  QVERIFY(write_text_file_atomic("練習対局.棋譜",
                                 {"練習", "", "", " 7776-100-100   0    0    0    0    0"}, error));
  QApplication::setCursorFlashTime(0);  // a text cursor that does not blink
  QVERIFY(open_window(set_up_like_the_program(), parse_command_line({"--nodes", "20000"})));
  if (!stored_looks_apply()) {
    QSKIP(qPrintable(looks_do_not_apply()));
  }
}

void WindowLooks::expect_look(QWidget& widget, const QString& name) {
  QTest::qWait(150);  // pending paints land
  const QString difference = compare_with_stored_look(widget.grab().toImage(), name);
  QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void WindowLooks::wait_for_the_graph() {
  // No move yet: nothing to value.
  const int moves = logic().game().record.length;
  const int positions = moves == 0 ? 0 : moves + 1;
  QTRY_COMPARE_WITH_TIMEOUT(window_->side_panel().graph().known_values(), positions, WAIT_MS);
}

void WindowLooks::title_screen() { expect_look(*window_, "title-screen"); }

void WindowLooks::a_game_between_two_people() {
  trigger(MenuId::TWO_PERSON_START);
  for (const auto& [x, y] : {std::pair{8, 8}, {8, 7}, {8, 6}, {2, 2}, {2, 3}, {2, 4}}) {
    driver_->click_cell(x, y);
  }
  QCOMPARE(logic().game().record.length, 2);
  wait_for_the_graph();
  expect_look(*window_, "two-people-game");
}

void WindowLooks::a_selected_piece_and_its_guidance() {
  driver_->click_cell(7, 7);
  expect_look(*window_, "selected-piece");
  driver_->click_cell(7, 7);
}

void WindowLooks::a_hint() {
  trigger(MenuId::HINT);
  QTRY_VERIFY_WITH_TIMEOUT(window_->status_line().text().startsWith(u8("ヒント")), WAIT_MS);
  expect_look(*window_, "hint");
}

void WindowLooks::a_step_back() {
  trigger(MenuId::STEP_BACK);
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 1, WAIT_MS);
  expect_look(*window_, "step-back");
  trigger(MenuId::STEP_FORWARD);
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 2, WAIT_MS);
}

void WindowLooks::the_record_panels() {
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(panel.complete());
  trigger(MenuId::READ_RECORD);
  QTRY_COMPARE_WITH_TIMEOUT(panel.file1->count(), 2, WAIT_MS);
  expect_look(*window_, "read-panel");
  driver_->press_key(Qt::Key_Escape);
  trigger(MenuId::WRITE_RECORD);
  QTRY_VERIFY_WITH_TIMEOUT(panel.command1->isVisible(), WAIT_MS);
  expect_look(*window_, "write-panel");
  driver_->press_key(Qt::Key_Escape);
  QTRY_VERIFY_WITH_TIMEOUT(!panel.command1->isVisible(), WAIT_MS);
}

void WindowLooks::a_read_record() {
  trigger(MenuId::READ_RECORD);
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(click_listed_file(*driver_, panel, u8("王取り.棋譜"), WAIT_MS));
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().state.record_mode, true, WAIT_MS);
  trigger(MenuId::STEP_FORWARD);
  QTRY_COMPARE_WITH_TIMEOUT(logic().game().record.shown, 1, WAIT_MS);
  wait_for_the_graph();
  expect_look(*window_, "read-record");
}

void WindowLooks::the_rules() {
  trigger(MenuId::HOW_TO_PLAY);
  RulesWindow* rules = nullptr;
  QTRY_VERIFY_WITH_TIMEOUT((rules = window_->findChild<RulesWindow*>()) && rules->isVisible(),
                           WAIT_MS);
  rules->resize(900, 700);
  expect_look(*rules, "rules-window");
  // Each section whole, its diagrams below the fold too.
  for (size_t section = 0; section < rules->section_headings().size(); ++section) {
    expect_look(*rules->section_headings()[section]->parentWidget(),
                QString("rules-%1").arg(section + 1));
  }
  rules->close();
}

void WindowLooks::the_board_turned_round() {
  trigger(MenuId::RESET_GAME);
  trigger(MenuId::TWO_PERSON_START);
  for (const auto& [x, y] : {std::pair{8, 8}, {8, 7}, {8, 6}}) driver_->click_cell(x, y);
  QCOMPARE(logic().game().record.length, 1);
  trigger(MenuId::TURN_BOARD);
  wait_for_the_graph();
  expect_look(*window_, "turned-round");
}

void WindowLooks::in_english() {
  trigger(MenuId::ENGLISH);
  QTRY_COMPARE_WITH_TIMEOUT(window_->windowTitle(), QString("Kumora Shogi"), WAIT_MS);
  expect_look(*window_, "english");
  trigger(MenuId::READ_RECORD);
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QTRY_COMPARE_WITH_TIMEOUT(panel.file1->count(), 2, WAIT_MS);
  expect_look(*window_, "english-read-panel");
  driver_->press_key(Qt::Key_Escape);
}

}  // namespace kumora

QTEST_MAIN(kumora::WindowLooks)
#include "window_looks_test.moc"
