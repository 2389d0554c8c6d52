// A long sitting at the real window, its steps drawn from a fixed seed: moves
// clicked link by link (drops and promotions too) against a person or the
// computer, the bar's commands, clicks on the move list and the graph, the
// arrow keys, the rules window, records saved and read through the panel,
// the options and the language. After every step the changes in what the
// window shows (see window_account.h) are written down, and the whole is
// compared with the stored account of the same sitting. Like the stored
// looks, the account was taken with one Qt and one set of fonts (where a
// list scrolls and how wide a label is depend on them); with others the test
// is skipped. KUMORA_UPDATE_LOOKS=1 stores it anew.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QTest>
#include <random>

#include "core/text_file.h"
#include "rules/candidates.h"
#include "tests/gui/panel_widgets.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/stored_looks.h"
#include "tests/gui/window_account.h"
#include "tests/gui/window_test_case.h"
#include "view/eval_graph.h"
#include "view/rules_window.h"
#include "view/side_panel.h"
#include "view/surface_view.h"
#include "window/file_panel.h"
#include "window/move_clicks.h"

namespace kumora {

namespace {

constexpr int STEPS = 160;
constexpr unsigned SEED = 7;

QString u8(const char* text) { return QString::fromUtf8(text); }

// Where the rows of a list are on the screen: those at least partly shown.
QList<int> shown_rows(const QListWidget& list) {
  QList<int> rows;
  for (int i = 0; i < list.count(); ++i) {
    if (list.visualItemRect(list.item(i)).intersects(list.viewport()->rect())) rows << i;
  }
  return rows;
}

}  // namespace

class WindowWalk : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void the_sitting_shows_what_it_showed_before();

 private:
  MainWindow& logic() { return window_->logic(); }
  int pick(int choices) { return static_cast<int>(random_() % static_cast<unsigned>(choices)); }

  QString take_step();
  QString make_a_move();
  QString start_a_game();
  QString bar_command();
  QString click_the_move_list();
  QString click_the_graph();
  QString press_a_key();
  QString a_stray_click();
  QString use_the_rules_window();
  QString save_a_record();
  QString read_a_record();
  QString change_an_option();
  QString trigger(MenuId id);
  // Waits until the graph has valued every position of the record, or a
  // while when it does not (after 反転 there is no record to value).
  void let_the_window_settle();

  std::mt19937 random_{SEED};
  QLockFile lock_{QDir::tempPath() + "/kumora-walk.lock"};
  QString folder_ = QDir::tempPath() + "/kumora-walk";
};

void WindowWalk::initTestCase() {
  // The file panel shows the folder's path: the same folder every run.
  QVERIFY(lock_.lock());
  QDir(folder_).removeRecursively();
  QVERIFY(QDir().mkpath(folder_));
  QVERIFY(enter_folder(folder_, folder_, "dummy"));
  // No clock: its seconds would differ from run to run.
  std::string error;
  QVERIFY(write_text_file_atomic("Kumora.ini",
                                 {"背景画像=緑", "移動指導=ON", "経過時間=OFF", "BGM=OFF"}, error));
  QVERIFY(open_window(set_up_like_the_program(), parse_command_line({"--nodes", "3000"})));
  if (!stored_looks_apply()) {
    QSKIP(qPrintable(looks_do_not_apply()));
  }
  // Yes or No by the seed, except that the game is always played again.
  boxes_.answer_unqueued_with([this](const SeenBox& box) {
    if (box.text == QCoreApplication::translate("Game", "続けますか？")) return QMessageBox::Yes;
    return pick(2) == 0 ? QMessageBox::Yes : QMessageBox::No;
  });
}

void WindowWalk::the_sitting_shows_what_it_showed_before() {
  QStringList account;
  WindowAccount before;
  for (int step = 0; step <= STEPS; ++step) {
    const QString action = step == 0 ? QString("the window opens") : take_step();
    QVERIFY2(!logic().program_ended(), qPrintable(action));
    let_the_window_settle();
    account << QString("step %1: %2").arg(step).arg(action);
    for (const SeenBox& box : boxes_.take_seen()) {
      account << QString("  box \"%1\" \"%2\" %3").arg(box.title, box.text, box.answer);
    }
    const WindowAccount now = take_account(*window_);
    for (const QString& change : account_changes(before, now)) account << "  " + change;
    before = now;
  }
  const QString difference = compare_with_stored_account(account, "window_walk");
  QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QString WindowWalk::take_step() {
  const int roll = pick(100);
  if (roll < 45) return make_a_move();
  if (roll < 52) return bar_command();
  if (roll < 59) return click_the_move_list();
  if (roll < 65) return click_the_graph();
  if (roll < 68) return press_a_key();
  if (roll < 71) return a_stray_click();
  if (roll < 75) return start_a_game();
  if (roll < 81) return use_the_rules_window();
  if (roll < 86) return save_a_record();
  if (roll < 91) return read_a_record();
  return change_an_option();
}

QString WindowWalk::make_a_move() {
  const GameState& state = logic().game().state;
  if (state.turn == NO_GAME || state.record_mode) return start_a_game();
  const auto moves = moves_of_side_to_move(state);
  if (moves->count == 0) return start_a_game();
  const Candidate move = moves->move[pick(moves->count)];
  const std::vector<Cell> clicks = move_clicks(state.board, move);
  QString action = "move";
  for (std::size_t i = 0; i < clicks.size(); ++i) {
    const bool promoting = i + 1 == clicks.size() && move.placed != move.moved;
    driver_->click_cell(clicks[i].x, clicks[i].y, promoting ? Qt::RightButton : Qt::LeftButton);
    action += QString(" %1,%2%3").arg(clicks[i].x).arg(clicks[i].y).arg(promoting ? "+" : "");
  }
  return action;
}

QString WindowWalk::start_a_game() {
  // Two people more often: the computer's moves take seconds to show.
  static const MenuId STARTS[] = {MenuId::TWO_PERSON_START, MenuId::TWO_PERSON_START,
                                  MenuId::TWO_PERSON_START, MenuId::TWO_PERSON_START,
                                  MenuId::TWO_PERSON_START, MenuId::VS_COM_AS_SENTE,
                                  MenuId::VS_COM_AS_GOTE};
  return trigger(STARTS[pick(std::size(STARTS))]);
}

QString WindowWalk::bar_command() {
  static const MenuId COMMANDS[] = {
      MenuId::STEP_BACK,     MenuId::STEP_FORWARD,    MenuId::TAKE_BACK,  MenuId::TAKE_BACK,
      MenuId::HINT,          MenuId::TURN_BOARD,      MenuId::RESET_GAME, MenuId::HANDICAP_UP,
      MenuId::HANDICAP_DOWN, MenuId::LEVEL1,          MenuId::LEVEL3,     MenuId::LEVEL4,
      MenuId::LEVEL5,        MenuId::RESUME_LAST_GAME};
  return trigger(COMMANDS[pick(std::size(COMMANDS))]);
}

QString WindowWalk::click_the_move_list() {
  QListWidget& list = window_->side_panel().move_list();
  const QList<int> rows = shown_rows(list);
  if (!list.isVisible() || rows.isEmpty()) return "the move list is not shown";
  const int row = rows[pick(rows.size())];
  driver_->click_list_row(list, row);
  return QString("click row %1 of the move list").arg(row);
}

QString WindowWalk::click_the_graph() {
  EvalGraph& graph = window_->side_panel().graph();
  if (!graph.isVisible()) return "the graph is not shown";
  const int x = pick(graph.width());
  driver_->click_widget(graph, QPoint(x, graph.height() / 2));
  return QString("click the graph at %1").arg(x);
}

QString WindowWalk::press_a_key() {
  static const Qt::Key KEYS[] = {Qt::Key_Left,  Qt::Key_Right, Qt::Key_Left,
                                 Qt::Key_Right, Qt::Key_Space, Qt::Key_A};
  const Qt::Key key = KEYS[pick(std::size(KEYS))];
  driver_->press_key(key);
  return "key " + QKeySequence(key).toString();
}

// Any button anywhere on the board or beside it, the middle one too.
QString WindowWalk::a_stray_click() {
  static const Qt::MouseButton BUTTONS[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  static const char* const NAMES[] = {"left", "right", "middle"};
  const int button = pick(3);
  const int x = pick(13) - 2;
  const int y = pick(9) + 1;
  driver_->click_cell(x, y, BUTTONS[button]);
  return QString("%1 click on %2,%3").arg(NAMES[button]).arg(x).arg(y);
}

QString WindowWalk::use_the_rules_window() {
  auto* rules = window_->findChild<RulesWindow*>();
  if (rules == nullptr || !rules->isVisible()) return trigger(MenuId::HOW_TO_PLAY);
  if (pick(3) == 0) {
    rules->close();
    return "close the rules window";
  }
  auto* contents = rules->findChild<QListWidget*>();
  const QList<int> rows = shown_rows(*contents);
  if (rows.isEmpty()) return "no contents shown";
  const int row = rows[pick(rows.size())];
  driver_->click_list_row(*contents, row);
  return QString("click row %1 of the rules' contents").arg(row);
}

QString WindowWalk::save_a_record() {
  QString action = trigger(MenuId::WRITE_RECORD);
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  if (!panel.complete() || !panel.text[TEXT_FILE_NAME]->isVisible()) return action;
  static const char* const NAMES[] = {"一局目", "二局目", "練習"};
  const QString name = u8(NAMES[pick(3)]);
  driver_->click_widget(*panel.text[TEXT_FILE_NAME]);
  if (!QTest::qWaitFor([&] { return panel.text[TEXT_FILE_NAME]->hasFocus(); }, WAIT_MS)) {
    return action + ", the name box took no focus";
  }
  driver_->type_text(name);
  if (pick(4) == 0) {
    driver_->press_key(Qt::Key_Escape);
    return action + ", type " + name + ", Esc";
  }
  driver_->press_key(Qt::Key_Return);
  return action + ", save as " + name;
}

QString WindowWalk::read_a_record() {
  QString action = trigger(MenuId::READ_RECORD);
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  if (!panel.complete() || !panel.file1->isVisible()) return action;
  const QList<int> rows = shown_rows(*panel.file1);
  if (rows.isEmpty() || pick(4) == 0) {
    driver_->press_key(Qt::Key_Escape);
    return action + ", Esc";
  }
  const int row = rows[pick(rows.size())];
  const QString name = panel.file1->item(row)->text();
  driver_->click_list_row(*panel.file1, row);
  return action + ", read " + name;
}

QString WindowWalk::change_an_option() {
  static const MenuId OPTIONS[] = {
      MenuId::MOVE_GUIDANCE,     MenuId::BACKGROUND_GREEN, MenuId::BACKGROUND_TATAMI,
      MenuId::BACKGROUND_SPACE,  MenuId::BACKGROUND_BRICK, MenuId::SIDE_PANEL,
      MenuId::BACKGROUND_BAMBOO, MenuId::JAPANESE,         MenuId::JAPANESE};
  const MenuId option = OPTIONS[pick(std::size(OPTIONS))];
  // The language item switches to the other language.
  if (option == MenuId::JAPANESE && window_->action(MenuId::JAPANESE)->isChecked()) {
    return trigger(MenuId::ENGLISH);
  }
  return trigger(option);
}

QString WindowWalk::trigger(MenuId id) {
  QAction* action = window_->action(id);
  const QString name = menu_name(menu_info(id));
  if (action == nullptr || !action->isEnabled()) return "menu " + name + " (not enabled)";
  action->trigger();
  return "menu " + name;
}

void WindowWalk::let_the_window_settle() {
  QTest::qWait(30);
  const EvalGraph& graph = window_->side_panel().graph();
  if (!graph.isVisible()) return;
  const MoveRecord& record = logic().game().record;
  const int positions = record.length == 0 ? 0 : record.length + 1;
  static_cast<void>(QTest::qWaitFor([&] { return graph.known_values() >= positions; }, WAIT_MS));
}

}  // namespace kumora

QTEST_MAIN(kumora::WindowWalk)
#include "window_walk_test.moc"
