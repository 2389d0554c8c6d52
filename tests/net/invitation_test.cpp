#include "net/invitation.h"

#include <gtest/gtest.h>

#include <set>

#include "net/code_key.h"

namespace kumora {
namespace {

TEST(Invitation, CodesCarrySixtyBitsInLettersThatReadAloud) {
  EXPECT_EQ(code_from_bits(0), "kumo-0000-0000-0000");
  EXPECT_EQ(code_from_bits(~0ULL), "kumo-zzzz-zzzz-zzzz");
  std::set<std::string> codes;
  for (int bit = 0; bit < CODE_BITS; ++bit) codes.insert(code_from_bits(1ULL << bit));
  EXPECT_EQ(codes.size(), static_cast<size_t>(CODE_BITS));  // every bit shows
  const std::string code = code_from_bits(0x0123456789abcdefULL);
  EXPECT_EQ(code.substr(0, 5), "kumo-");
  for (char c : code.substr(5)) {
    EXPECT_TRUE(c == '-' || CODE_ALPHABET.find(c) != std::string_view::npos);
    EXPECT_EQ(std::string("ilou").find(c), std::string::npos);
  }
}

TEST(Invitation, CodesAreKeyedWhateverTheirWriting) {
  EXPECT_EQ(canonical_code("KUMO-7F3K-Q9XD-2MPA"), canonical_code("kumo 7f3k q9xd 2mpa"));
  EXPECT_EQ(canonical_code("kumo-10ab"), canonical_code("kuMO-LOab"));
  EXPECT_EQ(canonical_code("kumo-i0ab"), canonical_code("kumo-10ab"));
  EXPECT_NE(canonical_code("kumo-10ab"), canonical_code("kumo-10ac"));
  EXPECT_EQ(code_key("Kumo-7F3K q9xd"), code_key("kumo-7f3k-q9xd"));
  EXPECT_NE(code_key("kumo-7f3k-q9xd"), code_key("kumo-7f3k-q9xe"));
}

TEST(Invitation, WrittenAndReadBack) {
  const Invitation invitation{{{"192.168.1.20", 47001}, {"fd00::5", 47001}}, "kumo-7f3k-q9xd-2mpa"};
  const std::string text = format_invitation(invitation);
  EXPECT_EQ(text, "192.168.1.20:47001 [fd00::5]:47001 kumo-7f3k-q9xd-2mpa");
  Invitation read;
  ASSERT_TRUE(parse_invitation(text, read));
  EXPECT_EQ(read, invitation);
}

TEST(Invitation, ReadAsAPersonPastesIt) {
  Invitation read;
  ASSERT_TRUE(parse_invitation("  \t192.168.1.20:47001\r\n  KUMO-7F3K-Q9XD-2MPA \n", read));
  EXPECT_EQ(read.addresses, (std::vector<NetAddress>{{"192.168.1.20", 47001}}));
  EXPECT_EQ(read.code, "kumo-7f3k-q9xd-2mpa");
  ASSERT_TRUE(parse_invitation("[FD00::5]:9 Game.Example.org:80 kumo 7f3k q9xd", read));
  EXPECT_EQ(read.addresses, (std::vector<NetAddress>{{"fd00::5", 9}, {"game.example.org", 80}}));
  EXPECT_EQ(read.code, "kumo-7f3k-q9xd");
}

TEST(Invitation, RefusesWhatIsNoInvitation) {
  Invitation read;
  for (const char* text : {"", "kumo-7f3k-q9xd", "192.168.1.20:47001", "192.168.1.20 kumo-7f3k",
                           "1.2.3.4:0 kumo-7f3k", "1.2.3.4:65536 kumo-7f3k", "1.2.3.4:08 kumo",
                           "fd00::5:47001 kumo-7f3k", "[fd00::5]47001 kumo", "[]:80 kumo",
                           "1.2.3.4:80 kumo_7f3k", "1.2.3.4:80 ---", "1.2.3.4:80 kumo/1"}) {
    EXPECT_FALSE(parse_invitation(text, read)) << text;
  }
}

}  // namespace
}  // namespace kumora
