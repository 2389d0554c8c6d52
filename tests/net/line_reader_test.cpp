#include "net/line_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace kumora {
namespace {

struct Taken {
  LineReader reader;
  std::vector<std::string> lines;
  LineReader::Result add(std::string_view bytes, int stop_after = -1) {
    return reader.add(bytes, [&](std::string_view line) {
      lines.emplace_back(line);
      return static_cast<int>(lines.size()) != stop_after;
    });
  }
};

TEST(LineReader, CutsLinesWhereverTheBytesBreak) {
  Taken taken;
  EXPECT_EQ(taken.add("hel"), LineReader::Result::WAITING);
  EXPECT_TRUE(taken.lines.empty());
  EXPECT_EQ(taken.add("lo\n\nping\npar"), LineReader::Result::WAITING);
  EXPECT_EQ(taken.add("t\n"), LineReader::Result::WAITING);
  EXPECT_EQ(taken.lines, (std::vector<std::string>{"hello", "", "ping", "part"}));
}

TEST(LineReader, ALineHoldsAtMostItsBytesWithTheLineFeed) {
  const std::string longest(MAX_LINE_BYTES - 1, 'x');
  Taken taken;
  EXPECT_EQ(taken.add(longest.substr(0, 500)), LineReader::Result::WAITING);
  EXPECT_EQ(taken.add(longest.substr(500) + "\n"), LineReader::Result::WAITING);
  ASSERT_EQ(taken.lines.size(), 1u);
  EXPECT_EQ(taken.lines[0], longest);

  Taken too_long;  // found before its line feed comes, however it arrives
  EXPECT_EQ(too_long.add(longest.substr(0, 1000)), LineReader::Result::WAITING);
  EXPECT_EQ(too_long.add(longest.substr(1000) + "x"), LineReader::Result::OVERSIZED);
  EXPECT_EQ(too_long.add("\nping\n"), LineReader::Result::OVERSIZED);
  EXPECT_TRUE(too_long.lines.empty());

  Taken after_good_lines;
  EXPECT_EQ(after_good_lines.add("a\n" + longest + "y\nb\n"), LineReader::Result::OVERSIZED);
  EXPECT_EQ(after_good_lines.lines, (std::vector<std::string>{"a"}));
}

TEST(LineReader, StopsWhenTheTakerSaysSo) {
  Taken taken;
  EXPECT_EQ(taken.add("a\nb\nc\n", 2), LineReader::Result::STOPPED);
  EXPECT_EQ(taken.lines, (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace kumora
