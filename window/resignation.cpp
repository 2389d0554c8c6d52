#include "window/resignation.h"

#include "window/drawing.h"
#include "window/messages.h"

namespace kumora {

bool Resignation::possible() const {
  const GameState& state = game_.state;
  return state.turn != NO_GAME && !state.record_mode;
}

void Resignation::resign() {
  pending_input_.hide_file_panel();
  GameState& state = game_.state;
  if (!possible()) {
    reporter_.set_status(tr_noop("Status", "「対局」で対局を始めて下さい"));
    messages_.refuse(tr_text("Game", "「対局」で始めて下さい"), tr_text("Game", "開始"));
    return;
  }
  Winner winner = Winner::COMPUTER;
  if (state.vs_com != MODE_COM) winner = state.turn == state.sente ? Winner::GOTE : Winner::SENTE;
  pending_input_.drop_selection();
  drawing_.clear_marks();
  reporter_.set_status(tr_noop("Status", "投了しました"));
  lifecycle_.end_game_early(GameEnd::RESIGNED, winner);
}

}  // namespace kumora
