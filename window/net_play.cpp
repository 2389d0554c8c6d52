#include "window/net_play.h"

#include <cmath>

#include "core/translation.h"
#include "kifu/record.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/game_start.h"
#include "window/messages.h"
#include "window/mouse_input.h"
#include "window/net_record.h"
#include "window/record_stepping.h"
#include "window/whole_game.h"

namespace kumora {

namespace {

constexpr const char* NET_TITLE = tr_noop("Game", "ネット対局");

// A resignation that comes when the other side's clock is this close to
// running out is its time running out, as its own window saw it.
constexpr double TIME_RAN_OUT_MARGIN = 1.0;

int milliseconds(double seconds) { return static_cast<int>(std::lround(seconds * 1000)); }

}  // namespace

Side NetPlay::own_game_side() const {
  const GameState& state = game_.state;
  return own_ == NetSide::SENTE ? state.sente : state.gote();
}

Winner NetPlay::winner_of(Side side) const {
  return side == game_.state.sente ? Winner::SENTE : Winner::GOTE;
}

bool NetPlay::peer_to_move() const { return in_game_ && game_.state.turn == peer_game_side(); }

void NetPlay::tell(const std::string& text) { messages_.tell(text, tr_text("Game", NET_TITLE)); }

bool NetPlay::may_start_network() {
  if (!port_) return false;
  if (in_game_ && connected_) {
    messages_.refuse(tr_text("Game", "ネット対局中です"), tr_text("Game", NET_TITLE));
    return false;
  }
  // A game against the computer ends here: the other side may come while
  // the computer would be thinking.
  if (game_.state.vs_com == MODE_COM) lifecycle_.reset_game();
  return true;
}

bool NetPlay::host(const HostOptions& options) {
  if (!may_start_network()) return false;
  if (!in_game_) port_->leave();
  if (port_->status() == NetStatus::LISTENING) return true;
  if (!port_->host(options)) {
    messages_.refuse(tr_text("Game", "このポートで相手を待てません"), tr_text("Game", NET_TITLE));
    return false;
  }
  reporter_.set_status(tr_noop("Status", "相手を待っています"));
  return true;
}

bool NetPlay::join(const Invitation& invitation) {
  if (!may_start_network()) return false;
  port_->leave();
  if (!port_->join(invitation)) {
    messages_.refuse(tr_text("Network", "相手に接続できません"), tr_text("Game", NET_TITLE));
    return false;
  }
  reporter_.set_status(tr_noop("Status", "相手に接続しています"));
  return true;
}

bool NetPlay::refuses_press() {
  const GameState& state = game_.state;
  if (!in_game_ || state.turn == NO_GAME) return false;
  const char* why = nullptr;
  if (!connected_) {
    why = tr_noop("Status", "接続が切れました");
  } else if (state.turn != own_game_side()) {
    why = tr_noop("Status", "相手の番です");
  } else if (takeback_asked_) {
    why = tr_noop("Status", "待ったの返事を待っています");
  }
  if (!why) return false;
  reporter_.set_status(why);
  messages_.play_forbid();
  return true;
}

void NetPlay::after_press() {
  if (in_game_ && game_.record.shown == shared_moves_ && !mouse_.selection().piece_picked) {
    show_turn();
  }
}

void NetPlay::show_turn() {
  const GameState& state = game_.state;
  if (!in_game_ || state.turn == NO_GAME) return;
  reporter_.set_status(state.turn == own_game_side() ? tr_noop("Status", "あなたの番です")
                                                     : tr_noop("Status", "相手の番です"));
}

bool NetPlay::refuses_leaving() {
  if (in_game_ && connected_) {
    reporter_.set_status(tr_noop("Status", "ネット対局中はできません"));
    messages_.refuse(tr_text("Game", "ネット対局中です"), tr_text("Game", NET_TITLE));
    return true;
  }
  leave();
  return false;
}

void NetPlay::leave() {
  if (port_ && port_->status() != NetStatus::IDLE) port_->leave();
  in_game_ = false;
  connected_ = false;
  takeback_asked_ = false;
}

void NetPlay::move_recorded() {
  const MoveRecord& record = game_.record;
  if (!in_game_ || record.shown != shared_moves_ + 1) return;
  // The board shows this side below: its moves are the lower pieces'.
  if (!is_lower_piece(record.entry[record.shown].moved)) return;
  send_last_move();
}

void NetPlay::send_last_move() {
  const MoveRecord& record = game_.record;
  const std::vector<RecordEntry> moves = network_moves(game_);
  const std::vector<std::uint64_t> keys = keys_after(moves);
  if (!port_->send_move(to_net_move(moves.back(), keys.back()))) return;
  shared_moves_ = record.shown;
  const RecordEntry& e = moves.back();
  port_->send_clock({milliseconds(e.lower_clock_after), milliseconds(e.upper_clock_after)});
}

void NetPlay::resign() {
  if (!connected_) {
    reporter_.set_status(tr_noop("Status", "接続が切れました"));
    messages_.refuse(tr_text("Network", "接続が切れました"), tr_text("Game", NET_TITLE));
    return;
  }
  mouse_.drop_selection();
  drawing_.clear_marks();
  reporter_.set_status(tr_noop("Status", "投了しました"));
  lifecycle_.end_game_early(GameEnd::RESIGNED, winner_of(peer_game_side()));
}

void NetPlay::ended_early(Winner winner) {
  if (winner != winner_of(own_game_side()) && connected_) port_->resign();
}

void NetPlay::game_over(Winner winner) {
  start_.announce_winner(winner);
  game_.give_turn_to(NO_GAME);
  mouse_.drop_selection();
  clocks_.set_clock_timer(false);
  in_game_ = false;
  takeback_asked_ = false;
}

void NetPlay::request_takeback() {
  const GameState& state = game_.state;
  // Back to before this side's last move.
  const int back = state.turn == own_game_side() ? 2 : 1;
  const int moves = game_.record.shown - back;
  if (!connected_ || moves < 0 || takeback_asked_ || !port_->request_takeback(moves)) {
    reporter_.set_status(connected_ ? tr_noop("Status", "待ったできる手がありません")
                                    : tr_noop("Status", "接続が切れました"));
    messages_.play_forbid();
    return;
  }
  takeback_asked_ = true;
  reporter_.set_status(tr_noop("Status", "待ったの返事を待っています"));
}

void NetPlay::cut_to(int moves) {
  const int back = game_.record.shown - moves;
  if (back > 0) stepping_.take_back(back);
  shared_moves_ = game_.record.shown;
}

bool NetPlay::board_game_to_go_on() const {
  const GameState& state = game_.state;
  return state.vs_com == MODE_MAN && state.turn != NO_GAME && !state.record_mode &&
         !state.handicap_set && moves_before_record(game_) + game_.record.shown > 0;
}

std::vector<std::uint64_t> NetPlay::keys_after_moves() const {
  if (!in_game_ && !board_game_to_go_on()) return {};
  return keys_after(network_moves(game_));
}

bool NetPlay::is_legal(const NetMove& move) const {
  return in_game_ && legal_after(network_moves(game_), move);
}

void NetPlay::connected(const GameSetup& setup) {
  connected_ = true;
  takeback_asked_ = false;
  if (in_game_ && setup.own_side == own_) {
    resume_game(setup.common_moves);
  } else if (!in_game_ && board_game_to_go_on()) {
    go_on_with_board_game(setup);
  } else {
    start_game(setup);
  }
}

void NetPlay::go_on_with_board_game(const GameSetup& setup) {
  const std::vector<RecordEntry> moves = network_moves(game_);
  start_game(setup);
  const GameState& state = game_.state;
  MoveRecord& record = game_.record;
  for (const RecordEntry& move : moves) {
    const RecordEntry e = network_view(move, game_.history.turned);
    record.entry[++record.shown] = e;
    game_.redo(e);
  }
  record.length = record.shown;
  game_.set_move_count(record.shown);
  game_.give_turn_to(record.shown % 2 == 0 ? state.sente : state.gote());
  shared_moves_ = record.shown;
  screen_.redraw_all();
  screen_.redraw_game_texts();
  resume_game(setup.common_moves);
  record_listener_.move_recorded();
}

void NetPlay::start_game(const GameSetup& setup) {
  lifecycle_.reset_game();
  own_ = setup.own_side;
  in_game_ = true;
  shared_moves_ = 0;
  game_.play_against(MODE_MAN);
  game_.seat(own_game_side());
  game_.give_turn_to(game_.state.sente);
  game_.time_control = setup.time_control;
  // The game is kept and listed as the network sees it, 先手 below.
  game_.history.turned = game_.history.sides_as_shown = own_ == NetSide::GOTE;
  screen_.redraw_all();
  clocks_.begin_countdown();
  clocks_.restart_turn_clock();
  tell(own_ == NetSide::SENTE ? tr_text("Game", "ネット対局を始めます。あなたは先手です")
                              : tr_text("Game", "ネット対局を始めます。あなたは後手です"));
  show_turn();
}

void NetPlay::resume_game(int common_moves) {
  cut_to(common_moves);
  clocks_.restart_turn_clock();
  show_turn();
}

void NetPlay::move_received(const NetMove& move) {
  const RecordEntry e = network_view(to_entry(move), game_.history.turned);
  shared_moves_ += 1;  // before it is played: it is not sent back
  clocks_.on_clock_tick();
  mouse_.play_decided_move(e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed);
  show_turn();
}

void NetPlay::clock_received(const ClockReport& clock) {
  // The other side's clock as it measured it; this side's stays its own.
  MoveRecord& record = game_.record;
  if (!in_game_ || record.shown < 1) return;
  RecordEntry& last = record.entry[record.shown];
  if (!is_upper_piece(last.moved)) return;
  const double seconds = (own_ == NetSide::SENTE ? clock.gote_ms : clock.sente_ms) / 1000.0;
  if (std::abs(seconds - last.upper_clock_after) < 0.0005) return;
  last.upper_clock_after = seconds;
  clocks_.set_upper_total(seconds);
  clocks_.show_both();
  record_listener_.move_recorded();
}

void NetPlay::resigned(int moves) {
  if (!in_game_) return;
  cut_to(moves);
  clocks_.on_clock_tick();
  if (clocks_.countdown().active() &&
      clocks_.countdown().time_left(peer_game_side(), game_.state.turn_elapsed) <=
          TIME_RAN_OUT_MARGIN) {
    clocks_.lose_on_time(peer_game_side());
    return;
  }
  reporter_.set_status(tr_noop("Status", "相手が投了しました"));
  tell(tr_text("Game", "相手が投了しました"));
  lifecycle_.end_game_early(GameEnd::RESIGNED, winner_of(own_game_side()));
}

void NetPlay::takeback_requested(int moves) {
  const bool accept = messages_.ask_yes_no(
      tr_text("Game", "相手が待ったを求めています。応じますか？"), tr_text("Game", "待った"));
  if (!port_->answer_takeback(accept) || !accept) return;
  cut_to(moves);
  show_turn();
}

void NetPlay::takeback_answered(int moves, bool accepted) {
  takeback_asked_ = false;
  if (accepted) cut_to(moves);
  tell(accepted ? tr_text("Game", "相手が待ったに応じました")
                : tr_text("Game", "相手が待ったを断りました"));
  show_turn();
}

void NetPlay::closed(CloseReason reason, bool by_peer) {
  const bool was_connected = connected_;
  connected_ = false;
  takeback_asked_ = false;
  if (!in_game_ && !was_connected) {
    if (port_->status() != NetStatus::IDLE) return;  // still waiting for a peer
    reporter_.set_status(tr_noop("Status", "相手に接続できませんでした"));
    tell(close_message(reason, by_peer));
    return;
  }
  if (!in_game_) return;
  reporter_.set_status(tr_noop("Status", "接続が切れました"));
  tell(close_message(reason, by_peer));
}

void NetPlay::joins_stopped() { tell(joins_stopped_message()); }

}  // namespace kumora
