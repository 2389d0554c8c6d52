#include "net/handshake.h"

#include "net/crypto.h"
#include "net/words.h"

namespace kumora {

namespace {

constexpr std::string_view PROGRAM = "kumora";
constexpr std::string_view LABEL = "kumora-net 1 ";
constexpr int MAX_WORDS = 8;

const char* role_word(Role role) { return role == Role::HOST ? "host" : "join"; }

// The two words of a line "NAME ARGUMENT"; false for any other shape.
bool named_argument(std::string_view line, std::string_view name, std::string_view& argument) {
  std::string_view words[2];
  int count = 0;
  if (!split_words(line, words, 2, count) || count != 2 || words[0] != name) return false;
  argument = words[1];
  return true;
}

}  // namespace

std::string format_hello(std::string_view nonce_hex) {
  return "hello " + std::string(PROGRAM) + " " + std::to_string(PROTOCOL_VERSION) + " " +
         std::string(nonce_hex);
}

HelloCheck parse_hello(std::string_view line, std::string& nonce_hex) {
  std::string_view words[MAX_WORDS];
  int count = 0;
  if (!split_words(line, words, MAX_WORDS, count) || count < 3 || words[0] != "hello" ||
      words[1] != PROGRAM) {
    return HelloCheck::MALFORMED;
  }
  if (words[2] != std::to_string(PROTOCOL_VERSION)) return HelloCheck::VERSION;
  if (count != 4 || !is_hex_of_length(words[3], 2 * NONCE_BYTES)) return HelloCheck::MALFORMED;
  nonce_hex = std::string(words[3]);
  return HelloCheck::OK;
}

std::string proof_of(std::string_view code_key, Role prover, std::string_view prover_nonce,
                     std::string_view other_nonce) {
  const std::string message = std::string(LABEL) + "proof " + role_word(prover) + " " +
                              std::string(prover_nonce) + " " + std::string(other_nonce);
  return to_hex(hmac_sha256(code_key, message));
}

std::string format_proof(std::string_view proof_hex) { return "proof " + std::string(proof_hex); }

bool parse_proof(std::string_view line, std::string& proof_hex) {
  std::string_view argument;
  if (!named_argument(line, "proof", argument) || !is_hex_of_length(argument, 2 * MAC_BYTES)) {
    return false;
  }
  proof_hex = std::string(argument);
  return true;
}

std::string format_refusal(CloseReason reason) {
  return std::string("refused ") + reason_word(reason);
}

bool parse_refusal(std::string_view line, CloseReason& reason) {
  std::string_view argument;
  return named_argument(line, "refused", argument) && reason_from_word(argument, reason);
}

std::string session_key(std::string_view code_key, std::string_view host_nonce,
                        std::string_view join_nonce) {
  const std::string message =
      std::string(LABEL) + "session " + std::string(host_nonce) + " " + std::string(join_nonce);
  return hmac_sha256(code_key, message);
}

}  // namespace kumora
