// Why a connection ended or a join was refused, as one word on the wire and
// in transcripts, and as a message for the person.
#pragma once

#include <string>
#include <string_view>

namespace kumora {

enum class CloseReason {
  CODE,         // the game code was not proven
  MALFORMED,    // a line not in the protocol's form, or not in its place
  OVERSIZED,    // a line longer than MAX_LINE_BYTES
  MAC,          // a line whose authentication code is wrong
  SEQUENCE,     // a line that skipped ahead of the next number
  REPLAY,       // a line with a number already used
  TURN,         // a move out of turn
  ILLEGAL,      // a move the rules refuse, or a request that cannot be made
  TIMEOUT,      // nothing heard for too long
  FLOOD,        // more bytes a second than allowed
  PEER,         // the other side said goodbye
  VERSION,      // the other side speaks another version of the protocol
  LOST,         // the connection broke
  UNREACHABLE,  // no address of the invitation answered
};

// "code", "malformed", ... as written on the wire and in transcripts.
const char* reason_word(CloseReason reason);

// The reason of a word; false for a word that names none.
bool reason_from_word(std::string_view word, CloseReason& reason);

// What the person is told, in the chosen language: what this side found
// wrong, or, `by_peer`, that the other side ended the connection and why.
std::string close_message(CloseReason reason, bool by_peer);

// What the host says when it stops taking joins after wrong codes.
std::string joins_stopped_message();

}  // namespace kumora
