// A joiner that breaks the protocol, over real TCP: the host refuses each
// line with its reason, and keeps the game for the real joiner.
#include <gtest/gtest.h>

#include <algorithm>

#include "event_wait.h"
#include "net/message.h"
#include "net/qt_net_port.h"
#include "raw_peer.h"
#include "test_side.h"

namespace kumora {
namespace {

const std::string CODE = "kumo-test-0001";

class HostileJoin : public ::testing::Test {
 protected:
  TestSide side;
  std::unique_ptr<QtNetPort> host;

  void start_host(SideChoice host_side = SideChoice::SENTE, NetSettings settings = {}) {
    host = std::make_unique<QtNetPort>(side, side, settings);
    side.log.clear();
    ASSERT_TRUE(host->host({0, host_side, {}, CODE}));
  }
  bool host_closed(const std::string& word) {
    return wait_until([&] { return side.last() == "closed " + word; });
  }
  std::unique_ptr<RawPeer> proven_peer() {
    auto peer = std::make_unique<RawPeer>(host->port());
    EXPECT_TRUE(peer->prove(CODE));
    return peer;
  }
  // A joiner that proved the code and agreed on the game.
  std::unique_ptr<RawPeer> agreed_peer() {
    auto peer = proven_peer();
    EXPECT_TRUE(peer->agree());
    EXPECT_TRUE(wait_until([&] { return host->status() == NetStatus::PLAYING; }));
    return peer;
  }
};

// The first move of sente, under the tests' made-up rules.
std::string first_move_body() {
  NetMove move{7, 7, 7, 6, -10, -10, 0, 0};
  move.key_after = key_after(0, move);
  return format_body(move_message(move));
}

TEST_F(HostileJoin, WrongCode) {
  start_host();
  RawPeer peer(host->port());
  EXPECT_FALSE(peer.prove("kumo-test-0002"));
  EXPECT_TRUE(host_closed("code"));
  EXPECT_TRUE(peer.received("refused code"));
  EXPECT_TRUE(peer.closed_by_host());
  EXPECT_EQ(host->status(), NetStatus::LISTENING);
}

TEST_F(HostileJoin, FiveWrongCodesStopTheJoins) {
  start_host();
  for (int attempt = 1; attempt <= 5; ++attempt) {
    RawPeer peer(host->port());
    EXPECT_FALSE(peer.prove("kumo-guess-" + std::to_string(attempt)));
    ASSERT_TRUE(peer.closed_by_host());
  }
  ASSERT_TRUE(wait_until([&] { return side.last() == "joins stopped"; }));
  EXPECT_EQ(std::count(side.log.begin(), side.log.end(), "closed code"), 5);
  EXPECT_EQ(host->status(), NetStatus::STOPPED);
  RawPeer right_code_too_late(host->port());
  EXPECT_TRUE(right_code_too_late.refused());
}

TEST_F(HostileJoin, AtMostFourJoinsProveTheCodeAtOnce) {
  start_host();
  std::vector<std::unique_ptr<RawPeer>> silent;
  for (int i = 0; i < 4; ++i) {
    silent.push_back(std::make_unique<RawPeer>(host->port()));
    EXPECT_EQ(silent.back()->next_line().substr(0, 15), "hello kumora 1 ");
  }
  RawPeer fifth(host->port());
  EXPECT_TRUE(fifth.closed_by_host());
  EXPECT_EQ(fifth.next_line(), "");
  silent.pop_back();  // one leaves: room for another
  ASSERT_TRUE(host_closed("lost"));
  RawPeer sixth(host->port());
  EXPECT_EQ(sixth.next_line().substr(0, 15), "hello kumora 1 ");
}

TEST_F(HostileJoin, NoHello) {
  start_host();
  RawPeer peer(host->port());
  peer.send("proof " + std::string(64, '0') + "\n");
  EXPECT_TRUE(host_closed("malformed"));
}

TEST_F(HostileJoin, OversizedLine) {
  start_host();
  RawPeer peer(host->port());
  peer.send(std::string(600, 'x'));
  peer.send(std::string(600, 'x'));
  EXPECT_TRUE(host_closed("oversized"));
}

TEST_F(HostileJoin, BadMacAndTheGameGoesOnWithTheRealJoiner) {
  start_host(SideChoice::GOTE);
  side.play();
  auto peer = proven_peer();
  std::string line = peer->sealed("game 0", 1);
  char& digit = line[line.size() - 2];
  digit = digit == '0' ? '1' : '0';
  peer->send(line);
  EXPECT_TRUE(host_closed("mac"));
  EXPECT_TRUE(peer->closed_by_host());

  ASSERT_TRUE(wait_until([&] { return host->status() == NetStatus::LISTENING; }));
  TestSide real_side;
  real_side.keys = side.keys;
  QtNetPort real(real_side, real_side);
  ASSERT_TRUE(real.join({{{"127.0.0.1", host->port()}}, CODE}));
  EXPECT_TRUE(wait_until([&] { return real_side.last() == "connected sente 1 0/0/0"; }));
  EXPECT_EQ(side.last(), "connected gote 1 0/0/0");
}

TEST_F(HostileJoin, ReplayedAndReorderedLines) {
  start_host();
  for (const auto& [numbers, reason] :
       {std::pair{std::pair{1, 1}, "replay"}, {{2, 1}, "sequence"}}) {
    auto peer = proven_peer();
    peer->send(peer->sealed("game 0", numbers.first));
    peer->send(peer->sealed("ping", numbers.second));
    EXPECT_TRUE(host_closed(reason));
  }
}

TEST_F(HostileJoin, TheJoinerCannotSetTheTerms) {
  start_host(SideChoice::SENTE);
  auto peer = proven_peer();
  peer->send_sealed("setup gote 0 0 0");  // to play sente itself
  EXPECT_TRUE(host_closed("malformed"));
}

TEST_F(HostileJoin, IllegalMove) {
  start_host(SideChoice::GOTE);
  auto peer = agreed_peer();
  peer->send_sealed("move 7 7 7 6 -10 -10 0 0000000000000001");  // the key is wrong
  EXPECT_TRUE(host_closed("illegal"));
}

TEST_F(HostileJoin, MoveOutOfTurn) {
  start_host(SideChoice::SENTE);
  auto peer = agreed_peer();
  peer->send_sealed(first_move_body());
  EXPECT_TRUE(host_closed("turn"));
  start_host(SideChoice::GOTE);
  auto before_the_game = proven_peer();  // its turn, but before both agreed on the game
  before_the_game->send_sealed(first_move_body());
  EXPECT_TRUE(host_closed("turn"));
}

TEST_F(HostileJoin, TheSameMoveInTurnIsTaken) {  // the two tests above refuse for their reason only
  start_host(SideChoice::GOTE);
  auto peer = agreed_peer();
  peer->send_sealed(first_move_body());
  EXPECT_TRUE(wait_until([&] { return side.last() == "move 7 7 7 6"; }));
}

TEST_F(HostileJoin, FloodOfBytes) {
  NetSettings settings;
  settings.session.clock = [] { return std::int64_t{0}; };  // all within one second
  start_host(SideChoice::SENTE, settings);
  auto peer = agreed_peer();
  std::string flood;
  for (int number = 2; flood.size() <= settings.session.bytes_per_second; ++number) {
    flood += peer->sealed("ping", number);
  }
  peer->send(flood);
  EXPECT_TRUE(host_closed("flood"));
}

TEST_F(HostileJoin, SilentPeer) {
  NetSettings settings;
  settings.session.idle_timeout_ms = 200;
  settings.session.keepalive_ms = 100;
  start_host(SideChoice::SENTE, settings);
  RawPeer peer(host->port());
  ASSERT_TRUE(peer.connected());
  EXPECT_TRUE(host_closed("timeout"));
  EXPECT_TRUE(peer.received("refused timeout"));
}

}  // namespace
}  // namespace kumora
