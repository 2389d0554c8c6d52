#include "net/play_state.h"

#include <gtest/gtest.h>

namespace kumora {
namespace {

using Verdict = PlayState::Verdict;

Verdict peer_move(const PlayState& play) {
  CloseReason reason;
  return play.check_peer_move(reason);
}

TEST(PlayState, MovesAlternateFromSente) {
  PlayState gote;
  EXPECT_FALSE(gote.may_move());
  EXPECT_EQ(peer_move(gote), Verdict::REFUSE);  // before the game is agreed
  gote.start(NetSide::GOTE, 0);
  EXPECT_FALSE(gote.may_move());
  EXPECT_EQ(peer_move(gote), Verdict::TAKE);
  gote.take_peer_move();
  EXPECT_TRUE(gote.may_move());
  EXPECT_EQ(peer_move(gote), Verdict::REFUSE);
  gote.moved();
  EXPECT_EQ(gote.moves(), 2);

  PlayState sente_resumed;
  sente_resumed.start(NetSide::SENTE, 5);  // gote to move after five moves
  EXPECT_FALSE(sente_resumed.may_move());
  EXPECT_EQ(peer_move(sente_resumed), Verdict::TAKE);
}

TEST(PlayState, ATakebackRequestHoldsTheGameUntilAnswered) {
  PlayState sente;
  sente.start(NetSide::SENTE, 4);
  EXPECT_FALSE(sente.may_request(4));
  EXPECT_FALSE(sente.may_request(-1));
  ASSERT_TRUE(sente.may_request(2));
  sente.requested(2);
  EXPECT_FALSE(sente.may_move());
  EXPECT_FALSE(sente.may_request(3));
  EXPECT_FALSE(sente.peer_may_answer(3));
  ASSERT_TRUE(sente.peer_may_answer(2));
  sente.take_peer_answer(true);
  EXPECT_EQ(sente.moves(), 2);
  EXPECT_TRUE(sente.may_move());

  ASSERT_TRUE(sente.peer_may_request(1));
  sente.take_peer_request(1);
  EXPECT_FALSE(sente.may_move());  // answer first
  EXPECT_FALSE(sente.peer_may_request(0));
  ASSERT_TRUE(sente.may_answer());
  sente.answered(false);
  EXPECT_EQ(sente.moves(), 2);
  EXPECT_FALSE(sente.may_answer());
}

TEST(PlayState, TheOtherSidesMoveWaitsForItsOwnRequestOnly) {
  PlayState gote;
  gote.start(NetSide::GOTE, 1);  // gote to move
  gote.moved();                  // sente to move
  gote.requested(1);             // a move of sente may cross the request
  EXPECT_EQ(peer_move(gote), Verdict::TAKE);
  PlayState sente;
  sente.start(NetSide::SENTE, 1);
  sente.take_peer_request(0);  // gote asked: gote cannot move before the answer
  EXPECT_EQ(peer_move(sente), Verdict::REFUSE);
}

TEST(PlayState, AResignationEndsTheGameAndMayCrossAMove) {
  PlayState sente;
  sente.start(NetSide::SENTE, 0);
  sente.moved();
  EXPECT_EQ(sente.check_peer_resignation(0), Verdict::TAKE);  // before seeing the move
  EXPECT_EQ(sente.check_peer_resignation(1), Verdict::TAKE);
  EXPECT_EQ(sente.check_peer_resignation(2), Verdict::REFUSE);
  sente.take_peer_move();
  EXPECT_EQ(sente.check_peer_resignation(1), Verdict::REFUSE);  // it moved since
  EXPECT_EQ(sente.check_peer_resignation(2), Verdict::TAKE);
  sente.moved();
  EXPECT_EQ(sente.check_peer_resignation(1), Verdict::REFUSE);  // it saw move 2
  EXPECT_EQ(sente.check_peer_resignation(2), Verdict::TAKE);
  sente.take_peer_resignation(2);
  EXPECT_EQ(sente.moves(), 2);
  EXPECT_TRUE(sente.over());
  EXPECT_FALSE(sente.may_move());
  EXPECT_FALSE(sente.may_resign());
  EXPECT_EQ(peer_move(sente), Verdict::REFUSE);
  EXPECT_EQ(sente.check_peer_resignation(2), Verdict::REFUSE);

  PlayState gote;
  gote.start(NetSide::GOTE, 0);
  gote.resigned();
  EXPECT_EQ(peer_move(gote), Verdict::IGNORE);  // sente moved before it heard
  EXPECT_EQ(gote.check_peer_resignation(0), Verdict::IGNORE);
  EXPECT_FALSE(gote.peer_may_request(0));
}

}  // namespace
}  // namespace kumora
