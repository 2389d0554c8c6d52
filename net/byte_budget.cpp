#include "net/byte_budget.h"

namespace kumora {

constexpr std::int64_t WINDOW_MS = 1000;

bool ByteBudget::spend(size_t bytes, std::int64_t now_ms) {
  if (!started_ || now_ms - window_start_ >= WINDOW_MS) {
    started_ = true;
    window_start_ = now_ms;
    spent_ = 0;
  }
  spent_ += bytes;
  return spent_ <= limit_;
}

}  // namespace kumora
