// One sitting at the real window, as a person plays it: start-up without a
// sound device, a two-person game with chain moves and a promotion, the bar
// commands, options, saving and reading a record file through the panel, the
// arrow keys and Esc. The steps run in order and build on each other.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "core/code_page.h"
#include "tests/gui/box_answerer.h"
#include "tests/gui/cell_looks.h"
#include "tests/gui/panel_widgets.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/screenshots.h"
#include "tests/gui/window_test_case.h"
#include "view/game_window.h"
#include "view/qt_canvas.h"
#include "view/surface_view.h"

namespace kumora {

namespace {

constexpr int LOWER_ROOK = -900;
constexpr int LOWER_PAWN = -10;
constexpr int LOWER_PROMOTED_PAWN = -11;
constexpr int UPPER_PAWN = 10;

QString u8(const char* text) { return QString::fromUtf8(text); }

QAction* menu_action(QMenuBar& bar, const QStringList& captions) {
  QList<QAction*> actions = bar.actions();
  QAction* found = nullptr;
  for (const QString& caption : captions) {
    found = nullptr;
    for (QAction* action : actions)
      if (action->text() == caption) found = action;
    if (found == nullptr) return nullptr;
    if (found->menu() != nullptr) actions = found->menu()->actions();
  }
  return found;
}

QByteArray cp932(const char* utf8) {
  std::string bytes;
  utf8_to_cp932(utf8, bytes);
  return QByteArray::fromStdString(bytes);
}

bool near_colour(QRgb shown, const QColor& expected) {
  constexpr int TOLERANCE = 24;
  return std::abs(qRed(shown) - expected.red()) <= TOLERANCE &&
         std::abs(qGreen(shown) - expected.green()) <= TOLERANCE &&
         std::abs(qBlue(shown) - expected.blue()) <= TOLERANCE;
}

}  // namespace

class RealWindowPlay : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void startup_without_a_sound_device_warns_once();
  void two_person_opening_with_a_chain_move();
  void promotion_needs_the_right_button_after_a_refusal();
  void back_and_forward_on_the_menu_bar();
  void guidance_frames_the_selection_and_the_chain_start();
  void background_from_the_options_menu();
  void save_through_the_file_panel();
  void read_back_into_record_mode();
  void arrow_keys_step_the_record();
  void escape_ends_the_program();

 private:
  MainWindow& logic() { return window_->logic(); }
  int at(int x, int y) { return logic().game().state.board(x, y); }
  void expect_boxes(const Boxes& expected);
  // The cell shows the picture of `code` and not that of `other`.
  void expect_cell_looks_like(int x, int y, int code, int other);
  QRgb left_edge(const QImage& shown, int x, int y) const;

  // Its name shows in the directory list of the screenshots.
};

void RealWindowPlay::expect_boxes(const Boxes& expected) {
  const QString unexpected = unexpected_boxes(boxes_, expected);
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void RealWindowPlay::expect_cell_looks_like(int x, int y, int code, int other) {
  const QString mismatch = cell_mismatch(*driver_, x, y, code, other);
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QRgb RealWindowPlay::left_edge(const QImage& shown, int x, int y) const {
  const QRect cell = driver_->cell_in_grab(x, y);
  return shown.pixel(cell.left(), cell.center().y());
}

void RealWindowPlay::initTestCase() {
  // A driver that does not exist: the sound library cannot open a device,
  // as on a machine without sound.
  QVERIFY(enter_fresh_folder("kumora-no-such-driver"));
  for (const char* folder : {"練習", ".old", "大会"}) QVERIFY(QDir().mkdir(u8(folder)));
  QVERIFY(open_window(set_up_like_the_program()));
  // The surface at its natural size, so that the one-pixel frames of the
  // cells show in their pure colours.
  window_->action(MenuId::SIDE_PANEL)->trigger();
  QVERIFY(driver_->set_view_size(QSize(600, 480)));
}

void RealWindowPlay::startup_without_a_sound_device_warns_once() {
  const QList<SeenBox> seen = boxes_.take_seen();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].title, u8("Kumora.dll"));
  QCOMPARE(seen[0].text, u8("Direct Soundインターフェースが作成できません。"));
  QCOMPARE(seen[0].icon, QMessageBox::Warning);
  QVERIFY(QFile::exists(u8("Kumora.ini")));
  QCOMPARE(logic().game().state.turn, NO_GAME);
  expect_cell_looks_like(8, 8, LOWER_ROOK, EMPTY);
  save_screenshot_if_asked(*window_, "startup");
}

void RealWindowPlay::two_person_opening_with_a_chain_move() {
  QVERIFY(driver_->choose({u8("対局"), u8("対局(人間)"), u8("スタート")}));
  expect_boxes({{" ", u8("先手の番です")}});
  QCOMPARE(logic().game().state.turn, logic().game().state.lower_side);

  driver_->click_cell(8, 8);
  QVERIFY(logic().selection().piece_picked);
  driver_->click_cell(8, 7);
  driver_->click_cell(8, 6);
  expect_boxes({});
  QCOMPARE(at(8, 6), LOWER_ROOK);
  QCOMPARE(at(8, 8), EMPTY);
  QCOMPARE(at(8, 7), LOWER_PAWN);
  QCOMPARE(logic().game().state.turn, logic().game().state.upper_side());
  expect_cell_looks_like(8, 6, LOWER_ROOK, EMPTY);
  expect_cell_looks_like(8, 8, EMPTY, LOWER_ROOK);

  driver_->click_cell(2, 2);
  driver_->click_cell(2, 3);
  driver_->click_cell(2, 4);
  expect_boxes({});
  QCOMPARE(at(2, 4), 900);
  QCOMPARE(logic().game().state.turn, logic().game().state.lower_side);
  // The last move is marked on the board: a strong ring inside its final
  // square only (its origin and link get fainter marks).
  QTest::qWait(20);
  const QImage shown = driver_->grab_view();
  auto ring = [&](int x, int y) {
    const QRect cell = driver_->cell_in_grab(x, y);
    int n = 0;
    for (int py = cell.top(); py <= cell.bottom(); ++py)
      for (int px = cell.left(); px <= cell.right(); ++px) {
        const QRgb c = shown.pixel(px, py);
        n += qRed(c) > 190 && qGreen(c) < 160 && qBlue(c) < 40;
      }
    return n;
  };
  QVERIFY2(ring(2, 4) > 50 && ring(2, 2) < 20 && ring(2, 3) < 20 && ring(8, 6) == 0,
           qPrintable(QString("ring pixels %1 %2 %3 %4")
                          .arg(ring(2, 4))
                          .arg(ring(2, 2))
                          .arg(ring(2, 3))
                          .arg(ring(8, 6))));
}

void RealWindowPlay::promotion_needs_the_right_button_after_a_refusal() {
  driver_->click_cell(2, 8);
  driver_->click_cell(1, 7);
  driver_->click_cell(1, 6);
  QCOMPARE(at(1, 6), -800);
  driver_->click_cell(8, 2);
  driver_->click_cell(9, 3);
  driver_->click_cell(9, 4);
  QCOMPARE(at(9, 4), 800);
  expect_boxes({});

  // The pawn ends on column 4, which holds a lower pawn: refused with the left button.
  driver_->click_cell(1, 7);
  driver_->click_cell(1, 6);
  driver_->click_cell(4, 3);
  expect_boxes({{u8("警告"), u8("２歩なので打てません")}});
  QCOMPARE(at(4, 3), UPPER_PAWN);
  QCOMPARE(at(1, 7), LOWER_PAWN);
  QVERIFY(!logic().selection().piece_picked);

  driver_->click_cell(1, 7);
  driver_->click_cell(1, 6);
  driver_->click_cell(4, 3, Qt::RightButton);
  expect_boxes({});
  QCOMPARE(at(4, 3), LOWER_PROMOTED_PAWN);
  QCOMPARE(at(1, 7), EMPTY);
  QCOMPARE(logic().game().state.lower_hand[1], 1);
  QCOMPARE(logic().game().record.length, 5);
  expect_cell_looks_like(4, 3, LOWER_PROMOTED_PAWN, UPPER_PAWN);
}

void RealWindowPlay::back_and_forward_on_the_menu_bar() {
  QVERIFY(driver_->choose({u8("戻")}));
  expect_boxes({});
  QCOMPARE(logic().game().record.shown, 4);
  QCOMPARE(at(4, 3), UPPER_PAWN);
  QCOMPARE(at(1, 7), LOWER_PAWN);
  QCOMPARE(logic().game().state.lower_hand[1], 0);
  expect_cell_looks_like(4, 3, UPPER_PAWN, LOWER_PROMOTED_PAWN);

  QVERIFY(driver_->choose({u8("進")}));
  expect_boxes({});
  QCOMPARE(logic().game().record.shown, 5);
  QCOMPARE(at(4, 3), LOWER_PROMOTED_PAWN);
  expect_cell_looks_like(4, 3, LOWER_PROMOTED_PAWN, UPPER_PAWN);

  QVERIFY(driver_->choose({u8("進")}));
  expect_boxes({{u8("進む"), u8("できません")}});
  QCOMPARE(logic().game().record.shown, 5);
}

void RealWindowPlay::guidance_frames_the_selection_and_the_chain_start() {
  QVERIFY(driver_->choose({u8("ｵﾌﾟｼｮﾝ"), u8("移動指導")}));
  QVERIFY(menu_action(*window_->menuBar(), {u8("ｵﾌﾟｼｮﾝ"), u8("移動指導")})->isChecked());

  // The game was stepped through: the first click resumes it, then selects.
  driver_->click_cell(9, 4);
  expect_boxes({{u8("対局"), u8("後手の番です")}});
  driver_->click_cell(8, 3);
  QVERIFY(logic().selection().piece_picked);
  QCOMPARE(logic().selection().chain_count, 1);
  QTest::qWait(20);
  QImage shown = driver_->grab_view();
  QVERIFY(near_colour(left_edge(shown, 8, 3), qb_color(SELECTED_COLOUR)));
  QVERIFY(near_colour(left_edge(shown, 9, 4), qb_color(CHAIN_START_COLOUR)));
  QVERIFY(near_colour(left_edge(shown, 8, 4), qb_color(15)));
  save_screenshot_if_asked(*window_, "game");

  // Guidance off takes the frames away at once; the selection stays.
  QVERIFY(driver_->choose({u8("ｵﾌﾟｼｮﾝ"), u8("移動指導")}));
  QVERIFY(!menu_action(*window_->menuBar(), {u8("ｵﾌﾟｼｮﾝ"), u8("移動指導")})->isChecked());
  QTest::qWait(20);
  shown = driver_->grab_view();
  for (auto [x, y] : {std::pair{8, 3}, {9, 4}, {8, 4}})
    QVERIFY(near_colour(left_edge(shown, x, y), qb_color(PLAIN_CELL_COLOUR)));
  // The pawn cannot step back to the chain start: the selection ends.
  driver_->click_cell(9, 4);
  expect_boxes({});
  QVERIFY(!logic().selection().piece_picked);
  QCOMPARE(at(9, 4), 800);
}

void RealWindowPlay::background_from_the_options_menu() {
  const QRect corner = driver_->twips_in_grab(100, 6600, 800, 500);
  const QImage before = driver_->grab_view();
  QVERIFY(driver_->choose({u8("ｵﾌﾟｼｮﾝ"), u8("背景画"), u8("宇宙")}));
  expect_boxes({});
  QTest::qWait(20);
  const QImage after = driver_->grab_view();
  QVERIFY2(mean_difference(before, after, corner) > 30, "the background did not change");
  QMenuBar& bar = *window_->menuBar();
  QVERIFY(menu_action(bar, {u8("ｵﾌﾟｼｮﾝ"), u8("背景画"), u8("宇宙")})->isChecked());
  QVERIFY(!menu_action(bar, {u8("ｵﾌﾟｼｮﾝ"), u8("背景画"), u8("緑")})->isChecked());

  QFile ini(u8("Kumora.ini"));
  QVERIFY(ini.open(QIODevice::ReadOnly));
  QCOMPARE(ini.readAll(), cp932("背景画=宇宙\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n"));
}

void RealWindowPlay::save_through_the_file_panel() {
  QVERIFY(driver_->choose({u8("棋譜"), u8("書込")}));
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(panel.complete());
  QVERIFY(panel.dir1->isVisible());
  QVERIFY(!panel.file1->isVisible());
  QVERIFY(panel.command1->isVisible());
  const std::pair<int, const char*> fields[] = {{TEXT_TITLE, "練習対局"},
                                                {TEXT_SENTE, "山田"},
                                                {TEXT_GOTE, "田中"},
                                                {TEXT_FILE_NAME, "first game"}};
  for (const auto& [index, text] : fields) {
    driver_->click_widget(*panel.text[index]);
    QTRY_VERIFY_WITH_TIMEOUT(panel.text[index]->hasFocus(), WAIT_MS);
    driver_->type_text(u8(text));
    QCOMPARE(panel.text[index]->text(), u8(text));
    QCOMPARE(QString::fromStdString(logic().file_panel().text[index]), u8(text));
  }
  save_screenshot_if_asked(*window_, "save-panel");
  // Esc with the panel open closes the panel: the program goes on.
  driver_->press_key(Qt::Key_Escape);
  QVERIFY(!logic().program_ended());
  QTRY_VERIFY_WITH_TIMEOUT(!panel.command1->isVisible(), WAIT_MS);

  // Enter in the file-name box saves as RETURN does.
  QVERIFY(driver_->choose({u8("棋譜"), u8("書込")}));
  QVERIFY(panel.command1->isVisible());
  for (const auto& [index, text] : fields) {
    driver_->click_widget(*panel.text[index]);
    QTRY_VERIFY_WITH_TIMEOUT(panel.text[index]->hasFocus(), WAIT_MS);
    driver_->type_text(u8(text));
  }
  driver_->press_key(Qt::Key_Return);
  expect_boxes({{"  ", u8("棋譜を書き込みました")}});
  QVERIFY(!panel.command1->isVisible());
  QVERIFY(!panel.text[TEXT_TITLE]->isVisible());
  QVERIFY(panel.text[TEXT_TITLE]->text().isEmpty());

  QFile file(u8("first game.棋譜"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.endsWith("\r\n"));
  QList<QByteArray> lines = bytes.split('\n');
  lines.removeLast();  // after the last line end
  QCOMPARE(lines.size(), 8);
  for (const QByteArray& line : lines) QVERIFY2(line.endsWith('\r'), line.constData());
  QCOMPARE(lines[0].chopped(1), cp932("練習対局"));
  QCOMPARE(lines[1].chopped(1), cp932("田中"));
  QCOMPARE(lines[2].chopped(1), cp932("山田"));
  const char* moves[] = {" 8886-900-900   0", " 2224 900 900   0", " 2816-800-800   0",
                         " 8294 800 800   0", " 1743 -11 -10  10"};
  for (int i = 0; i < 5; ++i) {
    const QByteArray line = lines[3 + i].chopped(1);
    QCOMPARE(line.size(), 37);
    QCOMPARE(line.left(17), QByteArray(moves[i]));
  }
}

void RealWindowPlay::read_back_into_record_mode() {
  QVERIFY(driver_->choose({u8("棋譜"), u8("読込")}));
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(panel.complete());
  QVERIFY(panel.file1->isVisible());
  QVERIFY(!panel.command1->isVisible());
  // The folder list ends with the folders inside, sorted, hidden ones left
  // out; a click on a folder lists the records there.
  QStringList folders;
  for (int i = 0; i < panel.dir1->count(); ++i) folders << panel.dir1->item(i)->text();
  QCOMPARE(folders.mid(folders.size() - 2), QStringList({u8("大会"), u8("練習")}));
  auto click_folder = [&](const QString& name) {
    QListWidgetItem* item = panel.dir1->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item != nullptr);
    panel.dir1->scrollToItem(item);
    driver_->click_widget(*panel.dir1->viewport(), panel.dir1->visualItemRect(item).center());
  };
  click_folder(u8("大会"));
  QTRY_COMPARE_WITH_TIMEOUT(panel.file1->count(), 0, WAIT_MS);
  click_folder(QDir(dir_.path()).dirName());
  QTRY_COMPARE_WITH_TIMEOUT(panel.file1->findItems(u8("first game.棋譜"), Qt::MatchExactly).size(),
                            1, WAIT_MS);

  const QList<QListWidgetItem*> items =
      panel.file1->findItems(u8("first game.棋譜"), Qt::MatchExactly);
  QCOMPARE(items.size(), 1);
  save_screenshot_if_asked(*window_, "read-panel");

  QWidget& list_area = *panel.file1->viewport();
  driver_->click_widget(list_area, panel.file1->visualItemRect(items[0]).center());
  expect_boxes(
      {{u8("棋譜"), u8(" 読み込みました")}, {u8("棋譜"), u8("棋譜を '進 'で進めて下さい")}});
  QVERIFY(!panel.file1->isVisible());
  QCOMPARE(logic().game().state.record_mode, true);
  QCOMPARE(logic().game().record.length, 5);
  QCOMPARE(logic().game().record.shown, 0);
  QCOMPARE(logic().game().state.turn, logic().game().state.sente);
  GameState initial;
  set_initial_position(initial);
  QVERIFY(logic().game().state.board == initial.board);
  expect_cell_looks_like(8, 8, LOWER_ROOK, EMPTY);
}

void RealWindowPlay::arrow_keys_step_the_record() {
  for (int i = 0; i < 3; ++i) driver_->press_key(Qt::Key_Right);
  QCOMPARE(logic().game().record.shown, 3);
  QCOMPARE(at(8, 6), LOWER_ROOK);
  QCOMPARE(at(2, 4), 900);
  QCOMPARE(at(1, 6), -800);
  expect_cell_looks_like(1, 6, -800, EMPTY);

  driver_->press_key(Qt::Key_Left);
  QCOMPARE(logic().game().record.shown, 2);
  QCOMPARE(at(1, 6), EMPTY);
  QCOMPARE(at(2, 8), -800);
  expect_cell_looks_like(1, 6, EMPTY, -800);

  for (int i = 0; i < 3; ++i) driver_->press_key(Qt::Key_Right);
  QCOMPARE(logic().game().record.shown, 5);
  QCOMPARE(at(4, 3), LOWER_PROMOTED_PAWN);
  expect_boxes({});
  QCOMPARE(logic().game().state.record_mode, true);
  save_screenshot_if_asked(*window_, "record-mode");
  driver_->press_key(Qt::Key_Right);
  expect_boxes({{u8("進む"), u8("終わり")}});
}

void RealWindowPlay::escape_ends_the_program() {
  // The program's event loop runs as in the program; Esc must end it.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  bool gave_up = false;
  connect(&watchdog, &QTimer::timeout, this, [&gave_up] {
    gave_up = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(WAIT_MS * 2);
  QTimer::singleShot(0, this, [this] { driver_->press_key(Qt::Key_Escape); });
  const int status = QCoreApplication::exec();
  watchdog.stop();
  QVERIFY2(!gave_up, "the program did not end");
  QCOMPARE(status, 0);
  QVERIFY(logic().program_ended());
  QVERIFY(!window_->isVisible());
  expect_boxes({});
}

}  // namespace kumora

QTEST_MAIN(kumora::RealWindowPlay)
#include "real_window_play_test.moc"
