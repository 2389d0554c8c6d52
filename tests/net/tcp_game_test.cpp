// Two ports on this machine play over real TCP.
#include <gtest/gtest.h>

#include <QTcpServer>

#include "event_wait.h"
#include "net/qt_net_port.h"
#include "raw_peer.h"
#include "test_side.h"

namespace kumora {
namespace {

class TwoComputers : public ::testing::Test {
 protected:
  TestSide host_side, join_side;
  QtNetPort host{host_side, host_side};
  QtNetPort join{join_side, join_side};

  Invitation loopback() const { return {{{"127.0.0.1", host.port()}}, host.invitation().code}; }
  bool logged(const TestSide& side, const std::string& line) {
    return wait_until([&] { return side.last() == line; });
  }
  // The side to move plays, the other receives it.
  void play_one(QtNetPort& mover, TestSide& mover_side, TestSide& other_side) {
    const size_t moves = other_side.keys.size();
    ASSERT_TRUE(mover.send_move(mover_side.play()));
    ASSERT_TRUE(wait_until([&] { return other_side.keys.size() == moves + 1; }));
    EXPECT_EQ(other_side.keys, mover_side.keys);
  }
};

int unused_port() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  return server.serverPort();
}

TEST_F(TwoComputers, PlayAGame) {
  ASSERT_TRUE(host.host({0, SideChoice::SENTE, {300, 10, 5}, ""}));
  EXPECT_EQ(host.status(), NetStatus::LISTENING);
  Invitation pasted;
  ASSERT_TRUE(parse_invitation(format_invitation(host.invitation()), pasted));
  EXPECT_EQ(pasted.addresses.front().port, host.port());
  EXPECT_EQ(pasted.code.size(), std::string("kumo-7f3k-q9xd-2mpa").size());
  ASSERT_TRUE(join.join(loopback()));
  ASSERT_TRUE(logged(join_side, "connected gote 0 300/10/5"));
  ASSERT_TRUE(logged(host_side, "connected sente 0 300/10/5"));
  EXPECT_EQ(join.status(), NetStatus::PLAYING);
  for (int i = 0; i < 4; ++i) {
    if (i % 2 == 0) play_one(host, host_side, join_side);
    if (i % 2 == 1) play_one(join, join_side, host_side);
  }

  host_side.port = &host;  // 待った, answered inside the event
  host_side.answer_at_once = true;
  ASSERT_TRUE(join.request_takeback(2));
  ASSERT_TRUE(logged(join_side, "takeback 2 yes"));
  EXPECT_EQ(join_side.keys, host_side.keys);
  EXPECT_EQ(join_side.keys.size(), 2u);
  ASSERT_TRUE(host.resign());
  ASSERT_TRUE(logged(join_side, "resigned 2"));
  join.leave();
  EXPECT_EQ(join.status(), NetStatus::IDLE);
  ASSERT_TRUE(logged(host_side, "closed by peer peer"));
}

TEST_F(TwoComputers, ResumeAfterTheConnectionIsCutOnEitherSide) {
  ASSERT_TRUE(host.host({0, SideChoice::GOTE, {}, ""}));
  ASSERT_TRUE(join.join(loopback()));
  ASSERT_TRUE(logged(host_side, "connected gote 0 0/0/0"));
  for (int i = 0; i < 3; ++i) {
    if (i % 2 == 0) play_one(join, join_side, host_side);
    if (i % 2 == 1) play_one(host, host_side, join_side);
  }
  join.cut();
  ASSERT_TRUE(logged(host_side, "closed lost"));
  EXPECT_EQ(join_side.last(), "closed lost");
  EXPECT_EQ(close_message(CloseReason::LOST, false), "接続が切れました");
  ASSERT_TRUE(wait_until([&] { return host.status() == NetStatus::LISTENING; }));
  ASSERT_TRUE(join.join(loopback()));
  ASSERT_TRUE(logged(host_side, "connected gote 3 0/0/0"));
  play_one(host, host_side, join_side);

  host.cut();
  ASSERT_TRUE(logged(join_side, "closed lost"));
  ASSERT_TRUE(join.join(loopback()));
  ASSERT_TRUE(logged(join_side, "connected sente 4 0/0/0"));
  play_one(join, join_side, host_side);
}

// The window waits in a nested event loop while it shows a move: what
// arrives meanwhile, or a connection lost meanwhile, comes after the move
// has been taken, in order.
TEST_F(TwoComputers, NoEventInsideAnother) {
  for (const bool cut : {false, true}) {
    ASSERT_TRUE(host.host({0, SideChoice::SENTE, {}, ""}));
    join_side.log.clear();
    join_side.keys.clear();
    host_side.keys.clear();
    ASSERT_TRUE(join.join(loopback()));
    ASSERT_TRUE(logged(join_side, "connected gote 0 0/0/0"));
    join_side.while_moving = [&] {
      host.send_clock({1, 2});
      cut ? host.cut() : host.leave();
      wait_until([] { return false; }, 100);
    };
    ASSERT_TRUE(host.send_move(host_side.play()));
    const std::string closed = cut ? "closed lost" : "closed by peer peer";
    ASSERT_TRUE(logged(join_side, closed));
    EXPECT_EQ(join_side.log, (std::vector<std::string>{"connected gote 0 0/0/0", "move 1 7 1 6",
                                                       "clock 1 2", closed}));
    join_side.while_moving = nullptr;
    host.leave();
  }
}

TEST_F(TwoComputers, AgreeOnTheLongestCommonGame) {
  for (int i = 0; i < 6; ++i) host_side.play();
  join_side.keys.assign(host_side.keys.begin(), host_side.keys.begin() + 4);
  join_side.keys.push_back(12345);
  ASSERT_TRUE(host.host({0, SideChoice::SENTE, {}, ""}));
  ASSERT_TRUE(join.join(loopback()));
  ASSERT_TRUE(logged(join_side, "connected gote 4 0/0/0"));
  ASSERT_TRUE(logged(host_side, "connected sente 4 0/0/0"));
  EXPECT_EQ(host_side.keys, join_side.keys);
  play_one(host, host_side, join_side);
}

TEST_F(TwoComputers, AWrongCodeIsToldToTheJoiner) {
  ASSERT_TRUE(host.host({0, SideChoice::RANDOM, {}, "kumo-aaaa-bbbb-cccc"}));
  ASSERT_TRUE(join.join({{{"127.0.0.1", host.port()}}, "kumo-aaaa-bbbb-ccc0"}));
  ASSERT_TRUE(logged(join_side, "closed by peer code"));
  EXPECT_EQ(host_side.last(), "closed code");
  EXPECT_EQ(close_message(CloseReason::CODE, true), "対局コードが違います");
  ASSERT_TRUE(join.join({{{"127.0.0.1", host.port()}}, "KUMO AAAA BBBB CCCC"}));
  const std::string joiner_side = host.host_side() == NetSide::SENTE ? "gote" : "sente";
  ASSERT_TRUE(logged(join_side, "connected " + joiner_side + " 0 0/0/0"));
}

TEST_F(TwoComputers, OneGameAtATime) {
  ASSERT_TRUE(host.host({0, SideChoice::SENTE, {}, ""}));
  EXPECT_FALSE(host.join(loopback()));
  ASSERT_TRUE(join.join(loopback()));
  EXPECT_FALSE(join.join(loopback()));
  ASSERT_TRUE(logged(host_side, "connected sente 0 0/0/0"));
  RawPeer third(host.port());
  EXPECT_TRUE(third.refused());
}

TEST_F(TwoComputers, TheInvitationsAddressesAreTriedInTurn) {
  ASSERT_TRUE(host.host({0, SideChoice::SENTE, {}, ""}));
  Invitation two = loopback();
  two.addresses.insert(two.addresses.begin(), {"127.0.0.1", unused_port()});
  ASSERT_TRUE(join.join(two));
  EXPECT_TRUE(logged(join_side, "connected gote 0 0/0/0"));

  TestSide lost_side;
  QtNetPort lost(lost_side, lost_side);
  ASSERT_TRUE(lost.join({{{"127.0.0.1", unused_port()}}, "kumo-aaaa"}));
  EXPECT_TRUE(logged(lost_side, "closed unreachable"));
}

TEST_F(TwoComputers, OverIPv6) {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHostIPv6)) GTEST_SKIP() << "no IPv6 loopback here";
  probe.close();
  ASSERT_TRUE(host.host({0, SideChoice::SENTE, {}, ""}));
  ASSERT_TRUE(join.join({{{"::1", host.port()}}, host.invitation().code}));
  EXPECT_TRUE(logged(join_side, "connected gote 0 0/0/0"));
}

}  // namespace
}  // namespace kumora
