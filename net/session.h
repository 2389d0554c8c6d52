// One connection's protocol, without sockets: bytes that arrived go in,
// lines to send and the game's events come out. It says hello, proves the
// code and checks the other side's proof, agrees on the game, then checks
// every line that arrives (its length, form, MAC, number, turn, and the
// move by the caller's NetGame) and closes with the reason on the first
// that fails. It keeps the connection alive and times it out when the
// other side falls silent.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "net/byte_budget.h"
#include "net/game_report.h"
#include "net/handshake.h"
#include "net/line_reader.h"
#include "net/net_port.h"
#include "net/play_state.h"

namespace kumora {

// Milliseconds on a steady clock.
using MillisecondClock = std::function<std::int64_t()>;

// The steady clock of the machine.
std::int64_t steady_milliseconds();

struct SessionSettings {
  int idle_timeout_ms = 20000;  // silence after which the other side is given up
  int keepalive_ms = 5000;      // silence after which this side sends a ping
  size_t bytes_per_second = 65536;
  MillisecondClock clock = steady_milliseconds;
};

// What a session needs of its connection.
class SessionLink {
 public:
  virtual ~SessionLink() = default;
  // Sends a line; the link adds the line feed.
  virtual void write_line(const std::string& line) = 0;
  // The other side proved the code.
  virtual void authenticated() = 0;
  // The session ended; the link closes the connection once what was
  // written is sent.
  virtual void finished(CloseReason reason, bool by_peer) = 0;
};

// What the host offers: the side the joiner plays and the time control.
struct HostTerms {
  NetSide joiner_side = NetSide::GOTE;
  TimeControl time_control;
};

class Session {
 public:
  // `terms` matters for the host only; the joiner learns them.
  Session(Role role, std::string code_key, const HostTerms& terms, NetGame& game, NetEvents& events,
          SessionLink& link, const SessionSettings& settings);

  // The connection is open: says hello.
  void start();
  void receive(std::string_view bytes);
  // Checks the silence both ways; call it every few hundred milliseconds.
  void tick();
  // The connection broke under the session.
  void connection_lost();
  // Says goodbye and ends without reporting it.
  void leave();

  bool send_move(const NetMove& move);
  bool resign();
  bool request_takeback(int moves);
  bool answer_takeback(bool accept);
  bool send_clock(const ClockReport& clock);

  bool authenticated() const { return phase_ == Phase::REPORT || phase_ == Phase::PLAYING; }
  bool playing() const { return phase_ == Phase::PLAYING; }
  bool ended() const { return phase_ == Phase::ENDED; }

 private:
  enum class Phase { HELLO, PROOF, REPORT, PLAYING, ENDED };

  void handle_line(std::string_view line);
  void handle_hello(std::string_view line);
  void handle_proof(std::string_view line);
  void handle_sealed(std::string_view line);
  void handle_report(const Message& message);
  void handle_play(const Message& message);
  void handle_peer_move(const NetMove& move);
  void handle_peer_resignation(int moves);
  bool ended_by_refusal(std::string_view line);
  void begin_report();
  void connect_when_agreed();
  void send(const Message& message);
  void write(const std::string& line);
  void refuse(CloseReason reason);
  void end(CloseReason reason, bool by_peer);

  const Role role_;
  const std::string code_key_;
  HostTerms terms_;
  NetGame& game_;
  NetEvents& events_;
  SessionLink& link_;
  const SessionSettings settings_;

  Phase phase_ = Phase::HELLO;
  const std::string own_nonce_;
  std::string peer_nonce_;
  std::string session_key_;
  int sent_lines_ = 0;
  int received_lines_ = 0;
  std::int64_t last_heard_ = 0;
  std::int64_t last_sent_ = 0;
  LineReader reader_;
  ByteBudget budget_;

  std::vector<std::uint64_t> own_keys_;
  GameReportReader report_;
  bool report_done_ = false;
  bool terms_known_ = false;
  PlayState play_;
};

}  // namespace kumora
