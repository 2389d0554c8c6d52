#include "app/command_line.h"

namespace kumora {

namespace {

// A whole number above 0; 0 when the text is not one.
std::int64_t positive_number(const std::string& text) {
  if (text.empty() || text.size() > 15) return 0;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

namespace {

// An option that takes a value: the value was missing or not one it takes.
CommandLine bad_value(const std::string& option, const std::vector<std::string>& arguments,
                      size_t value_index, const char* allowed) {
  CommandLine line;
  line.request = CommandLine::Request::MISTAKE;
  if (value_index >= arguments.size()) {
    line.mistake = "option '" + option + "' needs a value (" + allowed + ")";
  } else {
    line.mistake =
        "invalid value '" + arguments[value_index] + "' for " + option + " (" + allowed + ")";
  }
  return line;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--nodes") {
      if (i + 1 >= arguments.size() || positive_number(arguments[i + 1]) <= 0) {
        return bad_value(argument, arguments, i + 1, "a whole number above 0");
      }
      line.nodes = positive_number(arguments[++i]);
      continue;
    }
    if (argument == "--lang") {
      Language language = Language::JAPANESE;
      if (i + 1 >= arguments.size() || !language_from_code(arguments[i + 1], language)) {
        return bad_value(argument, arguments, i + 1, "en or ja");
      }
      line.language = language;
      ++i;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      line.request = CommandLine::Request::HELP;
      return line;
    }
    if (argument == "--version") {
      line.request = CommandLine::Request::VERSION;
      return line;
    }
    if (argument == "--user-folder") {
      line.user_folder = true;
      continue;
    }
    line.request = CommandLine::Request::MISTAKE;
    line.mistake = "unknown option '" + argument + "'";
    return line;
  }
  return line;
}

std::string usage_text(const std::string& user_folder) {
  return "Usage: kumora-shogi [OPTION]...\n"
         "Kumora Shogi (雲羅将棋), shogi in the chain-move variant. Without options\n"
         "the game works in the current folder: Kumora.ini and the record files are\n"
         "kept there.\n"
         "\n"
         "  --user-folder  work in " +
         user_folder +
         " (made when missing):\n"
         "                 Kumora.ini and the record files are kept there and the\n"
         "                 file panel opens there\n"
         "  --nodes N      LEVEL4, LEVEL5 and the hint search N positions a move\n"
         "                 instead of thinking for a set time (the same move on every\n"
         "                 machine)\n"
         "  --lang en|ja   show the interface in English or Japanese (without it: the\n"
         "                 language chosen last in the game, at first Japanese)\n"
         "  -h, --help     print this help and end\n"
         "  --version      print the version and end\n"
         "\n"
         "使い方: kumora-shogi [ｵﾌﾟｼｮﾝ]...\n"
         "  --user-folder  " +
         user_folder +
         " で動作 (Kumora.ini と棋譜をそこに置く)\n"
         "  --nodes N      LEVEL4・LEVEL5・ヒントが時間でなく N 局面読んで指す\n"
         "  --lang en|ja   英語 (en) か日本語 (ja) で表示 (無ければ前回選んだ言語)\n"
         "  -h, --help     この説明を表示して終了\n"
         "  --version      ﾊﾞｰｼﾞｮﾝを表示して終了\n";
}

std::string version_text() { return std::string("kumora-shogi ") + KUMORA_VERSION; }

}  // namespace kumora
