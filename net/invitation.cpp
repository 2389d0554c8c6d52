#include "net/invitation.h"

#include <cctype>

namespace kumora {

namespace {

constexpr std::string_view CODE_PREFIX = "kumo";
constexpr int CODE_GROUPS = 3;
constexpr int GROUP_LETTERS = 4;
constexpr int BITS_PER_LETTER = 5;
constexpr size_t MAX_CODE_LENGTH = 64;
constexpr size_t MAX_HOST_LENGTH = 253;

std::string lower_case(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> blank_separated(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && is_blank(text[i])) ++i;
    size_t end = i;
    while (end < text.size() && !is_blank(text[end])) ++end;
    if (end > i) parts.push_back(text.substr(i, end - i));
    i = end;
  }
  return parts;
}

bool only_characters(std::string_view text, std::string_view allowed) {
  for (char c : text) {
    if (allowed.find(c) == std::string_view::npos) return false;
  }
  return true;
}

bool parse_port(std::string_view digits, int& port) {
  if (digits.empty() || digits.size() > 5 || digits[0] == '0') return false;
  port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    port = port * 10 + (c - '0');
  }
  return port <= 65535;
}

// "host:port" or "[v6]:port", already in lower case.
bool parse_address(std::string_view text, NetAddress& address) {
  std::string_view host;
  std::string_view port;
  if (text.front() == '[') {
    const size_t close = text.find("]:");
    if (close == std::string_view::npos) return false;
    host = text.substr(1, close - 1);
    port = text.substr(close + 2);
    if (!only_characters(host, "0123456789abcdefghijklmnopqrstuvwxyz.:%_-")) return false;
  } else {
    const size_t colon = text.find(':');
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (!only_characters(host, "0123456789abcdefghijklmnopqrstuvwxyz.-")) return false;
  }
  if (host.empty() || host.size() > MAX_HOST_LENGTH || !parse_port(port, address.port)) {
    return false;
  }
  address.host = std::string(host);
  return true;
}

}  // namespace

std::string code_from_bits(std::uint64_t random_bits) {
  std::string code(CODE_PREFIX);
  for (int group = 0; group < CODE_GROUPS; ++group) {
    code += '-';
    for (int letter = 0; letter < GROUP_LETTERS; ++letter) {
      code += CODE_ALPHABET[random_bits & 31];
      random_bits >>= BITS_PER_LETTER;
    }
  }
  return code;
}

std::string canonical_code(std::string_view code) {
  std::string canonical;
  for (const char c : lower_case(code)) {
    if (is_blank(c) || c == '-') continue;
    if (c == 'o') {
      canonical += '0';
    } else if (c == 'i' || c == 'l') {
      canonical += '1';
    } else {
      canonical += c;
    }
  }
  return canonical;
}

std::string format_address(const NetAddress& address) {
  const bool v6 = address.host.find(':') != std::string::npos;
  const std::string host = v6 ? "[" + address.host + "]" : address.host;
  return host + ":" + std::to_string(address.port);
}

std::string format_invitation(const Invitation& invitation) {
  std::string text;
  for (const NetAddress& address : invitation.addresses) text += format_address(address) + " ";
  return text + invitation.code;
}

bool parse_invitation(std::string_view text, Invitation& invitation) {
  Invitation read;
  const std::string lower = lower_case(text);
  for (std::string_view part : blank_separated(lower)) {
    if (part.find(':') == std::string_view::npos) {
      if (!only_characters(part, "0123456789abcdefghijklmnopqrstuvwxyz-")) return false;
      read.code += (read.code.empty() ? "" : "-") + std::string(part);
      continue;
    }
    NetAddress address;
    if (!parse_address(part, address)) return false;
    if (read.addresses.size() < MAX_INVITATION_ADDRESSES) read.addresses.push_back(address);
  }
  if (read.addresses.empty() || read.code.size() > MAX_CODE_LENGTH ||
      canonical_code(read.code).empty()) {
    return false;
  }
  invitation = read;
  return true;
}

}  // namespace kumora
