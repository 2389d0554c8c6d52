// libFuzzer target: any bytes as what arrives from the other side of a
// network game. The line reader hands out lines without their line feed
// and shorter than MAX_LINE_BYTES, which with their line feeds are exactly
// the bytes read, and stops only where a line is too long. Every line that
// reads as a message, a hello, a proof or a refusal writes back the same;
// no line opens under a key no one sealed it with, and a message sealed
// opens to itself. A session of either side takes the same bytes
// without failing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/handshake.h"
#include "net/line_reader.h"
#include "net/message.h"
#include "net/sealed_line.h"
#include "net/session.h"

namespace {

using namespace kumora;

const std::string KEY(32, 'k');          // the seeds' sealed lines use it
const std::string NO_ONES_KEY(32, 'n');  // no line was sealed with it

void require(bool condition) {
  if (!condition) std::abort();
}

void check_writing(std::string_view line) {
  Message message;
  if (parse_body(line, message)) {
    require(format_body(message) == line);
    const std::string sealed = seal_line(KEY, Role::HOST, 9, line);
    std::string_view body;
    require(open_line(sealed, KEY, Role::HOST, 9, body) == LineCheck::OK && body == line);
  }
  std::string argument;
  if (parse_hello(line, argument) == HelloCheck::OK) require(format_hello(argument) == line);
  if (parse_proof(line, argument)) require(format_proof(argument) == line);
  CloseReason reason;
  if (parse_refusal(line, reason)) require(format_refusal(reason) == line);
  std::string_view body;
  require(open_line(line, NO_ONES_KEY, Role::JOIN, 1, body) != LineCheck::OK);
}

void check_reader(std::string_view bytes) {
  // Arriving in two parts, cut where the first byte says.
  const size_t cut = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % (bytes.size() + 1);
  LineReader reader;
  std::string read;
  const auto take = [&](std::string_view line) {
    require(line.size() < MAX_LINE_BYTES && line.find('\n') == std::string_view::npos);
    read.append(line).append("\n");
    check_writing(line);
    return true;
  };
  LineReader::Result result = reader.add(bytes.substr(0, cut), take);
  if (result == LineReader::Result::WAITING) result = reader.add(bytes.substr(cut), take);
  require(bytes.substr(0, read.size()) == read);
  const std::string_view rest = bytes.substr(read.size());
  const size_t feed = rest.find('\n');
  const size_t unfinished = feed == std::string_view::npos ? rest.size() : feed;
  if (result == LineReader::Result::OVERSIZED) {
    require(unfinished >= MAX_LINE_BYTES);
  } else {
    require(result == LineReader::Result::WAITING);
    require(feed == std::string_view::npos && rest.size() < MAX_LINE_BYTES);
  }
}

class Silent : public NetGame, public NetEvents, public SessionLink {
 public:
  std::vector<std::uint64_t> keys_after_moves() const override { return {}; }
  bool is_legal(const NetMove&) const override { return true; }
  void connected(const GameSetup&) override {}
  void move_received(const NetMove&) override {}
  void resigned(int) override {}
  void takeback_requested(int) override {}
  void takeback_answered(int, bool) override {}
  void clock_received(const ClockReport&) override {}
  void closed(CloseReason, bool) override {}
  void joins_stopped() override {}
  void write_line(const std::string& line) override { require(line.size() < MAX_LINE_BYTES); }
  void authenticated() override {}
  void finished(CloseReason, bool) override {}
};

void check_session(std::string_view bytes, Role role) {
  Silent silent;
  SessionSettings settings;
  settings.clock = [] { return std::int64_t{0}; };
  Session session(role, KEY, HostTerms{}, silent, silent, silent, settings);
  session.start();
  session.receive(bytes);
  session.tick();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check_reader(bytes);
  check_session(bytes, size % 2 == 0 ? Role::HOST : Role::JOIN);
  return 0;
}
