#include "net/line_reader.h"

namespace kumora {

LineReader::Result LineReader::add(std::string_view bytes, const Taker& take) {
  while (!oversized_ && !bytes.empty()) {
    const size_t feed = bytes.find('\n');
    const size_t length =
        unfinished_.size() + (feed == std::string_view::npos ? bytes.size() : feed);
    if (length + 1 > MAX_LINE_BYTES) {
      oversized_ = true;
      break;
    }
    if (feed == std::string_view::npos) {
      unfinished_.append(bytes);
      return Result::WAITING;
    }
    std::string_view line = bytes.substr(0, feed);
    if (!unfinished_.empty()) line = unfinished_.append(line);
    bytes.remove_prefix(feed + 1);
    const bool go_on = take(line);
    unfinished_.clear();
    if (!go_on) return Result::STOPPED;
  }
  return oversized_ ? Result::OVERSIZED : Result::WAITING;
}

}  // namespace kumora
