// The key both sides derive from the game code, before anything is sent:
// PBKDF2 with HMAC-SHA256 over the code as canonical_code writes it, so
// that someone who saw a whole exchange must spend thousands of hashes on
// every code they guess.
#pragma once

#include <string>
#include <string_view>

namespace kumora {

constexpr int CODE_KEY_ITERATIONS = 4096;

// MAC_BYTES bytes.
std::string code_key(std::string_view code);

}  // namespace kumora
