// The window while the strong computer thinks: it keeps painting, a click or a key
// made meanwhile is discarded rather than applied after the computer's move,
// the display options work while the commands that change the game are greyed
// out, and Esc ends the program in the middle of the search.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "tests/gui/box_answerer.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/window_test_case.h"
#include "view/game_window.h"
#include "view/side_panel.h"
#include "view/surface_view.h"

namespace kumora {

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// Counts the paint events of a widget.
class PaintCounter : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

}  // namespace

class ComputerThinking : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void the_window_paints_and_discards_clicks_while_level5_thinks();
  void the_display_options_work_while_level5_thinks();
  void escape_ends_the_program_during_the_search();

 private:
  MainWindow& logic() { return window_->logic(); }
};

void ComputerThinking::initTestCase() {
  QVERIFY(enter_fresh_folder());
  QVERIFY(open_window(set_up_like_the_program()));
  QVERIFY(driver_->choose({u8("対局"), u8("COM対局ﾚﾍﾞﾙ"), u8("LEVEL5")}));
  QVERIFY(logic().is_checked(MenuId::LEVEL5));
}

void ComputerThinking::the_window_paints_and_discards_clicks_while_level5_thinks() {
  QVERIFY(driver_->choose({u8("対局"), u8("対局(COM)"), u8("先手")}));
  PaintCounter paints;
  driver_->view().installEventFilter(&paints);
  int paints_before_click = -1;
  int paints_during = -1;
  bool thinking_at_click = false;
  // The person's rook through its pawn to ２六; the last click starts the
  // computer's turn, and the timers run from there.
  driver_->click_cell(8, 8);
  driver_->click_cell(8, 7);
  // During the computer's turn: the person clicks one of their own pieces.
  QTimer::singleShot(600, this, [&] {
    thinking_at_click = logic().game().state.turn == logic().game().state.upper_side();
    paints_before_click = paints.count;
    driver_->click_cell(2, 8);
  });
  // And a key: ← would step back.
  QTimer::singleShot(1200, this, [&] { driver_->press_key(Qt::Key_Left); });
  QTimer::singleShot(1800, this, [&] { paints_during = paints.count; });
  driver_->click_cell(8, 6);  // returns once the computer has moved
  QVERIFY(thinking_at_click);
  QCOMPARE(logic().game().record.length, 2);
  QCOMPARE(logic().game().record.shown, 2);
  QCOMPARE(window_->side_panel().move_list().currentRow(), 2);
  QCOMPARE(logic().game().state.turn, logic().game().state.lower_side);
  // The clock kept moving on the screen while the search ran.
  QVERIFY2(paints_during > paints_before_click,
           qPrintable(QString("paints %1 -> %2").arg(paints_before_click).arg(paints_during)));
  // The click made while the computer thought selected nothing.
  QTest::qWait(100);
  QVERIFY(!logic().selection().piece_picked);
  driver_->view().removeEventFilter(&paints);
  boxes_.take_seen();
}

void ComputerThinking::the_display_options_work_while_level5_thinks() {
  bool thinking_before = false;
  bool thinking_after = false;
  bool matta_greyed = false;
  bool chose = false;
  int background = -1;
  // The lance through its pawn to １六.
  driver_->click_cell(9, 9);
  driver_->click_cell(9, 7);
  QTimer::singleShot(500, this, [&] {
    const GameState& state = logic().game().state;
    thinking_before = state.turn == state.upper_side();
    matta_greyed = !window_->action(MenuId::TAKE_BACK)->isEnabled();
    chose = driver_->choose({u8("ｵﾌﾟｼｮﾝ"), u8("背景画"), u8("畳")});
    background = logic().appearance().background;
    thinking_after = state.turn == state.upper_side();
  });
  driver_->click_cell(9, 6);  // returns once the computer has moved
  QVERIFY(thinking_before);
  QVERIFY(matta_greyed);
  QVERIFY(chose);
  QCOMPARE(background, BACKGROUND_TATAMI);
  QVERIFY2(thinking_after, "the background changed while the computer was still thinking");
  QCOMPARE(logic().game().record.length, 4);
  QVERIFY(window_->action(MenuId::TAKE_BACK)->isEnabled());
  QVERIFY(logic().is_checked(MenuId::BACKGROUND_TATAMI));
  boxes_.take_seen();
}

void ComputerThinking::escape_ends_the_program_during_the_search() {
  driver_->click_cell(2, 8);
  driver_->click_cell(3, 7);
  QTimer::singleShot(700, this, [&] { driver_->press_key(Qt::Key_Escape); });
  driver_->click_cell(3, 6);  // the computer's turn begins, and Esc comes during it
  QTRY_VERIFY_WITH_TIMEOUT(logic().program_ended(), WAIT_MS);
  // The search was stopped: the computer made no move.
  QCOMPARE(logic().game().record.length, 5);
}

}  // namespace kumora

QTEST_MAIN(kumora::ComputerThinking)
#include "computer_thinking_test.moc"
