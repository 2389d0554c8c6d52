// The cryptography of the protocol, from Qt Core: randomness from the
// system's source, HMAC-SHA256, and a comparison whose time does not depend
// on where two codes differ. Byte strings are std::string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kumora {

constexpr size_t MAC_BYTES = 32;

// `count` bytes from the system's cryptographic random source.
std::string random_bytes(size_t count);
std::uint64_t random_number();

// HMAC-SHA256 of `message` under `key`: MAC_BYTES bytes.
std::string hmac_sha256(std::string_view key, std::string_view message);

// Lower-case hex of the bytes, two digits each.
std::string to_hex(std::string_view bytes);

// Whether a and b hold the same bytes, looking at every byte whatever the
// first difference.
bool equal_in_constant_time(std::string_view a, std::string_view b);

}  // namespace kumora
