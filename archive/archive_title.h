// What an archived game's title line says of it, so that the game can be
// resumed as it was: against the computer at a level, or between two people,
// from the even position or a handicap grade, and whether the board was
// last shown turned round (the moves are kept as the game began), its time
// control, and whether it ended by resignation or on time.
#pragma once

#include <string>

#include "settings/time_control.h"

namespace kumora {

// How a game that no move of the rules ended came to an end.
enum class GameEnd { NONE, RESIGNED, TIME_RAN_OUT };

struct ArchivedGameKind {
  bool vs_com = false;
  int level = 3;  // the computer's level when vs_com
  bool handicap = false;
  int handicap_grade = 0;  // as the game began, before any turn of the board
  bool turned = false;
  TimeControl time_control;  // none when the game had none
  GameEnd ended = GameEnd::NONE;
};

// "ＣＯＭ対局 LEVEL3" or "人間対局", followed by " ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級" when a
// grade was set, by the time control (" 持ち時間5分 秒読み10秒") when there
// was one, by " 反転" when the board was turned round, and by " 投了" or
// " 時間切れ" when the game ended so.
std::string archive_title(const ArchivedGameKind& kind);

// The kind a title names; false for a title the archive did not write.
bool parse_archive_title(const std::string& title, ArchivedGameKind& kind);

}  // namespace kumora
