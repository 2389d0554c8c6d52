// Cuts the bytes that arrive into lines. A line ends with a line feed and is
// at most MAX_LINE_BYTES long, the line feed included. The reader keeps only
// the start of an unfinished line, so it never holds more than one line,
// whatever arrives.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kumora {

constexpr size_t MAX_LINE_BYTES = 1024;

class LineReader {
 public:
  enum class Result {
    WAITING,   // every whole line was taken; the rest waits for its line feed
    STOPPED,   // the taker asked to stop (the rest is dropped)
    OVERSIZED  // a line is longer than MAX_LINE_BYTES; the reader takes nothing more
  };
  using Taker = std::function<bool(std::string_view line)>;

  // Hands each whole line, without its line feed, to `take` in order, the
  // start kept from earlier bytes first; `take` answers false to stop.
  Result add(std::string_view bytes, const Taker& take);

 private:
  std::string unfinished_;
  bool oversized_ = false;
};

}  // namespace kumora
