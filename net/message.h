// The messages of a game in progress, as the body of a sealed line
// (net/sealed_line.h): words separated by single blanks, numbers in plain
// decimal, position keys as 16 lower-case hex digits. Every message has one
// way of being written, so a body reads back to the same text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "net/net_port.h"

namespace kumora {

// The longest game either side reports (the record's capacity).
constexpr int MAX_GAME_MOVES = 500;

// Keys sent in one line of a game report.
constexpr int KEYS_PER_LINE = 32;

// The largest number of seconds of a time control, and of milliseconds of a clock.
constexpr int MAX_TIME_CONTROL_SECONDS = 359999;
constexpr int MAX_CLOCK_MS = 999999999;

enum class MessageKind {
  SETUP,         // setup SIDE MAIN BYOYOMI INCREMENT: the host's terms, SIDE the joiner's
  GAME,          // game N: the sender's game has N moves; their keys follow
  KEYS,          // keys FIRST K...: the keys after moves FIRST, FIRST+1, ...
  MOVE,          // move FX FY TX TY MOVED PLACED TAKEN KEY
  RESIGN,        // resign N: the sender resigns after N moves
  TAKEBACK,      // takeback N: 待った, back to the position after N moves
  TAKEBACK_YES,  // takeback-yes N
  TAKEBACK_NO,   // takeback-no N
  CLOCK,         // clock SENTE_MS GOTE_MS
  PING,          // ping: keeps the connection alive
  BYE            // bye, or bye REASON: the sender closes (refusing a line for REASON)
};

struct Message {
  MessageKind kind = MessageKind::PING;
  NetSide side = NetSide::SENTE;                    // SETUP
  TimeControl time_control;                         // SETUP
  int count = 0;                                    // GAME, KEYS (the first), RESIGN, TAKEBACK*
  std::array<std::uint64_t, KEYS_PER_LINE> keys{};  // KEYS
  int key_count = 0;                                // KEYS
  NetMove move;                                     // MOVE
  ClockReport clock;                                // CLOCK
  CloseReason reason = CloseReason::PEER;           // BYE
};

// Messages of each kind with their arguments (the others left at their defaults).
Message counted_message(MessageKind kind, int count = 0);
Message setup_message(NetSide joiner_side, const TimeControl& time_control);
Message move_message(const NetMove& move);
Message clock_message(const ClockReport& clock);
Message bye_message(CloseReason reason);

std::string format_body(const Message& message);

// False when `body` is not a message written as format_body writes it, or
// a number is out of its range.
bool parse_body(std::string_view body, Message& message);

}  // namespace kumora
