#include "net/handshake.h"

#include <gtest/gtest.h>

#include <vector>

#include "net/crypto.h"
#include "net/sealed_line.h"

namespace kumora {
namespace {

const std::string KEY = std::string(32, 'k');
const std::string HOST_NONCE = std::string(32, 'a');
const std::string JOIN_NONCE = std::string(32, 'b');

TEST(Handshake, HelloNamesTheVersion) {
  std::string nonce;
  EXPECT_EQ(parse_hello(format_hello(HOST_NONCE), nonce), HelloCheck::OK);
  EXPECT_EQ(nonce, HOST_NONCE);
  EXPECT_EQ(parse_hello("hello kumora 2 " + HOST_NONCE, nonce), HelloCheck::VERSION);
  EXPECT_EQ(parse_hello("hello kumora 2 and more words", nonce), HelloCheck::VERSION);
  for (const std::string& line : std::vector<std::string>{
           "hello kumora 1", "hello kumora 1 abc", "hello chess 1 " + HOST_NONCE,
           "HELLO kumora 1 " + HOST_NONCE, "proof " + HOST_NONCE, ""}) {
    EXPECT_EQ(parse_hello(line, nonce), HelloCheck::MALFORMED) << line;
  }
}

TEST(Handshake, AProofHoldsOnlyForItsKeyRoleAndNonces) {
  const std::string proof = proof_of(KEY, Role::JOIN, JOIN_NONCE, HOST_NONCE);
  EXPECT_EQ(proof.size(), 2 * MAC_BYTES);
  EXPECT_EQ(proof, proof_of(KEY, Role::JOIN, JOIN_NONCE, HOST_NONCE));
  EXPECT_NE(proof, proof_of(KEY, Role::HOST, JOIN_NONCE, HOST_NONCE));  // no reflection
  EXPECT_NE(proof, proof_of(KEY, Role::JOIN, HOST_NONCE, JOIN_NONCE));
  EXPECT_NE(proof, proof_of(std::string(32, 'K'), Role::JOIN, JOIN_NONCE, HOST_NONCE));
  std::string read;
  ASSERT_TRUE(parse_proof(format_proof(proof), read));
  EXPECT_EQ(read, proof);
  EXPECT_FALSE(parse_proof("proof " + proof.substr(1), read));
  EXPECT_NE(session_key(KEY, HOST_NONCE, JOIN_NONCE), session_key(KEY, JOIN_NONCE, HOST_NONCE));
}

TEST(Handshake, ConstantTimeComparisonStillCompares) {
  EXPECT_TRUE(equal_in_constant_time("abc", "abc"));
  EXPECT_FALSE(equal_in_constant_time("abc", "abd"));
  EXPECT_FALSE(equal_in_constant_time("xbc", "abc"));
  EXPECT_FALSE(equal_in_constant_time("abc", "abcd"));
}

TEST(SealedLine, OpensOnlyWithItsKeyRoleAndNumber) {
  const std::string line = seal_line(KEY, Role::HOST, 7, "move 7 7 7 6 -10 -10 0 0000000000000001");
  EXPECT_EQ(line.substr(0, 7), "7 move ");
  std::string_view body;
  ASSERT_EQ(open_line(line, KEY, Role::HOST, 7, body), LineCheck::OK);
  EXPECT_EQ(body, "move 7 7 7 6 -10 -10 0 0000000000000001");
  EXPECT_EQ(open_line(line, KEY, Role::JOIN, 7, body), LineCheck::MAC);
  EXPECT_EQ(open_line(line, std::string(32, 'x'), Role::HOST, 7, body), LineCheck::MAC);
  EXPECT_EQ(open_line(line, KEY, Role::HOST, 8, body), LineCheck::REPLAY);
  EXPECT_EQ(open_line(line, KEY, Role::HOST, 6, body), LineCheck::SEQUENCE);
  std::string changed = line;
  changed[2] = 'n';  // "mnve": the MAC covers the message
  EXPECT_EQ(open_line(changed, KEY, Role::HOST, 7, body), LineCheck::MAC);
  changed = line;
  changed[0] = '8';  // and the number
  EXPECT_EQ(open_line(changed, KEY, Role::HOST, 8, body), LineCheck::MAC);
}

TEST(SealedLine, RefusesLinesOfAnotherShape) {
  const std::string mac(64, 'a');
  std::string_view body;
  for (const std::string& line : std::vector<std::string>{
           "ping", "1 " + mac, "1  " + mac, "x ping " + mac, "01 ping " + mac, "0 ping " + mac,
           "1 ping " + mac.substr(1), "1 ping " + std::string(64, 'A')}) {
    EXPECT_EQ(open_line(line, KEY, Role::HOST, 1, body), LineCheck::MALFORMED) << line;
  }
}

}  // namespace
}  // namespace kumora
