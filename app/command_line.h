// What the program is asked to do by its command line. The options are read
// before the window starts, so that --help and --version work without a
// display.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/translation.h"

namespace kumora {

struct CommandLine {
  enum class Request {
    RUN,      // start the game
    HELP,     // print the usage and end
    VERSION,  // print the version and end
    MISTAKE,  // an argument the program does not know: usage on stderr, end
  };
  Request request = Request::RUN;
  // Work in the user's own folder (user_data_folder()) instead of the
  // current directory.
  bool user_folder = false;
  // The strong levels and the hint search by this many nodes instead of by
  // time (the same move on every machine); 0: by time.
  std::int64_t nodes = 0;
  // The language asked for with --lang; none: the one chosen last.
  std::optional<Language> language;
  // What could not be understood, when request is MISTAKE: "unknown option
  // '--bogus'", "invalid value 'de' for --lang (en or ja)", ...
  std::string mistake;
};

// Reads the arguments after the program's name, left to right: --help and
// --version end the reading, the first argument or value not understood too.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

// The usage text; `user_folder` is the folder --user-folder moves to, as it
// is shown to the person.
std::string usage_text(const std::string& user_folder);

// "kumora-shogi VERSION".
std::string version_text();

}  // namespace kumora
