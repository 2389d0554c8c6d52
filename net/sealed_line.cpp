#include "net/sealed_line.h"

#include "net/crypto.h"
#include "net/words.h"

namespace kumora {

namespace {

constexpr size_t MAC_HEX = 2 * MAC_BYTES;

std::string mac_hex(std::string_view session_key, Role sender, std::string_view numbered_body) {
  const std::string message =
      (sender == Role::HOST ? "host " : "join ") + std::string(numbered_body);
  return to_hex(hmac_sha256(session_key, message));
}

}  // namespace

std::string seal_line(std::string_view session_key, Role sender, int sequence,
                      std::string_view body) {
  const std::string numbered_body = std::to_string(sequence) + " " + std::string(body);
  return numbered_body + " " + mac_hex(session_key, sender, numbered_body);
}

LineCheck open_line(std::string_view line, std::string_view session_key, Role sender, int expected,
                    std::string_view& body) {
  const size_t first_blank = line.find(' ');
  const size_t last_blank = line.rfind(' ');
  if (first_blank == std::string_view::npos || last_blank <= first_blank + 1) {
    return LineCheck::MALFORMED;
  }
  const std::string_view numbered_body = line.substr(0, last_blank);
  const std::string_view mac = line.substr(last_blank + 1);
  int sequence = 0;
  if (!parse_number(line.substr(0, first_blank), 1, MAX_SEQUENCE, sequence) ||
      !is_hex_of_length(mac, MAC_HEX)) {
    return LineCheck::MALFORMED;
  }
  if (!equal_in_constant_time(mac, mac_hex(session_key, sender, numbered_body))) {
    return LineCheck::MAC;
  }
  if (sequence < expected) return LineCheck::REPLAY;
  if (sequence > expected) return LineCheck::SEQUENCE;
  body = line.substr(first_blank + 1, last_blank - first_blank - 1);
  return LineCheck::OK;
}

}  // namespace kumora
