#include "net/game_report.h"

#include <algorithm>

namespace kumora {

int common_moves(const std::vector<std::uint64_t>& ours, const std::vector<std::uint64_t>& theirs) {
  const auto first_difference =
      std::mismatch(ours.begin(), ours.end(), theirs.begin(), theirs.end());
  return static_cast<int>(first_difference.first - ours.begin());
}

std::vector<Message> game_report(const std::vector<std::uint64_t>& keys) {
  const int count = std::min(static_cast<int>(keys.size()), MAX_GAME_MOVES);
  std::vector<Message> report{counted_message(MessageKind::GAME, count)};
  for (int first = 0; first < count; first += KEYS_PER_LINE) {
    Message line = counted_message(MessageKind::KEYS, first + 1);
    line.key_count = std::min(KEYS_PER_LINE, count - first);
    std::copy_n(keys.begin() + first, line.key_count, line.keys.begin());
    report.push_back(line);
  }
  return report;
}

GameReportReader::Step GameReportReader::take(const Message& message) {
  const int have = static_cast<int>(keys_.size());
  if (message.kind == MessageKind::GAME && announced_ < 0) {
    announced_ = message.count;
    keys_.reserve(static_cast<size_t>(announced_));
  } else if (message.kind == MessageKind::KEYS && announced_ >= 0 && message.count == have + 1 &&
             message.key_count <= announced_ - have) {
    keys_.insert(keys_.end(), message.keys.begin(), message.keys.begin() + message.key_count);
  } else {
    return Step::WRONG;
  }
  return static_cast<int>(keys_.size()) == announced_ ? Step::DONE : Step::MORE;
}

}  // namespace kumora
