#include "test_side.h"

namespace kumora {

std::uint64_t key_after(std::uint64_t before, const NetMove& move) {
  std::uint64_t key = before ^ 0x9e3779b97f4a7c15ULL;
  for (int field :
       {move.from_x, move.from_y, move.to_x, move.to_y, move.moved, move.placed, move.taken}) {
    key = (key ^ static_cast<std::uint64_t>(field + 1000)) * 0xbf58476d1ce4e5b9ULL;
    key ^= key >> 31;
  }
  return key;
}

NetMove TestSide::play() {
  const int n = static_cast<int>(keys.size());
  const int sign = n % 2 == 0 ? -1 : 1;
  NetMove move{1 + n % 9, 7, 1 + n % 9, 6, 10 * sign, 10 * sign, 0, 0};
  move.key_after = key_after(last_key(), move);
  keys.push_back(move.key_after);
  return move;
}

const std::string& TestSide::last() const {
  static const std::string nothing = "(nothing)";
  return log.empty() ? nothing : log.back();
}

bool TestSide::is_legal(const NetMove& move) const {
  return move.key_after == key_after(last_key(), move);
}

void TestSide::cut_to(int moves) {
  if (moves < static_cast<int>(keys.size())) keys.resize(static_cast<size_t>(moves));
}

void TestSide::connected(const GameSetup& setup) {
  note_nesting();
  cut_to(setup.common_moves);
  const TimeControl& tc = setup.time_control;
  log.push_back("connected " + std::string(setup.own_side == NetSide::SENTE ? "sente " : "gote ") +
                std::to_string(setup.common_moves) + " " + std::to_string(tc.main_seconds) + "/" +
                std::to_string(tc.byoyomi_seconds) + "/" + std::to_string(tc.increment_seconds));
}

void TestSide::note_nesting() {
  if (moving_) log.push_back("nested");
}

void TestSide::move_received(const NetMove& move) {
  note_nesting();
  keys.push_back(move.key_after);
  log.push_back("move " + std::to_string(move.from_x) + " " + std::to_string(move.from_y) + " " +
                std::to_string(move.to_x) + " " + std::to_string(move.to_y));
  if (!while_moving) return;
  moving_ = true;
  while_moving();
  moving_ = false;
}

void TestSide::resigned(int moves) {
  note_nesting();
  cut_to(moves);
  log.push_back("resigned " + std::to_string(moves));
}

void TestSide::takeback_requested(int moves) {
  note_nesting();
  log.push_back("takeback? " + std::to_string(moves));
  if (!answer_at_once || !port) return;
  port->answer_takeback(answer_takebacks_yes);
  if (answer_takebacks_yes) cut_to(moves);
}

void TestSide::takeback_answered(int moves, bool accepted) {
  note_nesting();
  if (accepted) cut_to(moves);
  log.push_back("takeback " + std::to_string(moves) + (accepted ? " yes" : " no"));
}

void TestSide::clock_received(const ClockReport& clock) {
  note_nesting();
  log.push_back("clock " + std::to_string(clock.sente_ms) + " " + std::to_string(clock.gote_ms));
}

void TestSide::closed(CloseReason reason, bool by_peer) {
  note_nesting();
  log.push_back(std::string("closed ") + (by_peer ? "by peer " : "") + reason_word(reason));
}

void TestSide::joins_stopped() {
  note_nesting();
  log.push_back("joins stopped");
}

}  // namespace kumora
