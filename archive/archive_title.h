// What an archived game's title line says of it, so that the game can be
// resumed as it was: against the computer at a level, or between two people,
// from the even position or a handicap grade.
#pragma once

#include <string>

namespace kumora {

struct ArchivedGameKind {
  bool vs_com = false;
  int level = 3;  // the computer's level when vs_com
  bool handicap = false;
  int handicap_grade = 0;
};

// "ＣＯＭ対局 LEVEL3" or "人間対局", followed by " ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級" when a
// grade was set.
std::string archive_title(const ArchivedGameKind& kind);

// The kind a title names; false for a title the archive did not write.
bool parse_archive_title(const std::string& title, ArchivedGameKind& kind);

}  // namespace kumora
