// Two sessions wired to each other in memory, on a clock the test moves.
#include "net/session.h"

#include <gtest/gtest.h>

#include "net/code_key.h"
#include "test_side.h"

namespace kumora {
namespace {

const std::string CODE_KEY = code_key("kumo-test-0001");

class MemoryLink : public SessionLink {
 public:
  explicit MemoryLink(TestSide& side) : side_(side) {}
  std::vector<std::string> outbox;
  std::vector<std::string> sent;  // everything written
  void write_line(const std::string& line) override {
    outbox.push_back(line);
    sent.push_back(line);
  }
  void authenticated() override { side_.log.push_back("authenticated"); }
  void finished(CloseReason reason, bool by_peer) override { side_.closed(reason, by_peer); }

 private:
  TestSide& side_;
};

class SessionPair : public ::testing::Test {
 protected:
  std::int64_t now = 0;
  SessionSettings settings{1000, 300, 65536, [this] { return now; }};
  TestSide host_side, join_side;
  MemoryLink host_link{host_side}, join_link{join_side};
  Session host{Role::HOST, CODE_KEY, HostTerms{NetSide::GOTE, {600, 30, 0}}, host_side, host_side,
               host_link,  settings};
  std::unique_ptr<Session> join = joiner(CODE_KEY);

  std::unique_ptr<Session> joiner(const std::string& key) {
    return std::make_unique<Session>(Role::JOIN, key, HostTerms{}, join_side, join_side, join_link,
                                     settings);
  }
  // Delivers what each side wrote until neither writes more.
  void pump() {
    while (!host_link.outbox.empty() || !join_link.outbox.empty()) {
      deliver(host_link, *join);
      deliver(join_link, host);
    }
  }
  void deliver(MemoryLink& from, Session& to) {
    std::vector<std::string> lines;
    lines.swap(from.outbox);
    for (const std::string& line : lines) to.receive(line + "\n");
  }
  void meet() {
    host.start();
    join->start();
    pump();
  }
};

TEST_F(SessionPair, MeetAndPlayAGame) {
  meet();
  EXPECT_EQ(host_side.log,
            (std::vector<std::string>{"authenticated", "connected sente 0 600/30/0"}));
  EXPECT_EQ(join_side.last(), "connected gote 0 600/30/0");
  EXPECT_FALSE(join->send_move(join_side.play()));  // sente moves first
  join_side.keys.clear();
  for (int i = 0; i < 4; ++i) {
    TestSide& mover = i % 2 == 0 ? host_side : join_side;
    ASSERT_TRUE((i % 2 == 0 ? host : *join).send_move(mover.play()));
    pump();
  }
  EXPECT_EQ(host_side.keys, join_side.keys);
  EXPECT_EQ(host_side.last(), "move 4 7 4 6");

  ASSERT_TRUE(join->request_takeback(2));  // 待った, refused
  pump();
  EXPECT_EQ(host_side.last(), "takeback? 2");
  EXPECT_FALSE(host.send_move(host_side.play()));  // answer first
  host_side.keys.pop_back();
  ASSERT_TRUE(host.answer_takeback(false));
  pump();
  EXPECT_EQ(join_side.last(), "takeback 2 no");
  ASSERT_TRUE(join->request_takeback(2));  // and accepted
  pump();
  ASSERT_TRUE(host.answer_takeback(true));
  host_side.keys.resize(2);
  pump();
  EXPECT_EQ(join_side.last(), "takeback 2 yes");
  EXPECT_EQ(join_side.keys, host_side.keys);

  ASSERT_TRUE(host.send_clock({1500, 2500}));
  pump();
  EXPECT_EQ(join_side.last(), "clock 1500 2500");
  ASSERT_TRUE(host.resign());
  EXPECT_FALSE(host.resign());
  pump();
  EXPECT_EQ(join_side.last(), "resigned 2");
  EXPECT_FALSE(join->send_move(join_side.play()));
  join->leave();
  pump();
  EXPECT_EQ(host_side.last(), "closed by peer peer");
}

TEST_F(SessionPair, ResumeTheLongestCommonGame) {
  for (int i = 0; i < 5; ++i) host_side.play();
  join_side.keys = {host_side.keys[0], host_side.keys[1], host_side.keys[2], 77, 78, 79};
  meet();
  EXPECT_EQ(host_side.last(), "connected sente 3 600/30/0");
  EXPECT_EQ(join_side.last(), "connected gote 3 600/30/0");
  EXPECT_EQ(host_side.keys, join_side.keys);
  EXPECT_FALSE(host.send_move(host_side.play()));  // after three moves gote is to move
  host_side.keys.pop_back();
  EXPECT_TRUE(join->send_move(join_side.play()));
  pump();
  EXPECT_EQ(host_side.keys, join_side.keys);
}

TEST_F(SessionPair, AWrongCodeIsRefusedBeforeTheHostProvesAnything) {
  join = joiner(code_key("kumo-test-0002"));
  meet();
  EXPECT_EQ(host_side.log, (std::vector<std::string>{"closed code"}));
  EXPECT_EQ(join_side.log, (std::vector<std::string>{"closed by peer code"}));
  for (const std::string& line : host_link.sent) EXPECT_NE(line.substr(0, 6), "proof ") << line;
}

TEST_F(SessionPair, TheJoinerChecksTheHostsProofToo) {
  join->start();
  join->receive(format_hello(std::string(32, 'a')) + "\n");
  ASSERT_EQ(join_link.sent.back().substr(0, 6), "proof ");
  join->receive(format_proof(std::string(64, 'b')) + "\n");
  EXPECT_EQ(join_side.log, (std::vector<std::string>{"closed code"}));
}

TEST_F(SessionPair, AnotherVersionIsRefused) {
  host.start();
  host.receive("hello kumora 2 " + std::string(32, 'a') + "\n");
  EXPECT_EQ(host_side.last(), "closed version");
  EXPECT_EQ(host_link.sent.back(), "refused version");
}

// A side pings when it has said nothing for a while, whatever it heard.
TEST_F(SessionPair, PingsAfterItsOwnSilence) {
  meet();
  const size_t lines = host_link.sent.size();
  for (now = 100; now < 1000; now += 100) {
    join->tick();
    deliver(join_link, host);  // the joiner's pings reach the host, not the other way
    host.tick();
    const size_t pings = static_cast<size_t>(now / settings.keepalive_ms);
    ASSERT_EQ(host_link.sent.size(), lines + pings) << now;
  }
  EXPECT_EQ(host_side.last(), "connected sente 0 600/30/0");
  now = 1000;
  join->tick();
  EXPECT_EQ(join_side.last(), "closed timeout");  // it heard nothing since 0
}

// And times out when it hears nothing, whatever it says.
TEST_F(SessionPair, TimedOutInTheOtherSidesSilence) {
  meet();
  for (now = 300; now < 1000; now += 300) host.tick();
  now = 999;
  host.tick();
  EXPECT_EQ(host_side.last(), "connected sente 0 600/30/0");
  now = 1000;
  host.tick();
  EXPECT_EQ(host_side.last(), "closed timeout");
}

TEST_F(SessionPair, ASilentPeerTimesOutBeforeTheHello) {
  host.start();
  now += 999;
  host.tick();
  EXPECT_TRUE(host_side.log.empty());
  now += 1;
  host.tick();
  EXPECT_EQ(host_side.last(), "closed timeout");
}

TEST(ByteBudget, CountsEachSecondOnItsOwn) {
  ByteBudget budget(100);
  EXPECT_TRUE(budget.spend(60, 5000));
  EXPECT_TRUE(budget.spend(40, 5999));
  EXPECT_TRUE(budget.spend(100, 6000));  // a new second
  EXPECT_FALSE(budget.spend(1, 6999));
}

TEST_F(SessionPair, MoreBytesASecondThanAllowedIsAFlood) {
  host.start();
  host.receive(std::string(settings.bytes_per_second + 1, '\n'));
  EXPECT_EQ(host_side.last(), "closed flood");
}

}  // namespace
}  // namespace kumora
