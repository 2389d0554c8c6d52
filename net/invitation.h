// The invitation a host passes on, as one line a person can copy, paste or
// read aloud: the host's addresses with the port, then the game code.
//   192.168.1.20:47001 [fd00::5]:47001 kumo-7f3k-q9xd-2mpa
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kumora {

struct NetAddress {
  std::string host;  // IPv4 dotted, IPv6 without brackets, or a host name
  int port = 0;
  bool operator==(const NetAddress&) const = default;
};

struct Invitation {
  std::vector<NetAddress> addresses;
  std::string code;
  bool operator==(const Invitation&) const = default;
};

// The letters of a new code: digits and lower-case letters without i, l, o
// and u, so that none is mistaken for another when read aloud or copied.
constexpr std::string_view CODE_ALPHABET = "0123456789abcdefghjkmnpqrstvwxyz";

// The bits of randomness a new code carries.
constexpr int CODE_BITS = 60;

// At most this many addresses are read from an invitation.
constexpr int MAX_INVITATION_ADDRESSES = 16;

// "kumo-" and three groups of four letters of CODE_ALPHABET, from the low
// CODE_BITS bits of `random_bits`.
std::string code_from_bits(std::uint64_t random_bits);

// The code as both sides key it, so that case, blanks, hyphens and the
// letters a reader confuses (o for 0, i and l for 1) do not matter.
std::string canonical_code(std::string_view code);

// The address as written in an invitation: "host:port", "[v6]:port".
std::string format_address(const NetAddress& address);

std::string format_invitation(const Invitation& invitation);

// Reads an invitation as a person pastes it: any blanks between the parts,
// upper or lower case, the code possibly split by blanks. False when no
// address or no code is found, or a part is neither.
bool parse_invitation(std::string_view text, Invitation& invitation);

}  // namespace kumora
