#include "app/command_line.h"

#include <gtest/gtest.h>

namespace kumora {
namespace {

using Request = CommandLine::Request;

TEST(CommandLine, NoArgumentsStartsTheGameInTheCurrentFolder) {
  const CommandLine line = parse_command_line({});
  EXPECT_EQ(line.request, Request::RUN);
  EXPECT_FALSE(line.user_folder);
}

TEST(CommandLine, UserFolderStartsTheGameThere) {
  const CommandLine line = parse_command_line({"--user-folder"});
  EXPECT_EQ(line.request, Request::RUN);
  EXPECT_TRUE(line.user_folder);
}

TEST(CommandLine, NodesTakeAWholeNumberAboveZero) {
  const CommandLine line = parse_command_line({"--nodes", "20000", "--user-folder"});
  EXPECT_EQ(line.request, Request::RUN);
  EXPECT_EQ(line.nodes, 20000);
  EXPECT_EQ(parse_command_line({"--nodes", "1234567890"}).nodes, 1234567890);
  EXPECT_TRUE(line.user_folder);
  EXPECT_EQ(parse_command_line({}).nodes, 0);
  for (const char* value : {"0", "-5", "12x", ""}) {
    const CommandLine wrong = parse_command_line({"--nodes", value});
    EXPECT_EQ(wrong.request, Request::MISTAKE) << value;
    EXPECT_EQ(wrong.mistake,
              "invalid value '" + std::string(value) + "' for --nodes (a whole number above 0)");
  }
  EXPECT_EQ(parse_command_line({"--nodes"}).mistake,
            "option '--nodes' needs a value (a whole number above 0)");
}

TEST(CommandLine, LangTakesEnOrJa) {
  EXPECT_FALSE(parse_command_line({}).language.has_value());
  EXPECT_EQ(parse_command_line({"--lang", "en"}).language, Language::ENGLISH);
  const CommandLine line = parse_command_line({"--lang", "en", "--user-folder", "--lang", "ja"});
  EXPECT_EQ(line.request, Request::RUN);
  EXPECT_EQ(line.language, Language::JAPANESE);
  EXPECT_TRUE(line.user_folder);
  for (const char* value : {"EN", "english", "de", ""}) {
    const CommandLine wrong = parse_command_line({"--lang", value});
    EXPECT_EQ(wrong.request, Request::MISTAKE) << value;
    EXPECT_EQ(wrong.mistake, "invalid value '" + std::string(value) + "' for --lang (en or ja)");
  }
  EXPECT_EQ(parse_command_line({"--lang"}).mistake, "option '--lang' needs a value (en or ja)");
}

TEST(CommandLine, HelpAndVersionWinOverWhatFollows) {
  EXPECT_EQ(parse_command_line({"--help"}).request, Request::HELP);
  EXPECT_EQ(parse_command_line({"-h"}).request, Request::HELP);
  EXPECT_EQ(parse_command_line({"--user-folder", "--help", "--bogus"}).request, Request::HELP);
  EXPECT_EQ(parse_command_line({"--version", "--bogus"}).request, Request::VERSION);
}

TEST(CommandLine, AnythingElseIsAMistakeNamedInTheAnswer) {
  for (const char* argument :
       {"--bogus", "--user-folder=x", "-user-folder", "record.棋譜", "", "--HELP", "-platform"}) {
    const CommandLine line = parse_command_line({"--user-folder", argument, "--help"});
    EXPECT_EQ(line.request, Request::MISTAKE) << argument;
    EXPECT_EQ(line.mistake, "unknown option '" + std::string(argument) + "'");
  }
}

TEST(CommandLine, UsageNamesEveryOptionAndTheFolder) {
  const std::string usage = usage_text("~/.local/share/kumora-shogi");
  for (const char* part : {"--user-folder", "--nodes", "--lang", "--help", "--version",
                           "~/.local/share/kumora-shogi", "Kumora.ini", "使い方"}) {
    EXPECT_NE(usage.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace kumora
