// When a search must stop: a node budget counted exactly, a wall-time limit
// read every few thousand nodes, and a flag another thread may raise.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace kumora {

class SearchClock {
 public:
  // 0 nodes or 0 seconds: no such limit.  iteration_seconds 0: a share of seconds.
  SearchClock(std::int64_t node_budget, double seconds, double iteration_seconds,
              const std::atomic<bool>* stop);

  // Counts one node; answers true once the search must stop (and stays true).
  bool count_node() {
    ++nodes_;
    if (stopped_) return true;
    if (node_budget_ > 0 && nodes_ >= node_budget_) stopped_ = true;
    if ((nodes_ & (CHECK_INTERVAL - 1)) == 0) check_clock_and_flag();
    return stopped_;
  }

  bool stopped() const { return stopped_; }
  std::int64_t nodes() const { return nodes_; }
  double elapsed() const;
  // May another iteration begin?  Not once a good share of the time is gone.
  bool may_start_iteration() const;

 private:
  static constexpr std::int64_t CHECK_INTERVAL = 1024;
  void check_clock_and_flag();

  std::chrono::steady_clock::time_point start_;
  std::int64_t node_budget_;
  double hard_seconds_ = 0;       // stop here (0: never)
  double iteration_seconds_ = 0;  // no new iteration after this (0: always)
  const std::atomic<bool>* stop_;
  std::int64_t nodes_ = 0;
  bool stopped_ = false;
};

}  // namespace kumora
