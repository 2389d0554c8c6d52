#include "window/game_summary.h"

#include "core/levels.h"
#include "core/translation.h"
#include "kifu/move_notation.h"
#include "settings/handicap.h"
#include "settings/time_control.h"
#include "window/whole_game.h"

namespace kumora {

namespace {

std::string turn_text(const GameState& state) {
  if (state.record_mode) return tr_text("SidePanel", "棋譜を再生しています");
  if (state.turn == NO_GAME) return tr_text("SidePanel", "対局していません");
  // By side to move (Sente, Gote) and by who moves it.
  static const char* const TURNS[2][3] = {
      {tr_noop("SidePanel", "先手の番"), tr_noop("SidePanel", "先手の番（ＣＯＭ）"),
       tr_noop("SidePanel", "先手の番（あなた）")},
      {tr_noop("SidePanel", "後手の番"), tr_noop("SidePanel", "後手の番（ＣＯＭ）"),
       tr_noop("SidePanel", "後手の番（あなた）")}};
  const int side = state.turn == state.sente ? 0 : 1;
  int mover = 0;
  if (state.vs_com == MODE_COM) mover = state.turn == state.upper_side() ? 1 : 2;
  return tr_text("SidePanel", TURNS[side][mover]);
}

std::string mode_text(const Game& game) {
  const GameState& state = game.state;
  std::string text;
  if (state.turn != NO_GAME && !state.record_mode) {
    text = state.vs_com == MODE_COM
               ? fill_in(tr_text("SidePanel", "ＣＯＭ対局 LEVEL%1"), {level_name(state.level)})
               : tr_text("SidePanel", "人間対局");
    if (!game.time_control.none()) {
      text =
          fill_in(tr_text("SidePanel", "%1 %2"), {text, time_control_caption(game.time_control)});
    }
  }
  if (!state.handicap_set) return text;
  if (text.empty()) return caption_text(state.handicap_grade);
  //: %1 the kind of game, %2 the handicap grade
  return fill_in(tr_text("SidePanel", "%1 %2"), {text, caption_text(state.handicap_grade)});
}

// Who plays each half of the board: against the computer the person below
// and the computer above, else the sides.
void name_players(const GameState& state, GameSummary& summary) {
  if (state.vs_com == MODE_COM && !state.record_mode && state.turn != NO_GAME) {
    summary.lower_player = tr_text("SidePanel", "あなた");
    summary.upper_player = tr_text("SidePanel", "ＣＯＭ");
    return;
  }
  const char* sente = tr_noop("SidePanel", "先手");
  const char* gote = tr_noop("SidePanel", "後手");
  const bool sente_is_lower = state.sente == state.lower_side;
  summary.lower_player = tr_text("SidePanel", sente_is_lower ? sente : gote);
  summary.upper_player = tr_text("SidePanel", sente_is_lower ? gote : sente);
}

}  // namespace

GameSummary summarize(const Game& game) {
  const GameState& state = game.state;
  GameSummary summary;
  summary.turn = turn_text(state);
  summary.mode = mode_text(game);
  name_players(state, summary);
  // The whole game, across a turn of the board, as it began.
  const MoveRecord whole = whole_game(game);
  const bool sente_is_lower = sente_below_as_begun(game);
  for (int i = 1; i <= whole.length; ++i) {
    summary.moves.push_back(std::to_string(i) + " " + move_notation(whole, i, sente_is_lower));
  }
  summary.position = whole.shown;
  return summary;
}

}  // namespace kumora
