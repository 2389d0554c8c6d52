// Whose turn it is in a game between two computers, and what each side may
// send: moves alternate from 先手 at the even position; a 待った request
// waits for its answer before either side moves again; a resignation ends
// the game. The checks of what arrives allow for lines that crossed on the
// way: a request or resignation made before the other side's move arrived.
#pragma once

#include "net/close_reason.h"
#include "net/net_port.h"

namespace kumora {

class PlayState {
 public:
  // What to do with a line from the other side.
  enum class Verdict { TAKE, IGNORE, REFUSE };

  void start(NetSide own_side, int moves);
  bool started() const { return started_; }
  int moves() const { return moves_; }
  bool over() const { return own_resigned_ || peer_resigned_; }
  int peer_request() const { return peer_request_; }

  // This side's lines: whether it may send them now, then that it sent them.
  bool may_move() const;
  void moved() { ++moves_; }
  bool may_resign() const { return started_ && !over(); }
  void resigned() { own_resigned_ = true; }
  bool may_request(int moves) const;
  void requested(int moves) { own_request_ = moves; }
  bool may_answer() const { return peer_request_ >= 0; }
  void answered(bool accepted);

  // The other side's lines, with the reason a refused one is refused by;
  // `take_*` applies a line that was checked.
  Verdict check_peer_move(CloseReason& reason) const;
  void take_peer_move() { ++moves_; }
  Verdict check_peer_resignation(int moves) const;
  void take_peer_resignation(int moves);
  bool peer_may_request(int moves) const;
  void take_peer_request(int moves) { peer_request_ = moves; }
  bool peer_may_answer(int moves) const { return own_request_ >= 0 && own_request_ == moves; }
  void take_peer_answer(bool accepted);

 private:
  bool own_turn() const;
  void go_back_to(int moves);

  bool started_ = false;
  NetSide own_side_ = NetSide::SENTE;
  int moves_ = 0;
  bool own_resigned_ = false;
  bool peer_resigned_ = false;
  int own_request_ = -1;   // the moves this side asked to go back to; -1 for none
  int peer_request_ = -1;  // the same for the other side's request
};

}  // namespace kumora
