// A game against a person at another computer, as the window plays it: a
// game between two people in which this window clicks only its own side's
// moves, the board showing that side below. The other side's moves, its
// resignation and its 待った requests arrive through the network port and
// are played here as they would be at one screen; this side's go out. A
// lost connection keeps the game: the window waits to be joined again (or
// joins again) and both go on from the longest game they share.
#pragma once

#include <string>

#include "net/net_port.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/record_listener.h"
#include "window/reporter.h"
#include "window/screen.h"

namespace kumora {

class Clocks;
class Drawing;
class Messages;
class MouseInput;
class RecordStepping;
class GameStart;

class NetPlay : public NetGame, public NetEvents {
 public:
  NetPlay(Game& game, Drawing& drawing, Messages& messages, Clocks& clocks, Reporter& reporter,
          GameLifecycle& lifecycle, Screen& screen, RecordListener& record_listener,
          MouseInput& mouse, RecordStepping& stepping, GameStart& start)
      : game_(game),
        drawing_(drawing),
        messages_(messages),
        clocks_(clocks),
        reporter_(reporter),
        lifecycle_(lifecycle),
        screen_(screen),
        record_listener_(record_listener),
        mouse_(mouse),
        stepping_(stepping),
        start_(start) {}

  // The port the window's host gives it; none in a window without network.
  void set_port(NetPort* port) { port_ = port; }
  NetPort* port() const { return port_; }

  // 相手を待つ and 相手に接続: false, with the reason told, when refused.
  bool host(const HostOptions& options);
  bool join(const Invitation& invitation);

  // A game against the other person is on the board and not over; it stays
  // so while the connection is down.
  bool in_game() const { return in_game_; }
  bool connected() const { return connected_; }
  NetSide own_side() const { return own_; }
  // The other person is to move: their clock is theirs to watch.
  bool peer_to_move() const;

  // Before a press on the board: true when it is refused (the other side's
  // turn, the connection down, a 待った waiting), the status line saying why.
  bool refuses_press();
  // After a press: the status line names whose turn it is.
  void after_press();
  // A menu item that would leave the game: refused while connected (true);
  // otherwise the network game is left and the item goes on (false).
  bool refuses_leaving();
  // The record changed: this side's new move goes to the other side.
  void move_recorded();
  // 投了 and 待った.
  void resign();
  void request_takeback();
  // The game ended on this board: announced, without the question of
  // another game (each side starts the next one itself).
  void game_over(Winner winner);
  // This side lost before the end (its time ran out): the other side is told.
  void ended_early(Winner winner);
  // Goodbye to the other side; the network game is over.
  void leave();

  std::vector<std::uint64_t> keys_after_moves() const override;
  bool is_legal(const NetMove& move) const override;

  void connected(const GameSetup& setup) override;
  void move_received(const NetMove& move) override;
  void resigned(int moves) override;
  void takeback_requested(int moves) override;
  void takeback_answered(int moves, bool accepted) override;
  void clock_received(const ClockReport& clock) override;
  void closed(CloseReason reason, bool by_peer) override;
  void joins_stopped() override;

 private:
  Side own_game_side() const;
  Side peer_game_side() const { return opposite(own_game_side()); }
  Winner winner_of(Side side) const;
  bool may_start_network();
  // A game between two people is on the board (resumed with 前回の続き after
  // the program was closed): the network game goes on from it.
  bool board_game_to_go_on() const;
  void go_on_with_board_game(const GameSetup& setup);
  void start_game(const GameSetup& setup);
  void resume_game(int common_moves);
  void cut_to(int moves);
  void show_turn();
  void send_last_move();
  void tell(const std::string& text);

  Game& game_;
  Drawing& drawing_;
  Messages& messages_;
  Clocks& clocks_;
  Reporter& reporter_;
  GameLifecycle& lifecycle_;
  Screen& screen_;
  RecordListener& record_listener_;
  MouseInput& mouse_;
  RecordStepping& stepping_;
  GameStart& start_;
  NetPort* port_ = nullptr;
  NetSide own_ = NetSide::SENTE;
  bool in_game_ = false;
  bool connected_ = false;
  bool takeback_asked_ = false;
  int shared_moves_ = 0;  // the moves both sides have: sent or received
};

}  // namespace kumora
