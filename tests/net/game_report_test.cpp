#include "net/game_report.h"

#include <gtest/gtest.h>

namespace kumora {
namespace {

std::vector<std::uint64_t> keys_from(std::uint64_t first, int count) {
  std::vector<std::uint64_t> keys;
  for (int i = 0; i < count; ++i) keys.push_back(first + static_cast<std::uint64_t>(i));
  return keys;
}

TEST(GameReport, TheLongestCommonGame) {
  const auto five = keys_from(100, 5);
  EXPECT_EQ(common_moves(five, five), 5);
  EXPECT_EQ(common_moves(five, keys_from(100, 3)), 3);
  EXPECT_EQ(common_moves(keys_from(100, 3), five), 3);
  auto branched = five;
  branched[2] = 7;
  EXPECT_EQ(common_moves(five, branched), 2);
  EXPECT_EQ(common_moves(five, {}), 0);
  EXPECT_EQ(common_moves(five, keys_from(101, 5)), 0);
}

TEST(GameReport, ReadBackWholeAtEveryLength) {
  for (int count : {0, 1, KEYS_PER_LINE, KEYS_PER_LINE + 1, MAX_GAME_MOVES}) {
    const auto keys = keys_from(1, count);
    const std::vector<Message> report = game_report(keys);
    EXPECT_EQ(report.size(), 1 + static_cast<size_t>((count + KEYS_PER_LINE - 1) / KEYS_PER_LINE));
    GameReportReader reader;
    for (size_t i = 0; i < report.size(); ++i) {
      Message line;
      ASSERT_TRUE(parse_body(format_body(report[i]), line));
      const auto expected =
          i + 1 == report.size() ? GameReportReader::Step::DONE : GameReportReader::Step::MORE;
      EXPECT_EQ(reader.take(line), expected) << count << " line " << i;
    }
    EXPECT_EQ(reader.keys(), keys);
  }
  EXPECT_EQ(game_report(keys_from(1, MAX_GAME_MOVES + 3))[0].count, MAX_GAME_MOVES);
}

TEST(GameReport, RefusesLinesOutOfPlace) {
  const std::vector<Message> report = game_report(keys_from(1, 40));  // game, keys 1.., keys 33..
  GameReportReader keys_first;
  EXPECT_EQ(keys_first.take(report[1]), GameReportReader::Step::WRONG);
  GameReportReader skipping;
  skipping.take(report[0]);
  EXPECT_EQ(skipping.take(report[2]), GameReportReader::Step::WRONG);
  GameReportReader twice;
  twice.take(report[0]);
  EXPECT_EQ(twice.take(report[0]), GameReportReader::Step::WRONG);
  GameReportReader too_many;
  too_many.take(counted_message(MessageKind::GAME, 10));
  EXPECT_EQ(too_many.take(report[1]), GameReportReader::Step::WRONG);  // 32 keys for 10 moves
}

}  // namespace
}  // namespace kumora
