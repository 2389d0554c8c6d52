#include "net/session.h"

#include <chrono>

#include "net/crypto.h"
#include "net/sealed_line.h"

namespace kumora {

std::int64_t steady_milliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Session::Session(Role role, std::string code_key, const HostTerms& terms, NetGame& game,
                 NetEvents& events, SessionLink& link, const SessionSettings& settings)
    : role_(role),
      code_key_(std::move(code_key)),
      terms_(terms),
      game_(game),
      events_(events),
      link_(link),
      settings_(settings),
      own_nonce_(to_hex(random_bytes(NONCE_BYTES))),
      budget_(settings.bytes_per_second) {}

void Session::start() {
  last_heard_ = settings_.clock();
  write(format_hello(own_nonce_));
}

void Session::receive(std::string_view bytes) {
  if (ended()) return;
  const std::int64_t now = settings_.clock();
  if (!budget_.spend(bytes.size(), now)) return refuse(CloseReason::FLOOD);
  const LineReader::Result result = reader_.add(bytes, [&](std::string_view line) {
    last_heard_ = now;
    handle_line(line);
    return !ended();
  });
  if (result == LineReader::Result::OVERSIZED && !ended()) refuse(CloseReason::OVERSIZED);
}

void Session::tick() {
  if (ended()) return;
  const std::int64_t now = settings_.clock();
  if (now - last_heard_ >= settings_.idle_timeout_ms) return refuse(CloseReason::TIMEOUT);
  if (authenticated() && now - last_sent_ >= settings_.keepalive_ms)
    send(counted_message(MessageKind::PING));
}

void Session::connection_lost() {
  if (!ended()) end(CloseReason::LOST, false);
}

void Session::leave() {
  if (authenticated()) send(bye_message(CloseReason::PEER));
  phase_ = Phase::ENDED;
}

// ---- lines that arrive ----------------------------------------------------

void Session::handle_line(std::string_view line) {
  switch (phase_) {
    case Phase::HELLO:
      return handle_hello(line);
    case Phase::PROOF:
      return handle_proof(line);
    case Phase::REPORT:
    case Phase::PLAYING:
      return handle_sealed(line);
    case Phase::ENDED:
      return;
  }
}

// Before the proofs the host may refuse the joiner in a line of its own.
bool Session::ended_by_refusal(std::string_view line) {
  CloseReason reason;
  if (!parse_refusal(line, reason)) return false;
  end(reason, true);
  return true;
}

void Session::handle_hello(std::string_view line) {
  if (ended_by_refusal(line)) return;
  switch (parse_hello(line, peer_nonce_)) {
    case HelloCheck::MALFORMED:
      return refuse(CloseReason::MALFORMED);
    case HelloCheck::VERSION:
      return refuse(CloseReason::VERSION);
    case HelloCheck::OK:
      break;
  }
  phase_ = Phase::PROOF;
  // The joiner proves first, so that the host's proof goes only to a side
  // that knows the code.
  if (role_ == Role::JOIN) write(format_proof(proof_of(code_key_, role_, own_nonce_, peer_nonce_)));
}

void Session::handle_proof(std::string_view line) {
  if (ended_by_refusal(line)) return;
  std::string proof;
  if (!parse_proof(line, proof)) return refuse(CloseReason::MALFORMED);
  const std::string expected = proof_of(code_key_, other_role(role_), peer_nonce_, own_nonce_);
  if (!equal_in_constant_time(proof, expected)) return refuse(CloseReason::CODE);
  if (role_ == Role::HOST) write(format_proof(proof_of(code_key_, role_, own_nonce_, peer_nonce_)));
  const bool host = role_ == Role::HOST;
  session_key_ =
      session_key(code_key_, host ? own_nonce_ : peer_nonce_, host ? peer_nonce_ : own_nonce_);
  phase_ = Phase::REPORT;
  link_.authenticated();
  begin_report();
}

void Session::handle_sealed(std::string_view line) {
  std::string_view body;
  switch (open_line(line, session_key_, other_role(role_), received_lines_ + 1, body)) {
    case LineCheck::MALFORMED:
      return refuse(CloseReason::MALFORMED);
    case LineCheck::MAC:
      return refuse(CloseReason::MAC);
    case LineCheck::REPLAY:
      return refuse(CloseReason::REPLAY);
    case LineCheck::SEQUENCE:
      return refuse(CloseReason::SEQUENCE);
    case LineCheck::OK:
      break;
  }
  ++received_lines_;
  Message message;
  if (!parse_body(body, message)) return refuse(CloseReason::MALFORMED);
  if (message.kind == MessageKind::PING) return;
  if (message.kind == MessageKind::BYE) return end(message.reason, true);
  if (phase_ == Phase::REPORT) return handle_report(message);
  handle_play(message);
}

// ---- agreeing on the game -------------------------------------------------

void Session::begin_report() {
  own_keys_ = game_.keys_after_moves();
  if (role_ == Role::HOST) {
    send(setup_message(terms_.joiner_side, terms_.time_control));
  }
  for (const Message& line : game_report(own_keys_)) send(line);
}

void Session::handle_report(const Message& message) {
  if (message.kind == MessageKind::MOVE) return refuse(CloseReason::TURN);
  if (message.kind == MessageKind::SETUP) {
    if (role_ != Role::JOIN || terms_known_) return refuse(CloseReason::MALFORMED);
    terms_ = HostTerms{message.side, message.time_control};
    terms_known_ = true;
    return connect_when_agreed();
  }
  switch (report_.take(message)) {
    case GameReportReader::Step::WRONG:
      return refuse(CloseReason::MALFORMED);
    case GameReportReader::Step::DONE:
      report_done_ = true;
      return connect_when_agreed();
    case GameReportReader::Step::MORE:
      return;
  }
}

void Session::connect_when_agreed() {
  if (!report_done_ || (role_ == Role::JOIN && !terms_known_)) return;
  const NetSide own_side =
      role_ == Role::HOST ? other_side(terms_.joiner_side) : terms_.joiner_side;
  const int common = common_moves(own_keys_, report_.keys());
  play_.start(own_side, common);
  phase_ = Phase::PLAYING;
  events_.connected(GameSetup{own_side, terms_.time_control, common});
}

// ---- the game -------------------------------------------------------------

void Session::handle_play(const Message& message) {
  const int moves = message.count;
  switch (message.kind) {
    case MessageKind::MOVE:
      return handle_peer_move(message.move);
    case MessageKind::RESIGN:
      return handle_peer_resignation(moves);
    case MessageKind::TAKEBACK:
      if (!play_.peer_may_request(moves)) return refuse(CloseReason::ILLEGAL);
      play_.take_peer_request(moves);
      return events_.takeback_requested(moves);
    case MessageKind::TAKEBACK_YES:
    case MessageKind::TAKEBACK_NO: {
      if (!play_.peer_may_answer(moves)) return refuse(CloseReason::ILLEGAL);
      const bool accepted = message.kind == MessageKind::TAKEBACK_YES;
      play_.take_peer_answer(accepted);
      return events_.takeback_answered(moves, accepted);
    }
    case MessageKind::CLOCK:
      return events_.clock_received(message.clock);
    default:  // the report's lines, a second time
      return refuse(CloseReason::MALFORMED);
  }
}

void Session::handle_peer_move(const NetMove& move) {
  CloseReason reason;
  switch (play_.check_peer_move(reason)) {
    case PlayState::Verdict::IGNORE:
      return;
    case PlayState::Verdict::REFUSE:
      return refuse(reason);
    case PlayState::Verdict::TAKE:
      break;
  }
  if (!game_.is_legal(move)) return refuse(CloseReason::ILLEGAL);
  play_.take_peer_move();
  events_.move_received(move);
}

void Session::handle_peer_resignation(int moves) {
  switch (play_.check_peer_resignation(moves)) {
    case PlayState::Verdict::IGNORE:
      return;
    case PlayState::Verdict::REFUSE:
      return refuse(CloseReason::ILLEGAL);
    case PlayState::Verdict::TAKE:
      break;
  }
  play_.take_peer_resignation(moves);
  events_.resigned(moves);
}

// ---- what this side sends -------------------------------------------------

bool Session::send_move(const NetMove& move) {
  if (!playing() || !play_.may_move()) return false;
  send(move_message(move));
  play_.moved();
  return true;
}

bool Session::resign() {
  if (!playing() || !play_.may_resign()) return false;
  send(counted_message(MessageKind::RESIGN, play_.moves()));
  play_.resigned();
  return true;
}

bool Session::request_takeback(int moves) {
  if (!playing() || !play_.may_request(moves)) return false;
  send(counted_message(MessageKind::TAKEBACK, moves));
  play_.requested(moves);
  return true;
}

bool Session::answer_takeback(bool accept) {
  if (!playing() || !play_.may_answer()) return false;
  send(counted_message(accept ? MessageKind::TAKEBACK_YES : MessageKind::TAKEBACK_NO,
                       play_.peer_request()));
  play_.answered(accept);
  return true;
}

bool Session::send_clock(const ClockReport& clock) {
  if (!playing()) return false;
  send(clock_message(clock));
  return true;
}

void Session::send(const Message& message) {
  if (sent_lines_ == MAX_SEQUENCE) return end(CloseReason::LOST, false);
  write(seal_line(session_key_, role_, ++sent_lines_, format_body(message)));
}

void Session::write(const std::string& line) {
  last_sent_ = settings_.clock();
  link_.write_line(line);
}

void Session::refuse(CloseReason reason) {
  if (authenticated()) {
    send(bye_message(reason));
  } else {
    write(format_refusal(reason));
  }
  end(reason, false);
}

void Session::end(CloseReason reason, bool by_peer) {
  phase_ = Phase::ENDED;
  link_.finished(reason, by_peer);
}

}  // namespace kumora
