// The game in words for the side panel: whose turn it is, the mode and the
// level or handicap grade, and the record as a numbered move list.
#pragma once

#include <string>
#include <vector>

#include "window/game.h"

namespace kumora {

struct GameSummary {
  // In the chosen language:
  std::string turn;  // "先手の番（あなた）", "対局していません", ...
  std::string mode;  // "ＣＯＭ対局 LEVEL3", "人間対局 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", ...
  // "1 ▲７六歩" for every move of the whole game, across a turn of the board.
  std::vector<std::string> moves;
  std::string lower_player;  // who plays the lower pieces: "先手", "あなた", ...
  std::string upper_player;  // and the upper: "後手", "ＣＯＭ", ...
  int position = 0;          // moves shown on the board
};

GameSummary summarize(const Game& game);

}  // namespace kumora
