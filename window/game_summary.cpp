#include "window/game_summary.h"

#include "kifu/move_notation.h"
#include "settings/handicap.h"

namespace kumora {

namespace {

std::string turn_text(const GameState& state) {
  if (state.kifu_mode == ON) return "棋譜を再生しています";
  if (state.turn == NO_GAME) return "対局していません";
  std::string text = state.turn == state.SENTE ? "先手の番" : "後手の番";
  if (state.vs_com == MODE_COM) text += state.turn == state.upper_side ? "（ＣＯＭ）" : "（あなた）";
  return text;
}

std::string mode_text(const GameState& state) {
  std::string text;
  if (state.turn != NO_GAME && state.kifu_mode == OFF) {
    text = state.vs_com == MODE_COM ? "ＣＯＭ対局 LEVEL" + std::to_string(state.level) : "人間対局";
  }
  if (state.handicap_set == ON) {
    if (!text.empty()) text += " ";
    text += caption_text(state.handicap_grade);
  }
  return text;
}

}  // namespace

GameSummary summarize(const Game& game) {
  const GameState& state = game.state;
  GameSummary summary;
  summary.turn = turn_text(state);
  summary.mode = mode_text(state);
  const bool sente_is_lower = state.SENTE == state.lower_side;
  for (int i = 1; i <= game.kifu.kifu_len; ++i) {
    summary.moves.push_back(std::to_string(i) + " " + move_notation(game.kifu, i, sente_is_lower));
  }
  summary.position = game.kifu.kifu_pos;
  return summary;
}

}  // namespace kumora
