// The lines before the game: each side says hello with a fresh random
// nonce, then the joiner and after it the host prove that they know the
// game code by an HMAC of both nonces under the code's key (net/code_key.h).
// The code itself never travels. Both then key every later line with the
// session key, fresh for each connection.
//   hello kumora 1 NONCE     NONCE: 32 hex digits
//   proof MAC                MAC: 64 hex digits
//   refused REASON           the host closes before the game (a wrong code)
#pragma once

#include <string>
#include <string_view>

#include "net/close_reason.h"

namespace kumora {

constexpr int PROTOCOL_VERSION = 1;
constexpr size_t NONCE_BYTES = 16;

enum class Role { HOST, JOIN };

inline Role other_role(Role role) { return role == Role::HOST ? Role::JOIN : Role::HOST; }

std::string format_hello(std::string_view nonce_hex);

enum class HelloCheck { OK, MALFORMED, VERSION };

// A hello of this version gives its nonce; one naming another version of
// this protocol gives VERSION; anything else MALFORMED.
HelloCheck parse_hello(std::string_view line, std::string& nonce_hex);

// The proof the side `prover` gives, hex.
std::string proof_of(std::string_view code_key, Role prover, std::string_view prover_nonce,
                     std::string_view other_nonce);
std::string format_proof(std::string_view proof_hex);
bool parse_proof(std::string_view line, std::string& proof_hex);

std::string format_refusal(CloseReason reason);
bool parse_refusal(std::string_view line, CloseReason& reason);

// The key of every later line of this connection.
std::string session_key(std::string_view code_key, std::string_view host_nonce,
                        std::string_view join_nonce);

}  // namespace kumora
