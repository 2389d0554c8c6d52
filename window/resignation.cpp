#include "window/resignation.h"

#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

bool Resignation::possible() const {
  const GameState& state = s_.game.state;
  return state.turn != NO_GAME && !state.kifu_mode;
}

void Resignation::resign() {
  s_.flow.hide_file_panel();
  GameState& state = s_.game.state;
  if (!possible()) {
    s_.reporter.set_status(tr_noop("Status", "「対局」で対局を始めて下さい"));
    s_.messages.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  Winner winner = Winner::COMPUTER;
  if (state.vs_com != MODE_COM) winner = state.turn == state.SENTE ? Winner::GOTE : Winner::SENTE;
  s_.flow.drop_selection();
  s_.drawing.clear_marks();
  s_.reporter.set_status(tr_noop("Status", "投了しました"));
  s_.flow.end_game_early(GameEnd::RESIGNED, winner);
}

}  // namespace kumora
