#include "app/command_line.h"

namespace kumora {

CommandLine parse_command_line(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (const std::string& argument : arguments) {
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
    line.mistake = argument;
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
         "  --user-folder  work in " + user_folder + " (made when missing):\n"
         "                 Kumora.ini and the record files are kept there and the\n"
         "                 file panel opens there\n"
         "  -h, --help     print this help and end\n"
         "  --version      print the version and end\n"
         "\n"
         "使い方: kumora-shogi [ｵﾌﾟｼｮﾝ]...\n"
         "  --user-folder  " + user_folder + " で動作 (Kumora.ini と棋譜をそこに置く)\n"
         "  -h, --help     この説明を表示して終了\n"
         "  --version      ﾊﾞｰｼﾞｮﾝを表示して終了\n";
}

std::string version_text() { return std::string("kumora-shogi ") + KUMORA_VERSION; }

}  // namespace kumora
