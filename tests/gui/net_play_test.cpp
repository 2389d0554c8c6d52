// Two programs' windows under one X server play each other over loopback
// through the menus, as two people do: one waits (相手を待つ, 先手) and copies
// the invitation with its button, the other pastes it (相手に接続); they play
// a few moves by mouse, each seeing the other's, until 先手 takes the king.
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/program_start.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/window_test_case.h"
#include "window/game_summary.h"

namespace kumora {

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

class NetPlayWindows : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void the_host_waits_and_the_joiner_pastes_the_invitation();
  void each_window_shows_the_other_persons_moves();
  void both_end_with_the_same_result_and_the_same_moves();
  void cleanupTestCase();

 private:
  // Acts on the next modal dialog other than a message box once it shows.
  void when_dialog_shows(std::function<void(QWidget&)> act);
  const Game& host_game() { return window_->logic().game(); }
  const Game& join_game() { return joiner_->logic().game(); }

  std::unique_ptr<GameWindow> joiner_;
  std::unique_ptr<WindowDriver> join_driver_;
};

void NetPlayWindows::when_dialog_shows(std::function<void(QWidget&)> act) {
  auto* poll = new QTimer(this);
  connect(poll, &QTimer::timeout, this, [poll, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || qobject_cast<QMessageBox*>(modal) != nullptr) return;
    poll->stop();
    poll->deleteLater();
    act(*modal);
  });
  poll->start(50);
}

void NetPlayWindows::initTestCase() {
  QVERIFY(enter_fresh_folder());
  LanguageSwitch& language = set_up_like_the_program();
  QVERIFY(open_window(language));
  joiner_ = std::make_unique<GameWindow>(*sound_, language);
  join_driver_ = std::make_unique<WindowDriver>(*joiner_);
  open_game_window(*joiner_, {});
  joiner_->move(window_->frameGeometry().right() + 10, 0);
  QVERIFY(QTest::qWaitForWindowExposed(joiner_.get(), WAIT_MS));
}

void NetPlayWindows::the_host_waits_and_the_joiner_pastes_the_invitation() {
  when_dialog_shows([](QWidget& dialog) {
    for (QRadioButton* side : dialog.findChildren<QRadioButton*>()) {
      if (side->text() == u8("先手")) side->setChecked(true);
    }
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  QVERIFY(driver_->choose({u8("対局"), u8("ネット対局"), u8("相手を待つ")}));
  QLineEdit* invitation = nullptr;
  QTRY_VERIFY_WITH_TIMEOUT((invitation = window_->findChild<QLineEdit*>("invitation")) != nullptr,
                           WAIT_MS);
  QVERIFY(invitation->text().contains(u8("kumo-")));
  QApplication::clipboard()->clear();
  window_->findChild<QPushButton*>("copy_invitation")->click();
  QCOMPARE(QApplication::clipboard()->text(), invitation->text());

  const QString pasted = QApplication::clipboard()->text();
  when_dialog_shows([pasted](QWidget& dialog) {
    auto& input = static_cast<QInputDialog&>(dialog);
    input.setTextValue(pasted);
    input.accept();
  });
  QVERIFY(join_driver_->choose({u8("対局"), u8("ネット対局"), u8("相手に接続")}));
  QTRY_VERIFY_WITH_TIMEOUT(
      window_->logic().net_play().connected() && joiner_->logic().net_play().connected(), WAIT_MS);
  QCOMPARE(window_->logic().net_play().own_side(), NetSide::SENTE);
  QCOMPARE(joiner_->logic().net_play().own_side(), NetSide::GOTE);
  // The invitation closes once the game has begun.
  QTRY_VERIFY_WITH_TIMEOUT(window_->findChild<QLineEdit*>("invitation") == nullptr, WAIT_MS);
}

void NetPlayWindows::each_window_shows_the_other_persons_moves() {
  // 後手 may not move first: its click is refused.
  join_driver_->click_cell(5, 9);
  QCOMPARE(joiner_->logic().status_text(), u8("相手の番です").toStdString());
  // 先手's lance through its pawn, seen turned round on 後手's board.
  for (const auto& [x, y] : {std::pair{1, 9}, {1, 7}, {1, 6}}) driver_->click_cell(x, y);
  QTRY_COMPARE_WITH_TIMEOUT(join_game().state.board(9, 4), 20, WAIT_MS);
  // 後手's king walks along its own pieces into the lance's line.
  for (const auto& [x, y] : {std::pair{5, 9}, {6, 9}, {7, 9}, {8, 8}, {8, 9}, {9, 7}, {9, 6}}) {
    join_driver_->click_cell(x, y);
  }
  QTRY_COMPARE_WITH_TIMEOUT(host_game().state.board(1, 4), 950, WAIT_MS);
}

void NetPlayWindows::both_end_with_the_same_result_and_the_same_moves() {
  for (const auto& [x, y] : {std::pair{1, 7}, {1, 6}, {1, 4}}) driver_->click_cell(x, y);
  QTRY_COMPARE_WITH_TIMEOUT(join_game().state.turn, NO_GAME, WAIT_MS);
  QCOMPARE(host_game().state.turn, NO_GAME);
  const QList<SeenBox> seen = boxes_.take_seen();
  int announced = 0;
  for (const SeenBox& box : seen) announced += box.text == u8("先手の勝ちです");
  QCOMPARE(announced, 2);
  const GameSummary host_list = summarize(host_game());
  QCOMPARE(host_list.moves.size(), size_t{3});
  QVERIFY(host_list.moves == summarize(join_game()).moves);
}

void NetPlayWindows::cleanupTestCase() {
  join_driver_.reset();
  joiner_.reset();
}

}  // namespace kumora

QTEST_MAIN(kumora::NetPlayWindows)
#include "net_play_test.moc"
