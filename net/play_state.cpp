#include "net/play_state.h"

#include <algorithm>

namespace kumora {

void PlayState::start(NetSide own_side, int moves) {
  *this = PlayState();
  started_ = true;
  own_side_ = own_side;
  moves_ = moves;
}

bool PlayState::own_turn() const {
  const NetSide to_move = moves_ % 2 == 0 ? NetSide::SENTE : NetSide::GOTE;
  return to_move == own_side_;
}

void PlayState::go_back_to(int moves) { moves_ = std::min(moves_, moves); }

bool PlayState::may_move() const {
  return started_ && !over() && own_turn() && own_request_ < 0 && peer_request_ < 0;
}

bool PlayState::may_request(int moves) const {
  return started_ && !over() && own_request_ < 0 && peer_request_ < 0 && moves >= 0 &&
         moves < moves_;
}

void PlayState::answered(bool accepted) {
  if (accepted) go_back_to(peer_request_);
  peer_request_ = -1;
}

PlayState::Verdict PlayState::check_peer_move(CloseReason& reason) const {
  reason = CloseReason::TURN;
  // A move that crossed this side's resignation is dropped: the game ended first.
  if (own_resigned_ && !peer_resigned_) return Verdict::IGNORE;
  if (!started_ || over() || own_turn() || peer_request_ >= 0) return Verdict::REFUSE;
  return Verdict::TAKE;
}

PlayState::Verdict PlayState::check_peer_resignation(int moves) const {
  if (!started_ || peer_resigned_) return Verdict::REFUSE;
  if (own_resigned_) return Verdict::IGNORE;
  // The other side may not yet have seen this side's last move.
  return moves == moves_ || (moves == moves_ - 1 && !own_turn()) ? Verdict::TAKE : Verdict::REFUSE;
}

void PlayState::take_peer_resignation(int moves) {
  go_back_to(moves);
  peer_resigned_ = true;
}

bool PlayState::peer_may_request(int moves) const {
  return started_ && !over() && peer_request_ < 0 && moves >= 0 && moves < moves_;
}

void PlayState::take_peer_answer(bool accepted) {
  if (accepted) go_back_to(own_request_);
  own_request_ = -1;
}

}  // namespace kumora
