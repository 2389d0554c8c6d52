// Passes every event on to the receiver and counts it, so that a caller
// without an event loop of its own (the scenario runner, tests) can wait
// for the next one.
#pragma once

#include <functional>

#include "net/net_port.h"

namespace kumora {

class CountedEvents : public NetEvents {
 public:
  explicit CountedEvents(NetEvents& receiver) : receiver_(receiver) {}

  long count() const { return count_; }
  // Called after each event has been passed on.
  std::function<void()> after_event;

  void connected(const GameSetup& setup) override {
    pass([&] { receiver_.connected(setup); });
  }
  void move_received(const NetMove& move) override {
    pass([&] { receiver_.move_received(move); });
  }
  void resigned(int moves) override {
    pass([&] { receiver_.resigned(moves); });
  }
  void takeback_requested(int moves) override {
    pass([&] { receiver_.takeback_requested(moves); });
  }
  void takeback_answered(int moves, bool accepted) override {
    pass([&] { receiver_.takeback_answered(moves, accepted); });
  }
  void clock_received(const ClockReport& clock) override {
    pass([&] { receiver_.clock_received(clock); });
  }
  void closed(CloseReason reason, bool by_peer) override {
    pass([&] { receiver_.closed(reason, by_peer); });
  }
  void joins_stopped() override {
    pass([&] { receiver_.joins_stopped(); });
  }

 private:
  template <typename Call>
  void pass(const Call& call) {
    ++count_;
    call();
    if (after_event) after_event();
  }

  NetEvents& receiver_;
  long count_ = 0;
};

}  // namespace kumora
