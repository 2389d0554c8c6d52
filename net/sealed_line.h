// A line of a connection after the proofs: its number, the message and an
// HMAC-SHA256 under the session key of the sender's role, the number and
// the message. Each side numbers its lines 1, 2, 3, ... so that a line
// replayed, dropped or moved is found.
//   SEQ BODY MAC
#pragma once

#include <string>
#include <string_view>

#include "net/handshake.h"

namespace kumora {

// The largest line number; a connection that reaches it is closed.
constexpr int MAX_SEQUENCE = 999999999;

std::string seal_line(std::string_view session_key, Role sender, int sequence,
                      std::string_view body);

enum class LineCheck { OK, MALFORMED, MAC, REPLAY, SEQUENCE };

// Checks a line `sender` sealed, that should be number `expected`: its
// shape, then its MAC, then its number. On OK, `body` is the message.
LineCheck open_line(std::string_view line, std::string_view session_key, Role sender, int expected,
                    std::string_view& body);

}  // namespace kumora
