#include "engine/search_clock.h"

namespace kumora {

namespace {

// Of the time a move may take, the search keeps a margin for the machine
// being busy and for the window, and starts no iteration it is unlikely to finish.
constexpr double HARD_SHARE = 0.80;
constexpr double ITERATION_SHARE = 0.15;

}  // namespace

SearchClock::SearchClock(std::int64_t node_budget, double seconds, double iteration_seconds,
                         const std::atomic<bool>* stop)
    : start_(std::chrono::steady_clock::now()), node_budget_(node_budget), stop_(stop) {
  if (seconds > 0) {
    hard_seconds_ = seconds * HARD_SHARE;
    iteration_seconds_ = iteration_seconds > 0 ? iteration_seconds : seconds * ITERATION_SHARE;
  }
  if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) stopped_ = true;
}

double SearchClock::elapsed() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool SearchClock::may_start_iteration() const {
  return !stopped_ && (iteration_seconds_ == 0 || elapsed() < iteration_seconds_);
}

void SearchClock::check_clock_and_flag() {
  if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) stopped_ = true;
  if (hard_seconds_ > 0 && elapsed() >= hard_seconds_) stopped_ = true;
}

}  // namespace kumora
