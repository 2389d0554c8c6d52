#include "net/message.h"
#include "net/line_reader.h"

#include <gtest/gtest.h>

namespace kumora {
namespace {

// Each body reads, and writes back the same.
TEST(Message, EveryKindReadsAndWritesBack) {
  for (const char* body :
       {"setup gote 600 30 0", "setup sente 0 0 5", "game 0", "game 500", "keys 1 0123456789abcdef",
        "move 11 3 5 5 -10 -10 0 ffffffffffffffff", "move -1 1 5 5 30 31 -950 0000000000000001",
        "resign 0", "takeback 12", "takeback-yes 0", "takeback-no 499", "clock 0 999999999", "ping",
        "bye", "bye mac", "bye illegal"}) {
    Message message;
    ASSERT_TRUE(parse_body(body, message)) << body;
    EXPECT_EQ(format_body(message), body);
  }
}

TEST(Message, ArgumentsAreRead) {
  Message m;
  ASSERT_TRUE(parse_body("move 11 3 5 4 -30 -31 100 00000000000000ff", m));
  EXPECT_EQ(m.kind, MessageKind::MOVE);
  EXPECT_EQ(m.move, (NetMove{11, 3, 5, 4, -30, -31, 100, 255}));
  ASSERT_TRUE(parse_body("setup sente 600 30 10", m));
  EXPECT_EQ(m.side, NetSide::SENTE);
  EXPECT_EQ(m.time_control, (TimeControl{600, 30, 10}));
  ASSERT_TRUE(parse_body("bye turn", m));
  EXPECT_EQ(m.reason, CloseReason::TURN);
}

TEST(Message, TheLongestReportLineFitsALine) {
  Message keys = counted_message(MessageKind::KEYS, MAX_GAME_MOVES - KEYS_PER_LINE + 1);
  keys.key_count = KEYS_PER_LINE;
  keys.keys.fill(~0ULL);
  const std::string body = format_body(keys);
  Message read;
  ASSERT_TRUE(parse_body(body, read));
  EXPECT_LT(body.size() + 80, MAX_LINE_BYTES);  // with its number and MAC
}

TEST(Message, RefusesAnyOtherWriting) {
  Message m;
  for (const char* body : {"",
                           " ping",
                           "ping ",
                           "ping  ",
                           "PING",
                           "ping 1",
                           "nothing",
                           "game",
                           "game -0",
                           "game 01",
                           "game +1",
                           "game 501",
                           "game 1 2",
                           "keys 1",
                           "keys 0 0123456789abcdef",
                           "keys 500 0123456789abcdef 0123456789abcdef",
                           "keys 1 0123456789ABCDEF",
                           "keys 1 123456789abcdef",
                           "move 1 1 1 1 1 1 1",
                           "move 12 1 1 1 1 1 1 0000000000000000",
                           "move 1 1 0 1 1 1 1 0000000000000000",
                           "move 1 1 1 1 1000 1 1 0000000000000000",
                           "setup black 0 0 0",
                           "setup gote 360000 0 0",
                           "setup gote 0 0",
                           "resign 501",
                           "takeback 500",
                           "takeback -1",
                           "clock 1000000000 0",
                           "bye peer",
                           "bye lost",
                           "bye nothing",
                           "ping\t",
                           "ping\x80",
                           "game 1234567890123"}) {
    EXPECT_FALSE(parse_body(body, m)) << body;
  }
}

}  // namespace
}  // namespace kumora
