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
  const GameState& state = s_.game.state;
  return own_ == NetSide::SENTE ? state.SENTE : state.GOTE;
}

Winner NetPlay::winner_of(Side side) const {
  return side == s_.game.state.SENTE ? Winner::SENTE : Winner::GOTE;
}

bool NetPlay::peer_to_move() const { return in_game_ && s_.game.state.turn == peer_game_side(); }

void NetPlay::tell(const std::string& text) { s_.messages.tell(text, tr_text("Game", NET_TITLE)); }

bool NetPlay::may_start_network() {
  if (!port_) return false;
  if (in_game_ && connected_) {
    s_.messages.refuse(tr_text("Game", "ネット対局中です"), tr_text("Game", NET_TITLE));
    return false;
  }
  // A game against the computer ends here: the other side may come while
  // the computer would be thinking.
  if (s_.game.state.vs_com == MODE_COM) s_.flow.reset_game();
  return true;
}

bool NetPlay::host(const HostOptions& options) {
  if (!may_start_network()) return false;
  if (!in_game_) port_->leave();
  if (port_->status() == NetStatus::LISTENING) return true;
  if (!port_->host(options)) {
    s_.messages.refuse(tr_text("Game", "このポートで相手を待てません"), tr_text("Game", NET_TITLE));
    return false;
  }
  s_.reporter.set_status(tr_noop("Status", "相手を待っています"));
  return true;
}

bool NetPlay::join(const Invitation& invitation) {
  if (!may_start_network()) return false;
  port_->leave();
  if (!port_->join(invitation)) {
    s_.messages.refuse(tr_text("Network", "相手に接続できません"), tr_text("Game", NET_TITLE));
    return false;
  }
  s_.reporter.set_status(tr_noop("Status", "相手に接続しています"));
  return true;
}

bool NetPlay::refuses_press() {
  const GameState& state = s_.game.state;
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
  s_.reporter.set_status(why);
  s_.messages.play_forbid();
  return true;
}

void NetPlay::after_press() {
  if (in_game_ && s_.game.kifu.kifu_pos == shared_moves_ && mouse_.selection().select_state == 0) {
    show_turn();
  }
}

void NetPlay::show_turn() {
  const GameState& state = s_.game.state;
  if (!in_game_ || state.turn == NO_GAME) return;
  s_.reporter.set_status(state.turn == own_game_side() ? tr_noop("Status", "あなたの番です")
                                                       : tr_noop("Status", "相手の番です"));
}

bool NetPlay::refuses_leaving() {
  if (in_game_ && connected_) {
    s_.reporter.set_status(tr_noop("Status", "ネット対局中はできません"));
    s_.messages.refuse(tr_text("Game", "ネット対局中です"), tr_text("Game", NET_TITLE));
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
  const Kifu& kifu = s_.game.kifu;
  if (!in_game_ || kifu.kifu_pos != shared_moves_ + 1) return;
  // The board shows this side below: its moves are the lower pieces'.
  if (!is_lower_piece(kifu.entry[kifu.kifu_pos].moved)) return;
  send_last_move();
}

void NetPlay::send_last_move() {
  const Kifu& kifu = s_.game.kifu;
  const std::vector<KifuEntry> moves = network_moves(s_.game);
  const std::vector<std::uint64_t> keys = keys_after(moves);
  if (!port_->send_move(to_net_move(moves.back(), keys.back()))) return;
  shared_moves_ = kifu.kifu_pos;
  const KifuEntry& e = moves.back();
  port_->send_clock({milliseconds(e.lower_clock_after), milliseconds(e.upper_clock_after)});
}

void NetPlay::resign() {
  if (!connected_) {
    s_.reporter.set_status(tr_noop("Status", "接続が切れました"));
    s_.messages.refuse(tr_text("Network", "接続が切れました"), tr_text("Game", NET_TITLE));
    return;
  }
  mouse_.drop_selection();
  s_.drawing.clear_marks();
  s_.reporter.set_status(tr_noop("Status", "投了しました"));
  s_.flow.end_game_early(GameEnd::RESIGNED, winner_of(peer_game_side()));
}

void NetPlay::ended_early(Winner winner) {
  if (winner != winner_of(own_game_side()) && connected_) port_->resign();
}

void NetPlay::game_over(Winner winner) {
  start_.announce_winner(winner);
  s_.game.give_turn_to(NO_GAME);
  mouse_.drop_selection();
  s_.clocks.set_clock_timer(false);
  in_game_ = false;
  takeback_asked_ = false;
}

void NetPlay::request_takeback() {
  const GameState& state = s_.game.state;
  // Back to before this side's last move.
  const int back = state.turn == own_game_side() ? 2 : 1;
  const int moves = s_.game.kifu.kifu_pos - back;
  if (!connected_ || moves < 0 || takeback_asked_ || !port_->request_takeback(moves)) {
    s_.reporter.set_status(connected_ ? tr_noop("Status", "待ったできる手がありません")
                                      : tr_noop("Status", "接続が切れました"));
    s_.messages.play_forbid();
    return;
  }
  takeback_asked_ = true;
  s_.reporter.set_status(tr_noop("Status", "待ったの返事を待っています"));
}

void NetPlay::cut_to(int moves) {
  const int back = s_.game.kifu.kifu_pos - moves;
  if (back > 0) stepping_.take_back(back);
  shared_moves_ = s_.game.kifu.kifu_pos;
}

bool NetPlay::board_game_to_go_on() const {
  const GameState& state = s_.game.state;
  return state.vs_com == MODE_MAN && state.turn != NO_GAME && !state.kifu_mode &&
         !state.handicap_set && moves_before_record(s_.game) + s_.game.kifu.kifu_pos > 0;
}

std::vector<std::uint64_t> NetPlay::keys_after_moves() const {
  if (!in_game_ && !board_game_to_go_on()) return {};
  return keys_after(network_moves(s_.game));
}

bool NetPlay::is_legal(const NetMove& move) const {
  return in_game_ && legal_after(network_moves(s_.game), move);
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
  const std::vector<KifuEntry> moves = network_moves(s_.game);
  start_game(setup);
  const GameState& state = s_.game.state;
  Kifu& kifu = s_.game.kifu;
  for (const KifuEntry& move : moves) {
    const KifuEntry e = network_view(move, s_.game.history.turned);
    kifu.entry[++kifu.kifu_pos] = e;
    s_.game.redo(e);
  }
  kifu.kifu_len = kifu.kifu_pos;
  s_.game.set_move_count(kifu.kifu_pos);
  s_.game.give_turn_to(kifu.kifu_pos % 2 == 0 ? state.SENTE : state.GOTE);
  shared_moves_ = kifu.kifu_pos;
  s_.flow.redraw_all();
  s_.flow.redraw_game_texts();
  resume_game(setup.common_moves);
  s_.flow.move_recorded();
}

void NetPlay::start_game(const GameSetup& setup) {
  s_.flow.reset_game();
  own_ = setup.own_side;
  in_game_ = true;
  shared_moves_ = 0;
  s_.game.play_against(MODE_MAN);
  s_.game.seat(own_game_side());
  s_.game.give_turn_to(s_.game.state.SENTE);
  s_.game.time_control = setup.time_control;
  // The game is kept and listed as the network sees it, 先手 below.
  s_.game.history.turned = s_.game.history.sides_as_shown = own_ == NetSide::GOTE;
  s_.flow.redraw_all();
  s_.clocks.begin_countdown();
  s_.clocks.restart_turn_clock();
  tell(own_ == NetSide::SENTE ? tr_text("Game", "ネット対局を始めます。あなたは先手です")
                              : tr_text("Game", "ネット対局を始めます。あなたは後手です"));
  show_turn();
}

void NetPlay::resume_game(int common_moves) {
  cut_to(common_moves);
  s_.clocks.restart_turn_clock();
  show_turn();
}

void NetPlay::move_received(const NetMove& move) {
  const KifuEntry e = network_view(to_entry(move), s_.game.history.turned);
  shared_moves_ += 1;  // before it is played: it is not sent back
  s_.clocks.on_clock_tick();
  mouse_.play_decided_move(e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed);
  show_turn();
}

void NetPlay::clock_received(const ClockReport& clock) {
  // The other side's clock as it measured it; this side's stays its own.
  Kifu& kifu = s_.game.kifu;
  if (!in_game_ || kifu.kifu_pos < 1) return;
  KifuEntry& last = kifu.entry[kifu.kifu_pos];
  if (!is_upper_piece(last.moved)) return;
  const double seconds = (own_ == NetSide::SENTE ? clock.gote_ms : clock.sente_ms) / 1000.0;
  if (std::abs(seconds - last.upper_clock_after) < 0.0005) return;
  last.upper_clock_after = seconds;
  s_.clocks.set_upper_total(seconds);
  s_.clocks.show_both();
  s_.flow.move_recorded();
}

void NetPlay::resigned(int moves) {
  if (!in_game_) return;
  cut_to(moves);
  s_.clocks.on_clock_tick();
  if (s_.clocks.countdown().active() &&
      s_.clocks.countdown().time_left(peer_game_side(), s_.game.state.turn_elapsed) <=
          TIME_RAN_OUT_MARGIN) {
    s_.clocks.lose_on_time(peer_game_side());
    return;
  }
  s_.reporter.set_status(tr_noop("Status", "相手が投了しました"));
  tell(tr_text("Game", "相手が投了しました"));
  s_.flow.end_game_early(GameEnd::RESIGNED, winner_of(own_game_side()));
}

void NetPlay::takeback_requested(int moves) {
  const bool accept = s_.messages.ask_yes_no(
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
    s_.reporter.set_status(tr_noop("Status", "相手に接続できませんでした"));
    tell(close_message(reason, by_peer));
    return;
  }
  if (!in_game_) return;
  s_.reporter.set_status(tr_noop("Status", "接続が切れました"));
  tell(close_message(reason, by_peer));
}

void NetPlay::joins_stopped() { tell(joins_stopped_message()); }

}  // namespace kumora
